#include "mission_editor/files/file_commands.h"

#include "platform/ui/message_boxes.h"

namespace plotwright {

namespace ui = platform::ui;

namespace {

ui::MsgAnswer askToSave()
{
    return ui::msgBox(UnsavedChangesQuestion, ui::MsgButtons::YesNoCancel, ui::MsgIcon::Question, "Editor");
}

} // namespace

FileCommands::FileCommands(MissionModel& model, EditorWindow& editor, FormSave& save, FormConfig& config,
                           FormLoad& load)
    : m_model(model), m_editor(editor), m_save(save), m_config(config), m_load(load)
{
    m_save.ShowFormConfig = [this] { m_config.bringUp(); };
    m_save.ShowFormLoad = [this] { showLoad(); };
}

void FileCommands::showSave(bool quickSave)
{
    m_model.QuickSave = quickSave;
    m_save.FileName.setText(m_model.MissionFile);
    m_editor.setEditorEnabled(false);
    m_save.show();
}

void FileCommands::showLoad()
{
    m_model.OpenPending = true;
    m_load.show();
}

void FileCommands::NewButton_Click()
{
    m_editor.setEditorEnabled(false);
    if (!m_model.Modified) {
        m_model.NewPending = true;
        m_config.bringUp();
        return;
    }
    m_model.NewPending = false;
    m_model.OpenAfterSave = false;
    switch (askToSave()) {
    case ui::MsgAnswer::Yes:
        m_model.NewPending = true;
        showSave(true);
        break;
    case ui::MsgAnswer::No:
        m_model.Modified = false;
        m_model.NewPending = true;
        m_config.bringUp();
        break;
    default:
        m_editor.setEditorEnabled(true);
        break;
    }
}

void FileCommands::LoadButton_Click()
{
    m_editor.setEditorEnabled(false);
    ui::MsgAnswer answer = ui::MsgAnswer::No;
    if (m_model.Modified) {
        answer = askToSave();
    }
    switch (answer) {
    case ui::MsgAnswer::Yes:
        m_model.NewPending = false;
        m_model.OpenAfterSave = true;
        showSave(true);
        break;
    case ui::MsgAnswer::No:
        m_model.OpenAfterSave = false;
        m_model.QuickSave = false;
        showLoad();
        break;
    default:
        m_editor.setEditorEnabled(true);
        break;
    }
}

void FileCommands::SaveButton_Click()
{
    m_editor.setSaveButtonEnabled(false);
    showSave(m_model.MissionFile != UntitledName);
}

void FileCommands::SaveAsButton_Click()
{
    showSave(false);
}

void FileCommands::saveBeforeClose()
{
    showSave(false);
}

} // namespace plotwright
