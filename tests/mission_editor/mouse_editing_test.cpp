// Editing the map with the mouse in each edit mode, and the object and enemy lists.

#include "editor_fixture.h"

#include "mission_editor/files/code_tables.h"
#include "mission_editor/mouse_editing.h"

#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/events.h"
#include "platform/ui/keys.h"
#include "platform/ui/text_box.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace editor_test;
using namespace plotwright;

namespace {

// Stand-ins for the scripting panels' boxes that map clicks fill.
class PanelBoxes : public ScriptPanel
{
public:
    explicit PanelBoxes(FormMain& form)
        : TaskText2(form.AnimationEditBox), TaskAItext2(form.AnimationAIEditBox),
          IfCombo(form.ConditionEditBox), DoCombo(form.ConditionEditBox), IfText(form.ConditionEditBox),
          IfText2(form.ConditionEditBox), DoText(form.ConditionEditBox), DoText2(form.ConditionEditBox),
          AddIf(form.ConditionEditBox), AddDo(form.ConditionEditBox)
    {
    }
    void formLoad() override
    {
        for (const auto text : IfKindTexts) {
            IfCombo.addItem(std::string(text));
        }
        for (const auto text : DoKindTexts) {
            DoCombo.addItem(std::string(text));
        }
        AddIf.setEnabled(false);
        AddDo.setEnabled(false);
    }
    void addPositionTargets(PositionTargets& t) override
    {
        t.TaskText2 = &TaskText2;
        t.TaskAItext2 = &TaskAItext2;
        t.CondEditChoice = [this] { return condEdit; };
        t.IfCombo = &IfCombo;
        t.DoCombo = &DoCombo;
        t.IfText = &IfText;
        t.IfText2 = &IfText2;
        t.DoText = &DoText;
        t.DoText2 = &DoText2;
        t.AddIf = &AddIf;
        t.AddDo = &AddDo;
    }

    int condEdit = 1;
    ui::TextBox TaskText2, TaskAItext2;
    ui::ComboBox IfCombo, DoCombo;
    ui::TextBox IfText, IfText2, DoText, DoText2;
    ui::CommandButton AddIf, AddDo;
};

class MouseEditing : public Editor
{
protected:
    FormMain& startWithPanels()
    {
        makeForm();
        panel = std::make_unique<PanelBoxes>(*form);
        form->addPanel(*panel);
        EXPECT_TRUE(form->Form_Load());
        form->Init();
        form->turn();
        return *form;
    }
    void mode(int index) { user::click(form->EditMode[index]); }

    std::unique_ptr<PanelBoxes> panel;
};

} // namespace

TEST(CellUnderPointer, CountsFromOneAtAPitchOf21AndClampsToTheMap)
{
    EXPECT_EQ(cellAt(0, 0), (Cell{1, 1}));
    EXPECT_EQ(cellAt(20, 41), (Cell{1, 2}));
    EXPECT_EQ(cellAt(21, 42), (Cell{2, 3}));
    EXPECT_EQ(cellAt(-1, 5), (Cell{0, 1}));
    MissionModel model;
    EXPECT_EQ(clampToMap(Cell{0, 26}, model), (Cell{1, 25}));
    EXPECT_EQ(cellText(Cell{5, 12}), "05,12");
    EXPECT_EQ(enemyAiName("03,12,04,None,0"), "None");
    EXPECT_EQ(enemyAiName("03,12,04,Guard, north,1"), "Guard");
}

TEST_F(MouseEditing, HeldLeftButtonPaintsEveryCellPassedAndShowsThemOnRelease)
{
    start();
    form->CurrentTile = 43;
    user::mouseMove(form->AreaVisivel, 0, canvasX(2), canvasY(2));
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(2), canvasY(2));
    form->turn();
    EXPECT_TRUE(model.Modified);
    for (int x = 3; x <= 5; ++x) {
        user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(x), canvasY(2));
        form->turn();
    }
    for (int x = 2; x <= 5; ++x) {
        EXPECT_EQ(model.Map(x, 2), "2B") << x;
        EXPECT_EQ(quadroCell(x, 2), tileColour(43)) << x;
    }
    // While the button is held the new tiles reach Quadro only.
    EXPECT_EQ(form->AreaVisivel.picture().pixel(canvasX(3), canvasY(2)), tileColour(1));
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(5), canvasY(2));
    form->turn();
    form->turn();
    EXPECT_EQ(form->AreaVisivel.picture().pixel(canvasX(3), canvasY(2)), tileColour(43));
    user::mouseMove(form->AreaVisivel, 0, canvasX(6), canvasY(2));
    form->turn();
    EXPECT_EQ(model.Map(6, 2), "01");

    // A click quicker than a turn still paints its cell.
    form->CurrentTile = 11;
    user::mouseMove(form->AreaVisivel, 0, canvasX(8), canvasY(8));
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(8), canvasY(8));
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(8), canvasY(8));
    form->turn();
    EXPECT_EQ(model.Map(8, 8), "B");
    EXPECT_FALSE(form->LeftDown);
}

TEST_F(MouseEditing, ADragPaintsOnlyTheCellsThatTheCanvasShows)
{
    start();
    // The 484 x 358 canvas shows columns 1 to 23 and rows 1 to 17; the rows below lie under the
    // scroll bar and the palette.
    form->CurrentTile = 7;
    user::mouseMove(form->AreaVisivel, 0, canvasX(5), canvasY(16));
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(5), canvasY(16));
    form->turn();
    struct Step
    {
        int x, y;   // pointer on the canvas, in its pixels
        int cx, cy; // the cell there
        bool painted;
    };
    // The canvas's last pixel row and column are the grid lines above row 18 and left of column
    // 24, whose tiles it does not show.
    const Step drag[] = {
        {canvasX(5), 356, 5, 17, true},  {canvasX(5), 357, 5, 18, false}, {canvasX(5), 380, 5, 19, false},
        {canvasX(5), 405, 5, 20, false}, {canvasX(5), 440, 5, 21, false}, {482, canvasY(3), 23, 3, true},
        {483, canvasY(3), 24, 3, false}, {-1, canvasY(4), 1, 4, false},   {canvasX(7), -1, 7, 1, false},
    };
    for (const Step& step : drag) {
        user::mouseMove(form->AreaVisivel, ui::kLeftButton, step.x, step.y);
        form->turn();
        EXPECT_EQ(model.Map(step.cx, step.cy), step.painted ? "7" : "01") << step.x << "," << step.y;
    }
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(7), -1);
    form->turn();
    EXPECT_EQ(model.Map(5, 16), "7");

    // Scrolled to the bottom, the last row of the canvas is the map's last.
    form->VScroll.setValue(form->VScroll.max());
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(10), 357);
    form->turn();
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(10), 357);
    form->turn();
    EXPECT_EQ(model.Map(10, 25), "7");
    // Scrolled a little across, column 1 is still partly in sight, but a pointer left of the
    // canvas lies on the window's edge, not on the map.
    form->HScroll.setValue(5);
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(2), 100);
    user::mouseMove(form->AreaVisivel, ui::kLeftButton, -3, 100);
    form->turn();
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, -3, 100);
    form->turn();
    EXPECT_EQ(model.Map(1, 13), "01");

    // Other modes keep to the canvas too: an object is placed only in sight.
    form->HScroll.setValue(0);
    form->VScroll.setValue(0);
    mode(EditObjects);
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(3), canvasY(16));
    user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(3), 400);
    form->turn();
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(3), 400);
    form->turn();
    EXPECT_TRUE(model.ObjList.empty());
}

TEST(CellsAlong, StepToANeighbourEachTimeFromTheCellAfterTheFirstToTheLast)
{
    EXPECT_EQ(cellsAlong(Cell{4, 4}, Cell{4, 4}), (std::vector<Cell>{Cell{4, 4}}));
    EXPECT_EQ(cellsAlong(Cell{1, 1}, Cell{5, 3}), (std::vector<Cell>{{2, 1}, {3, 2}, {4, 2}, {5, 3}}));
    const struct
    {
        Cell from, to;
    } lines[] = {
        {{2, 2}, {18, 18}}, {{18, 2}, {2, 18}}, {{3, 9}, {3, 1}}, {{1, 7}, {40, 7}},
        {{9, 1}, {2, 30}},  {{50, 50}, {1, 1}}, {{5, 5}, {6, 6}}, {{5, 5}, {20, 9}},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(cellText(line.from) + " to " + cellText(line.to));
        const std::vector<Cell> cells = cellsAlong(line.from, line.to);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(std::max(std::abs(line.to.x - line.from.x),
                                                                  std::abs(line.to.y - line.from.y))));
        EXPECT_EQ(cells.back(), line.to);
        Cell before = line.from;
        for (const Cell cell : cells) {
            EXPECT_LE(std::abs(cell.x - before.x), 1);
            EXPECT_LE(std::abs(cell.y - before.y), 1);
            EXPECT_NE(cell, before);
            before = cell;
        }
    }
}

TEST_F(MouseEditing, AFastDragPaintsEveryCellBetweenTwoTurnsButOnlyThoseInSight)
{
    start();
    form->CurrentTile = 43;
    // Each move lies a turn after the last: the pointer went further than a cell in between.
    const auto dragTo = [this](int x, int y) {
        user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(x), canvasY(y));
        form->turn();
    };
    user::mouseMove(form->AreaVisivel, 0, canvasX(2), canvasY(2));
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(2), canvasY(2));
    form->turn();
    dragTo(17, 17);
    dragTo(17, 3);
    dragTo(4, 9);
    for (int k = 2; k <= 17; ++k) {
        EXPECT_EQ(model.Map(k, k), "2B") << "diagonal " << k;
        EXPECT_EQ(model.Map(17, std::max(k, 3)), "2B") << "column " << k;
    }
    for (const Cell cell : cellsAlong(Cell{17, 3}, Cell{4, 9})) {
        EXPECT_EQ(model.Map(cell.x, cell.y), "2B") << cellText(cell);
    }
    EXPECT_EQ(model.Map(3, 2), "01");
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(4), canvasY(9));
    form->turn();

    // A new press starts a new stroke; a line that scrolling carried partly out of sight is
    // painted only where the canvas shows it (rows 6 on, scrolled down by five cells).
    form->CurrentTile = 7;
    user::mouseMove(form->AreaVisivel, 0, canvasX(20), canvasY(2));
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(20), canvasY(2));
    form->turn();
    constexpr int scrolled = 5 * 21;
    form->VScroll.setValue(scrolled);
    user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(20), canvasY(10) - scrolled);
    form->turn();
    for (int y = 3; y <= 10; ++y) {
        EXPECT_EQ(model.Map(20, y), y >= 6 ? "7" : "01") << y;
    }
    // Off the canvas and back, the stroke starts again where the pointer came back.
    user::mouseMove(form->AreaVisivel, ui::kLeftButton, 490, canvasY(10) - scrolled);
    form->turn();
    user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(20), canvasY(14) - scrolled);
    form->turn();
    EXPECT_EQ(model.Map(20, 14), "7");
    EXPECT_EQ(model.Map(20, 12), "01");
    // Released and pressed again elsewhere between two turns: two strokes, nothing between.
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(20), canvasY(14) - scrolled);
    user::mouseMove(form->AreaVisivel, 0, canvasX(23), canvasY(14) - scrolled);
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(23), canvasY(14) - scrolled);
    form->turn();
    EXPECT_EQ(model.Map(23, 14), "7");
    EXPECT_EQ(model.Map(21, 14), "01");
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(23), canvasY(14) - scrolled);
    form->turn();
}

TEST_F(MouseEditing, RightPressPicksTheCellsTileInAnyModeWithoutAChange)
{
    start();
    model.Map(4, 6) = "2B";
    for (const int m : {EditMap, EditEnemies}) {
        mode(m);
        form->CurrentTile = 1;
        clickCell(4, 6, ui::kRightButton);
        EXPECT_EQ(form->CurrentTile, 43) << m;
        EXPECT_FALSE(model.Modified) << m;
        EXPECT_EQ(model.Map(4, 6), "2B");
    }
    EXPECT_TRUE(model.DollList.empty());
}

TEST_F(MouseEditing, APickMovesThePaletteMarkerToThePickedTile)
{
    start();
    model.Map(4, 6) = "2B"; // tile 43: palette row 1, column 20
    model.Map(5, 6) = "6E"; // tile 110, which a palette click cannot pick
    model.Map(6, 6) = "00"; // no tile of the palette
    const auto markerCentre = [this] {
        return std::pair{form->Cursor.left() + form->Cursor.width() / 2 - form->ToolBar.left(),
                         form->Cursor.top() + form->Cursor.height() / 2 - form->ToolBar.top()};
    };
    clickCell(4, 6, ui::kRightButton);
    EXPECT_EQ(markerCentre(), (std::pair{431, 32}));
    EXPECT_TRUE(form->Cursor.visible());
    clickCell(5, 6, ui::kRightButton);
    EXPECT_EQ(markerCentre(), (std::pair{452, 95}));

    // Picked in another mode, the marker is on the tile when the palette comes back.
    mode(EditEnemies);
    clickCell(4, 6, ui::kRightButton);
    EXPECT_FALSE(form->Cursor.visible());
    mode(EditMap);
    EXPECT_TRUE(form->Cursor.visible());
    EXPECT_EQ(markerCentre(), (std::pair{431, 32}));

    // A tile that the palette does not hold has no place to be marked.
    clickCell(6, 6, ui::kRightButton);
    EXPECT_EQ(form->CurrentTile, 0);
    EXPECT_FALSE(form->Cursor.visible());
    mode(EditObjects);
    mode(EditMap);
    EXPECT_FALSE(form->Cursor.visible());
    user::mouseMove(form->ToolBar, 0, 30, 25);
    user::click(form->ToolBar, 30, 25);
    EXPECT_TRUE(form->Cursor.visible());
}

TEST_F(MouseEditing, ObjectsArePlacedOncePerCellAndPickedWithABeep)
{
    start();
    mode(EditObjects);
    EXPECT_TRUE(form->ObjtEditBox.visible());
    EXPECT_FALSE(form->ToolBar.visible());
    user::choose(form->ObjtCombo, 1); // "02 - Mine"
    clickCell(3, 12);
    EXPECT_EQ(model.ObjList.items(), std::vector<std::string>{"02,03,12"});
    EXPECT_EQ(form->ObjList.items(), model.ObjList.items());
    EXPECT_EQ(form->ObjtNameView.caption(), "Position: 3,12");
    EXPECT_EQ(form->ObjtQuant.caption(), "Number of objects: 1");
    EXPECT_EQ(quadroCell(3, 12), markerColour(7));

    user::choose(form->ObjtCombo, 0);
    clickCell(1, 1); // sorts before the mine
    EXPECT_EQ(form->ObjList.items(), (std::vector<std::string>{"01,01,01", "02,03,12"}));
    const int beeps = ui::beepCount();
    clickCell(3, 12);
    EXPECT_EQ(model.ObjList.count(), 2);
    EXPECT_EQ(ui::beepCount(), beeps + 1);
    EXPECT_EQ(form->ObjList.listIndex(), 1);
    EXPECT_EQ(form->ObjtCombo.text(), "02 - Mine");

    // Delete removes the selected entry and selects the one before it.
    user::key(form->ObjList, ui::kKeyDelete);
    EXPECT_EQ(model.ObjList.items(), std::vector<std::string>{"01,01,01"});
    EXPECT_EQ(form->ObjList.listIndex(), 0);
    user::click(form->KillObjt);
    EXPECT_TRUE(model.ObjList.empty());
    EXPECT_EQ(form->ObjtQuant.caption(), "Number of objects: 0");
    form->turn();
    EXPECT_EQ(quadroCell(3, 12), tileColour(1));
    // With nothing selected Delete only shows the count.
    user::key(form->ObjList, ui::kKeyDelete);
    EXPECT_EQ(form->ObjtQuant.caption(), "Number of objects: 0");
}

TEST_F(MouseEditing, AFullObjectListRefusesSilentlyButThePressStillCounts)
{
    start();
    mode(EditObjects);
    for (int i = 1; i <= 50; ++i) {
        model.ObjList.add("01," + cellDigits(i % 25 + 1) + "," + cellDigits(i / 25 + 1));
    }
    form->showModel();
    model.Modified = false;
    clickCell(20, 15);
    EXPECT_EQ(model.ObjList.count(), 50);
    EXPECT_TRUE(model.Modified);
    EXPECT_EQ(form->ObjtNameView.caption(), "");
    EXPECT_EQ(form->ObjtQuant.caption(), "Number of objects: 50");
}

TEST_F(MouseEditing, EnemiesArePlacedInOrderUpToFifty)
{
    start();
    model.AiAnimName[3] = "Patrol";
    mode(EditEnemies);
    EXPECT_EQ(form->DollAnimation.listCount(), 2);
    EXPECT_EQ(form->DollAnimation.text(), "None");
    user::choose(form->DollAniState, 1);
    clickCell(12, 4);
    user::choose(form->DollTeamCombo, 0);
    user::choose(form->DollAnimation, 1);
    clickCell(2, 3);
    EXPECT_EQ(model.DollList.items(), (std::vector<std::string>{"04,12,04,None,1", "01,02,03,Patrol,1"}));
    EXPECT_EQ(form->DollList.items(), model.DollList.items());
    EXPECT_EQ(form->DollQuant.caption(), "Number of soldiers: 2");
    EXPECT_EQ(quadroCell(12, 4), markerColour(4));

    // Picking selects the enemy, its team and its AI animation, and beeps.
    const int beeps = ui::beepCount();
    clickCell(12, 4);
    EXPECT_EQ(ui::beepCount(), beeps + 1);
    EXPECT_EQ(model.DollList.count(), 2);
    EXPECT_EQ(form->DollList.listIndex(), 0);
    EXPECT_EQ(form->DollTeamCombo.text(), "04 - Gray");
    EXPECT_EQ(form->DollAnimation.text(), "None");
    EXPECT_TRUE(form->ChangeDoll.enabled());
    user::click(form->ChangeDoll);
    EXPECT_FALSE(form->ChangeDoll.enabled());

    // An AI animation that no longer exists leaves the choice as it is.
    model.DollList.replaceAt(1, "01,02,03,Gone,1");
    user::choose(form->DollAnimation, 1);
    clickCell(2, 3);
    EXPECT_EQ(form->DollAnimation.text(), "Patrol");
    EXPECT_EQ(form->DollTeamCombo.text(), "01 - Green");

    // Up to 50: the 50th is placed, the next press only shows its cell.
    while (model.DollList.count() < 49) {
        model.DollList.add("02,25," + cellDigits(model.DollList.count()) + ",None,0");
    }
    form->showModel();
    clickCell(20, 15);
    EXPECT_EQ(model.DollList.count(), 50);
    clickCell(21, 16);
    EXPECT_EQ(model.DollList.count(), 50);
    EXPECT_EQ(form->DollListView.caption(), "Position: 21,16");
    // With 51 the label stays.
    model.DollList.add("02,24,01,None,0");
    form->showModel();
    clickCell(22, 17);
    EXPECT_EQ(form->DollListView.caption(), "Position: 21,16");
    EXPECT_EQ(model.DollList.count(), 51);
}

TEST_F(MouseEditing, KillingAnEnemySelectsThePreviousOne)
{
    start();
    for (const char* item : {"01,01,01,None,0", "02,02,02,None,0", "03,03,03,None,0"}) {
        model.DollList.add(item);
    }
    form->showModel();
    mode(EditEnemies);
    user::click(form->DollList, 2);
    model.Modified = false;
    user::key(form->DollList, ui::kKeyDelete);
    EXPECT_EQ(model.DollList.items(), (std::vector<std::string>{"01,01,01,None,0", "02,02,02,None,0"}));
    EXPECT_EQ(form->DollList.listIndex(), 1);
    EXPECT_TRUE(model.Modified);
    user::click(form->DollList, 0);
    user::click(form->KillDoll);
    EXPECT_EQ(form->DollList.listIndex(), 0);
    EXPECT_EQ(model.DollList.items(), std::vector<std::string>{"02,02,02,None,0"});
    EXPECT_EQ(form->DollQuant.caption(), "Number of soldiers: 1");
}

TEST_F(MouseEditing, TroopStartIsTheCellPressed)
{
    start();
    mode(EditTroop);
    EXPECT_TRUE(form->TroopEditBox.visible());
    clickCell(9, 4);
    EXPECT_EQ(form->TroopPos.caption(), "Position: 09,04");
    EXPECT_EQ(model.TroopPos, "Position: 09,04");
    EXPECT_EQ(quadroCell(9, 4), markerColour(0));
}

TEST_F(MouseEditing, MovingOverTheMapShowsTheCell)
{
    start();
    user::mouseMove(form->AreaVisivel, 0, canvasX(7), canvasY(12));
    EXPECT_EQ(form->ShowBar.caption(), "Position: 7,12");
    form->HScroll.setValue(42);
    user::mouseMove(form->AreaVisivel, 0, 483, 0);
    EXPECT_EQ(form->ShowBar.caption(), "Position: 25,1");
}

TEST_F(MouseEditing, AnimationClicksFillTheTaskBoxes)
{
    startWithPanels();
    mode(EditAnimation);
    EXPECT_TRUE(form->AnimationEditBox.visible());
    clickCell(5, 7);
    EXPECT_EQ(panel->TaskText2.text(), "05,07");
    mode(EditAiAnimation);
    EXPECT_TRUE(form->AnimationAIEditBox.visible());
    clickCell(12, 3);
    EXPECT_EQ(panel->TaskAItext2.text(), "12,03");
    EXPECT_EQ(panel->TaskText2.text(), "05,07");
}

TEST(ConditionPicks, EachKindTakesItsReferenceFromTheCell)
{
    MissionModel model;
    model.ObjList.add("03,04,05");
    model.DollList.add("02,04,05,None,0");
    model.DollList.add("05,09,09,None,0");
    const auto ifKind = [](int k) { return std::string(IfKindTexts[k - 1]); };
    const auto doKind = [](int k) { return std::string(DoKindTexts[k - 1]); };
    const Cell onBoth{4, 5};
    const Cell empty{1, 1};
    struct Case
    {
        int condEdit;
        std::string kind;
        bool left;
        Cell cell;
        PickBox box;
        std::string text;
        bool addIf, addDo;
        int beeps;
    };
    const Case cases[] = {
        {2, ifKind(2), true, empty, PickBox::IfText, "01,01", true, false, 1},
        {2, ifKind(4), true, onBoth, PickBox::IfText, "03,04,05", true, false, 1},
        {2, ifKind(7), false, onBoth, PickBox::IfText, "03,04,05", true, false, 1},
        {2, ifKind(5), true, onBoth, PickBox::IfText, "02,04,05", true, false, 1},
        {2, ifKind(5), true, empty, PickBox::None, "", false, false, 0},
        {2, ifKind(8), true, onBoth, PickBox::IfText, "04,05", true, false, 1},
        {2, ifKind(8), true, empty, PickBox::IfText2, "01,01", false, false, 1},
        {2, ifKind(8), false, onBoth, PickBox::IfText2, "04,05", false, false, 1},
        {2, ifKind(1), true, onBoth, PickBox::None, "", false, false, 0},
        {3, doKind(6), true, empty, PickBox::DoText, "01,01", false, true, 0},
        {3, doKind(8), true, onBoth, PickBox::DoText, "03,04,05", false, true, 1},
        {3, doKind(8), true, Cell{9, 9}, PickBox::None, "", false, false, 0},
        {3, doKind(9), true, Cell{9, 9}, PickBox::DoText, "05,09,09", false, true, 1},
        {3, doKind(10), true, onBoth, PickBox::DoText, "02,04,05", false, true, 1},
        {3, doKind(11), true, onBoth, PickBox::DoText2, "02,04,05", false, true, 1},
        {3, doKind(1), true, onBoth, PickBox::None, "", false, false, 0},
        {1, ifKind(2), true, onBoth, PickBox::None, "", false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.condEdit) + " " + c.kind);
        const ConditionPick pick = pickForCondition(model, c.condEdit, c.kind, c.kind, c.left, c.cell);
        EXPECT_EQ(pick.box, c.box);
        EXPECT_EQ(pick.text, c.text);
        EXPECT_EQ(pick.enableAddIf, c.addIf);
        EXPECT_EQ(pick.enableAddDo, c.addDo);
        EXPECT_EQ(pick.beeps, c.beeps);
    }
}

TEST_F(MouseEditing, ConditionClicksFillThePanelsBoxesWhileTheButtonIsHeld)
{
    startWithPanels();
    model.DollList.add("02,04,05,None,0");
    mode(EditConditions);
    EXPECT_TRUE(form->ConditionEditBox.visible());
    panel->condEdit = 2;
    panel->IfCombo.setListIndex(7); // 08: the enemy stepped on...
    user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(4), canvasY(5));
    form->turn();
    EXPECT_EQ(panel->IfText.text(), "04,05");
    EXPECT_TRUE(panel->AddIf.enabled());
    // The action repeats while the button is held: moved off the enemy, the cell goes to IfText2.
    user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(7), canvasY(5));
    form->turn();
    EXPECT_EQ(panel->IfText2.text(), "07,05");
    user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(7), canvasY(5));
    form->turn();
    clickCell(6, 6, ui::kRightButton);
    EXPECT_EQ(panel->IfText2.text(), "06,06");

    panel->condEdit = 3;
    panel->DoCombo.setListIndex(10); // 11: change the enemy's AI animation
    clickCell(4, 5);
    EXPECT_EQ(panel->DoText2.text(), "02,04,05");
    EXPECT_TRUE(panel->AddDo.enabled());
    EXPECT_EQ(panel->DoText.text(), "");
}

// However the held button repeats its action, the bell rings once for each press.
TEST_F(MouseEditing, TheBellRingsOncePerPress)
{
    startWithPanels();
    model.DollList.add("02,04,05,None,0");
    model.DollList.add("03,04,05,None,0"); // two enemies on one cell, as a file may hold them
    model.ObjList.add("01,06,06");
    model.ObjList.add("02,06,06");
    form->showModel();
    const auto ifKind = [this](int kind) {
        mode(EditConditions);
        panel->condEdit = 2;
        panel->IfCombo.setListIndex(kind - 1);
    };
    const auto bells = [](const std::function<void()>& act) {
        const int before = ui::beepCount();
        act();
        return ui::beepCount() - before;
    };

    // If kind 02: one quick click, and a press held for a second (about 200 turns) while the
    // pointer wanders over the map.
    ifKind(2);
    EXPECT_EQ(bells([this] { clickCell(3, 3); }), 1);
    long long heldFor = 0;
    EXPECT_EQ(bells([&] {
                  user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(3), canvasY(3));
                  const auto start = clock.tickCount();
                  for (int turn = 0; turn < 200; ++turn) {
                      user::mouseMove(form->AreaVisivel, ui::kLeftButton, canvasX(3 + turn % 9), canvasY(3));
                      form->turn();
                  }
                  heldFor = clock.tickCount() - start;
                  user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(3), canvasY(3));
                  form->turn();
              }),
              1);
    EXPECT_EQ(panel->IfText.text(), "04,03"); // the action went on while held, to the last cell
    // Held, the turns come a few milliseconds apart: not back to back, nor as slowly as idle ones.
    EXPECT_EQ(heldFor, 200 * plotwright::HeldTurnLength);

    // Both buttons: two presses, two bells.
    ifKind(8);
    EXPECT_EQ(bells([this] {
                  user::mouseDown(form->AreaVisivel, ui::kLeftButton, canvasX(3), canvasY(3));
                  form->turn();
                  user::mouseDown(form->AreaVisivel, ui::kRightButton, canvasX(3), canvasY(3));
                  form->turn();
                  form->turn();
                  user::mouseUp(form->AreaVisivel, ui::kRightButton, canvasX(3), canvasY(3));
                  user::mouseUp(form->AreaVisivel, ui::kLeftButton, canvasX(3), canvasY(3));
                  form->turn();
              }),
              2);

    // One action that finds two things on its cell rings once.
    ifKind(5);
    EXPECT_EQ(bells([this] { clickCell(4, 5); }), 1);
    mode(EditObjects);
    EXPECT_EQ(bells([this] { clickCell(6, 6); }), 1);
    mode(EditEnemies);
    EXPECT_EQ(bells([this] { clickCell(4, 5); }), 1);
    // A press that finds nothing is silent.
    ifKind(5);
    EXPECT_EQ(bells([this] { clickCell(9, 9); }), 0);
}
