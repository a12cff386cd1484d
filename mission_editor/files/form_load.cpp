#include "mission_editor/files/form_load.h"

#include "mission_editor/files/mission_paths.h"
#include "mission_editor/files/mission_reader.h"

#include "platform/text/text_file.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_boxes.h"

namespace plotwright {

namespace ui = platform::ui;

namespace {

// The lines of one animation slot as its list shows them once the animation is selected.
void showTaskLines(const Grid<std::string>& lines, int slot, ItemList& list)
{
    list.clear();
    if (slot < 1 || slot > MaxAnimations) {
        return;
    }
    for (int j = 1; j <= MaxTaskLines && !lines(slot, j).empty(); ++j) {
        list.add(lines(slot, j));
    }
}

} // namespace

FormLoad::FormLoad(MissionModel& model, EditorWindow& editor, std::string programsFolder)
    : Form("Open mission from file..."), m_model(model), m_editor(editor),
      m_programsFolder(std::move(programsFolder))
{
    resize(400, 230);
    Directory.move(10, 10, 200, 210);
    t1.move(220, 10, 170, 16);
    t4.move(220, 32, 170, 16);
    t2.move(220, 54, 170, 16);
    t3.move(220, 76, 170, 16);
    LoadButton.move(220, 158, 170, 28);
    Backbutton.move(220, 192, 170, 28);

    onLoad = [this] { Form_Load(); };
    onKeyPress = [this](int key) { Form_KeyPress(key); };
    onUnload = [this](bool& cancel) { Form_Unload(cancel); };
    Directory.onClick = [this] { Directory_Click(); };
    Directory.onDblClick = [this] { Directory_DblClick(); };
    LoadButton.onClick = [this] { LoadButton_Click(); };
    Backbutton.onClick = [this] { Backbutton_Click(); };
}

void FormLoad::Form_Load()
{
    m_editor.placeDialog(*this);
    // The marker only has to exist; a folder that refuses it changes nothing else.
    (void)platform::text::writeFileAtomic(openMarkerPath(m_programsFolder), "");
    Directory.setPath(missionsFolder(m_programsFolder));
    Directory.setPattern("*.cfm");
    Directory.refresh();
}

void FormLoad::Form_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kKeyEscape) {
        unload();
    }
}

void FormLoad::Form_Unload(bool& /*cancel*/)
{
    m_model.OpenPending = false;
    m_editor.setEditorEnabled(true);
}

void FormLoad::Directory_Click()
{
    const std::optional<platform::text::FolderFile> file = Directory.selectedFile();
    if (!file) {
        return;
    }
    // A file that cannot be read shows no header, rather than the header of the file before it.
    std::optional<MissionPreview> read;
    if (file->name) {
        read = previewMissionFile(Directory.filePath());
    }
    const std::string none;
    const MissionPreview preview = read.value_or(MissionPreview{none, none, none, none});
    const std::pair<const std::optional<std::string>*, ui::Label*> labels[] = {
        {&preview.t1, &t1}, {&preview.t4, &t4}, {&preview.t2, &t2}, {&preview.t3, &t3}};
    for (const auto& [text, label] : labels) {
        if (*text) {
            label->setCaption(**text);
        }
    }
}

void FormLoad::Directory_DblClick()
{
    LoadButton_Click();
}

void FormLoad::LoadButton_Click()
{
    const std::optional<platform::text::FolderFile> file = Directory.selectedFile();
    if (!file) {
        return;
    }
    if (!file->name) {
        // Its name has letters a mission's name cannot hold: the mission could never be saved
        // back to it.
        ui::msgBox(UnusableFileNameMessage + file->shownText(), ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                   "Editor");
        return;
    }
    m_editor.selectMapEditMode();
    const OpenResult opened = openMission(m_model, Directory.filePath(), missionNameOfFile(*file->name));
    if (!opened.ok) {
        ui::msgBox(opened.message, ui::MsgButtons::Ok, ui::MsgIcon::None, "Editor");
        return;
    }
    // The first animation and AI animation are the selected ones: their lines are the ones shown,
    // and the ones a save stores back, even before the panels show them.
    showTaskLines(m_model.AnimTask, m_model.CurAnim, m_model.TaskList);
    showTaskLines(m_model.AiAnimTask, m_model.CurAiAnim, m_model.TaskAIList);
    m_editor.refreshFromModel();
    unload();
}

void FormLoad::Backbutton_Click()
{
    unload();
}

} // namespace plotwright
