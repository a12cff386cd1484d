#include "dialog_test_support.h"
#include "mission_samples.h"

#include "mission_editor/files/form_load.h"
#include "mission_editor/files/form_save.h"
#include "mission_editor/files/mission_writer.h"

#include "platform/ui/keys.h"
#include "platform/ui/user_actions.h"

#include <QLineEdit>

#include <filesystem>
#include <functional>

namespace plotwright {
namespace {

namespace ui = platform::ui;
using testing::richMission;

class SaveDialog : public testing::DialogTest
{
protected:
    SaveDialog()
    {
        model.Modified = true;
        save.ShowFormConfig = [this] { ++configShown; };
        save.ShowFormLoad = [this] { ++loadShown; };
    }

    // The save dialog as a command shows it: the name in its box, then the dialog.
    void showWith(const std::string& name, bool quickSave)
    {
        model.QuickSave = quickSave;
        save.FileName.setText(name);
        editor.enabled = false;
        save.show();
    }

    MissionModel model = richMission();
    FormSave save{model, editor, folder.path()};
    int configShown = 0;
    int loadShown = 0;
};

TEST_F(SaveDialog, RefusedNamesWriteNothingAndAskNothingMore)
{
    const std::string unusable = UnusableFileNameMessage;
    const struct
    {
        const char* name; // as the box gives it back
        std::string message;
        const char* typed = nullptr; // typed by the author (UTF-8) when the name cannot show it
    } cases[] = {
        {"alpha.cfm", ExtensionInNameMessage},
        {"a/b", InvalidCharactersMessage},
        {"back\\slash", InvalidCharactersMessage},
        {"quote\"d", InvalidCharactersMessage},
        {"c:d", InvalidCharactersMessage},
        {"what?", InvalidCharactersMessage},
        {"pipe|", InvalidCharactersMessage},
        {"x.y/z", ExtensionInNameMessage}, // the first character that cannot stand decides
        {"x/y.z", InvalidCharactersMessage},
        {"Alpha, Beta", CommaInNameMessage},
        {"a,b.c", CommaInNameMessage},
        {"tab\there", InvalidCharactersMessage},
        {"?mega", unusable + "?mega", "\u03A9mega"},
        {"Plan ?*", unusable + "Plan ?*", "Plan \u4E2D*"}, // the letters are what is wrong first
    };
    folder.put("x.cfm", "old");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        boxes.acknowledge();
        showWith(c.name, false);
        if (c.typed)
            static_cast<QLineEdit*>(save.FileName.widget())->setText(QString::fromUtf8(c.typed));
        ui::user::click(save.SaveButton);

        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, c.message);
        EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Critical);
        EXPECT_EQ(boxes.shown()[0].title, "Editor");
        EXPECT_TRUE(save.visible());
        EXPECT_EQ(save.FileName.text(), c.name);
        EXPECT_TRUE(model.Modified);
        EXPECT_EQ(model.MissionFile, UntitledName);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(missionsFolder(folder.path())), {}), 1);
    EXPECT_EQ(folder.bytes("x"), "old");
}

TEST_F(SaveDialog, SaveUnderANewNameWritesTheMissionAndSaysSo)
{
    boxes.acknowledge();
    showWith("bridge", false);
    ui::user::click(save.SaveButton);

    EXPECT_EQ(folder.bytes("bridge"), missionFileBytes(model));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{MissionSavedMessage});
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(model.MissionFile, "bridge");
    EXPECT_FALSE(model.Modified);
    EXPECT_FALSE(save.visible());
    EXPECT_TRUE(editor.enabled);
    EXPECT_EQ(configShown + loadShown, 0);
}

TEST_F(SaveDialog, ExistingFileIsOverwrittenOnlyWhenTheAuthorAgrees)
{
    folder.put("bridge.cfm", "old");
    boxes.answer(ui::MsgAnswer::No);
    showWith("bridge", false);
    ui::user::click(save.SaveButton);

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "This mission already exist.\rOverwrite mission?");
    EXPECT_EQ(boxes.shown()[0].title, "Overwright?");
    EXPECT_EQ(boxes.shown()[0].buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(folder.bytes("bridge"), "old");
    EXPECT_TRUE(save.visible());
    EXPECT_TRUE(model.Modified);
    EXPECT_EQ(model.MissionFile, UntitledName);

    boxes.answer(ui::MsgAnswer::Yes);
    boxes.acknowledge();
    ui::user::click(save.SaveButton);
    EXPECT_EQ(folder.bytes("bridge"), missionFileBytes(model));
    EXPECT_EQ(boxes.texts().back(), MissionSavedMessage);
    EXPECT_FALSE(save.visible());
}

// The file of the name in another letter case, a link and a read-only file are all "that file":
// the question is asked, and the save replaces the file (through the link) or fails without
// touching it.
TEST_F(SaveDialog, AnExistingFileInAnyLetterCaseALinkOrAReadOnlyFile)
{
    namespace fs = std::filesystem;
    const fs::path missions = missionsFolder(folder.path());
    fs::create_directories(fs::path(folder.path()) / "elsewhere");
    const fs::path target = fs::path(folder.path()) / "elsewhere" / "real.cfm";
    const struct
    {
        const char* what;
        std::function<void()> make;
        fs::path file; // what holds the bytes afterwards
        bool written;
    } cases[] = {
        {"capitals", [&] { folder.put("BRIDGE.CFM", "old"); }, missions / "BRIDGE.CFM", true},
        {"mixed", [&] { folder.put("Bridge.Cfm", "old"); }, missions / "Bridge.Cfm", true},
        {"link",
         [&] {
             ASSERT_TRUE(platform::text::writeFileAtomic(target.string(), "old").ok);
             fs::create_symlink(target, missions / "bridge.cfm");
         },
         target, true},
        {"read-only",
         [&] {
             folder.put("bridge.cfm", "old");
             fs::permissions(missions / "bridge.cfm", fs::perms::owner_read | fs::perms::group_read);
         },
         missions / "bridge.cfm", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(missions);
        fs::create_directories(missions);
        c.make();
        boxes.clear();
        model.Modified = true;
        model.MissionFile = UntitledName;
        boxes.answer(ui::MsgAnswer::Yes);
        boxes.acknowledge();
        showWith("bridge", false);
        ui::user::click(save.SaveButton);

        ASSERT_EQ(boxes.shown().size(), 2u);
        EXPECT_EQ(boxes.shown()[0].title, "Overwright?");
        std::string bytes;
        ASSERT_TRUE(platform::text::readFile(c.file.string(), bytes));
        EXPECT_EQ(std::distance(fs::directory_iterator(missions), {}), 1) << "no twin beside it";
        EXPECT_EQ(fs::is_symlink(missions / "bridge.cfm"), c.file == target);
        if (c.written) {
            EXPECT_EQ(bytes, missionFileBytes(model));
            EXPECT_EQ(boxes.shown()[1].text, MissionSavedMessage);
            EXPECT_EQ(model.MissionFile, "bridge");
            EXPECT_FALSE(save.visible());
        } else {
            EXPECT_EQ(bytes, "old");
            EXPECT_NE(boxes.shown()[1].text.find("Permission denied"), std::string::npos)
                << boxes.shown()[1].text;
            EXPECT_EQ(boxes.shown()[1].icon, ui::MsgIcon::Critical);
            EXPECT_TRUE(model.Modified);
            EXPECT_TRUE(save.visible());
            save.unload();
        }
    }
}

TEST_F(SaveDialog, ATypedNameIsTakenWithoutTheBlanksAtItsEnds)
{
    boxes.acknowledge();
    showWith("  Bridge ", false);
    ui::user::click(save.SaveButton);
    EXPECT_EQ(folder.bytes("Bridge"), missionFileBytes(model));
    EXPECT_EQ(model.MissionFile, "Bridge");
}

TEST_F(SaveDialog, QuickSaveWritesAtOnceWithoutAQuestion)
{
    folder.put("bridge.cfm", "old");
    model.MissionFile = "bridge";
    showWith("bridge", true);

    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(folder.bytes("bridge"), missionFileBytes(model));
    EXPECT_FALSE(model.Modified);
    EXPECT_FALSE(save.visible());
    EXPECT_TRUE(editor.enabled);
}

TEST_F(SaveDialog, EmptyNameConfirmedByTheAuthorIsWritten)
{
    boxes.acknowledge();
    showWith("", false);
    ui::user::click(save.SaveButton);

    EXPECT_TRUE(folder.exists(""));
    EXPECT_EQ(model.MissionFile, "");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{MissionSavedMessage});
}

TEST_F(SaveDialog, QuickSaveThatCannotGoAheadWaitsForTheAuthor)
{
    // An empty name, and the name of a file opened as "a.b.cfm".
    for (const std::string name : {"", "a.b"}) {
        SCOPED_TRACE(name);
        boxes.clear();
        if (!name.empty()) {
            boxes.acknowledge();
        }
        model.MissionFile = name;
        showWith(name, true);

        EXPECT_EQ(boxes.shown().size(), name.empty() ? 0u : 1u);
        EXPECT_FALSE(folder.exists(name));
        EXPECT_TRUE(save.visible());
        EXPECT_FALSE(model.QuickSave);
        EXPECT_TRUE(model.Modified);
        save.unload();
    }
}

TEST_F(SaveDialog, FailedWriteKeepsTheDialogAndTheUnsavedChanges)
{
    std::filesystem::remove_all(missionsFolder(folder.path()));
    boxes.acknowledge();
    model.MissionFile = "bridge";
    model.OpenAfterSave = true;
    showWith("bridge", true);

    ASSERT_EQ(boxes.shown().size(), 1u);
    const ui::MsgBox& box = boxes.shown()[0];
    EXPECT_NE(box.text.find(folder.mission("bridge")), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("No such file or directory"), std::string::npos) << box.text;
    EXPECT_EQ(box.icon, ui::MsgIcon::Critical);
    EXPECT_TRUE(save.visible());
    EXPECT_TRUE(model.Modified);
    EXPECT_EQ(loadShown, 0);

    // The quick save is over: coming back to the dialog does not try again, and a save the
    // author starts asks as Save as does.
    EXPECT_FALSE(model.QuickSave);
    save.Form_Activate();
    EXPECT_EQ(boxes.shown().size(), 1u);
    std::filesystem::create_directories(missionsFolder(folder.path()));
    folder.put("bridge.cfm", "old");
    boxes.answer(ui::MsgAnswer::Yes);
    ui::user::click(save.SaveButton);
    EXPECT_EQ(boxes.shown().back().title, "Overwright?");
    EXPECT_EQ(folder.bytes("bridge"), missionFileBytes(model));
    EXPECT_EQ(loadShown, 1); // the open that waited for the save goes on
}

TEST_F(SaveDialog, AfterTheSaveTheWaitingDialogsFollowWithoutTheSavedMessage)
{
    const struct
    {
        bool newPending;
        bool openAfterSave;
    } cases[] = {{true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.newPending << c.openAfterSave);
        configShown = loadShown = 0;
        boxes.clear();
        model.NewPending = c.newPending;
        model.OpenAfterSave = c.openAfterSave;
        showWith("bridge", false);
        if (folder.exists("bridge")) {
            boxes.answer(ui::MsgAnswer::Yes);
        }
        ui::user::click(save.SaveButton);

        EXPECT_EQ(configShown, c.newPending ? 1 : 0);
        EXPECT_EQ(loadShown, c.openAfterSave ? 1 : 0);
        EXPECT_EQ(model.NewPending, c.newPending); // the settings dialog still makes the new mission
        EXPECT_FALSE(model.OpenAfterSave);         // the open dialog is up: the next save is plain
        for (const std::string& text : boxes.texts()) {
            EXPECT_NE(text, MissionSavedMessage);
        }
    }
}

TEST_F(SaveDialog, LeavingWithoutSavingDropsWhatWaitedForTheSave)
{
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "Back");
        model.NewPending = true;
        model.OpenAfterSave = true;
        showWith("bridge", false);
        if (escape) {
            ui::user::key(save, ui::kKeyEscape);
        } else {
            ui::user::click(save.CancelButton);
        }
        EXPECT_FALSE(save.visible());
        EXPECT_TRUE(editor.enabled);
        EXPECT_FALSE(model.NewPending);
        EXPECT_FALSE(model.OpenAfterSave);
        EXPECT_TRUE(model.Modified);
        EXPECT_FALSE(folder.exists("bridge"));
    }
}

} // namespace
} // namespace plotwright
