#pragma once
// The open dialog: lists the mission files, previews the header of the one selected and reads
// the chosen file into the mission. A file that is not a mission leaves the mission as it was.
// Loading the dialog leaves the marker file mo.cfg in the programs' folder.

#include "mission_editor/files/editor_window.h"
#include "mission_editor/files/mission_model.h"

#include "platform/ui/command_button.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"

#include <string>

namespace plotwright {

// Said, followed by the name, when the file picked has letters a mission's name cannot hold.
inline constexpr const char* UnusableFileNameMessage =
    "The name of this file has letters that can't be in a mission's name: ";

class FormLoad : public platform::ui::Form
{
public:
    FormLoad(MissionModel& model, EditorWindow& editor, std::string programsFolder);

    void Form_Load();
    void Form_KeyPress(int keyAscii);
    void Form_Unload(bool& cancel);
    void Directory_Click();
    void Directory_DblClick();
    void LoadButton_Click();
    void Backbutton_Click();

    platform::ui::FileListBox Directory{*this};
    platform::ui::Label t1{*this, "Nome: "};
    platform::ui::Label t4{*this, "Autor: "};
    platform::ui::Label t2{*this, "Largura: "};
    platform::ui::Label t3{*this, "Altura: "};
    platform::ui::CommandButton LoadButton{*this, "Open"};
    platform::ui::CommandButton Backbutton{*this, "Back"};

private:
    MissionModel& m_model;
    EditorWindow& m_editor;
    std::string m_programsFolder;
};

} // namespace plotwright
