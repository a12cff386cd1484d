#include "dialog_test_support.h"
#include "mission_samples.h"

#include "mission_editor/files/file_commands.h"
#include "mission_editor/files/file_dialogs.h"
#include "mission_editor/files/mission_writer.h"
#include "mission_editor/form_main.h"

#include "platform/ui/user_actions.h"

namespace plotwright {
namespace {

namespace ui = platform::ui;
using testing::richMission;

class FileCommandsTest : public testing::DialogTest
{
protected:
    // The mission opened from the file `name`.cfm, as the open dialog does it.
    void openFile(const std::string& name, const MissionModel& content)
    {
        folder.put(name + ".cfm", missionFileBytes(content));
        openListed(name + ".cfm");
        ASSERT_EQ(model.MissionFile, name);
    }

    // Open, and the file the open dialog lists as `listed`.
    void openListed(const std::string& listed)
    {
        commands.LoadButton_Click();
        ASSERT_TRUE(load.visible());
        load.Directory.refresh();
        const auto& names = load.Directory.items();
        const auto at = std::find(names.begin(), names.end(), listed);
        ASSERT_NE(at, names.end()) << listed;
        load.Directory.setListIndex(static_cast<int>(at - names.begin()));
        ui::user::click(load.LoadButton);
        ASSERT_FALSE(load.visible());
    }

    // An edit of the mission, as the window makes it.
    void edit()
    {
        model.ObjList.add("03,02,02");
        model.Modified = true;
    }

    bool anyDialogShown() const { return save.visible() || config.visible() || load.visible(); }

    MissionModel model;
    FormSave save{model, editor, folder.path()};
    FormConfig config{model, editor};
    FormLoad load{model, editor, folder.path()};
    FileCommands commands{model, editor, save, config, load};
};

TEST_F(FileCommandsTest, SaveOfAnUntitledMissionAsksForTheName)
{
    edit();
    commands.SaveButton_Click();
    EXPECT_FALSE(editor.saveButtonEnabled);
    EXPECT_FALSE(editor.enabled);
    EXPECT_TRUE(save.visible());
    EXPECT_EQ(save.FileName.text(), UntitledName);
    EXPECT_FALSE(model.QuickSave);
    EXPECT_FALSE(folder.exists(UntitledName));

    save.FileName.setText("first");
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{MissionSavedMessage});
    EXPECT_EQ(folder.bytes("first"), missionFileBytes(model));
    EXPECT_EQ(model.MissionFile, "first");
    EXPECT_FALSE(model.Modified);
    EXPECT_TRUE(editor.enabled);
}

TEST_F(FileCommandsTest, SaveOfAnOpenedMissionWritesItAgainAtOnce)
{
    openFile("alpha", richMission());
    edit();
    commands.SaveButton_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(folder.bytes("alpha"), missionFileBytes(model));
    EXPECT_FALSE(model.Modified);
    EXPECT_FALSE(save.visible());

    // Save as starts from the mission's name and makes the new name the mission's.
    commands.SaveAsButton_Click();
    EXPECT_FALSE(model.QuickSave);
    EXPECT_EQ(save.FileName.text(), "alpha");
    save.FileName.setText("beta");
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    EXPECT_EQ(model.MissionFile, "beta");
    EXPECT_EQ(folder.bytes("beta"), folder.bytes("alpha"));
}

// What is saved is listed under the name the author gave it and opens again; an opened mission is
// saved back to the file it came from, whatever its letter case, and never beside it.
TEST_F(FileCommandsTest, AccentedAndCapitalNamesAreSavedListedOpenedAndSavedBack)
{
    namespace fs = std::filesystem;
    const std::string name = "Miss\xE3o a\xE7\xE3o"; // as the author types it
    edit();
    commands.SaveAsButton_Click();
    save.FileName.setText(name);
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    const fs::path missions = missionsFolder(folder.path());
    EXPECT_TRUE(fs::exists(missions / "Missão ação.cfm")) << "the file system's own spelling";

    folder.put("UPPER.CFM", missionFileBytes(richMission()));
    for (const auto& [listed, missionFile, onDisk] :
         {std::tuple{name + ".cfm", name, std::string("Missão ação.cfm")},
          std::tuple{std::string("UPPER.CFM"), std::string("UPPER"), std::string("UPPER.CFM")}}) {
        SCOPED_TRACE(onDisk);
        model = MissionModel{};
        openListed(listed);
        EXPECT_EQ(model.MissionFile, missionFile);
        edit();
        commands.SaveButton_Click();
        EXPECT_FALSE(model.Modified);
        std::string bytes;
        ASSERT_TRUE(platform::text::readFile((missions / onDisk).string(), bytes));
        EXPECT_EQ(bytes, missionFileBytes(model));
        EXPECT_EQ(std::distance(fs::directory_iterator(missions), {}), 2);
    }
}

TEST_F(FileCommandsTest, NewAsksAboutUnsavedChanges)
{
    const struct
    {
        const char* name;
        bool modified;
        std::optional<ui::MsgAnswer> answer;
        bool saved;
        bool configShown;
    } cases[] = {
        {"nothing unsaved", false, std::nullopt, false, true},
        {"Yes", true, ui::MsgAnswer::Yes, true, true},
        {"No", true, ui::MsgAnswer::No, false, true},
        {"Cancel", true, ui::MsgAnswer::Cancel, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model = richMission();
        model.Modified = c.modified;
        model.QuickSave = false;
        boxes.clear();
        if (c.answer) {
            boxes.answer(*c.answer);
        }
        commands.NewButton_Click();

        if (c.answer) {
            ASSERT_EQ(boxes.shown().size(), 1u);
            EXPECT_EQ(boxes.shown()[0].text, "The mission wasn't saved. Save now?");
            EXPECT_EQ(boxes.shown()[0].buttons, ui::MsgButtons::YesNoCancel);
            EXPECT_EQ(boxes.shown()[0].title, "Editor");
        } else {
            EXPECT_TRUE(boxes.shown().empty());
        }
        // Yes writes the untitled mission at once, without a question of its own.
        EXPECT_EQ(folder.exists(UntitledName), c.saved);
        EXPECT_FALSE(save.visible());
        EXPECT_EQ(config.visible(), c.configShown);
        EXPECT_EQ(model.NewPending, c.configShown);
        EXPECT_EQ(model.Modified, c.modified && !c.configShown);
        EXPECT_FALSE(model.QuickSave && !c.saved);
        if (c.configShown) {
            EXPECT_EQ(config.TitleText.text(), UntitledName);
            EXPECT_EQ(model.ObjList, richMission().ObjList); // nothing is reset before Alter
        } else {
            EXPECT_TRUE(editor.enabled);
        }
        config.unload();
        std::filesystem::remove(folder.mission(UntitledName));
    }
}

TEST_F(FileCommandsTest, NewWithYesSavesThenMakesTheNewMissionOnAlter)
{
    openFile("alpha", richMission());
    edit();
    boxes.answer(ui::MsgAnswer::Yes);
    commands.NewButton_Click();
    EXPECT_EQ(folder.bytes("alpha"), missionFileBytes(model));
    ASSERT_TRUE(config.visible());

    config.TitleText.setText("Fresh");
    ui::user::click(config.ChangeButton);
    EXPECT_EQ(model.MissionTitle, "Fresh");
    EXPECT_EQ(model.MissionFile, UntitledName);
    EXPECT_TRUE(model.ObjList.empty());
    EXPECT_TRUE(model.AnimationList.empty());
    EXPECT_TRUE(model.CondNameList.empty());
    EXPECT_EQ(model.TroopPos, NoTroopPosition);
    EXPECT_FALSE(model.Modified);
    EXPECT_FALSE(model.NewPending);
    EXPECT_EQ(editor.refreshes, 2); // the open, and the new mission
}

TEST_F(FileCommandsTest, OpenAsksAboutUnsavedChanges)
{
    const struct
    {
        const char* name;
        bool modified;
        std::optional<ui::MsgAnswer> answer;
        bool saved;
        bool loadShown;
    } cases[] = {
        {"nothing unsaved", false, std::nullopt, false, true},
        {"Yes", true, ui::MsgAnswer::Yes, true, true},
        {"No", true, ui::MsgAnswer::No, false, true},
        {"Cancel", true, ui::MsgAnswer::Cancel, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model = richMission();
        model.MissionFile = "alpha";
        model.Modified = c.modified;
        model.NewPending = true; // left from a New that was dropped
        boxes.clear();
        if (c.answer) {
            boxes.answer(*c.answer);
        }
        commands.LoadButton_Click();

        EXPECT_EQ(boxes.shown().size(), c.answer ? 1u : 0u);
        EXPECT_EQ(folder.exists("alpha"), c.saved);
        EXPECT_EQ(load.visible(), c.loadShown);
        EXPECT_FALSE(save.visible());
        EXPECT_FALSE(config.visible()); // the save goes straight on to the open dialog
        EXPECT_EQ(model.Modified, c.modified && !c.saved);
        load.unload();
        std::filesystem::remove(folder.mission("alpha"));
    }
}

// The flags that chain a save to the open or the new mission it was for end with it: later saves
// are plain ones.
TEST_F(FileCommandsTest, AfterASaveForAnOpenOrANewMissionTheNextSavesArePlain)
{
    openFile("alpha", richMission());
    edit();
    boxes.answer(ui::MsgAnswer::Yes);
    commands.LoadButton_Click();
    EXPECT_EQ(folder.bytes("alpha"), missionFileBytes(model));
    EXPECT_TRUE(load.visible());
    EXPECT_FALSE(model.OpenAfterSave);
    ui::user::click(load.Backbutton);

    // Save twice: the quick save of the named mission, then Save as, which says so.
    edit();
    commands.SaveButton_Click();
    EXPECT_FALSE(model.Modified);
    EXPECT_FALSE(load.visible());
    edit();
    commands.SaveAsButton_Click();
    boxes.clear();
    boxes.answer(ui::MsgAnswer::Yes); // overwrite alpha
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{OverwriteQuestion, MissionSavedMessage}));
    EXPECT_FALSE(load.visible());
    EXPECT_FALSE(anyDialogShown());

    // New with Yes: the save, then the new mission's settings; once made, a save is plain again.
    edit();
    boxes.clear();
    boxes.answer(ui::MsgAnswer::Yes);
    commands.NewButton_Click();
    ui::user::click(config.ChangeButton);
    EXPECT_FALSE(model.NewPending);
    edit();
    commands.SaveAsButton_Click();
    save.FileName.setText("fresh");
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    EXPECT_EQ(boxes.texts().back(), MissionSavedMessage);
    EXPECT_FALSE(anyDialogShown());
}

TEST_F(FileCommandsTest, SaveBeforeCloseLetsTheAuthorConfirmTheName)
{
    openFile("alpha", richMission());
    edit();
    model.QuickSave = true; // left from an earlier Save
    commands.saveBeforeClose();
    EXPECT_TRUE(save.visible());
    EXPECT_EQ(save.FileName.text(), "alpha");
    EXPECT_FALSE(model.QuickSave);
    EXPECT_TRUE(model.Modified);

    boxes.answer(ui::MsgAnswer::Yes);
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    EXPECT_EQ(boxes.shown()[0].title, "Overwright?");
    EXPECT_EQ(folder.bytes("alpha"), missionFileBytes(model));
    EXPECT_FALSE(model.Modified);
}

// The dialogs hung on the main window's buttons and on its close question.
TEST_F(FileCommandsTest, MainWindowButtonsAndCloseQuestionReachTheDialogs)
{
    FormMain form(model, folder.path());
    FileDialogs dialogs(form);

    form.ConfigButton.onClick();
    EXPECT_TRUE(dialogs.formConfig.visible());
    EXPECT_FALSE(model.NewPending);
    dialogs.formConfig.unload();

    form.LoadButton.onClick();
    EXPECT_TRUE(dialogs.formLoad.visible());
    dialogs.formLoad.unload();

    model.Modified = true;
    form.SaveAsButton.onClick();
    EXPECT_TRUE(dialogs.formSave.visible());
    dialogs.formSave.unload();

    model.MissionFile = "alpha";
    model.QuickSave = true;
    boxes.answer(ui::MsgAnswer::Yes);
    bool cancel = false;
    form.Form_Unload(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(dialogs.formSave.visible());
    EXPECT_EQ(dialogs.formSave.FileName.text(), "alpha");
    EXPECT_FALSE(folder.exists("alpha"));
    dialogs.formSave.unload();

    form.SaveButton.onClick();
    EXPECT_FALSE(form.SaveButton.enabled());
    EXPECT_TRUE(folder.exists("alpha"));

    form.NewButton.onClick();
    EXPECT_TRUE(dialogs.formConfig.visible());
    EXPECT_TRUE(model.NewPending);
}

} // namespace
} // namespace plotwright
