#include "mission_editor/files/code_tables.h"
#include "mission_editor/files/mission_model.h"
#include "platform/text/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

namespace plotwright {
namespace {

TEST(MissionModel, StartsAsNewUntitledMission)
{
    const MissionModel m;
    EXPECT_EQ(m.MissionTitle, "Untitled");
    EXPECT_EQ(m.MissionFile, "Untitled");
    EXPECT_EQ(m.MissionAuthor, "");
    EXPECT_EQ(m.MapWidth, 25);
    EXPECT_EQ(m.MapHeight, 25);
    EXPECT_EQ(m.Map(1, 1), "01");
    EXPECT_EQ(m.Map(50, 50), "01");
    EXPECT_EQ(m.Map(51, 1), "");
    EXPECT_EQ(m.Map(0, 0), "");
    EXPECT_EQ(m.TroopPos, "Click on the map");
    EXPECT_EQ(TroopSizeTexts[m.TroopSizeCombo], "4 Soldiers");
    EXPECT_EQ(TeamTexts[m.TroopTeamCombo], "01 - Green");
    EXPECT_EQ(AlignTexts[m.TroopAlignCombo], "01 - Align troop by leader's east");
    EXPECT_EQ(ViewTexts[m.TroopViewCombo], "01 - Leader start look to east");
    EXPECT_EQ(ClipTexts[m.TroopClipNum], "1 Clip / Soldier");
    EXPECT_TRUE(m.ObjList.empty() && m.DollList.empty() && m.AnimationList.empty() && m.CondNameList.empty());
    EXPECT_FALSE(m.Modified);
    EXPECT_TRUE(m.NeedRedraw);
    EXPECT_FALSE(m.QuickSave || m.OpenAfterSave || m.NewPending);
}

TEST(MissionModel, ListsKeepTheirOrderRules)
{
    const MissionModel m;
    for (const ItemList* list :
         {&m.ObjList, &m.CondNameList, &m.TaskList, &m.TaskAIList, &m.IfList, &m.DoList}) {
        EXPECT_TRUE(list->sorted());
    }
    for (const ItemList* list : {&m.DollList, &m.AnimationList, &m.AnimationAIList}) {
        EXPECT_FALSE(list->sorted());
    }

    ItemList sorted(ItemList::Order::Sorted);
    for (const char* text : {"beta", "Alpha", "Fim ,06", "0010,01,05,07", "0005,08", "ALPHA"}) {
        sorted.add(text);
    }
    EXPECT_EQ(sorted.items(),
              (std::vector<std::string>{"0005,08", "0010,01,05,07", "Alpha", "ALPHA", "beta", "Fim ,06"}));
    sorted.replaceAt(0, "zulu");
    EXPECT_EQ(sorted.at(0), "zulu") << "a replaced entry stays where it stood";

    ItemList added(ItemList::Order::Added);
    added.add("b");
    added.add("a");
    EXPECT_EQ(added.items(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(added.indexOfNoCase("A"), 1);
    EXPECT_EQ(added.indexOf("A"), -1);
    EXPECT_THROW(added.at(2), std::out_of_range);
}

// A sorted list puts every added entry before the first entry that sorts behind it, also after
// replacements have left entries out of order; checked against that rule over random edits.
TEST(MissionModel, ASortedListAddsBeforeTheFirstEntryBehindTheNewOne)
{
    std::mt19937 random(11);
    const char* texts[] = {"a", "A", "b", "B", "ab", "Ab", "0010", "Fim", "fim", "c", ""};
    auto pickText = [&] { return std::string(texts[random() % std::size(texts)]); };
    for (int round = 0; round < 200; ++round) {
        ItemList list(ItemList::Order::Sorted);
        std::vector<std::string> expected;
        for (int step = 0; step < 30; ++step) {
            const std::string text = pickText();
            const unsigned what = random() % 6;
            if (what == 0 && !expected.empty()) {
                const int at = static_cast<int>(random() % expected.size());
                list.replaceAt(at, text);
                expected[static_cast<std::size_t>(at)] = text;
            } else if (what == 1 && !expected.empty()) {
                const int at = static_cast<int>(random() % expected.size());
                list.removeAt(at);
                expected.erase(expected.begin() + at);
            } else {
                const auto place = std::find_if(expected.begin(), expected.end(), [&](const std::string& e) {
                    return platform::text::compareNoCase(e, text) > 0;
                });
                EXPECT_EQ(list.add(text), place - expected.begin());
                expected.insert(place, text);
            }
            ASSERT_EQ(list.items(), expected) << "round " << round << ", step " << step;
        }
    }
}

TEST(MissionModel, StoringTaskListEndsTheLinesUnlessFull)
{
    MissionModel m;
    m.CurAnim = 2;
    for (int j = 1; j <= 5; ++j) {
        m.AnimTask(2, j) = "old";
    }
    m.TaskList.add("0010,09");
    m.TaskList.add("0005,08");
    m.storeTaskList();
    EXPECT_EQ(m.AnimTask(2, 1), "0005,08");
    EXPECT_EQ(m.AnimTask(2, 2), "0010,09");
    EXPECT_EQ(m.AnimTask(2, 3), "");
    EXPECT_EQ(m.AnimTask(2, 4), "old") << "lines after the ending one are left";

    m.CurAiAnim = 40;
    for (int j = 0; j < MaxTaskLines; ++j) {
        m.TaskAIList.add("l" + std::to_string(100 + j));
    }
    m.storeTaskAIList();
    EXPECT_EQ(m.AiAnimTask(40, 50), "l149");
}

TEST(MissionModel, NewMissionResetKeepsHeaderAndTroopChoices)
{
    MissionModel m;
    m.MissionTitle = "Kept";
    m.MapWidth = 40;
    m.MissionBrief = "brief";
    m.Map(45, 45) = "2B";
    m.TroopPos = "Position: 03,04";
    m.TroopTeamCombo = 4;
    m.ObjList.add("01,01,01");
    m.AnimName[7] = "a";
    m.AnimTask(7, 1) = "0000,09";
    m.AnimationList.add("a");
    m.CondOnce[9] = 0;
    m.CondIf(9, 1) = "01,05";
    m.CondNameList.add("Cond 009");
    m.MissionFile = "alpha";
    m.Modified = m.NewPending = m.OpenAfterSave = true;

    m.resetForNewMission();

    EXPECT_EQ(m.MissionTitle, "Kept");
    EXPECT_EQ(m.MapWidth, 40);
    EXPECT_EQ(m.MissionBrief, "brief");
    EXPECT_EQ(m.TroopTeamCombo, 4);
    EXPECT_EQ(m.Map(45, 45), "01");
    EXPECT_EQ(m.TroopPos, "Click on the map");
    EXPECT_TRUE(m.ObjList.empty() && m.AnimationList.empty() && m.CondNameList.empty());
    EXPECT_EQ(m.AnimName[7], "");
    EXPECT_EQ(m.AnimTask(7, 1), "");
    EXPECT_EQ(m.CondIf(9, 1), "");
    EXPECT_EQ(m.CondOnce[9], 1);
    EXPECT_EQ(m.MissionFile, "Untitled");
    EXPECT_FALSE(m.Modified || m.NewPending || m.OpenAfterSave);
}

TEST(MissionModel, ConditionNamesCarryTheirNumber)
{
    EXPECT_EQ(conditionName(2), "Cond 002");
    EXPECT_EQ(conditionName(100), "Cond 100");
    EXPECT_EQ(conditionNumber("Cond 007"), 7);
    EXPECT_EQ(conditionNumber("Cond 100"), 100);
    for (const char* other : {"Cond 7", "Cond 000", "Cond 101", "Cond 1000", "cond 007", "Cond 0x7"}) {
        EXPECT_EQ(conditionNumber(other), 0) << other;
    }
}

TEST(CodeTables, CodesAreTheTextsFirstCharacters)
{
    EXPECT_EQ(codeOf(TroopSizeTexts[3]), "4 ");
    EXPECT_EQ(codeOf(TroopSizeTexts[9]), "10");
    EXPECT_EQ(codeOf(ClipTexts[7], 1), "7");
    EXPECT_EQ(codeOf(AiTaskKindTexts[9]), "10");
    EXPECT_EQ(codeOf(DoKindTexts[10]), "11");
    EXPECT_EQ(entryAt(TeamTexts, -1), "");
    EXPECT_EQ(entryAt(TeamTexts, 5), "");
    EXPECT_EQ(tileCode(1), "01");
    EXPECT_EQ(tileCode(43), "2B");
    EXPECT_EQ(tileCode(110), "6E");
    EXPECT_EQ(tileCode(0), "00");
    // Texts are shown as they stand, slips included.
    EXPECT_EQ(ViewTexts[1], "02 - Leader start look to north-easr");
    EXPECT_EQ(StartStateTexts[0], "Start at the beggining");
    EXPECT_EQ(IfKindTexts[6], "07 - the leader touch on ojbject 'X'...");
    for (std::size_t i = 0; i < DoKindTexts.size(); ++i) {
        EXPECT_EQ(std::stoi(codeOf(DoKindTexts[i])), static_cast<int>(i + 1));
    }
}

} // namespace
} // namespace plotwright
