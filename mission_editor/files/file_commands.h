#pragma once
// The main window's file buttons New, Open, Save and Save as, and the save that the window's close
// question asks for. Each sets the workflow flags, puts the mission's file name into the save
// dialog's box and shows the right dialog; the dialogs then chain among themselves through the
// flags.

#include "mission_editor/files/editor_window.h"
#include "mission_editor/files/form_config.h"
#include "mission_editor/files/form_load.h"
#include "mission_editor/files/form_save.h"
#include "mission_editor/files/mission_model.h"

namespace plotwright {

inline constexpr const char* UnsavedChangesQuestion = "The mission wasn't saved. Save now?";

class FileCommands
{
public:
    FileCommands(MissionModel& model, EditorWindow& editor, FormSave& save, FormConfig& config,
                 FormLoad& load);

    void NewButton_Click();
    void LoadButton_Click();
    void SaveButton_Click();
    void SaveAsButton_Click();

    // The close question was answered Yes: the save dialog asks for the name, with the mission's
    // own filled in.
    void saveBeforeClose();

private:
    void showSave(bool quickSave);
    void showLoad();

    MissionModel& m_model;
    EditorWindow& m_editor;
    FormSave& m_save;
    FormConfig& m_config;
    FormLoad& m_load;
};

} // namespace plotwright
