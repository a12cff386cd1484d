// The condition panel: numbering, the run-once flag, If and Do lines, on the real window.

#include "panel_fixture.h"

#include "mission_editor/files/mission_writer.h"

using namespace editor_test;

namespace {

class ConditionPanelTest : public Panels
{
protected:
    void SetUp() override
    {
        Panels::SetUp();
        startWithPanels();
        chooseMode(plotwright::EditConditions);
    }

    void insertConditions(int count)
    {
        for (int i = 0; i < count; ++i) {
            user::click(cond().AddCondition);
        }
    }

    void selectCondition(const std::string& name)
    {
        const int position = model.CondNameList.indexOf(name);
        ASSERT_GE(position, 0) << name;
        user::click(cond().CondNameList, position);
    }

    // Chooses an If kind (its code), types the value and inserts the line.
    void insertIf(int kind, const std::string& value)
    {
        user::choose(cond().IfCombo, kind - 1);
        if (!cond().IfText.locked()) {
            user::click(cond().IfText);
            user::type(cond().IfText, value);
        }
        user::click(cond().AddIf);
    }

    void insertDo(int kind, const std::string& value = {})
    {
        user::choose(cond().DoCombo, kind - 1);
        if (cond().DoText.visible() && !cond().DoText.locked()) {
            user::click(cond().DoText);
            user::type(cond().DoText, value);
        }
        user::click(cond().AddDo);
    }
};

TEST_F(ConditionPanelTest, ShowsItsControlsWithTheirCaptions)
{
    EXPECT_TRUE(form->ConditionEditBox.visible());
    EXPECT_EQ(form->ConditionEditBox.caption(), "Condition field");
    EXPECT_EQ(cond().CondEdit[0].caption(), "Condition name");
    EXPECT_EQ(cond().CondEdit[1].caption(), "If (...) happened...");
    EXPECT_EQ(cond().CondEdit[2].caption(), "...runs the task...");
    EXPECT_EQ(cond().condEdit(), 1);
    EXPECT_EQ(cond().AddCondition.caption(), "Insert Cond ");
    EXPECT_EQ(cond().KillCondition.caption(), "Kill Cond");
    EXPECT_EQ(cond().XTimes.caption(), "This condition will run once");
    EXPECT_EQ(cond().AddIf.caption(), "Insert If");
    EXPECT_EQ(cond().KillIf.caption(), "Kill If");
    EXPECT_EQ(cond().AddDo.caption(), "Insert Task");
    EXPECT_EQ(cond().KillDo.caption(), "Kill Task");
    EXPECT_EQ(cond().DoText2.toolTipText(), "Click on enemy");
    EXPECT_EQ(cond().IfCombo.listCount(), 8);
    EXPECT_EQ(cond().DoCombo.listCount(), 11);
    EXPECT_EQ(cond().IfCombo.listIndex(), -1);
    EXPECT_EQ(cond().DoCombo.listIndex(), -1);
    for (ui::CommandButton* button : {&cond().AddIf, &cond().KillIf, &cond().AddDo, &cond().KillDo}) {
        EXPECT_FALSE(button->enabled()) << button->caption();
    }
}

TEST_F(ConditionPanelTest, ANewConditionTakesTheFirstFreeNumberAndStartsEmptyAndRunOnce)
{
    insertConditions(3);
    selectCondition("Cond 002");
    insertIf(1, "3");
    user::click(cond().XTimes);
    ASSERT_EQ(model.CondOnce[2], 0);
    user::click(cond().KillCondition);
    EXPECT_EQ(cond().CondNameList.items(), (std::vector<std::string>{"Cond 001", "Cond 003"}));
    EXPECT_EQ(cond().CondNameList.listIndex(), -1);

    user::click(cond().AddCondition);
    EXPECT_EQ(cond().CondNameList.items(), (std::vector<std::string>{"Cond 001", "Cond 002", "Cond 003"}));
    EXPECT_EQ(model.CondNameList.items(), cond().CondNameList.items());
    EXPECT_EQ(cond().CondNameList.listIndex(), 1);
    EXPECT_EQ(cond().CurCond, 2);
    EXPECT_TRUE(cond().IfList.items().empty());
    EXPECT_EQ(model.CondIf(2, 1), "");
    EXPECT_EQ(cond().XTimes.value(), 1);
    EXPECT_EQ(model.CondOnce[2], 1);
    EXPECT_TRUE(model.Modified);
}

TEST_F(ConditionPanelTest, AHundredConditionsAtMost)
{
    insertConditions(101);
    EXPECT_EQ(cond().CondNameList.listCount(), 100);
    EXPECT_EQ(cond().CondNameList.list(99), "Cond 100");
}

TEST_F(ConditionPanelTest, TheRunOnceBoxChangesTheFlagOfTheSelectedConditionOnly)
{
    insertConditions(5);
    selectCondition("Cond 002");
    user::click(cond().KillCondition);
    model.Modified = false;
    selectCondition("Cond 005");
    EXPECT_FALSE(model.Modified);
    user::click(cond().XTimes);
    EXPECT_EQ(cond().XTimes.value(), 0);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(model.CondOnce[n], 1) << n;
    }
    EXPECT_EQ(model.CondOnce[5], 0);
    // The change is one to save.
    EXPECT_TRUE(model.Modified);

    // Inserting a condition changes no other flag; selecting shows each one's own.
    user::click(cond().AddCondition);
    EXPECT_EQ(model.CondOnce[5], 0);
    selectCondition("Cond 005");
    EXPECT_EQ(cond().XTimes.value(), 0);
    selectCondition("Cond 004");
    EXPECT_EQ(cond().XTimes.value(), 1);
}

TEST_F(ConditionPanelTest, CountedIfValuesAreKeptInTheirRange)
{
    insertConditions(1);
    const struct
    {
        int kind;
        const char* typed;
        const char* line;
    } cases[] = {
        {1, "20", "01,15"},   {1, "-3", "01,00"}, {1, "7", "01,07"}, {1, "12", "01,12"},
        {6, "150", "06,100"}, {6, "42", "06,42"}, {6, "5", "06,05"},
    };
    for (const auto& c : cases) {
        insertIf(c.kind, c.typed);
        EXPECT_GE(model.IfList.indexOf(c.line), 0) << c.typed;
        EXPECT_EQ(cond().IfText.text(), "");
        EXPECT_EQ(cond().condEdit(), 1);
    }
    EXPECT_EQ(cond().IfList.items(), model.IfList.items());
    for (int i = 1; i <= model.IfList.count(); ++i) {
        EXPECT_EQ(model.CondIf(1, i), model.IfList.at(i - 1));
    }
}

TEST_F(ConditionPanelTest, TenLinesOfEachPartAtMost)
{
    insertConditions(1);
    for (int i = 0; i < 11; ++i) {
        insertIf(6, std::to_string(i));
        insertDo(7);
    }
    EXPECT_EQ(model.IfList.count(), 10);
    EXPECT_EQ(model.DoList.count(), 10);
    EXPECT_EQ(model.CondDo(1, 10), "07");
}

TEST_F(ConditionPanelTest, ADuplicateIfIsRefusedAndADuplicateDoIsAccepted)
{
    insertConditions(1);
    insertIf(1, "2");
    boxes.acknowledge();
    insertIf(1, "2");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "This condition already exist.");
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(boxes.shown()[0].title, "Editor");
    EXPECT_EQ(cond().IfList.items(), std::vector<std::string>{"01,02"});

    insertDo(2, "Go, go!");
    insertDo(2, "Go, go!");
    EXPECT_EQ(cond().DoList.items(), (std::vector<std::string>{"02,Go, go!", "02,Go, go!"}));
    EXPECT_EQ(model.CondDo(1, 2), "02,Go, go!");
}

TEST_F(ConditionPanelTest, AMessageWithADoubleQuoteIsRefused)
{
    insertConditions(1);
    boxes.acknowledge();
    insertDo(1, "Say \"hi\"");
    ASSERT_EQ(boxes.texts(), std::vector<std::string>{"Don't put \" in the texts"});
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Critical);
    EXPECT_EQ(cond().DoText.text(), "Say \"hi\"");
    EXPECT_TRUE(cond().DoList.items().empty());
}

TEST_F(ConditionPanelTest, AnimationNamesAreMatchedIgnoringCaseAndWrittenAsListed)
{
    chooseMode(plotwright::EditAnimation);
    insertAnimation(anim(), "Opening");
    chooseMode(plotwright::EditAiAnimation);
    insertAnimation(ai(), "Patrol");
    chooseMode(plotwright::EditConditions);
    insertConditions(1);

    insertIf(3, "OPENING");
    insertDo(5, "opening");
    EXPECT_EQ(cond().IfList.items(), std::vector<std::string>{"03,Opening"});
    EXPECT_EQ(cond().DoList.items(), std::vector<std::string>{"05,Opening"});

    boxes.acknowledge(3);
    insertIf(3, "Patrol"); // an AI animation is no scripted animation
    insertDo(6, "Nothing");
    insertDo(6, "");
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[0].text, "This animation already exist.");
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::None);
    EXPECT_EQ(boxes.shown()[1].text, "This AI animation don't exist.");
    EXPECT_EQ(boxes.shown()[1].icon, ui::MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[2].text, "Write the name of an AI animaion.");
    EXPECT_EQ(cond().IfList.listCount(), 1);
    EXPECT_EQ(cond().DoList.listCount(), 1);
}

TEST_F(ConditionPanelTest, ChangingAnEnemysAiAnimationNeedsTheNameAndTheEnemy)
{
    chooseMode(plotwright::EditAiAnimation);
    insertAnimation(ai(), "Patrol");
    chooseMode(plotwright::EditEnemies);
    clickCell(3, 4);
    chooseMode(plotwright::EditConditions);
    insertConditions(1);

    user::choose(cond().DoCombo, 10);
    EXPECT_TRUE(cond().DoText2.visible());
    EXPECT_EQ(cond().DoText.toolTipText(), "Write an existing AI animation name");
    boxes.acknowledge(2);
    user::click(cond().AddDo);
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{"Write the name of an AI animaion.", "Select an enemy first"}));
    EXPECT_TRUE(cond().DoList.items().empty());

    user::choose(cond().DoCombo, 10);
    clickCell(3, 4);
    EXPECT_EQ(cond().DoText2.text(), "04,03,04");
    user::click(cond().DoText);
    user::type(cond().DoText, "PATROL");
    user::click(cond().AddDo);
    ASSERT_EQ(cond().DoList.items(), std::vector<std::string>{"11,04,03,04,Patrol"});
    EXPECT_EQ(cond().DoText2.text(), "");

    // Brought back: the enemy into its box, the name into the other.
    user::click(cond().DoList, 0);
    EXPECT_EQ(cond().DoText2.text(), "04,03,04");
    EXPECT_EQ(cond().DoText.text(), "Patrol");
    EXPECT_EQ(cond().condEdit(), 3);
}

TEST_F(ConditionPanelTest, AnIfOfAnEnemySteppingOnACellComesBackIntoBothBoxes)
{
    chooseMode(plotwright::EditEnemies);
    clickCell(6, 2);
    chooseMode(plotwright::EditConditions);
    insertConditions(2);
    selectCondition("Cond 001");
    user::choose(cond().IfCombo, 7);
    EXPECT_TRUE(cond().IfText2.visible());
    EXPECT_FALSE(cond().AddIf.enabled());
    clickCell(6, 2);      // the enemy
    clickCell(10, 11, 2); // the cell, with the right button
    EXPECT_EQ(cond().IfText.text(), "06,02");
    EXPECT_EQ(cond().IfText2.text(), "10,11");
    EXPECT_TRUE(cond().AddIf.enabled());
    user::click(cond().AddIf);
    ASSERT_EQ(cond().IfList.items(), std::vector<std::string>{"08,06,02,10,11"});
    insertDo(3);

    selectCondition("Cond 002");
    EXPECT_TRUE(cond().IfList.items().empty());
    selectCondition("Cond 001");
    EXPECT_EQ(cond().IfCombo.listIndex(), 7);
    EXPECT_EQ(cond().IfText.text(), "06,02");
    EXPECT_EQ(cond().IfText2.text(), "10,11");
    EXPECT_EQ(cond().DoCombo.listIndex(), 2);
    EXPECT_FALSE(cond().DoText.visible());
}

TEST_F(ConditionPanelTest, AnIfOrDoOfAMapKindIsInsertedOnlyWithWhatAMapClickGave)
{
    chooseMode(plotwright::EditObjects);
    clickCell(3, 3); // object 01,03,03
    chooseMode(plotwright::EditEnemies);
    clickCell(6, 2); // enemy 04,06,02
    chooseMode(plotwright::EditConditions);
    insertConditions(1);
    const struct
    {
        bool ifPart;
        int kind;
        int x, y; // the map click
        const char* line;
    } cases[] = {
        {true, 2, 9, 9, "02,09,09"},      {true, 4, 3, 3, "04,01,03,03"},  {true, 5, 6, 2, "05,04,06,02"},
        {true, 7, 3, 3, "07,01,03,03"},   {false, 8, 3, 3, "08,01,03,03"}, {false, 9, 6, 2, "09,04,06,02"},
        {false, 10, 6, 2, "10,04,06,02"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ifPart ? "If " : "Do ") + std::to_string(c.kind));
        ui::ComboBox& combo = c.ifPart ? cond().IfCombo : cond().DoCombo;
        ui::CommandButton& insert = c.ifPart ? cond().AddIf : cond().AddDo;
        const plotwright::ItemList& lines = c.ifPart ? model.IfList : model.DoList;
        // The press itself, also where the button is disabled.
        const auto press = [&] { c.ifPart ? cond().AddIf_Click() : cond().AddDo_Click(); };
        const int before = lines.count();

        user::choose(combo, c.kind - 1);
        press(); // before any map click
        EXPECT_EQ(lines.count(), before);
        user::click(cond().CondEdit[c.ifPart ? 1 : 2]);
        clickCell(c.x, c.y);
        EXPECT_TRUE(insert.enabled());
        user::click(insert);
        EXPECT_EQ(lines.count(), before + 1);
        EXPECT_GE(lines.indexOf(c.line), 0);
        EXPECT_FALSE(insert.enabled());
        press(); // a second insert after one map click
        EXPECT_EQ(lines.count(), before + 1);
    }

    // An enemy stepping on a cell needs both: the enemy alone adds nothing.
    const int ifLines = model.IfList.count();
    user::choose(cond().IfCombo, 7);
    clickCell(6, 2);
    user::click(cond().AddIf);
    EXPECT_EQ(model.IfList.count(), ifLines);
    user::click(cond().CondEdit[1]);
    clickCell(10, 11, 2);
    user::click(cond().AddIf);
    EXPECT_EQ(model.IfList.count(), ifLines + 1);
    EXPECT_GE(model.IfList.indexOf("08,06,02,10,11"), 0);
    EXPECT_FALSE(cond().AddIf.enabled());
    cond().AddIf_Click();
    EXPECT_EQ(model.IfList.count(), ifLines + 1);
}

TEST_F(ConditionPanelTest, RemovingLinesKeepsTheRowsInStepAndConditionsKeepTheirNumbers)
{
    insertConditions(2);
    selectCondition("Cond 001");
    for (const char* v : {"1", "2", "3"}) {
        insertIf(6, v);
    }
    insertDo(1, "Alpha");
    insertDo(2, "Beta");
    user::click(cond().IfList, 1);
    user::click(cond().KillIf);
    EXPECT_EQ(model.CondIf(1, 1), "06,01");
    EXPECT_EQ(model.CondIf(1, 2), "06,03");
    EXPECT_EQ(model.CondIf(1, 3), "");
    EXPECT_TRUE(cond().KillIf.enabled());

    user::click(cond().DoList, 0);
    user::click(cond().KillDo);
    EXPECT_EQ(model.CondDo(1, 1), "02,Beta");
    EXPECT_EQ(model.CondDo(1, 2), "");
    EXPECT_FALSE(cond().KillDo.enabled());
    EXPECT_EQ(cond().condEdit(), 3);

    // Removing the first condition leaves the second its number and its place in the file.
    selectCondition("Cond 001");
    user::click(cond().KillCondition);
    selectCondition("Cond 002");
    insertDo(4);
    const std::string bytes = plotwright::missionFileBytes(model);
    EXPECT_EQ(bytes.find("<Cond 001>"), std::string::npos);
    EXPECT_NE(bytes.find("<Cond 002>\r\n 1 \r\n<Se>\r\n<-Se>\r\n<Faz>\r\n\"04\"\r\n<-Faz>\r\n<-Cond>\r\n"),
              std::string::npos);

    // With no condition left the line buttons are off.
    user::click(cond().KillCondition);
    for (ui::CommandButton* button : {&cond().AddIf, &cond().KillIf, &cond().AddDo, &cond().KillDo}) {
        EXPECT_FALSE(button->enabled()) << button->caption();
    }
}

} // namespace
