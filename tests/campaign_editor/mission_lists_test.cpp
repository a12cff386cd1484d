#include "campaign_editor/mission_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using cadrell::MissionLists;
using Names = std::vector<std::string>;

TEST(MissionLists, AvailableMissionsAreSortedIgnoringCase)
{
    MissionLists lists;
    lists.setAvailable({"delta", "Bravo", "alpha", "Charlie"});
    EXPECT_EQ(lists.available(), (Names{"alpha", "Bravo", "Charlie", "delta"}));
    EXPECT_EQ(lists.availableIndex(), -1);
}

TEST(MissionLists, AddAdvancesTheChoiceStopsOnTheLastAndRefusesDuplicates)
{
    MissionLists lists;
    lists.setAvailable({"a", "b", "c"});
    lists.add(); // nothing chosen: nothing happens
    EXPECT_TRUE(lists.selected().empty());

    lists.selectAvailable(1);
    lists.add();
    EXPECT_EQ(lists.availableIndex(), 2);
    lists.add();
    EXPECT_EQ(lists.selected(), (Names{"b", "c"}));
    EXPECT_EQ(lists.availableIndex(), 2); // stays on the last entry
    lists.add();                          // "c" again
    EXPECT_EQ(lists.selected(), (Names{"b", "c"}));
    EXPECT_EQ(lists.availableIndex(), 2);

    lists.selectAvailable(1);
    lists.add(); // "b" again: not added, the choice does not move either
    EXPECT_EQ(lists.selected(), (Names{"b", "c"}));
    EXPECT_EQ(lists.availableIndex(), 1);
}

TEST(MissionLists, DuplicatesAreJudgedWithLetterCase)
{
    MissionLists lists;
    lists.setSelected({"Alpha"});
    lists.setAvailable({"alpha"});
    lists.selectAvailable(0);
    lists.add();
    EXPECT_EQ(lists.selected(), (Names{"Alpha", "alpha"}));
}

TEST(MissionLists, RemoveChoosesThePreviousOrTheNewFirstOrNothing)
{
    struct Case
    {
        Names before;
        int chosen;
        Names after;
        int chosenAfter;
    };
    const std::vector<Case> cases = {
        {{"a", "b", "c"}, 2, {"a", "b"}, 1},
        {{"a", "b", "c"}, 1, {"a", "c"}, 0},
        {{"a", "b", "c"}, 0, {"b", "c"}, 0}, // the first: the new first one is chosen
        {{"a"}, 0, {}, -1},                  // the only one: nothing is left chosen
        {{"a", "b"}, -1, {"a", "b"}, -1},    // nothing chosen: nothing happens
    };
    for (const auto& c : cases) {
        MissionLists lists;
        lists.setSelected(c.before);
        lists.selectSelected(c.chosen);
        lists.remove();
        EXPECT_EQ(lists.selected(), c.after) << c.chosen;
        EXPECT_EQ(lists.selectedIndex(), c.chosenAfter) << c.chosen;
    }
}

TEST(MissionLists, UpAndDownMoveTheChosenMissionWithinTheList)
{
    struct Case
    {
        bool up;
        int chosen;
        Names after;
        int chosenAfter;
    };
    const std::vector<Case> cases = {
        {true, 1, {"b", "a", "c"}, 0},   {true, 2, {"a", "c", "b"}, 1},
        {true, 0, {"a", "b", "c"}, 0}, // up on the first does nothing
        {false, 1, {"a", "c", "b"}, 2},  {false, 0, {"b", "a", "c"}, 1},
        {false, 2, {"a", "b", "c"}, 2}, // down on the last does nothing
        {true, -1, {"a", "b", "c"}, -1}, {false, -1, {"a", "b", "c"}, -1},
    };
    for (const auto& c : cases) {
        MissionLists lists;
        lists.setSelected({"a", "b", "c"});
        lists.selectSelected(c.chosen);
        c.up ? lists.up() : lists.down();
        EXPECT_EQ(lists.selected(), c.after) << c.up << c.chosen;
        EXPECT_EQ(lists.selectedIndex(), c.chosenAfter) << c.up << c.chosen;
    }
}
