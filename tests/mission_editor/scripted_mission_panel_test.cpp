// A mission scripted entirely in the editor: the troop and an enemy placed with the mouse, an AI
// animation for the enemy, a scripted opening that walks the troop to the bridge, and conditions
// that start it and win the mission there. Saved through the save dialog, the file is the one the
// game's tests play (tests/battle/fixtures/editor_made.cfm), byte for byte; opened again, the
// panels show it as it was made.

#include "panel_fixture.h"

#include "mission_editor/files/mission_paths.h"
#include "mission_editor/files/mission_reader.h"

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace editor_test;
using namespace plotwright;

namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScriptedMission : public Panels
{
protected:
    void SetUp() override
    {
        Panels::SetUp();
        std::filesystem::create_directories(missionsFolder(programs));
        startWithPanels(true);
    }

    // Makes the whole mission with the mouse and the panels.
    void makeMission()
    {
        chooseMode(EditTroop);
        clickCell(3, 12);
        user::choose(form->TroopSizeCombo, 2);

        chooseMode(EditAiAnimation);
        insertAnimation(ai(), "Patrol");
        user::click(ai().AnimationAIList, 0);
        user::choose(ai().TaskAICombo, 0);
        user::click(ai().TaskAItext1);
        user::type(ai().TaskAItext1, "0");
        clickCell(23, 3);
        user::click(ai().AddAITask);
        user::click(ai().TaskAItext1);
        user::type(ai().TaskAItext1, "10");
        clickCell(20, 3);
        user::click(ai().AddAITask);

        chooseMode(EditEnemies);
        user::choose(form->DollAnimation, 1);
        clickCell(20, 3);

        chooseMode(EditAnimation);
        insertAnimation(anim(), "Opening");
        user::click(anim().AnimationList, 0);
        user::choose(anim().TaskCombo, 0);
        clickCell(10, 12);
        user::click(anim().AddTask);
        insertTask(anim(), 4, "7", "Follow me, men!");
        insertTask(anim(), 8, "8");

        chooseMode(EditConditions);
        user::click(cond().AddCondition);
        user::choose(cond().IfCombo, 0);
        user::click(cond().IfText);
        user::type(cond().IfText, "15");
        user::click(cond().AddIf);
        user::choose(cond().DoCombo, 4);
        user::click(cond().DoText);
        user::type(cond().DoText, "opening");
        user::click(cond().AddDo);

        user::click(cond().AddCondition);
        user::choose(cond().IfCombo, 1);
        clickCell(10, 12);
        user::click(cond().AddIf);
        user::choose(cond().DoCombo, 1);
        user::click(cond().DoText);
        user::type(cond().DoText, "Bridge taken");
        user::click(cond().AddDo);
        user::choose(cond().DoCombo, 2);
        user::click(cond().AddDo);
    }

    void saveAs(const std::string& name)
    {
        user::click(form->SaveAsButton);
        ASSERT_TRUE(dialogs->formSave.visible());
        dialogs->formSave.FileName.selectAll();
        user::type(dialogs->formSave.FileName, name);
        boxes.acknowledge();
        user::click(dialogs->formSave.SaveButton);
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Mission saved."});
        boxes.clear();
    }
};

TEST_F(ScriptedMission, MadeInThePanelsSavesTheFileTheGamePlays)
{
    makeMission();
    saveAs("editor_made");
    const std::string saved = fileBytes(missionPath(programs, "editor_made").value());
    ASSERT_FALSE(saved.empty());

    // A copy for whoever wants to look at what the editor made.
    const std::filesystem::path copy = std::filesystem::path(SUITE_BIN_DIR).parent_path() / "tests";
    std::filesystem::create_directories(copy);
    std::ofstream(copy / "editor_made.cfm", std::ios::binary) << saved;

    EXPECT_EQ(saved, fileBytes(std::string(SUITE_SOURCE_DIR) + "/tests/battle/fixtures/editor_made.cfm"));
    EXPECT_FALSE(model.Modified);
}

TEST_F(ScriptedMission, OpenedAgainThePanelsShowTheFirstOfEach)
{
    makeMission();
    saveAs("editor_made");
    ASSERT_TRUE(openMission(model, missionPath(programs, "editor_made").value(), "editor_made").ok);
    form->showModel();

    EXPECT_EQ(anim().AnimationList.items(), std::vector<std::string>{"Opening"});
    EXPECT_EQ(anim().AnimationList.listIndex(), 0);
    EXPECT_EQ(anim().TaskList.items(),
              (std::vector<std::string>{"0000,01,10,12", "0007,04,Follow me, men!", "0008,08"}));
    EXPECT_EQ(ai().TaskAIList.items(), (std::vector<std::string>{"0000,01,23,03", "0010,01,20,03"}));
    EXPECT_EQ(cond().CondNameList.items(), (std::vector<std::string>{"Cond 001", "Cond 002"}));
    EXPECT_EQ(cond().CurCond, 1);
    EXPECT_EQ(cond().IfList.items(), std::vector<std::string>{"01,15"});
    EXPECT_EQ(cond().DoList.items(), std::vector<std::string>{"05,Opening"});
    EXPECT_EQ(cond().DoText.text(), "Opening");

    // Editing goes on where the file left off.
    user::click(cond().CondNameList, 1);
    EXPECT_EQ(cond().DoList.items(), (std::vector<std::string>{"02,Bridge taken", "03"}));
    user::click(anim().AnimationList, 0);
    insertTask(anim(), 9, "9");
    EXPECT_EQ(model.AnimTask(1, 4), "0009,09");
}

TEST_F(ScriptedMission, ANewMissionEmptiesThePanels)
{
    makeMission();
    model.resetForNewMission();
    form->showModel();
    for (const ui::ListBox* list : {&anim().AnimationList, &anim().TaskList, &ai().AnimationAIList,
                                    &ai().TaskAIList, &cond().CondNameList, &cond().IfList, &cond().DoList}) {
        EXPECT_EQ(list->listCount(), 0);
    }
    EXPECT_FALSE(anim().AddTask.enabled());
    EXPECT_FALSE(cond().AddIf.enabled());
    EXPECT_FALSE(cond().KillDo.enabled());

    // The new mission's first animation starts with no lines of the old one.
    chooseMode(EditAnimation);
    insertAnimation(anim(), "Fresh");
    user::click(anim().AnimationList, 0);
    EXPECT_TRUE(anim().TaskList.items().empty());
    chooseMode(EditConditions);
    user::click(cond().AddCondition);
    EXPECT_TRUE(cond().IfList.items().empty());
    EXPECT_EQ(cond().CurCond, 1);
}

} // namespace
