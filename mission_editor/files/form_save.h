#pragma once
// The save dialog: asks for the mission's file name and writes the mission file. In quick-save
// mode it saves at once under the name already in its box. After a save it hands on to the
// settings dialog (a new mission is being made) or the open dialog (an open asked for the save).

#include "mission_editor/files/editor_window.h"
#include "mission_editor/files/mission_model.h"

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/text_box.h"

#include <functional>
#include <optional>
#include <string>

namespace plotwright {

inline constexpr const char* ExtensionInNameMessage = "Don't put extension in the name";
inline constexpr const char* InvalidCharactersMessage = "\\ / : * ? < > | are invalid caracters.";
inline constexpr const char* CommaInNameMessage = "Don't put commas in the name";
inline constexpr const char* OverwriteQuestion = "This mission already exist.\rOverwrite mission?";
inline constexpr const char* MissionSavedMessage = "Mission saved.";

// The refusal of a file name typed for a mission, or nothing when the name may be used: the
// first character that cannot stand in a file name, or in a campaign's list of missions (a
// comma), decides the message.
std::optional<std::string> missionNameRefusal(const std::string& name);

class FormSave : public platform::ui::Form
{
public:
    FormSave(MissionModel& model, EditorWindow& editor, std::string programsFolder);

    // Shown after a save while a new mission is being made, and while an open waits for it.
    std::function<void()> ShowFormConfig;
    std::function<void()> ShowFormLoad;

    void Form_Activate();
    void Form_KeyPress(int keyAscii);
    void Form_Unload(bool& cancel);
    void CancelButton_Click();
    void SaveButton_Click();

    platform::ui::TextBox FileName{*this};
    platform::ui::CommandButton SaveButton{*this, "Save"};
    platform::ui::CommandButton CancelButton{*this, "Back"};

private:
    // True when the save may go ahead under `path`: outside quick save, an existing file (the file
    // of the name in any letter case) may be overwritten.
    bool overwriteAccepted(const std::string& path) const;
    // A quick save that did not complete leaves the rest to the author: the dialog stays open and
    // asks as Save as does.
    void endQuickSave();

    MissionModel& m_model;
    EditorWindow& m_editor;
    std::string m_programsFolder;
    bool m_saved = false; // the dialog is closing after a save
};

} // namespace plotwright
