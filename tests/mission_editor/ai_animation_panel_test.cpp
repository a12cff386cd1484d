// The AI-animation panel, and the enemy panel's list of AI animations that it feeds.

#include "panel_fixture.h"

using namespace editor_test;

namespace {

class AiAnimationPanelTest : public Panels
{
protected:
    void SetUp() override
    {
        Panels::SetUp();
        startWithPanels();
        chooseMode(plotwright::EditAiAnimation);
    }

    std::vector<std::string> shownLines() { return ai().TaskAIList.items(); }
};

TEST_F(AiAnimationPanelTest, ShowsItsOwnCaptionsAndKinds)
{
    EXPECT_TRUE(form->AnimationAIEditBox.visible());
    EXPECT_FALSE(form->AnimationEditBox.visible());
    EXPECT_EQ(form->AnimationAIEditBox.caption(), "AI Animation Control field");
    EXPECT_EQ(ai().NameLabel.caption(), "AI Animarion name");
    EXPECT_EQ(ai().TaskComboLabel.caption(), "AI Task");
    EXPECT_EQ(ai().TaskListLabel.caption(), "AI Task List");
    EXPECT_EQ(ai().TaskAIList.toolTipText(), "Quadro, Tipo da tarefa, Item1, Item2 ");
    ASSERT_EQ(ai().TaskAICombo.listCount(), 10);
    EXPECT_EQ(ai().TaskAICombo.list(9), "10 - The troop is near - DO NOT FIRE");
    EXPECT_EQ(ai().TaskAICombo.listIndex(), 0);
}

TEST_F(AiAnimationPanelTest, KindsWithoutArgumentGiveFrameAndCode)
{
    insertAnimation(ai(), "Guard");
    user::click(ai().AnimationAIList, 0);
    const struct
    {
        int kind;
        const char* frame;
        const char* line;
    } cases[] = {{5, "12", "0012,05"}, {10, "150", "0150,10"}, {8, "3", "0003,08"}, {9, "7", "0007,09"}};
    for (const auto& c : cases) {
        insertTask(ai(), c.kind, c.frame);
        EXPECT_FALSE(ai().TaskAItext2.visible()) << c.kind;
        EXPECT_GE(model.TaskAIList.indexOf(c.line), 0) << c.line;
    }
    EXPECT_EQ(slotLines(model.AiAnimTask, 1), shownLines());
    // The scripted animations are not touched.
    EXPECT_TRUE(model.TaskList.empty());
    EXPECT_EQ(model.AnimTask(1, 1), "");
}

TEST_F(AiAnimationPanelTest, AWalkTakesTheClickedCellAndAlterTurnsItIntoKindTen)
{
    insertAnimation(ai(), "Patrol");
    user::click(ai().AnimationAIList, 0);
    user::choose(ai().TaskAICombo, 0);
    user::click(ai().TaskAItext1);
    user::type(ai().TaskAItext1, "40");
    clickCell(9, 14);
    EXPECT_EQ(ai().TaskAItext2.text(), "09,14");
    user::click(ai().AddAITask);
    ASSERT_EQ(shownLines(), std::vector<std::string>{"0040,01,09,14"});

    user::click(ai().TaskAIList, 0);
    user::choose(ai().TaskAICombo, 9);
    user::click(ai().ChangeAIButton);
    EXPECT_EQ(shownLines(), std::vector<std::string>{"0040,10"});

    // With no other end event the kind-10 line may become the victory.
    user::click(ai().TaskAIList, 0);
    user::choose(ai().TaskAICombo, 5);
    user::click(ai().ChangeAIButton);
    EXPECT_EQ(shownLines(), std::vector<std::string>{"Fim ,06"});

    insertTask(ai(), 10, "5");
    boxes.acknowledge();
    user::click(ai().TaskAIList, 0);
    user::choose(ai().TaskAICombo, 5);
    user::click(ai().ChangeAIButton);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Already have a victory event. Is unnecessary other."});
    boxes.clear();
    boxes.acknowledge();
    insertTask(ai(), 7, "");
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{
                  "J\xE1 existe um evento de vit\xF3ria. \xC9 desnecess\xE1rio em de derrota."});
    EXPECT_EQ(shownLines(), (std::vector<std::string>{"0005,10", "Fim ,06"}));
}

TEST_F(AiAnimationPanelTest, ASoldierMessageComesBackWholeAndTheOnlyLineCanBeRemoved)
{
    insertAnimation(ai(), "Talker");
    insertAnimation(ai(), "Quiet");
    user::click(ai().AnimationAIList, 0);
    user::choose(ai().TaskAICombo, 3);
    EXPECT_EQ(ai().TaskAILabel2.caption(), "Message");
    EXPECT_EQ(ai().TaskAItext2.text(), "Text");
    insertTask(ai(), 4, "2", "Halt, who goes there, friend?");
    user::click(ai().TaskAIList, 0);
    EXPECT_EQ(ai().TaskAItext2.text(), "Halt, who goes there, friend?");

    user::click(ai().KillAITask);
    EXPECT_TRUE(shownLines().empty());
    user::click(ai().AnimationAIList, 1);
    user::click(ai().AnimationAIList, 0);
    EXPECT_TRUE(shownLines().empty());
    EXPECT_EQ(model.AiAnimTask(1, 1), "");
}

TEST_F(AiAnimationPanelTest, ANameInOtherLetterCaseIsRefused)
{
    insertAnimation(ai(), "Sentry");
    boxes.acknowledge();
    insertAnimation(ai(), "SENTRY");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Already have an AI animation with this name.");
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Critical);
    EXPECT_EQ(ai().AnimationAIList.items(), std::vector<std::string>{"Sentry"});
    // The scripted animations are another kind of name.
    chooseMode(plotwright::EditAnimation);
    insertAnimation(anim(), "sentry");
    EXPECT_EQ(anim().AnimationList.items(), std::vector<std::string>{"sentry"});
}

TEST_F(AiAnimationPanelTest, TheEnemyPanelOffersNoneAndEveryAiAnimationInSlotOrder)
{
    for (const char* name : {"Patrol", "Guard", "Sniper"}) {
        insertAnimation(ai(), name);
    }
    user::click(ai().AnimationAIList, 0);
    user::click(ai().KillAIAnimation);
    insertAnimation(ai(), "Runner"); // takes slot 1
    chooseMode(plotwright::EditEnemies);
    std::vector<std::string> offered;
    for (int i = 0; i < form->DollAnimation.listCount(); ++i) {
        offered.push_back(form->DollAnimation.list(i));
    }
    EXPECT_EQ(offered, (std::vector<std::string>{"None", "Runner", "Guard", "Sniper"}));
    EXPECT_EQ(form->DollAnimation.listIndex(), 0);

    // An enemy placed with an AI animation names it in its entry.
    user::choose(form->DollAnimation, 2);
    clickCell(4, 6);
    EXPECT_EQ(model.DollList.items(), std::vector<std::string>{"04,04,06,Guard,0"});
}

} // namespace
