// The scripted-animation panel: animations and their task lines, on the real window.

#include "panel_fixture.h"

#include "mission_editor/files/mission_writer.h"

#include <algorithm>

using namespace editor_test;

namespace {

class AnimationPanelTest : public Panels
{
protected:
    void SetUp() override
    {
        Panels::SetUp();
        startWithPanels();
        chooseMode(plotwright::EditAnimation);
    }

    std::vector<std::string> shownLines() { return anim().TaskList.items(); }
};

TEST_F(AnimationPanelTest, ShowsItsControlsWithTheirCaptionsInTheAnimationFrame)
{
    EXPECT_TRUE(form->AnimationEditBox.visible());
    EXPECT_EQ(form->AnimationEditBox.caption(), "Animation field");
    EXPECT_EQ(anim().NameLabel.caption(), "Animarion name");
    EXPECT_EQ(anim().NameText.text(), "Animation");
    EXPECT_EQ(anim().AddAnimation.caption(), "Insert Anim ");
    EXPECT_EQ(anim().KillAnimation.caption(), "Kill Anim");
    EXPECT_EQ(anim().AddTask.caption(), "Insert Task ");
    EXPECT_EQ(anim().ChangeButton.caption(), "Alter Task");
    EXPECT_EQ(anim().KillTask.caption(), "Kill Task");
    EXPECT_EQ(anim().TaskListLabel.caption(), "Task List");
    EXPECT_EQ(anim().TaskList.toolTipText(), "Quadro, Tipo da tarefa, Item1, Item2 ");
    ASSERT_EQ(anim().TaskCombo.listCount(), 9);
    EXPECT_EQ(anim().TaskCombo.list(8), "09 - Stop firing");
    // The first kind is chosen at start, which sets its prompts up.
    EXPECT_EQ(anim().TaskCombo.listIndex(), 0);
    EXPECT_EQ(anim().TaskLabel1.caption(), "Execute in frame:");
    EXPECT_EQ(anim().TaskText1.text(), "Number");
    EXPECT_EQ(anim().TaskLabel2.caption(), "Position:");
    EXPECT_EQ(anim().TaskText2.text(), "01,01");
    EXPECT_TRUE(anim().TaskText2.locked());
    EXPECT_FALSE(anim().ChangeButton.enabled());
    EXPECT_FALSE(anim().KillTask.enabled());
    // Every control lies inside the frame.
    for (const ui::Control* control :
         std::initializer_list<const ui::Control*>{&anim().NameText, &anim().AnimationList, &anim().TaskCombo,
                                                   &anim().TaskText2, &anim().KillTask, &anim().TaskList}) {
        EXPECT_LE(control->left() + control->width(), form->AnimationEditBox.width());
        EXPECT_LE(control->top() + control->height(), form->AnimationEditBox.height());
    }
}

TEST_F(AnimationPanelTest, TheFrameIsTheNumberTheBoxBeginsWithPaddedToFourCharacters)
{
    insertAnimation(anim(), "Intro");
    user::click(anim().AnimationList, 0);
    const std::pair<const char*, const char*> cases[] = {
        {"7", "0007,08"}, {"", "0000,08"}, {"Number", "0000,08"}, {"12345", "12345,08"}, {"-3", "00-3,08"},
    };
    for (const auto& [typed, line] : cases) {
        user::choose(anim().TaskCombo, 7);
        anim().TaskText1.setText(typed);
        user::click(anim().AddTask);
        EXPECT_GE(model.TaskList.indexOf(line), 0) << "typed '" << typed << "'";
    }
    EXPECT_EQ(shownLines(), model.TaskList.items());
}

TEST_F(AnimationPanelTest, BuildsTheLineOfEveryKindAndBringsItBack)
{
    insertAnimation(anim(), "Intro");
    user::click(anim().AnimationList, 0);

    // A walk: the cell comes from a click on the map.
    user::choose(anim().TaskCombo, 0);
    user::click(anim().TaskText1);
    user::type(anim().TaskText1, "12");
    clickCell(5, 7);
    EXPECT_EQ(anim().TaskText2.text(), "05,07");
    user::click(anim().AddTask);
    insertTask(anim(), 5, "3", "Hold, wait, then go");
    insertTask(anim(), 4, "20", "");
    insertTask(anim(), 9, "30");
    insertTask(anim(), 6, "99");
    EXPECT_EQ(shownLines(), (std::vector<std::string>{"0003,05,Hold, wait, then go", "0012,01,05,07",
                                                      "0020,04,Text", "0030,09", "Fim ,06"}));
    EXPECT_EQ(slotLines(model.AnimTask, 1), shownLines());
    EXPECT_TRUE(model.Modified);

    // The message comes back whole, commas and all.
    user::click(anim().TaskList, 0);
    EXPECT_EQ(anim().TaskCombo.listIndex(), 4);
    EXPECT_EQ(anim().TaskLabel2.caption(), "Menssage");
    EXPECT_EQ(anim().TaskText1.text(), "0003");
    EXPECT_EQ(anim().TaskText2.text(), "Hold, wait, then go");
    EXPECT_TRUE(anim().ChangeButton.enabled());
    user::click(anim().TaskList, 1);
    EXPECT_EQ(anim().TaskText2.text(), "05,07");
    EXPECT_TRUE(anim().TaskText2.locked());
    user::click(anim().TaskList, 4);
    EXPECT_EQ(anim().TaskCombo.listIndex(), 5);
    EXPECT_FALSE(anim().TaskText1.visible());
    EXPECT_FALSE(anim().TaskText2.visible());
}

TEST_F(AnimationPanelTest, AFrameZeroShowsAsNumberAndALongFrameComesBackWhole)
{
    insertAnimation(anim(), "Intro");
    user::click(anim().AnimationList, 0);
    insertTask(anim(), 3, "0");
    user::click(anim().TaskList, 0);
    EXPECT_EQ(anim().TaskText1.text(), "Number");
    user::click(anim().AddTask);
    EXPECT_EQ(shownLines(), (std::vector<std::string>{"0000,03,01,01", "0000,03,01,01"}));

    insertTask(anim(), 8, "12345");
    user::click(anim().TaskList, 2);
    EXPECT_EQ(anim().TaskText1.text(), "12345");
}

TEST_F(AnimationPanelTest, LinesStandInFrameOrderWithTheEndEventLast)
{
    insertAnimation(anim(), "Intro");
    user::click(anim().AnimationList, 0);
    insertTask(anim(), 6, "");
    insertTask(anim(), 9, "10");
    insertTask(anim(), 9, "5");
    const std::vector<std::string> expected = {"0005,09", "0010,09", "Fim ,06"};
    EXPECT_EQ(shownLines(), expected);
    EXPECT_EQ(slotLines(model.AnimTask, 1), expected);
}

TEST_F(AnimationPanelTest, ASecondEndEventIsRefusedWithItsMessage)
{
    struct Case
    {
        int present;
        int requested;
        const char* insertMessage;
        const char* alterMessage;
    };
    const Case cases[] = {
        {6, 6, "J\xE1 existe um evento de vit\xF3ria. \xC9 desnecess\xE1rio outro.",
         "Already have a victory event. Is unnecessary other."},
        {7, 6, "J\xE1 existe um evento de derrota. \xC9 desnecess\xE1rio um de vit\xF3ria.",
         "Already have a lose event. Don't make sense a victory event."},
        {6, 7, "J\xE1 existe um evento de vit\xF3ria. \xC9 desnecess\xE1rio em de derrota.",
         "Already have a victory event. Don't make sense a lose event."},
        {7, 7, "J\xE1 existe um evento de derrota. \xC9 desnecess\xE1rio outro.",
         "Already have a lose event. Is unnecessary other."},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "Anim" + std::to_string(++n);
        insertAnimation(anim(), name);
        user::click(anim().AnimationList, anim().AnimationList.listCount() - 1);
        insertTask(anim(), 8, "4");
        insertTask(anim(), c.present, "");
        const std::vector<std::string> before = shownLines();

        boxes.clear();
        boxes.acknowledge();
        insertTask(anim(), c.requested, "");
        ASSERT_EQ(boxes.shown().size(), 1u) << name;
        EXPECT_EQ(boxes.shown()[0].text, c.insertMessage);
        EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Information);
        EXPECT_EQ(boxes.shown()[0].title, "Editor");
        EXPECT_EQ(shownLines(), before);

        // Turning the other line into an end event is refused too, in the English words.
        boxes.clear();
        boxes.acknowledge();
        user::click(anim().TaskList, 0);
        user::choose(anim().TaskCombo, c.requested - 1);
        user::click(anim().ChangeButton);
        ASSERT_EQ(boxes.shown().size(), 1u) << name;
        EXPECT_EQ(boxes.shown()[0].text, c.alterMessage);
        EXPECT_EQ(shownLines(), before);
    }
}

TEST_F(AnimationPanelTest, AlterReplacesTheLineWhereItStandsAndTheOnlyVictoryCannotBecomeADefeat)
{
    insertAnimation(anim(), "Intro");
    insertAnimation(anim(), "Ending");
    user::click(anim().AnimationList, 0);
    insertTask(anim(), 9, "1");
    insertTask(anim(), 9, "2");
    user::click(anim().TaskList, 0);
    user::choose(anim().TaskCombo, 7);
    replaceText(anim().TaskText1, "90");
    user::click(anim().ChangeButton);
    EXPECT_EQ(shownLines(), (std::vector<std::string>{"0090,08", "0002,09"}));
    EXPECT_FALSE(anim().ChangeButton.enabled());
    // The replaced line reaches the stored lines when another animation is chosen.
    user::click(anim().AnimationList, 1);
    EXPECT_EQ(slotLines(model.AnimTask, 1), (std::vector<std::string>{"0090,08", "0002,09"}));
    user::click(anim().AnimationList, 0);
    EXPECT_EQ(shownLines(), (std::vector<std::string>{"0002,09", "0090,08"}));

    user::click(anim().AnimationList, 1);
    insertTask(anim(), 6, "");
    boxes.acknowledge();
    user::click(anim().TaskList, 0);
    user::choose(anim().TaskCombo, 6);
    user::click(anim().ChangeButton);
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Already have a victory event. Don't make sense a lose event."});
    EXPECT_EQ(shownLines(), std::vector<std::string>{"Fim ,06"});
}

// A double quote would cut the quoted line short when the file is read: it is refused where it is
// typed, and what was typed stays in its box.
TEST_F(AnimationPanelTest, ADoubleQuoteInANameOrALineIsRefused)
{
    boxes.acknowledge(3);
    insertAnimation(anim(), "Say \"hi\"");
    EXPECT_EQ(anim().NameText.text(), "Say \"hi\"");
    EXPECT_TRUE(anim().AnimationList.items().empty());

    replaceText(anim().NameText, "Intro");
    user::click(anim().AddAnimation);
    insertTask(anim(), 4, "1", "Say \"hi\", then go");
    EXPECT_EQ(anim().TaskText2.text(), "Say \"hi\", then go");
    EXPECT_TRUE(shownLines().empty());

    insertTask(anim(), 4, "1", "Say hi, then go");
    user::click(anim().TaskList, 0);
    replaceText(anim().TaskText2, "\"");
    user::click(anim().ChangeButton);
    EXPECT_EQ(shownLines(), std::vector<std::string>{"0001,04,Say hi, then go"});

    EXPECT_EQ(boxes.texts(), std::vector<std::string>(3, "Don't put \" in the texts"));
    for (const auto& box : boxes.shown()) {
        EXPECT_EQ(box.icon, ui::MsgIcon::Critical);
        EXPECT_EQ(box.title, "Editor");
    }
}

TEST_F(AnimationPanelTest, FiftyLinesAtMostAllOfThemKept)
{
    insertAnimation(anim(), "Long");
    insertAnimation(anim(), "Other");
    user::click(anim().AnimationList, 0);
    for (int i = 1; i <= 51; ++i) {
        user::choose(anim().TaskCombo, 8);
        anim().TaskText1.setText(std::to_string(i));
        user::click(anim().AddTask);
    }
    EXPECT_EQ(anim().TaskList.listCount(), 50);
    EXPECT_EQ(model.TaskList.count(), 50);
    EXPECT_EQ(model.AnimTask(1, 50), "0050,09");
    user::click(anim().AnimationList, 1);
    user::click(anim().AnimationList, 0);
    EXPECT_EQ(anim().TaskList.listCount(), 50);
    EXPECT_EQ(slotLines(model.AnimTask, 1).size(), 50u);
    EXPECT_EQ(std::ranges::count(plotwright::missionFileBytes(model), '\n'), 21 + 25 + 2 * 2 + 50);
}

TEST_F(AnimationPanelTest, ANameDifferingOnlyInLetterCaseIsRefusedAlsoAfterRemovals)
{
    insertAnimation(anim(), "First");
    insertAnimation(anim(), "Second");
    insertAnimation(anim(), "Ambush");
    user::click(anim().AnimationList, 0);
    user::click(anim().KillAnimation);
    user::click(anim().AnimationList, 0);
    user::click(anim().KillAnimation);
    ASSERT_EQ(model.AnimName[3], "Ambush");

    boxes.acknowledge();
    insertAnimation(anim(), "aMBUSH");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Already have an animation with this name.");
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].title, "Editor");
    EXPECT_EQ(anim().NameText.text(), "");
    EXPECT_EQ(anim().AnimationList.items(), std::vector<std::string>{"Ambush"});
    EXPECT_EQ(model.AnimName[1], "");
}

TEST_F(AnimationPanelTest, ANewAnimationTakesTheLowestFreeSlotAndIsListedAtTheEnd)
{
    for (const char* name : {"A", "B", "C"}) {
        insertAnimation(anim(), name);
    }
    user::click(anim().AnimationList, 0);
    user::click(anim().KillAnimation);
    insertAnimation(anim(), "D");
    EXPECT_EQ(anim().AnimationList.items(), (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_EQ(model.AnimationList.items(), anim().AnimationList.items());
    EXPECT_EQ(model.AnimName[1], "D");
    EXPECT_EQ(model.AnimName[2], "B");
    EXPECT_EQ(anim().AnimationList.listIndex(), -1);
}

TEST_F(AnimationPanelTest, RemovingTheOnlyLineLeavesTheAnimationEmpty)
{
    insertAnimation(anim(), "One");
    insertAnimation(anim(), "Two");
    user::click(anim().AnimationList, 0);
    insertTask(anim(), 9, "4");
    user::click(anim().TaskList, 0);
    user::click(anim().KillTask);
    EXPECT_TRUE(shownLines().empty());
    EXPECT_FALSE(anim().KillTask.enabled());
    EXPECT_EQ(model.AnimTask(1, 1), "");
    user::click(anim().AnimationList, 1);
    user::click(anim().AnimationList, 0);
    EXPECT_TRUE(shownLines().empty());
}

TEST_F(AnimationPanelTest, LinesWrittenWhileNoAnimationExistsBelongToNone)
{
    insertTask(anim(), 9, "3");
    EXPECT_EQ(shownLines(), std::vector<std::string>{"0003,09"});
    EXPECT_EQ(model.AnimTask(0, 1), "0003,09");
    for (int slot = 1; slot <= plotwright::MaxAnimations; ++slot) {
        ASSERT_EQ(model.AnimTask(slot, 1), "") << slot;
    }
    EXPECT_EQ(plotwright::missionFileBytes(model).find("<Anim"), std::string::npos);
}

TEST_F(AnimationPanelTest, AnInsertAfterARemovalKeepsTheLinesOfTheAnimationItGoesTo)
{
    insertAnimation(anim(), "Keep");
    insertAnimation(anim(), "Drop");
    user::click(anim().AnimationList, 0);
    insertTask(anim(), 9, "1");
    insertTask(anim(), 9, "2");
    user::click(anim().AnimationList, 1);
    user::click(anim().KillAnimation);
    insertAnimation(anim(), "New");
    // Nothing is selected now and the task list is empty; the line goes to the first animation,
    // whose lines are shown first.
    user::click(anim().AddTask);
    EXPECT_EQ(anim().AnimationList.listIndex(), 0);
    EXPECT_EQ(slotLines(model.AnimTask, 1), (std::vector<std::string>{"0001,09", "0002,09", "0002,09"}));
    EXPECT_EQ(shownLines(), slotLines(model.AnimTask, 1));
}

TEST_F(AnimationPanelTest, ALoadedLineOfAnUnknownKindShowsNothing)
{
    model.AnimName[1] = "Odd";
    model.AnimTask(1, 1) = "0004,42,xx";
    model.AnimationList.add("Odd");
    model.CurAnim = 1;
    form->showModel();
    ASSERT_EQ(shownLines(), std::vector<std::string>{"0004,42,xx"});
    const int kind = anim().TaskCombo.listIndex();
    user::click(anim().TaskList, 0);
    EXPECT_EQ(anim().TaskText1.text(), "");
    EXPECT_EQ(anim().TaskText2.text(), "");
    EXPECT_EQ(anim().TaskCombo.listIndex(), kind);
    EXPECT_EQ(model.AnimTask(1, 1), "0004,42,xx");
    user::click(anim().KillTask);
    EXPECT_EQ(model.AnimTask(1, 1), "");
}

} // namespace

TEST_F(AnimationPanelTest, AfterKillAnimInsertTaskWaitsWithTheKindListForTheNextAnimation)
{
    // Both panels: the kind list is locked after a removal, and no line of the kind it shows
    // (here a defeat) is inserted until an animation is inserted again.
    for (TaskPanel* panel : std::initializer_list<TaskPanel*>{&anim(), &ai()}) {
        SCOPED_TRACE(panel == &anim() ? "animations" : "AI animations");
        chooseMode(panel == &anim() ? plotwright::EditAnimation : plotwright::EditAiAnimation);
        const auto& stored = panel == &anim() ? model.AnimTask : model.AiAnimTask;
        insertAnimation(*panel, "One");
        insertAnimation(*panel, "Two");
        user::click(panel->AnimationList, 0);
        insertTask(*panel, 9, "1");
        user::choose(panel->TaskCombo, 6);
        user::click(panel->AnimationList, 1);
        user::click(panel->KillAnimation);
        EXPECT_FALSE(panel->TaskCombo.enabled());
        EXPECT_FALSE(panel->AddTask.enabled());
        user::click(panel->AddTask);
        // Selecting the animation left and bringing its line back unlocks neither.
        user::click(panel->AnimationList, 0);
        user::click(panel->TaskList, 0);
        EXPECT_FALSE(panel->AddTask.enabled());
        user::click(panel->AddTask);
        EXPECT_EQ(slotLines(stored, 1), std::vector<std::string>{"0001,09"});

        insertAnimation(*panel, "Three");
        EXPECT_TRUE(panel->TaskCombo.enabled());
        EXPECT_TRUE(panel->AddTask.enabled());
    }
}
