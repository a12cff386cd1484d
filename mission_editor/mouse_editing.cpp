#include "mission_editor/mouse_editing.h"

#include "mission_editor/map_canvas.h"

#include "platform/text/vb.h"

#include <algorithm>
#include <cstdlib>

namespace plotwright {

namespace {

// Characters 4-8 of an entry: its cell "XX,YY".
std::string cellPart(std::string_view item)
{
    return vb::mid(item, 4, 5);
}

// Entries of a list that stand on the cell.
std::vector<int> entriesOn(const ItemList& list, const std::string& cell)
{
    std::vector<int> found;
    for (int i = 0; i < list.count(); ++i) {
        if (cellPart(list.at(i)) == cell) {
            found.push_back(i);
        }
    }
    return found;
}

// Looks for objects or enemies on the cell; each found one enables the line's insert and beeps,
// and the last found gives the reference.
ConditionPick pickReference(const ItemList& list, Cell cell, PickBox box, bool enablesIf)
{
    ConditionPick pick;
    const std::string where = cellText(cell);
    for (const int i : entriesOn(list, where)) {
        pick.box = box;
        pick.text = vb::left(list.at(i), 2) + "," + where;
        (enablesIf ? pick.enableAddIf : pick.enableAddDo) = true;
        ++pick.beeps;
    }
    return pick;
}

} // namespace

Cell cellAt(int px, int py)
{
    return {static_cast<int>(vb::intFloor(static_cast<double>(px) / CellPitch)) + 1,
            static_cast<int>(vb::intFloor(static_cast<double>(py) / CellPitch)) + 1};
}

Cell clampToMap(Cell cell, const MissionModel& model)
{
    return {std::clamp(cell.x, 1, std::max(1, model.MapWidth)),
            std::clamp(cell.y, 1, std::max(1, model.MapHeight))};
}

std::string cellDigits(int n)
{
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

std::string cellText(Cell cell)
{
    return cellDigits(cell.x) + "," + cellDigits(cell.y);
}

bool cellShown(Cell cell, int scrollX, int scrollY, int width, int height)
{
    // The tile of cell (x, y) covers Quadro's pixels 21x - 20 .. 21x - 1 across, likewise down.
    const auto overlaps = [](int n, int scroll, int size) {
        return n * CellPitch - TileStepX <= scroll + size - 1 && n * CellPitch - 1 >= scroll;
    };
    return overlaps(cell.x, scrollX, width) && overlaps(cell.y, scrollY, height);
}

int kindOf(std::string_view listText)
{
    return static_cast<int>(vb::val(vb::left(listText, 2)));
}

ObjectPress pressObject(ItemList& objList, std::string_view kindText, Cell cell)
{
    ObjectPress press;
    if (objList.count() >= MaxObjects) {
        return press;
    }
    press.hadRoom = true;
    const std::string entry = vb::left(kindText, 2) + "," + cellText(cell);
    press.picked = entriesOn(objList, cellPart(entry));
    if (press.picked.empty()) {
        press.added = objList.add(entry);
    }
    return press;
}

EnemyPress pressEnemy(ItemList& dollList, std::string_view teamText, std::string_view aiAnimation,
                      int startState, Cell cell)
{
    EnemyPress press;
    press.showCell = dollList.count() <= MaxEnemies;
    if (dollList.count() >= MaxEnemies) {
        return press;
    }
    press.hadRoom = true;
    const std::string entry = vb::left(teamText, 2) + "," + cellText(cell) + "," + std::string(aiAnimation) +
                              "," + std::to_string(startState);
    press.picked = entriesOn(dollList, cellPart(entry));
    if (press.picked.empty()) {
        press.added = dollList.add(entry);
    }
    return press;
}

std::string enemyAiName(std::string_view item)
{
    // From character 10 up to the first comma at character 11 or later.
    const std::size_t comma = item.size() > 10 ? item.find(',', 10) : std::string_view::npos;
    if (comma == std::string_view::npos) {
        return vb::mid(item, 10);
    }
    return vb::mid(item, 10, static_cast<long long>(comma) - 9);
}

ConditionPick pickForCondition(const MissionModel& model, int condEdit, std::string_view ifComboText,
                               std::string_view doComboText, bool leftButton, Cell cell)
{
    const std::string where = cellText(cell);
    if (condEdit == 2) {
        switch (kindOf(ifComboText)) {
        case 2:
            return {PickBox::IfText, where, true, false, 1};
        case 4:
        case 7:
            return pickReference(model.ObjList, cell, PickBox::IfText, true);
        case 5:
            return pickReference(model.DollList, cell, PickBox::IfText, true);
        case 8: {
            if (leftButton) {
                ConditionPick pick = pickReference(model.DollList, cell, PickBox::IfText, true);
                if (pick.beeps > 0) {
                    pick.text = where; // the enemy's cell
                    return pick;
                }
            }
            return {PickBox::IfText2, where, false, false, 1};
        }
        default:
            return {};
        }
    }
    if (condEdit == 3) {
        switch (kindOf(doComboText)) {
        case 6:
            return {PickBox::DoText, where, false, true, 0};
        case 8:
            return pickReference(model.ObjList, cell, PickBox::DoText, false);
        case 9:
        case 10:
            return pickReference(model.DollList, cell, PickBox::DoText, false);
        case 11:
            return pickReference(model.DollList, cell, PickBox::DoText2, false);
        default:
            return {};
        }
    }
    return {};
}

std::vector<Cell> cellsAlong(Cell from, Cell to)
{
    if (from == to) {
        return {to};
    }
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = to.x > from.x ? 1 : -1;
    const int sy = to.y > from.y ? 1 : -1;
    std::vector<Cell> cells;
    cells.reserve(static_cast<std::size_t>(std::max(dx, dy)));
    Cell at = from;
    int error = dx - dy;
    while (at != to) {
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            at.x += sx;
        }
        if (twice < dx) {
            error += dx;
            at.y += sy;
        }
        cells.push_back(at);
    }
    return cells;
}

int killEntry(ItemList& list, int selected)
{
    if (selected < 0 || selected >= list.count()) {
        return -1;
    }
    list.removeAt(selected);
    if (list.empty()) {
        return -1;
    }
    return selected == 0 ? 0 : selected - 1;
}

} // namespace plotwright
