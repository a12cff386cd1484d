#include "mission_editor/files/form_save.h"

#include "mission_editor/files/form_load.h"
#include "mission_editor/files/mission_paths.h"
#include "mission_editor/files/mission_writer.h"

#include "platform/text/text_file.h"
#include "platform/text/vb.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_boxes.h"

#include <string_view>

namespace plotwright {

namespace ui = platform::ui;

namespace {

constexpr const char* EditorTitle = "Editor";

} // namespace

std::optional<std::string> missionNameRefusal(const std::string& name)
{
    constexpr std::string_view forbidden = "\\/:*?<>|.\"";
    for (const char c : name) {
        if (forbidden.find(c) != std::string_view::npos) {
            return std::string(c == '.' ? ExtensionInNameMessage : InvalidCharactersMessage);
        }
        if (c == ',') {
            // A campaign lists its missions by name, and its reader cuts a name at a comma.
            return std::string(CommaInNameMessage);
        }
    }
    if (!platform::text::isPlainFileName(name + ".cfm")) {
        return std::string(InvalidCharactersMessage); // a control character
    }
    return std::nullopt;
}

FormSave::FormSave(MissionModel& model, EditorWindow& editor, std::string programsFolder)
    : Form("Save mission to the file..."), m_model(model), m_editor(editor),
      m_programsFolder(std::move(programsFolder))
{
    resize(300, 80);
    FileName.move(10, 10, 280, 21);
    SaveButton.move(10, 42, 90, 28);
    CancelButton.move(200, 42, 90, 28);

    onActivate = [this] { Form_Activate(); };
    onKeyPress = [this](int key) { Form_KeyPress(key); };
    onUnload = [this](bool& cancel) { Form_Unload(cancel); };
    onLoad = [this] {
        m_saved = false;
        m_editor.placeDialog(*this);
    };
    CancelButton.onClick = [this] { CancelButton_Click(); };
    SaveButton.onClick = [this] { SaveButton_Click(); };
}

void FormSave::Form_Activate()
{
    if (!m_model.QuickSave) {
        return;
    }
    if (FileName.text().empty()) {
        // No name to save under without asking: the author confirms one.
        endQuickSave();
        return;
    }
    SaveButton_Click();
}

void FormSave::Form_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kKeyEscape) {
        unload();
    }
}

void FormSave::Form_Unload(bool& /*cancel*/)
{
    if (!m_saved) {
        // Left without saving: the new mission or the open that waited for this save is dropped,
        // so that no later save or settings change carries it out unasked.
        m_model.NewPending = false;
        m_model.OpenAfterSave = false;
    }
    m_editor.setEditorEnabled(true);
}

void FormSave::CancelButton_Click()
{
    unload();
}

bool FormSave::overwriteAccepted(const std::string& path) const
{
    // The file of that name in another letter case is the same file to the author: the question
    // is asked for it too, and the save replaces it.
    if (!m_model.QuickSave && platform::text::fileExists(path)) {
        return ui::msgBox(OverwriteQuestion, ui::MsgButtons::YesNo, ui::MsgIcon::Question, "Overwright?") ==
               ui::MsgAnswer::Yes;
    }
    return true;
}

void FormSave::endQuickSave()
{
    m_model.QuickSave = false;
}

void FormSave::SaveButton_Click()
{
    // A name typed by the author is taken without the blanks at its ends; a quick save keeps the
    // name of the file the mission came from.
    const std::string name = m_model.QuickSave ? FileName.text() : vb::trim(FileName.text());
    // A letter the code page lacks shows as '?' in the name: say what is really wrong with it.
    const std::optional<std::string> refusal =
        FileName.fitsCodePage() ? missionNameRefusal(name) : std::string(UnusableFileNameMessage) + name;
    if (refusal) {
        ui::msgBox(*refusal, ui::MsgButtons::Ok, ui::MsgIcon::Critical, EditorTitle);
    }
    const std::optional<std::string> path = refusal ? std::nullopt : missionPath(m_programsFolder, name);
    if (!path || !overwriteAccepted(*path)) {
        endQuickSave();
        return;
    }

    const platform::text::WriteResult written = saveMission(m_model, *path);
    if (!written.ok) {
        ui::msgBox("The mission could not be saved to " + platform::text::shownText(*path) + ":\r\n" +
                       written.error,
                   ui::MsgButtons::Ok, ui::MsgIcon::Critical, EditorTitle);
        endQuickSave();
        return;
    }

    m_model.MissionFile = name;
    if (!m_model.QuickSave && !m_model.NewPending && !m_model.OpenAfterSave) {
        ui::msgBox(MissionSavedMessage, ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, EditorTitle);
    }
    m_model.Modified = false;
    m_saved = true;
    if (m_model.NewPending && ShowFormConfig) {
        ShowFormConfig();
    }
    if (m_model.OpenAfterSave && ShowFormLoad) {
        ShowFormLoad();
    }
    // The open that waited for this save has its dialog now: the next save is a plain one. (A new
    // mission stays pending until its settings dialog closes.)
    m_model.OpenAfterSave = false;
    unload();
}

} // namespace plotwright
