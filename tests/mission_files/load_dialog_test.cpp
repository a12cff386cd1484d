#include "dialog_test_support.h"
#include "mission_samples.h"

#include "mission_editor/files/form_load.h"
#include "mission_editor/files/mission_reader.h"
#include "mission_editor/files/mission_writer.h"

#include "platform/ui/keys.h"
#include "platform/ui/user_actions.h"

namespace plotwright {
namespace {

namespace ui = platform::ui;
using testing::joinLines;
using testing::linesOf;
using testing::richMission;

class LoadDialog : public testing::DialogTest
{
protected:
    // Shows the dialog and selects the file.
    void select(const std::string& fileName)
    {
        load.show();
        const auto& names = load.Directory.items();
        const auto at = std::find(names.begin(), names.end(), fileName);
        ASSERT_NE(at, names.end()) << fileName;
        ui::user::click(load.Directory, static_cast<int>(at - names.begin()));
    }

    MissionModel model;
    FormLoad load{model, editor, folder.path()};
};

TEST_F(LoadDialog, ListsTheMissionsAndLeavesTheMarkerFile)
{
    platform::text::writeFileAtomic(openMarkerPath(folder.path()), "left over");
    folder.put("beta.cfm", "");
    folder.put("Alpha.CFM", "");
    folder.put("notes.txt", "");
    folder.put("campaign.cfc", "");
    load.show();

    EXPECT_EQ(load.Directory.items(), (std::vector<std::string>{"Alpha.CFM", "beta.cfm"}));
    std::string marker;
    ASSERT_TRUE(platform::text::readFile(openMarkerPath(folder.path()), marker));
    EXPECT_EQ(marker, "");

    // Shown again after a close, it lists what was saved meanwhile.
    load.unload();
    folder.put("gamma.cfm", "");
    load.show();
    EXPECT_EQ(load.Directory.listCount(), 3);
}

TEST_F(LoadDialog, PreviewShowsTheHeaderOfTheSelectedFile)
{
    folder.put("bridge.cfm", missionFileBytes(richMission()));
    folder.put("short.cfm", "<Info>\r\n\"Cut\"\r\n");
    select("bridge.cfm");
    EXPECT_EQ(load.t1.caption(), "Nome:  Bridge at dawn ");
    EXPECT_EQ(load.t4.caption(), "Autor:  R. Lenz ");
    EXPECT_EQ(load.t2.caption(), "Largura: 30");
    EXPECT_EQ(load.t3.caption(), "Altura: 27");

    // A short file fills fewer labels; the others keep what they showed.
    select("short.cfm");
    EXPECT_EQ(load.t1.caption(), "Nome:  Cut ");
    EXPECT_EQ(load.t4.caption(), "Autor:  R. Lenz ");
    EXPECT_EQ(load.t3.caption(), "Altura: 27");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LoadDialog, OpenReadsTheMissionAndHandsItToTheWindow)
{
    MissionModel saved = richMission();
    const std::string bytes = missionFileBytes(saved);
    folder.put("bridge.cfm", bytes);
    for (const bool doubleClick : {false, true}) {
        SCOPED_TRACE(doubleClick ? "double click" : "Open");
        model = MissionModel{};
        model.Modified = true;
        editor = testing::FakeEditor{};
        editor.enabled = false;
        select("bridge.cfm");
        if (doubleClick) {
            ui::user::doubleClick(load.Directory, load.Directory.listIndex());
        } else {
            ui::user::click(load.LoadButton);
        }

        EXPECT_EQ(model.MissionFile, "bridge");
        EXPECT_FALSE(model.Modified);
        EXPECT_TRUE(model.NeedRedraw);
        EXPECT_EQ(missionFileBytes(model), bytes);
        EXPECT_EQ(model.CurAnim, 1);
        EXPECT_EQ(model.CurAiAnim, 1);
        EXPECT_EQ(editor.mapModeSelections, 1);
        EXPECT_EQ(editor.refreshes, 1);
        EXPECT_FALSE(load.visible());
        EXPECT_TRUE(editor.enabled);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LoadDialog, BadFileIsReportedAndLeavesTheWholeMission)
{
    std::vector<std::string> lines = linesOf(missionFileBytes(richMission()));
    const auto troopEnd = std::find(lines.begin(), lines.end(), "<-Tropa>");
    const struct
    {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"binary", std::string("\x00\xff\x1a<Info>\x00\r\n\x7f", 12)},
        {"ends_after_troop", joinLines({lines.begin(), troopEnd + 1})},
        {"line_after_end", joinLines(lines) + "extra\r\n"},
        {"too_wide", joinLines(lines).replace(joinLines(lines).find("\r\n30\r\n"), 6, "\r\n51\r\n")},
    };
    MissionModel current = richMission();
    current.MissionFile = "current";
    current.Modified = true;
    for (const auto& c : cases) {
        folder.put(std::string(c.name) + ".cfm", c.bytes);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model = current;
        boxes.clear();
        boxes.acknowledge();
        select(std::string(c.name) + ".cfm");
        ui::user::click(load.LoadButton);

        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, "This file is corrupted or it isn't a mission.");
        EXPECT_EQ(boxes.shown()[0].title, "Editor");
        EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::None);
        EXPECT_EQ(model, current);
        EXPECT_TRUE(load.visible());
        EXPECT_EQ(editor.refreshes, 0);
    }
}

// A file whose name has letters a mission's name cannot hold, and a file gone since it was listed,
// are told and open nothing; neither shows the header of the file picked before.
TEST_F(LoadDialog, AnUnusableNameOrAVanishedFileIsToldAndOpensNothing)
{
    folder.put("bridge.cfm", missionFileBytes(richMission()));
    folder.put("\xE4\xBB\xBB\xE5\x8A\xA1.cfm", missionFileBytes(richMission()));
    folder.put("gone.cfm", missionFileBytes(richMission()));
    model.MissionFile = "current";
    const MissionModel before = model;
    const struct
    {
        std::string listed;
        std::string message;
    } cases[] = {
        {"??.cfm", "The name of this file has letters that can't be in a mission's name: ??.cfm"},
        {"gone.cfm", "The mission gone could not be read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listed);
        select("bridge.cfm");
        ASSERT_EQ(load.t1.caption(), "Nome:  Bridge at dawn ");
        if (c.listed == "gone.cfm") {
            std::filesystem::remove(missionsFolder(folder.path()) + "/gone.cfm");
        }
        ui::user::click(load.Directory, static_cast<int>(std::ranges::find(load.Directory.items(), c.listed) -
                                                         load.Directory.items().begin()));
        for (const ui::Label* label : {&load.t1, &load.t4, &load.t2, &load.t3}) {
            EXPECT_EQ(label->caption(), "");
        }
        boxes.clear();
        boxes.acknowledge();
        ui::user::click(load.LoadButton);
        ASSERT_EQ(boxes.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(boxes.shown()[0].icon, c.listed == "??.cfm" ? ui::MsgIcon::Critical : ui::MsgIcon::None);
        EXPECT_EQ(model, before);
        EXPECT_TRUE(load.visible());
        EXPECT_EQ(editor.refreshes, 0);
        load.unload();
    }
}

TEST_F(LoadDialog, OpenWithoutASelectionDoesNothing)
{
    folder.put("bridge.cfm", missionFileBytes(richMission()));
    const MissionModel before = model;
    load.show();
    ui::user::click(load.LoadButton);
    EXPECT_EQ(model, before);
    EXPECT_TRUE(load.visible());
    EXPECT_EQ(editor.mapModeSelections, 0);
}

TEST_F(LoadDialog, BackAndEscCloseTheDialog)
{
    for (const bool escape : {false, true}) {
        editor.enabled = false;
        load.show();
        if (escape) {
            ui::user::key(load, ui::kKeyEscape);
        } else {
            ui::user::click(load.Backbutton);
        }
        EXPECT_FALSE(load.visible());
        EXPECT_TRUE(editor.enabled);
    }
}

} // namespace
} // namespace plotwright
