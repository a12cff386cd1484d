#pragma once
// The campaign editor's window: the main panel (missions, troop, commands), the save panel and
// the open panel, all in the same place, one shown at a time.

#include "campaign_editor/campaign_record.h"
#include "campaign_editor/campaign_session.h"
#include "campaign_editor/mission_lists.h"

#include "platform/ui/command_button.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_group.h"
#include "platform/ui/text_box.h"

#include <string>

namespace cadrell {

namespace ui = platform::ui;

class Form1 : public ui::Form
{
public:
    // `programsFolder` holds the programs and their data folder "arquivos".
    explicit Form1(std::string programsFolder);

    const std::string& programsFolder() const { return m_programsFolder; }
    // The first button picture that could not be loaded; empty when all were.
    const std::string& missingPicture() const { return m_missingPicture; }
    const CampaignSession& session() const { return m_session; }
    // The campaign as the window's boxes, lists and options hold it.
    CampaignRecord campaign() const;

    // Event procedures.
    void Form_Load();
    void AddBut_Click();
    void KillBut_Click();
    void UpMission_Click();
    void DownMission_Click();
    void SaveBut_Click();
    void SaveAsBut_Click();
    void SaveCancel_Click();
    void SaveDirectory_Click();
    void SaveDirectory_DblClick();
    void SaveOK_Click();
    void OpenBut_Click();
    void OpenCancel_Click();
    void OpenDirectory_Click();
    void OpenDirectory_DblClick();
    void OpenOK_Click();
    void EditorRUN_Click();

    // The main panel.
    ui::Frame MainFrame;
    ui::Frame Frame1;
    ui::Label MissionOKLabel;
    ui::ListBox MissionOK;
    ui::Label MissionListLabel;
    ui::ListBox MissionList;
    ui::CommandButton AddBut;
    ui::CommandButton KillBut;
    ui::CommandButton UpMission;
    ui::CommandButton DownMission;
    ui::Frame Frame2;
    ui::Label NameFieldLabel;
    ui::TextBox NameField;
    ui::OptionGroup RndOpt;
    ui::CommandButton SaveBut;
    ui::CommandButton SaveAsBut;
    ui::CommandButton OpenBut;
    ui::CommandButton EditorRUN;
    ui::CommandButton ConfigBut;
    ui::Label Version;

    // The save panel.
    ui::Frame SaveFrame;
    ui::Label CampainNameLabel;
    ui::TextBox CampainNameTXT;
    ui::Label AutorLabel;
    ui::TextBox AutorTXT;
    ui::FileListBox SaveDirectory;
    ui::Label SaveLabel;
    ui::TextBox SaveTXT;
    ui::CommandButton SaveOK;
    ui::CommandButton SaveCancel;

    // The open panel.
    ui::Frame OpenFrame;
    ui::FileListBox OpenDirectory;
    ui::TextBox CampInfo;
    ui::CommandButton OpenOK;
    ui::CommandButton OpenCancel;

private:
    void layOut();
    void connectEvents();
    void loadButtonPictures();
    // Brings the lists' selections from the list boxes into the mission lists, and back.
    void takeListSelections();
    void showMissionLists();
    void refreshDirectories();

    std::string m_programsFolder;

    std::string m_missingPicture;
    CampaignSession m_session;
    MissionLists m_lists;
};

} // namespace cadrell
