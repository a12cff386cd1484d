#include "campaign_editor/form1.h"

#include "platform/gfx/picture.h"
#include "platform/text/file_names.h"
#include "platform/text/text_file.h"
#include "platform/ui/events.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/user_actions.h"

#include "tests/platform_text/program_folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui = platform::ui;
namespace user = platform::ui::user;
using cadrell::Form1;
using Names = std::vector<std::string>;

namespace {

const std::string kExisting =
    "<Campanha>\r\n\"Old\"\r\n\"Ed\"\r\n 1 \r\nFalse\r\n<-Campanha>\r\n<Miss>\r\nm2\r\n"
    "<-Miss>\r\n<Nomes>\r\nZed\r\nYul\r\n<-Nomes>\r\n";

// A programs' folder with a campaign folder of missions and campaigns, and the editor on it.
class CampaignEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_programs = m_dir.path().toStdString();
        m_campaigns = m_programs + "/arquivos/campanha";
        std::filesystem::create_directories(m_campaigns);
        for (const char* mission : {"m2.cfm", "B3.cfm", "m1.cfm"}) {
            writeFile(mission, "<Info>\r\n");
        }
        writeFile("alpha.cfc", kExisting);
        writeFile("beta.cfc", kExisting);
        m_boxes.setFailureHook([](const std::string& failure) { ADD_FAILURE() << failure; });
    }

    void TearDown() override { EXPECT_EQ(m_boxes.unusedAnswers(), 0u); }

    Form1& form()
    {
        if (!m_form) {
            m_form = std::make_unique<Form1>(m_programs);
            m_form->show();
        }
        return *m_form;
    }

    void writeFile(const std::string& name, const std::string& bytes)
    {
        ASSERT_TRUE(platform::text::writeFileAtomic(m_campaigns + "/" + name, bytes).ok);
    }
    std::string fileBytes(const std::string& name)
    {
        std::string bytes;
        platform::text::readFile(m_campaigns + "/" + name, bytes);
        return bytes;
    }

    int indexOf(const ui::FileListBox& list, const std::string& name)
    {
        const auto& items = list.items();
        const auto it = std::find(items.begin(), items.end(), name);
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }

    // The open panel's Open on the campaign file `name`.
    void openCampaign(const std::string& name)
    {
        user::click(form().OpenBut);
        user::click(form().OpenDirectory, indexOf(form().OpenDirectory, name));
        user::click(form().OpenOK);
    }

    QTemporaryDir m_dir;
    std::string m_programs;
    std::string m_campaigns;
    ui::ScriptedMessageBoxes m_boxes;
    std::unique_ptr<Form1> m_form;
};

} // namespace

TEST_F(CampaignEditor, StartsOnTheMainPanelWithTheMissionsOfTheFolder)
{
    Form1& f = form();
    EXPECT_EQ(f.caption(), "VEDE Gorsefield - Campaign Editor");
    EXPECT_EQ(f.MissionOK.items(), (Names{"B3", "m1", "m2"}));
    EXPECT_TRUE(f.MissionList.items().empty());
    EXPECT_TRUE(f.MainFrame.visible());
    EXPECT_FALSE(f.SaveFrame.visible());
    EXPECT_FALSE(f.OpenFrame.visible());
    EXPECT_EQ(f.RndOpt.value(), 0);
    EXPECT_EQ(f.session().currentName(), "semnome");
    EXPECT_EQ(f.OpenDirectory.items(), (Names{"alpha.cfc", "beta.cfc"}));
    EXPECT_EQ(f.SaveDirectory.items(), (Names{"alpha.cfc", "beta.cfc"}));
    EXPECT_EQ(f.width(), 513);
    EXPECT_EQ(f.height(), 321);
}

TEST_F(CampaignEditor, MissionButtonsEditTheSelectedList)
{
    Form1& f = form();
    user::click(f.MissionOK, 1); // m1
    user::click(f.AddBut);
    EXPECT_EQ(f.MissionOK.listIndex(), 2);
    user::click(f.AddBut);
    user::click(f.AddBut); // m2 again: still one entry, the choice stays on the last
    EXPECT_EQ(f.MissionList.items(), (Names{"m1", "m2"}));
    EXPECT_EQ(f.MissionOK.listIndex(), 2);
    user::click(f.MissionOK, 0);
    user::click(f.AddBut);
    EXPECT_EQ(f.MissionList.items(), (Names{"m1", "m2", "B3"}));

    user::click(f.MissionList, 0);
    user::click(f.UpMission); // the first cannot go up
    EXPECT_EQ(f.MissionList.items(), (Names{"m1", "m2", "B3"}));
    user::click(f.DownMission);
    EXPECT_EQ(f.MissionList.items(), (Names{"m2", "m1", "B3"}));
    EXPECT_EQ(f.MissionList.listIndex(), 1);
    user::click(f.DownMission);
    user::click(f.DownMission); // the last cannot go down
    EXPECT_EQ(f.MissionList.items(), (Names{"m2", "B3", "m1"}));
    EXPECT_EQ(f.MissionList.listIndex(), 2);
    user::click(f.UpMission);
    EXPECT_EQ(f.MissionList.items(), (Names{"m2", "m1", "B3"}));
    EXPECT_EQ(f.MissionList.listIndex(), 1);

    user::click(f.MissionList, 0);
    user::click(f.KillBut); // the first: the new first one is chosen
    EXPECT_EQ(f.MissionList.items(), (Names{"m1", "B3"}));
    EXPECT_EQ(f.MissionList.listIndex(), 0);
    user::click(f.KillBut);
    user::click(f.KillBut); // the only one: nothing is left chosen
    EXPECT_TRUE(f.MissionList.items().empty());
    EXPECT_EQ(f.MissionList.listIndex(), -1);
    user::click(f.KillBut);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CampaignEditor, RefusedNamesShowOneMessageAndWriteNothing)
{
    const std::string extension = "Don't put extensions in the file name";
    const std::string invalid = "\\ / : * ? < > | are invalid caracters.";
    const std::string unusable = "The name of this file has letters that can't be in a campaign's name: ";
    struct Case
    {
        const char* name; // as the box gives it back
        std::string message;
        const char* typed = nullptr; // typed by the author (UTF-8) when the name cannot show it
    };
    const std::vector<Case> cases = {{"alpha.cfc", extension},
                                     {"al*pha", invalid},
                                     {"al\"pha", invalid},
                                     {"", "I will need a file name."},
                                     {"?mega", unusable + "?mega", "\u03A9mega"}};
    Form1& f = form();
    for (const auto& c : cases) {
        m_boxes.clear();
        m_boxes.acknowledge();
        user::click(f.SaveAsBut);
        f.SaveTXT.setText(c.name);
        if (c.typed)
            static_cast<QLineEdit*>(f.SaveTXT.widget())->setText(QString::fromUtf8(c.typed));
        user::click(f.SaveOK);
        ASSERT_EQ(m_boxes.shown().size(), 1u) << c.name;
        EXPECT_EQ(m_boxes.shown()[0].text, c.message);
        EXPECT_EQ(m_boxes.shown()[0].icon, ui::MsgIcon::Critical);
        EXPECT_EQ(m_boxes.shown()[0].title, "Editor");
        EXPECT_TRUE(f.SaveFrame.visible()) << c.name;
        EXPECT_EQ(f.SaveTXT.text(), c.name);
        EXPECT_EQ(f.session().currentName(), "semnome");
    }
    EXPECT_EQ(f.SaveDirectory.items(), (Names{"alpha.cfc", "beta.cfc"}));
    EXPECT_EQ(fileBytes("alpha.cfc"), kExisting);
}

TEST_F(CampaignEditor, SaveAsOntoAnExistingCampaignAsksFirst)
{
    Form1& f = form();
    user::click(f.SaveBut); // never saved: the save panel proposes "semnome"
    EXPECT_TRUE(f.SaveFrame.visible());
    EXPECT_EQ(f.SaveTXT.text(), "semnome");
    f.CampainNameTXT.setText("New");

    user::click(f.SaveDirectory, indexOf(f.SaveDirectory, "alpha.cfc"));
    EXPECT_EQ(f.SaveTXT.text(), "alpha");
    m_boxes.answer(ui::MsgAnswer::No);
    user::click(f.SaveOK);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, "This campaign already exist.\rOverwrite?");
    EXPECT_EQ(m_boxes.shown()[0].title, "Overwright?");
    EXPECT_EQ(m_boxes.shown()[0].buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(fileBytes("alpha.cfc"), kExisting);
    EXPECT_TRUE(f.SaveFrame.visible());
    EXPECT_EQ(f.session().currentName(), "semnome");

    m_boxes.clear();
    m_boxes.answer(ui::MsgAnswer::Yes);
    m_boxes.acknowledge();
    user::doubleClick(f.SaveDirectory, indexOf(f.SaveDirectory, "alpha.cfc"));
    EXPECT_EQ(m_boxes.texts(), (Names{"This campaign already exist.\rOverwrite?", "ok"}));
    EXPECT_EQ(m_boxes.shown()[1].icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(fileBytes("alpha.cfc").substr(0, 19), "<Campanha>\r\n\"New\"\r\n");
    EXPECT_FALSE(f.SaveFrame.visible());
    EXPECT_EQ(f.session().currentName(), "alpha");
}

TEST_F(CampaignEditor, SaveAfterAnOpenWritesInPlaceAndSaveAsStillAsks)
{
    Form1& f = form();
    openCampaign("alpha.cfc");
    EXPECT_EQ(f.session().currentName(), "alpha");
    EXPECT_FALSE(f.OpenFrame.visible());

    f.AutorTXT.setText("Me");
    m_boxes.acknowledge();
    user::click(f.SaveBut);
    EXPECT_EQ(m_boxes.texts(), (Names{"ok"})); // no overwrite question
    EXPECT_FALSE(f.SaveFrame.visible());
    EXPECT_EQ(f.SaveTXT.text(), "alpha");
    EXPECT_NE(fileBytes("alpha.cfc").find("\"Me\""), std::string::npos);

    m_boxes.clear();
    m_boxes.answer(ui::MsgAnswer::No);
    user::click(f.SaveAsBut);
    EXPECT_EQ(f.SaveTXT.text(), "alpha");
    f.SaveTXT.setText("beta");
    user::click(f.SaveOK);
    EXPECT_EQ(m_boxes.texts(), (Names{"This campaign already exist.\rOverwrite?"}));
    EXPECT_EQ(fileBytes("beta.cfc"), kExisting);
    EXPECT_EQ(f.session().currentName(), "alpha");
}

TEST_F(CampaignEditor, NamesTypedAfterAnEmptyLineAreSaved)
{
    // An opened names box ends with a line end; Enter there and two new names keep every name.
    Form1& f = form();
    openCampaign("alpha.cfc");
    ASSERT_EQ(f.NameField.text(), "Zed\r\nYul\r\n");
    user::click(f.NameField);
    user::key(f.NameField, ui::kKeyEnd, ui::kCtrlMask);
    user::type(f.NameField, "\rAnn\rBob");
    m_boxes.acknowledge();
    user::click(f.SaveBut);
    EXPECT_EQ(m_boxes.texts(), (Names{"ok"}));
    EXPECT_NE(fileBytes("alpha.cfc").find("<Nomes>\r\nZed\r\nYul\r\nAnn\r\nBob\r\n<-Nomes>\r\n"),
              std::string::npos);

    f.NameField.setText("");
    openCampaign("alpha.cfc");
    EXPECT_EQ(f.NameField.text(), "Zed\r\nYul\r\nAnn\r\nBob\r\n");
}

TEST_F(CampaignEditor, OpenFillsTheWindowAndPreviewThenBackChangesNothing)
{
    Form1& f = form();
    f.CampainNameTXT.setText("Mine");
    user::click(f.OpenBut);
    EXPECT_TRUE(f.OpenFrame.visible());
    EXPECT_EQ(f.OpenDirectory.listIndex(), -1);
    user::click(f.OpenDirectory, indexOf(f.OpenDirectory, "alpha.cfc"));
    EXPECT_EQ(f.CampInfo.text(), "Nome: Old\r\nAutor: Ed\r\nMiss\xF5"
                                 "es: 1\r\n");
    user::click(f.OpenCancel);
    EXPECT_FALSE(f.OpenFrame.visible());
    EXPECT_EQ(f.CampainNameTXT.text(), "Mine");
    EXPECT_EQ(f.session().currentName(), "semnome");
    EXPECT_EQ(f.RndOpt.value(), 0);

    openCampaign("alpha.cfc");
    EXPECT_EQ(f.CampainNameTXT.text(), "Old");
    EXPECT_EQ(f.AutorTXT.text(), "Ed");
    EXPECT_EQ(f.RndOpt.value(), 1);
    EXPECT_EQ(f.MissionList.items(), (Names{"m2"}));
    EXPECT_EQ(f.NameField.text(), "Zed\r\nYul\r\n");

    user::click(f.OpenBut);
    user::click(f.OpenOK); // nothing chosen: nothing happens
    EXPECT_TRUE(f.OpenFrame.visible());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CampaignEditor, ACampaignComposedInTheWindowIsSavedAndOpenedByteForByte)
{
    Form1& f = form();
    user::click(f.MissionOK, 1);
    user::click(f.AddBut);
    user::click(f.AddBut);
    user::click(f.MissionOK, 0);
    user::click(f.AddBut);
    user::click(f.NameField);
    user::type(f.NameField, "Ann, Bob\nCarl\nABCDEFGHIJKLMNOPQRST");
    user::click(f.RndOpt[1]);
    user::click(f.SaveAsBut);
    f.CampainNameTXT.setText("Alpha");
    f.AutorTXT.setText("Bo");
    f.SaveTXT.setText("camp");
    m_boxes.acknowledge();
    user::click(f.SaveOK);

    const std::string expected =
        "<Campanha>\r\n\"Alpha\"\r\n\"Bo\"\r\n 3 \r\nFalse\r\n<-Campanha>\r\n<Miss>\r\n"
        "m1\r\nm2\r\nB3\r\n<-Miss>\r\n<Nomes>\r\nAnn\r\nBob\r\nCarl\r\nABCDEFGHIJKLMNO\r\n"
        "<-Nomes>\r\n";
    EXPECT_EQ(fileBytes("camp.cfc"), expected);
    EXPECT_EQ(f.OpenDirectory.items(), (Names{"alpha.cfc", "beta.cfc", "camp.cfc"}));

    // A fresh editor opens it and saves it back unchanged.
    m_form.reset();
    Form1& again = form();
    openCampaign("camp.cfc");
    EXPECT_EQ(again.MissionList.items(), (Names{"m1", "m2", "B3"}));
    EXPECT_EQ(again.RndOpt.value(), 1);
    writeFile("camp.cfc", "changed");
    m_boxes.acknowledge();
    user::click(again.SaveBut);
    EXPECT_EQ(fileBytes("camp.cfc"), expected);
}

// A double quote inside or after a soldier name is saved as typed and reads back whole; quotes
// around a name are taken away, as the item reader takes them. The no-break space stays one.
TEST_F(CampaignEditor, QuotesInsideSoldierNamesAreSavedAndOpenedBack)
{
    Form1& f = form();
    user::click(f.NameField);
    user::type(f.NameField, "O\"Brien\nSgt\xA0Rex\n\"Bob\"\nCid\"");
    user::click(f.SaveAsBut);
    f.SaveTXT.setText("quotes");
    m_boxes.acknowledge();
    user::click(f.SaveOK);
    EXPECT_EQ(m_boxes.texts(), (Names{"ok"}));
    const std::string bytes = fileBytes("quotes.cfc");
    EXPECT_NE(bytes.find("\r\n<Nomes>\r\nO\"Brien\r\nSgt\xA0Rex\r\nBob\r\nCid\"\r\n<-Nomes>\r\n"),
              std::string::npos)
        << bytes;

    m_form.reset();
    Form1& again = form();
    openCampaign("quotes.cfc");
    EXPECT_EQ(again.NameField.text(), "O\"Brien\r\nSgt\xA0Rex\r\nBob\r\nCid\"\r\n");
    writeFile("quotes.cfc", "changed");
    m_boxes.acknowledge();
    user::click(again.SaveBut);
    EXPECT_EQ(fileBytes("quotes.cfc"), bytes);
}

// Names are the file system's on disk and Windows-1252 in the campaign: a campaign composed of
// missions with accents is saved, listed, previewed, opened and saved back to its own file.
TEST_F(CampaignEditor, AccentedNamesAreSavedListedOpenedAndSavedBack)
{
    for (const char* mission : {"Miss\xC3\xA3o um.cfm", "\xC3\x81gua.cfm"}) {
        writeFile(mission, "<Info>\r\n");
    }
    Form1& f = form();
    EXPECT_EQ(f.MissionOK.items(), (Names{"B3", "m1", "m2", "Miss\xE3o um", "\xC1gua"}));
    user::click(f.MissionOK, 3);
    user::click(f.AddBut);
    user::click(f.AddBut);
    f.NameField.setText("Zo\xE9 Lef\xE8vre\r\nJo\xE3o");
    user::click(f.SaveAsBut);
    f.CampainNameTXT.setText("Opera\xE7\xE3o Ironwood");
    f.SaveTXT.setText(" Opera\xE7\xE3o Ironwood  "); // typed with blanks about it
    m_boxes.acknowledge();
    user::click(f.SaveOK);
    const std::string expected =
        "<Campanha>\r\n\"Opera\xE7\xE3o Ironwood\"\r\n\"\"\r\n 2 \r\nTrue\r\n<-Campanha>\r\n"
        "<Miss>\r\nMiss\xE3o um\r\n\xC1gua\r\n<-Miss>\r\n<Nomes>\r\nZo\xE9 Lef\xE8vre\r\n"
        "Jo\xE3o\r\n<-Nomes>\r\n";
    EXPECT_EQ(fileBytes("Operação Ironwood.cfc"), expected);
    EXPECT_EQ(f.OpenDirectory.items(), (Names{"alpha.cfc", "beta.cfc", "Opera\xE7\xE3o Ironwood.cfc"}));

    m_form.reset();
    Form1& again = form();
    user::click(again.OpenBut);
    user::click(again.OpenDirectory, 2);
    EXPECT_EQ(again.CampInfo.text(), "Nome: Opera\xE7\xE3o Ironwood\r\nAutor: \r\nMiss\xF5"
                                     "es: 2\r\n");
    user::click(again.OpenOK);
    EXPECT_EQ(again.session().currentName(), "Opera\xE7\xE3o Ironwood");
    EXPECT_EQ(again.MissionList.items(), (Names{"Miss\xE3o um", "\xC1gua"}));
    writeFile("Operação Ironwood.cfc", "changed");
    m_boxes.acknowledge();
    user::click(again.SaveBut);
    EXPECT_EQ(fileBytes("Operação Ironwood.cfc"), expected);
    EXPECT_EQ(again.OpenDirectory.listCount(), 3);
}

TEST_F(CampaignEditor, ANameWithoutWesternLettersIsShownAndRefused)
{
    writeFile("\xE4\xBB\xBB\xE5\x8A\xA1.cfc", kExisting);
    Form1& f = form();
    user::click(f.OpenBut);
    const int entry = indexOf(f.OpenDirectory, "??.cfc");
    const std::string message =
        "The name of this file has letters that can't be in a campaign's name: ??.cfc";
    user::click(f.OpenDirectory, entry);
    EXPECT_EQ(f.CampInfo.text(), message);
    m_boxes.acknowledge();
    user::click(f.OpenOK);
    EXPECT_EQ(m_boxes.texts(), (Names{message}));
    EXPECT_EQ(m_boxes.shown()[0].icon, ui::MsgIcon::Critical);
    EXPECT_TRUE(f.OpenFrame.visible());
    EXPECT_EQ(f.session().currentName(), "semnome");
    EXPECT_TRUE(f.MissionList.items().empty());
}

// A campaign made elsewhere may name missions that reach outside the campaign folder: the editor
// opens no mission file, so it lists and previews such a campaign as it stands.
TEST_F(CampaignEditor, MissionNamesReachingOutsideAreListedAndNothingIsOpened)
{
    writeFile(
        "odd.cfc",
        std::string("<Campanha>\r\n\"Odd\"\r\n\"X\"\r\n 3 \r\nTrue\r\n<-Campanha>\r\n<Miss>\r\n"
                    "../../../outside/secret\r\n..\\up\r\nm\0x\r\n<-Miss>\r\n<Nomes>\r\nAnn\r\n<-Nomes>\r\n",
                    118));
    Form1& f = form();
    user::click(f.OpenBut);
    user::click(f.OpenDirectory, indexOf(f.OpenDirectory, "odd.cfc"));
    EXPECT_EQ(f.CampInfo.text(), "Nome: Odd\r\nAutor: X\r\nMiss\xF5"
                                 "es: 3\r\n");
    user::click(f.OpenOK);
    EXPECT_EQ(f.MissionList.items(), (Names{"../../../outside/secret", "..\\up", std::string("m\0x", 3)}));
    EXPECT_EQ(f.MissionOK.items(), (Names{"B3", "m1", "m2"}));
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A double quote in the name or the author would cut the text on reading; a soldier name with a
// comma (typed inside quotes) would be split, and one that reads as the names' closing tag would
// end the list: the save is refused and nothing is written.
TEST_F(CampaignEditor, TextsTheFileCannotCarryAreRefused)
{
    Form1& f = form();
    const std::string quote = "Don't put \" in the texts";
    const std::string comma = "Don't put commas in the name";
    const std::string tag = "Don't put <-Nomes> in the names";
    const struct
    {
        ui::TextBox* box;
        const char* text;
        std::string message;
    } cases[] = {
        {&f.CampainNameTXT, "Say \"hi\", then go", quote},
        {&f.AutorTXT, "O\"Brien", quote},
        {&f.NameField, "Ann\r\n<-Nomes>\r\nBob", tag},
        {&f.NameField, "Ann, <-nomes>", tag},
        {&f.NameField, "\"<-NOMES>\"", tag},
        {&f.NameField, "Ann\r\n  \"Smith, J\"", comma},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        f.CampainNameTXT.setText("Name");
        f.AutorTXT.setText("Author");
        f.NameField.setText("Ann\r\nBob");
        c.box->setText(c.text);
        m_boxes.clear();
        m_boxes.acknowledge();
        user::click(f.SaveAsBut);
        f.SaveTXT.setText("quoted");
        user::click(f.SaveOK);
        ASSERT_EQ(m_boxes.texts(), (Names{c.message}));
        EXPECT_EQ(m_boxes.shown()[0].icon, ui::MsgIcon::Critical);
        EXPECT_TRUE(f.SaveFrame.visible());
        EXPECT_EQ(f.session().currentName(), "semnome");
        EXPECT_EQ(f.OpenDirectory.items(), (Names{"alpha.cfc", "beta.cfc"}));
    }
}

// The file of the name in another letter case, a link and a read-only file are all "that file".
TEST_F(CampaignEditor, SavingOverAFileInAnyLetterCaseALinkOrAReadOnlyFile)
{
    namespace fs = std::filesystem;
    const fs::path elsewhere = fs::path(m_programs) / "elsewhere.cfc";
    const struct
    {
        const char* what;
        std::function<void()> make;
        fs::path file;
        bool written;
    } cases[] = {
        {"capitals", [&] { writeFile("GAMMA.CFC", "old"); }, fs::path(m_campaigns) / "GAMMA.CFC", true},
        {"link",
         [&] {
             ASSERT_TRUE(platform::text::writeFileAtomic(elsewhere.string(), "old").ok);
             fs::create_symlink(elsewhere, fs::path(m_campaigns) / "gamma.cfc");
         },
         elsewhere, true},
        {"read-only",
         [&] {
             writeFile("gamma.cfc", "old");
             fs::permissions(fs::path(m_campaigns) / "gamma.cfc", fs::perms::owner_read);
         },
         fs::path(m_campaigns) / "gamma.cfc", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"GAMMA.CFC", "gamma.cfc"}) {
            fs::remove(fs::path(m_campaigns) / name);
        }
        c.make();
        m_form.reset();
        Form1& f = form();
        f.CampainNameTXT.setText("New");
        m_boxes.answer(ui::MsgAnswer::Yes);
        m_boxes.acknowledge();
        user::click(f.SaveAsBut);
        f.SaveTXT.setText("gamma");
        user::click(f.SaveOK);
        ASSERT_EQ(m_boxes.shown().size(), 2u);
        EXPECT_EQ(m_boxes.shown()[0].title, "Overwright?");
        std::string bytes;
        ASSERT_TRUE(platform::text::readFile(c.file.string(), bytes));
        EXPECT_EQ(f.OpenDirectory.listCount(), 3) << "no twin beside it";
        EXPECT_EQ(fs::is_symlink(fs::path(m_campaigns) / "gamma.cfc"), c.file == elsewhere);
        if (c.written) {
            EXPECT_EQ(bytes.substr(0, 19), "<Campanha>\r\n\"New\"\r\n");
            EXPECT_EQ(m_boxes.shown()[1].text, "ok");
            EXPECT_EQ(f.session().currentName(), "gamma");
        } else {
            EXPECT_EQ(bytes, "old");
            EXPECT_NE(m_boxes.shown()[1].text.find("Permission denied"), std::string::npos);
            EXPECT_TRUE(f.SaveFrame.visible());
            EXPECT_EQ(f.session().currentName(), "semnome");
        }
        m_boxes.clear();
    }
}

TEST_F(CampaignEditor, AFailedWriteSaysWhyAndKeepsThePanel)
{
    std::filesystem::remove_all(m_campaigns);
    Form1& f = form();
    user::click(f.SaveAsBut);
    f.SaveTXT.setText("lost");
    m_boxes.acknowledge();
    user::click(f.SaveOK);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].icon, ui::MsgIcon::Critical);
    EXPECT_NE(m_boxes.shown()[0].text.find(m_campaigns + "/lost.cfc"), std::string::npos)
        << m_boxes.shown()[0].text;
    EXPECT_TRUE(f.SaveFrame.visible());
    EXPECT_EQ(f.session().currentName(), "semnome");
}

TEST_F(CampaignEditor, OpeningAVanishedFileSaysSoAndChangesNothing)
{
    Form1& f = form();
    user::click(f.OpenBut);
    std::filesystem::remove(m_campaigns + "/beta.cfc");
    m_boxes.acknowledge();
    user::doubleClick(f.OpenDirectory, indexOf(f.OpenDirectory, "beta.cfc"));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].icon, ui::MsgIcon::Critical);
    EXPECT_EQ(f.session().currentName(), "semnome");
    EXPECT_TRUE(f.OpenFrame.visible());
}

TEST_F(CampaignEditor, TheMissionEditorStartsOnlyWhenItIsThere)
{
    Form1& f = form();
    user::click(f.EditorRUN); // absent: nothing at all
    EXPECT_TRUE(m_boxes.shown().empty());

    // A stand-in mission editor that notes how many arguments it was given.
    const std::string program = m_programs + "/plotwright";
    const std::string marker = m_programs + "/started.txt";
    ASSERT_TRUE(platform::text::writeFileAtomic(program, "#!/bin/sh\necho $# > \"" + marker + "\"\n").ok);
    QFile::setPermissions(QString::fromStdString(program), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ExeOwner | QFile::ReadUser |
                                                               QFile::ExeUser);
    user::click(f.EditorRUN);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string started;
    while (std::chrono::steady_clock::now() < deadline &&
           !(platform::text::readFile(marker, started) && !started.empty())) {
        QThread::msleep(20);
    }
    EXPECT_EQ(started, "0\n");
    EXPECT_TRUE(m_boxes.shown().empty());
}

// The programs' folder is the system's path, whatever letters it holds: the editor finds its
// pictures and missions there, saves and opens campaigns there and starts the mission editor
// from it.
TEST_F(CampaignEditor, WorksFromAProgramsFolderOfAnyLetters)
{
    for (const char* picture : {"btnadd.bmp", "btnremove.bmp", "btnup.bmp", "btndown.bmp"}) {
        std::filesystem::create_directories(m_programs + "/arquivos/grafico");
        ASSERT_TRUE(
            platform::gfx::Picture(36, 28, 0x808080).save(m_programs + "/arquivos/grafico/" + picture));
    }
    // A stand-in mission editor that leaves a mark in the folder it is started in.
    const std::string program = m_programs + "/plotwright";
    ASSERT_TRUE(platform::text::writeFileAtomic(program, "#!/bin/sh\necho started > started.txt\n").ok);
    QFile::setPermissions(QString::fromStdString(program), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ExeOwner | QFile::ReadUser |
                                                               QFile::ExeUser);

    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    for (const QString& name : program_folders::names()) {
        SCOPED_TRACE(name.toStdString());
        const QString folder = program_folders::copyInto(m_dir.path(), parent.path(), name);
        ASSERT_FALSE(folder.isEmpty());
        Form1 f(platform::text::systemPath(folder));
        f.show();
        EXPECT_EQ(f.missingPicture(), "");
        EXPECT_EQ(f.MissionOK.items(), (Names{"B3", "m1", "m2"}));

        f.NameField.setText("Ann");
        user::click(f.SaveAsBut);
        f.SaveTXT.setText("gamma");
        m_boxes.acknowledge();
        user::click(f.SaveOK);
        f.NameField.setText("");
        user::click(f.OpenBut);
        const int gamma = indexOf(f.OpenDirectory, "gamma.cfc");
        ASSERT_GE(gamma, 0);
        user::click(f.OpenDirectory, gamma);
        user::click(f.OpenOK);
        EXPECT_EQ(f.NameField.text(), "Ann\r\n");

        user::click(f.EditorRUN);
        const QString marker = folder + "/started.txt";
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline && QFileInfo(marker).size() == 0) {
            QThread::msleep(20);
        }
        EXPECT_GT(QFileInfo(marker).size(), 0) << "the mission editor was not started";
    }
    EXPECT_EQ(m_boxes.shown().size(),
              static_cast<std::size_t>(program_folders::names().size())); // "ok" once each
}

TEST_F(CampaignEditor, SavingLeavesAScratchFileOfTheUsersAlone)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    ASSERT_TRUE(platform::text::writeFileAtomic("temp.txt", "mine\r\n").ok);
    Form1& f = form();
    f.NameField.setText("Ann\r\nBob");
    user::click(f.SaveAsBut);
    f.SaveTXT.setText("gamma");
    m_boxes.acknowledge();
    user::click(f.SaveOK);
    std::string scratch;
    EXPECT_TRUE(platform::text::readFile("temp.txt", scratch));
    EXPECT_EQ(scratch, "mine\r\n");
    EXPECT_NE(fileBytes("gamma.cfc").find("<Nomes>\r\nAnn\r\nBob\r\n<-Nomes>\r\n"), std::string::npos);
    QDir::setCurrent(before);
}
