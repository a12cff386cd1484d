// List boxes and combo boxes: sorting, selection set by code or by the user, and their events.

#include "platform/ui/combo_box.h"
#include "platform/ui/events.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/ui/list_box.h"
#include "platform/ui/user_actions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform::ui;

namespace {

struct ListForm : Form
{
    ListForm()
    {
        resize(300, 300);
        list.move(10, 10, 200, 200);
        combo.move(10, 220, 200, 24);
    }
    ListBox list{*this};
    ListBox sortedList{*this, ListBox::Order::Sorted};
    ComboBox combo{*this};
};

std::vector<std::string> entries(const ListBox& list)
{
    return list.items();
}

} // namespace

TEST(ListBox, SortedListInsertsInTextOrderIgnoringCase)
{
    struct Case
    {
        std::vector<std::string> added;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {{"b", "A", "c"}, {"A", "b", "c"}},
        {{"0012,01,05,07", "Fim ,06", "0005,08"}, {"0005,08", "0012,01,05,07", "Fim ,06"}},
        {{"Zeta", "alpha", "Beta", "ALPHA2"}, {"alpha", "ALPHA2", "Beta", "Zeta"}},
    };
    for (const Case& c : cases) {
        ListForm form;
        for (const auto& text : c.added) {
            form.sortedList.addItem(text);
        }
        EXPECT_EQ(entries(form.sortedList), c.expected);
    }
}

TEST(ListBox, UnsortedListKeepsOrderAddedAndAddReturnsIndex)
{
    ListForm form;
    EXPECT_EQ(form.list.addItem("b"), 0);
    EXPECT_EQ(form.list.addItem("A"), 1);
    EXPECT_EQ(form.list.addItem("c", 0), 0);
    EXPECT_EQ(entries(form.list), (std::vector<std::string>{"c", "b", "A"}));
    EXPECT_EQ(form.sortedList.addItem("m"), 0);
    EXPECT_EQ(form.sortedList.addItem("a"), 0);
    EXPECT_EQ(form.sortedList.addItem("z"), 2);
}

TEST(ListBox, ReplacingAnEntryDoesNotSortAgain)
{
    ListForm form;
    for (const char* text : {"b", "A", "c"}) {
        form.sortedList.addItem(text);
    }
    form.sortedList.setList(0, "zz");
    EXPECT_EQ(entries(form.sortedList), (std::vector<std::string>{"zz", "b", "c"}));
    EXPECT_EQ(form.sortedList.list(0), "zz");
    // A later insert still goes before the first entry that sorts after it.
    form.sortedList.addItem("d");
    EXPECT_EQ(entries(form.sortedList), (std::vector<std::string>{"d", "zz", "b", "c"}));
}

TEST(ListBox, SettingTheSelectionFromCodeRunsClickEveryTime)
{
    ListForm form;
    for (const char* text : {"one", "two", "three"}) {
        form.list.addItem(text);
    }
    std::vector<int> clicks;
    form.list.onClick = [&] { clicks.push_back(form.list.listIndex()); };
    form.list.setListIndex(1);
    form.list.setListIndex(1);
    form.list.setListIndex(2);
    form.list.setListIndex(-1); // none: no click
    form.list.setListIndex(7);  // outside: no click, nothing selected
    EXPECT_EQ(clicks, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(form.list.listIndex(), -1);
    EXPECT_EQ(form.list.text(), "");
}

TEST(ListBox, AHandlerThatSelectsAgainRunsAgain)
{
    ListForm form;
    form.list.addItem("a");
    form.list.addItem("b");
    int clicks = 0;
    form.list.onClick = [&] {
        if (++clicks < 3) {
            form.list.setListIndex(0);
        }
    };
    form.list.setListIndex(1);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(form.list.listIndex(), 0);
}

TEST(ListBox, EditsFromCodeKeepTheSelectedEntryAndRunNoClick)
{
    ListForm form;
    for (const char* text : {"b", "d"}) {
        form.sortedList.addItem(text);
    }
    form.sortedList.setListIndex(1); // "d"
    int clicks = 0;
    form.sortedList.onClick = [&] { ++clicks; };
    form.sortedList.addItem("a");
    EXPECT_EQ(form.sortedList.text(), "d");
    form.sortedList.removeItem(0);
    EXPECT_EQ(form.sortedList.text(), "d");
    form.sortedList.removeItem(1); // the selected one: nothing selected
    EXPECT_EQ(form.sortedList.listIndex(), -1);
    form.sortedList.removeItem(5); // outside: ignored
    EXPECT_EQ(form.sortedList.listCount(), 1);
    form.sortedList.clear();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.sortedList.listCount(), 0);
}

TEST(ListBox, UserClicksDoubleClicksAndKeys)
{
    ListForm form;
    form.show();
    for (const char* text : {"one", "two", "three"}) {
        form.list.addItem(text);
    }
    std::vector<std::string> events;
    form.list.onClick = [&] { events.push_back("click " + form.list.text()); };
    form.list.onDblClick = [&] { events.push_back("dblclick " + form.list.text()); };
    form.list.onKeyDown = [&](int key, int) { events.push_back("key " + std::to_string(key)); };

    user::click(form.list, 1);
    user::click(form.list, 1); // the selected entry again
    user::doubleClick(form.list, 2);
    form.list.setFocus();
    user::key(form.list, kKeyUp);
    user::key(form.list, kKeyDelete);
    EXPECT_EQ(events, (std::vector<std::string>{"click two", "click two", "click three", "dblclick three",
                                                "key 38", "click two", "key 46"}));
}

TEST(ListBox, DisabledListIgnoresTheUser)
{
    ListForm form;
    form.show();
    form.list.addItem("one");
    int clicks = 0;
    form.list.onClick = [&] { ++clicks; };
    form.list.setEnabled(false);
    user::click(form.list, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.list.listIndex(), -1);
    EXPECT_FALSE(form.list.enabled());
}

TEST(ComboBox, StartsWithNothingSelectedAndSelectionFromCodeClicksEveryTime)
{
    ListForm form;
    for (const char* text : {"01 - Walk", "02 - Fire", "03 - Look"}) {
        form.combo.addItem(text);
    }
    EXPECT_EQ(form.combo.listIndex(), -1);
    EXPECT_EQ(form.combo.text(), "");
    int clicks = 0;
    form.combo.onClick = [&] { ++clicks; };
    form.combo.setListIndex(2);
    form.combo.setListIndex(2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.combo.text(), "03 - Look");
    form.combo.setListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.combo.listIndex(), -1);
}

TEST(ComboBox, UserChoiceClicksAlsoForTheEntryShownAndNotWhenDisabled)
{
    ListForm form;
    form.show();
    for (const char* text : {"a", "b", "c"}) {
        form.combo.addItem(text);
    }
    std::vector<std::string> chosen;
    form.combo.onClick = [&] { chosen.push_back(form.combo.text()); };
    user::choose(form.combo, 1);
    user::choose(form.combo, 1);
    user::choose(form.combo, 0);
    form.combo.setEnabled(false);
    user::choose(form.combo, 2);
    doEvents();
    EXPECT_EQ(chosen, (std::vector<std::string>{"b", "b", "a"}));
}
