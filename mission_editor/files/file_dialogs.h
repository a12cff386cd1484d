#pragma once
// The open, save and settings dialogs and the file commands, hung on the editor's main window:
// the command buttons New, Open, Save and Save as, the Configurations button and the save that
// the window's close question asks for.

#include "mission_editor/files/editor_window.h"
#include "mission_editor/files/file_commands.h"
#include "mission_editor/files/form_config.h"
#include "mission_editor/files/form_load.h"
#include "mission_editor/files/form_save.h"
#include "mission_editor/files/mission_model.h"

namespace plotwright {

class FormMain;

// FormMain as the dialogs see it.
class MainWindowLink : public EditorWindow
{
public:
    explicit MainWindowLink(FormMain& form) : m_form(form) {}

    void setEditorEnabled(bool enabled) override;
    void setSaveButtonEnabled(bool enabled) override;
    void selectMapEditMode() override;
    void refreshFromModel() override;
    void placeDialog(platform::ui::Form& dialog) override;

private:
    FormMain& m_form;
};

class FileDialogs
{
public:
    // Connects the dialogs to the window's buttons and hooks; before the window is run.
    explicit FileDialogs(FormMain& form);

    MainWindowLink link;
    FormSave formSave;
    FormConfig formConfig;
    FormLoad formLoad;
    FileCommands commands;
};

} // namespace plotwright
