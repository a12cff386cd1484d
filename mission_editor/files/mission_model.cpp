#include "mission_editor/files/mission_model.h"

#include "platform/text/vb.h"

#include <algorithm>

namespace plotwright {

namespace {

void storeLines(const ItemList& list, Grid<std::string>& lines, int slot)
{
    if (slot < 0 || slot > MaxAnimations) {
        return;
    }
    const int n = std::min(list.count(), MaxTaskLines);
    for (int j = 1; j <= n; ++j) {
        lines(slot, j) = list.at(j - 1);
    }
    if (n < MaxTaskLines) {
        lines(slot, n + 1).clear();
    }
}

} // namespace

MissionModel::MissionModel()
{
    fillMap();
}

void MissionModel::fillMap()
{
    for (int x = 1; x <= MaxMapSize; ++x) {
        for (int y = 1; y <= MaxMapSize; ++y) {
            Map(x, y) = "01";
        }
    }
}

void MissionModel::clearScriptsAndLists()
{
    for (int slot = 1; slot <= MaxAnimations; ++slot) {
        AnimName[slot].clear();
        AiAnimName[slot].clear();
        for (int line = 1; line <= MaxTaskLines; ++line) {
            AnimTask(slot, line).clear();
            AiAnimTask(slot, line).clear();
        }
    }
    for (int n = 1; n <= MaxConditions; ++n) {
        for (int line = 1; line <= MaxConditionLines; ++line) {
            CondIf(n, line).clear();
            CondDo(n, line).clear();
        }
        CondOnce[n] = 1;
    }
    for (ItemList* list : {&ObjList, &DollList, &AnimationList, &AnimationAIList, &TaskList, &TaskAIList,
                           &CondNameList, &IfList, &DoList}) {
        list->clear();
    }
}

void MissionModel::resetForNewMission()
{
    fillMap();
    TroopPos = NoTroopPosition;
    clearScriptsAndLists();
    MissionFile = UntitledName;
    Modified = false;
    NewPending = false;
    OpenAfterSave = false;
}

void MissionModel::storeTaskList()
{
    storeLines(TaskList, AnimTask, CurAnim);
}

void MissionModel::storeTaskAIList()
{
    storeLines(TaskAIList, AiAnimTask, CurAiAnim);
}

int conditionNumber(std::string_view name)
{
    if (name.size() != 8 || !name.starts_with("Cond ")) {
        return 0;
    }
    int number = 0;
    for (const char c : name.substr(5)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number <= MaxConditions ? number : 0;
}

std::string conditionName(int number)
{
    return "Cond " + vb::zeroPad(number, 3);
}

} // namespace plotwright
