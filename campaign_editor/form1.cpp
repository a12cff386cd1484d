#include "campaign_editor/form1.h"

#include "campaign_editor/campaign_folder.h"

#include "platform/gfx/picture.h"
#include "platform/text/file_names.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace cadrell {

namespace {

constexpr int kPanelWidth = 513;
constexpr int kPanelHeight = 321;

// The mission editor's program file in the programs' folder.
std::string missionEditorPath(const std::string& programsFolder)
{
#ifdef _WIN32
    return programsFolder + "/plotwright.exe";
#else
    return programsFolder + "/plotwright";
#endif
}

} // namespace

Form1::Form1(std::string programsFolder)
    : ui::Form("VEDE Gorsefield - Campaign Editor"), MainFrame(*this, "Campaign Editor"),
      Frame1(MainFrame, "Missions"), MissionOKLabel(Frame1, "Missions availables"),
      MissionOK(Frame1, ui::ListBox::Order::Sorted), MissionListLabel(Frame1, "Missions selected"),
      MissionList(Frame1, ui::ListBox::Order::AsAdded), AddBut(Frame1), KillBut(Frame1), UpMission(Frame1),
      DownMission(Frame1), Frame2(MainFrame, "Troop members"), NameFieldLabel(Frame2, "Soldier names"),
      NameField(Frame2, ui::TextBox::Lines::Multi), SaveBut(MainFrame, "Save"),
      SaveAsBut(MainFrame, "Save as"), OpenBut(MainFrame, "Open"),
      EditorRUN(MainFrame, "Try launch the Misson Editor"), ConfigBut(MainFrame, "Config"),
      Version(MainFrame, "Version: Final1"), SaveFrame(*this, "Save"),
      CampainNameLabel(SaveFrame, "Campaign name:"), CampainNameTXT(SaveFrame),
      AutorLabel(SaveFrame, "Autor name:"), AutorTXT(SaveFrame), SaveDirectory(SaveFrame),
      SaveLabel(SaveFrame, "File name:"), SaveTXT(SaveFrame), SaveOK(SaveFrame, "Save"),
      SaveCancel(SaveFrame, "Back"), OpenFrame(*this, "Open"), OpenDirectory(OpenFrame),
      CampInfo(OpenFrame, ui::TextBox::Lines::Multi), OpenOK(OpenFrame, "Open"),
      OpenCancel(OpenFrame, "Back"), m_programsFolder(std::move(programsFolder)),
      m_session(campaignFolder(m_programsFolder))
{
    RndOpt.add(Frame2, "Keep the order");
    RndOpt.add(Frame2, "Random on start");
    RndOpt.setValue(0);
    CampInfo.setLocked(true);
    layOut();
    loadButtonPictures();
    connectEvents();
    onLoad = [this] { Form_Load(); };
}

void Form1::layOut()
{
    // The panels lie on top of each other; each one hides what lies under it.
    for (ui::Frame* panel : {&MainFrame, &SaveFrame, &OpenFrame}) {
        if (QWidget* w = panel->widget()) {
            w->setAutoFillBackground(true);
        }
    }
    MainFrame.move(0, 0, kPanelWidth, kPanelHeight);
    Frame1.move(8, 24, 321, 220);
    MissionOKLabel.move(10, 20, 120, 16);
    MissionOK.move(10, 38, 120, 172);
    AddBut.move(138, 42, 45, 37);
    KillBut.move(138, 84, 45, 37);
    UpMission.move(138, 126, 45, 37);
    DownMission.move(138, 168, 45, 37);
    MissionListLabel.move(191, 20, 120, 16);
    MissionList.move(191, 38, 120, 172);

    Frame2.move(337, 24, 168, 220);
    NameFieldLabel.move(10, 20, 148, 16);
    NameField.move(10, 38, 148, 118);
    RndOpt[0].move(10, 164, 148, 20);
    RndOpt[1].move(10, 188, 148, 20);

    SaveBut.move(8, 252, 81, 27);
    SaveAsBut.move(97, 252, 81, 27);
    OpenBut.move(186, 252, 81, 27);
    ConfigBut.move(275, 252, 81, 27);
    EditorRUN.move(8, 286, 259, 27);
    Version.move(375, 292, 130, 16);
    Version.setAlignment(ui::Label::Alignment::Right);

    SaveFrame.move(0, 0, kPanelWidth, kPanelHeight);
    CampainNameLabel.move(16, 24, 225, 16);
    CampainNameTXT.move(16, 42, 225, 23);
    AutorLabel.move(16, 78, 225, 16);
    AutorTXT.move(16, 96, 225, 23);
    SaveLabel.move(16, 132, 225, 16);
    SaveTXT.move(16, 150, 225, 23);
    SaveOK.move(16, 270, 105, 29);
    SaveCancel.move(136, 270, 105, 29);
    SaveDirectory.move(264, 24, 233, 275);

    OpenFrame.move(0, 0, kPanelWidth, kPanelHeight);
    OpenDirectory.move(16, 24, 233, 275);
    CampInfo.move(264, 24, 233, 113);
    OpenOK.move(264, 270, 105, 29);
    OpenCancel.move(392, 270, 105, 29);
}

void Form1::loadButtonPictures()
{
    // A missing picture leaves a button with a short caption and is remembered, so that the program
    // can refuse to start (see main.cpp) while a form made elsewhere still works.
    struct Button
    {
        ui::CommandButton& button;
        const char* file;
        const char* caption;
    };
    const Button buttons[] = {
        {AddBut, "btnadd.bmp", ">"},
        {KillBut, "btnremove.bmp", "<"},
        {UpMission, "btnup.bmp", "Up"},
        {DownMission, "btndown.bmp", "Down"},
    };
    for (const Button& b : buttons) {
        platform::gfx::Picture picture;
        if (picture.load(m_programsFolder + "/arquivos/grafico/" + b.file)) {
            b.button.setPicture(picture);
        } else {
            b.button.setCaption(b.caption);
            if (m_missingPicture.empty())
                m_missingPicture = m_programsFolder + "/arquivos/grafico/" + b.file;
        }
    }
}

void Form1::connectEvents()
{
    AddBut.onClick = [this] { AddBut_Click(); };
    KillBut.onClick = [this] { KillBut_Click(); };
    UpMission.onClick = [this] { UpMission_Click(); };
    DownMission.onClick = [this] { DownMission_Click(); };
    SaveBut.onClick = [this] { SaveBut_Click(); };
    SaveAsBut.onClick = [this] { SaveAsBut_Click(); };
    SaveCancel.onClick = [this] { SaveCancel_Click(); };
    SaveDirectory.onClick = [this] { SaveDirectory_Click(); };
    SaveDirectory.onDblClick = [this] { SaveDirectory_DblClick(); };
    SaveOK.onClick = [this] { SaveOK_Click(); };
    OpenBut.onClick = [this] { OpenBut_Click(); };
    OpenCancel.onClick = [this] { OpenCancel_Click(); };
    OpenDirectory.onClick = [this] { OpenDirectory_Click(); };
    OpenDirectory.onDblClick = [this] { OpenDirectory_DblClick(); };
    OpenOK.onClick = [this] { OpenOK_Click(); };
    EditorRUN.onClick = [this] { EditorRUN_Click(); };
}

CampaignRecord Form1::campaign() const
{
    CampaignRecord c;
    c.name = CampainNameTXT.text();
    c.author = AutorTXT.text();
    c.missions = m_lists.selected();
    c.namesText = NameField.text();
    c.keepOrder = RndOpt.value() == 0;
    return c;
}

void Form1::Form_Load()
{
    const std::string folder = m_session.folder();
    MissionOK.clear();
    for (const std::string& mission : listMissionNames(folder)) {
        MissionOK.addItem(mission);
    }
    m_lists.setAvailable(MissionOK.items());

    for (ui::FileListBox* list : {&OpenDirectory, &SaveDirectory}) {
        list->setPattern("*.cfc");
        list->setPath(folder);
    }

    MainFrame.move(0, 0);
    SaveFrame.move(0, 0);
    OpenFrame.move(0, 0);
    SaveFrame.hide();
    OpenFrame.hide();
    resize(kPanelWidth, kPanelHeight);
}

void Form1::takeListSelections()
{
    m_lists.selectAvailable(MissionOK.listIndex());
    m_lists.selectSelected(MissionList.listIndex());
}

void Form1::showMissionLists()
{
    const auto& selected = m_lists.selected();
    if (MissionList.items() != selected) {
        MissionList.clear();
        for (const std::string& mission : selected) {
            MissionList.addItem(mission);
        }
    }
    MissionList.setListIndex(m_lists.selectedIndex());
    if (MissionOK.listIndex() != m_lists.availableIndex()) {
        MissionOK.setListIndex(m_lists.availableIndex());
    }
}

void Form1::AddBut_Click()
{
    takeListSelections();
    m_lists.add();
    showMissionLists();
}

void Form1::KillBut_Click()
{
    takeListSelections();
    m_lists.remove();
    showMissionLists();
}

void Form1::UpMission_Click()
{
    takeListSelections();
    m_lists.up();
    showMissionLists();
}

void Form1::DownMission_Click()
{
    takeListSelections();
    m_lists.down();
    showMissionLists();
}

void Form1::SaveBut_Click()
{
    SaveDirectory.setListIndex(-1);
    if (m_session.hasName()) {
        m_session.setSaveInPlace(true);
        SaveTXT.setText(m_session.currentName());
        SaveOK_Click();
    } else {
        SaveAsBut_Click();
    }
}

void Form1::SaveAsBut_Click()
{
    SaveFrame.show();
    SaveDirectory.setListIndex(-1);
    SaveTXT.setText(m_session.currentName());
}

void Form1::SaveCancel_Click()
{
    SaveFrame.hide();
}

void Form1::SaveDirectory_Click()
{
    SaveTXT.setText(stripExtension(SaveDirectory.fileName()));
}

void Form1::SaveDirectory_DblClick()
{
    SaveOK_Click();
}

void Form1::SaveOK_Click()
{
    if (m_session.save(SaveTXT.text(), campaign(), SaveTXT.fitsCodePage()) ==
        CampaignSession::SaveResult::Saved) {
        SaveFrame.hide();
    }
    refreshDirectories();
}

void Form1::refreshDirectories()
{
    SaveDirectory.refresh();
    OpenDirectory.refresh();
}

void Form1::OpenBut_Click()
{
    OpenDirectory.setListIndex(-1);
    OpenFrame.show();
}

void Form1::OpenCancel_Click()
{
    OpenFrame.hide();
}

void Form1::OpenDirectory_Click()
{
    if (const std::optional<platform::text::FolderFile> file = OpenDirectory.selectedFile()) {
        CampInfo.setText(m_session.preview(*file));
    }
}

void Form1::OpenDirectory_DblClick()
{
    OpenOK_Click();
}

void Form1::OpenOK_Click()
{
    const std::optional<platform::text::FolderFile> file = OpenDirectory.selectedFile();
    if (!file) {
        return;
    }
    CampaignRecord c = campaign();
    if (!m_session.open(*file, c)) {
        return;
    }
    CampainNameTXT.setText(c.name);
    AutorTXT.setText(c.author);
    RndOpt.setValue(c.keepOrder ? 0 : 1);
    m_lists.setSelected(c.missions);
    showMissionLists();
    NameField.setText(c.namesText);
    OpenFrame.hide();
}

void Form1::EditorRUN_Click()
{
    const std::string path = missionEditorPath(m_programsFolder);
    const QFileInfo program(platform::text::toolkitPath(path));
    if (!program.isFile()) {
        return;
    }
    QProcess::startDetached(program.absoluteFilePath(), QStringList(), program.absolutePath());
}

} // namespace cadrell
