#pragma once
// What a press on the map does to the mission in each edit mode, apart from the window: the cell
// under the pointer, placing and picking objects and enemies, and the references that a click in
// the condition mode puts into the condition's boxes. The main window applies the outcomes to its
// controls.

#include "mission_editor/files/item_list.h"
#include "mission_editor/files/mission_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace plotwright {

// The seven edit modes, in the order of the `EditMode` option buttons.
enum EditModeIndex {
    EditMap = 0,
    EditObjects = 1,
    EditEnemies = 2,
    EditTroop = 3,
    EditAnimation = 4,
    EditConditions = 5,
    EditAiAnimation = 6,
};
inline constexpr int EditModeCount = 7;
inline constexpr const char* EditModeCaptions[EditModeCount] = {
    "Edit map",       "Edit objects",    "Edit enemies",      "Edit troop",
    "Edit animation", "Edit conditions", "Edit AI animation",
};

struct Cell
{
    int x = 1;
    int y = 1;
    bool operator==(const Cell&) const = default;
};

// The cell under pixel (px, py) of Quadro, counted from 1; not clamped to the map.
Cell cellAt(int px, int py);
// The cell clamped to 1 .. MapWidth and 1 .. MapHeight.
Cell clampToMap(Cell cell, const MissionModel& model);
// A column or row as two digits ("05", "12"); larger numbers as they are.
std::string cellDigits(int n);
// "XX,YY".
std::string cellText(Cell cell);
// True when a canvas of `width` x `height` pixels showing Quadro from (scrollX, scrollY) shows
// some of the tile of `cell`, not only the grid line above or left of it.
bool cellShown(Cell cell, int scrollX, int scrollY, int width, int height);

// The cells of the straight line from `from` to `to` in order, `from` left out (it was painted
// before), each a step to a neighbouring cell, sideways or across a corner; `to` alone when the
// two are the same. A held button paints them all, however far the pointer went in one turn.
std::vector<Cell> cellsAlong(Cell from, Cell to);

// A left press in the object mode. The list is changed in place.
struct ObjectPress
{
    bool hadRoom = false;    // fewer than 50 objects: the press was looked at
    std::vector<int> picked; // entries already on the cell, first to last (each selected, beeped)
    int added = -1;          // position of the new entry, -1 when none was added
};
ObjectPress pressObject(ItemList& objList, std::string_view kindText, Cell cell);

// A left press in the enemy mode. The list is changed in place.
struct EnemyPress
{
    bool showCell = false;   // at most 50 enemies: the position label shows the cell
    bool hadRoom = false;    // fewer than 50: the press was looked at
    std::vector<int> picked; // entries already on the cell, first to last
    int added = -1;
};
EnemyPress pressEnemy(ItemList& dollList, std::string_view teamText, std::string_view aiAnimation,
                      int startState, Cell cell);

// The AI animation name of an enemy entry "TT,XX,YY,Name,S".
std::string enemyAiName(std::string_view item);

// Code of a list text: the value of its first two characters (0 when they hold no number).
int kindOf(std::string_view listText);

// A press in the condition mode: the box it fills, with what, and the beeps it gives.
enum class PickBox { None, IfText, IfText2, DoText, DoText2 };
struct ConditionPick
{
    PickBox box = PickBox::None;
    std::string text;
    bool enableAddIf = false;
    bool enableAddDo = false;
    int beeps = 0;
};
// `condEdit` is the chosen `CondEdit` option (2 the If part, 3 the Do part); `leftButton` tells
// a held left button from a held right one.
ConditionPick pickForCondition(const MissionModel& model, int condEdit, std::string_view ifComboText,
                               std::string_view doComboText, bool leftButton, Cell cell);

// Removes entry `selected` of a list and gives the entry to select afterwards: the one before
// it, the first when it was the first, -1 when the list is now empty.
int killEntry(ItemList& list, int selected);

} // namespace plotwright
