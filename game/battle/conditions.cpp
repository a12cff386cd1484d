#include "game/battle/conditions.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/enemy_ai.h"
#include "game/battle/geometry.h"
#include "game/battle/objects.h"
#include "game/battle/scripted_animations.h"
#include "game/battle/troop_orders.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tolvar::battle {

namespace {

constexpr int Evaluated = 4; // `CondState` of a condition that has If lines

// Colours of the leader's speech (red frame, yellow band) and of a message (red frame, blue band).
constexpr long long SpeechFrame = 255;
constexpr long long SpeechFill = 65535;
constexpr long long MessageFrame = 255;
constexpr long long MessageFill = 16711680;

enum IfKind {
    TroopLessThan = 1,
    LeaderSteppedOn = 2,
    AnimationEnded = 3,
    ObjectGoneIf = 4,
    EnemyDied = 5,
    EnemiesLessThan = 6,
    LeaderTouchedObject = 7,
    EnemySteppedOn = 8,
};

enum DoKind {
    LeaderMessage = 1,
    Message = 2,
    CauseVictory = 3,
    CauseDefeat = 4,
    StartAnimationDo = 5,
    StopAnimationDo = 6,
    KillLeader = 7,
    DestroyObjectDo = 8,
    StartEnemyAi = 9,
    StopEnemyAi = 10,
    ChangeEnemyAi = 11,
};

// Fields of an If or Do line stand at fixed character positions: the kind at 1, two-character
// fields at 4, 7, 10 and 13.
std::string text(std::string_view line, int start, int length = -1)
{
    return length < 0 ? vb::mid(line, start) : midText(line, start, length);
}
int number(std::string_view line, int start)
{
    return intPart(vb::val(text(line, start, 2)));
}
int lineKind(std::string_view line)
{
    return number(line, 1);
}

// Whether (x, y) lies strictly inside cell (XX, YY) of the map.
bool insideCell(const BattleState& s, float x, float y, int cellX, int cellY)
{
    const float right = static_cast<float>(cellX * s.TileWidth);
    const float bottom = static_cast<float>(cellY * s.TileHeight);
    return InArea(x, y, right - s.TileWidth, bottom - s.TileHeight, right, bottom);
}

// Object o (1..50) is the one the reference TT,XX,YY at character 4 names.
bool objectNamed(const BattleState& s, int o, std::string_view line)
{
    const ObjectRawRow& raw = s.ObjectRaw[o];
    return raw.kind == text(line, 4, 2) && raw.col == text(line, 7, 2) && raw.row == text(line, 10, 2);
}

// The enemy's start cell XX,YY (characters 4 to 8 of its item) is `cell`.
bool enemyAtCell(const DollRecord& d, std::string_view cell)
{
    return midText(d.ItemText, 4, 5) == cell;
}

// The enemy's item begins with the reference TT,XX,YY.
bool enemyNamed(const DollRecord& d, std::string_view reference)
{
    return vb::left(d.ItemText, 8) == reference;
}

// The enemies before the first empty slot.
int enemiesBeforeEmpty(const BattleState& s)
{
    int last = 0;
    while (last < MaxEnemies && s.Dolls[last + 1].State != DollEmpty)
        ++last;
    return last;
}

// Whether an If line holds. A line that names several things (two enemies on one start cell, two
// objects of a kind on one cell) holds once when one of them does, so it never counts twice.
bool ifHolds(Battle& battle, std::string_view line)
{
    BattleState& s = *battle.state;
    switch (lineKind(line)) {
    case TroopLessThan:
        return s.TroopCount < number(line, 4);
    case LeaderSteppedOn:
        return insideCell(s, s.SoldierX[1], s.SoldierY[1], number(line, 4), number(line, 7));
    case AnimationEnded: {
        const int a = FindAnimation(s, text(line, 4));
        return a != 0 && s.AnimState[a] == 2;
    }
    case ObjectGoneIf:
        for (int o = 1; o <= MaxObjects; ++o)
            if (objectNamed(s, o, line) && s.ObjState[o - 1] == ObjectGone)
                return true;
        return false;
    case EnemyDied: {
        const std::string cell = text(line, 7, 5);
        for (int e = 1; e <= MaxEnemies; ++e)
            if (enemyAtCell(s.Dolls[e], cell) && s.Dolls[e].State == DollDead)
                return true;
        return false;
    }
    case EnemiesLessThan:
        // Every enemy is dead, whatever number the line holds.
        for (int e = 1; e <= MaxEnemies; ++e)
            if (s.Dolls[e].State != DollDead && s.Dolls[e].State != DollEmpty)
                return false;
        return true;
    case LeaderTouchedObject:
        for (int o = 1; o <= MaxObjects; ++o)
            if (objectNamed(s, o, line) && s.ObjTouch[o - 1] == TouchedMark)
                return true;
        return false;
    case EnemySteppedOn: {
        const std::string cell = text(line, 4, 5);
        const int x = number(line, 10);
        const int y = number(line, 13);
        for (int e = 1; e <= enemiesBeforeEmpty(s); ++e) {
            const DollRecord& d = s.Dolls[e];
            if (enemyAtCell(d, cell) && insideCell(s, d.X, d.Y, x, y))
                return true;
        }
        return false;
    }
    default:
        return false;
    }
}

// Carries out a Do line; gives whether it counts as done for a run-once condition.
bool carryOut(Battle& battle, std::string_view line)
{
    BattleState& s = *battle.state;
    switch (lineKind(line)) {
    case LeaderMessage:
        SetScreenText(s.ScreenText, s.SoldierX[1] - s.CameraX, s.SoldierY[1] - s.CameraY, text(line, 4), 1,
                      SpeechFrame, SpeechFill);
        return true;
    case Message:
        SetScreenText(s.ScreenText, 1, 1, text(line, 4), 2, MessageFrame, MessageFill);
        return true;
    case CauseVictory:
        battle.game.MissionWon = true;
        for (int i = 1; i <= std::min(s.TroopCount, MaxSoldiers); ++i)
            s.Moving[i] = 0;
        return true;
    case CauseDefeat:
        s.DefeatFlag = true;
        s.DefeatNow = true;
        return true;
    case StartAnimationDo:
        StartAnimation(battle, text(line, 4));
        return true;
    case StopAnimationDo:
        StopAnimation(battle, text(line, 4));
        return true;
    case KillLeader:
        KillDoll(battle, 1);
        return true;
    case DestroyObjectDo:
        for (int o = 1; o <= MaxObjects; ++o) {
            if (objectNamed(s, o, line)) {
                DestroyObject(battle, o);
                return true;
            }
        }
        return false;
    case StartEnemyAi: {
        const std::string reference = text(line, 4, 8);
        for (int e = 1; e <= enemiesBeforeEmpty(s); ++e)
            if (enemyNamed(s.Dolls[e], reference))
                s.Dolls[e].AiStartPending = true;
        return s.Dolls[1].State != DollEmpty;
    }
    case StopEnemyAi: {
        const std::string cell = text(line, 7, 5);
        for (int e = 1; e <= enemiesBeforeEmpty(s); ++e) {
            if (enemyAtCell(s.Dolls[e], cell)) {
                s.Dolls[e].AiRunning = false;
                s.AiState[e] = AiEnded;
                break;
            }
        }
        return true;
    }
    case ChangeEnemyAi: {
        const std::string reference = text(line, 4, 8);
        for (int e = 1; e <= MaxEnemies; ++e) {
            DollRecord& d = s.Dolls[e];
            if (enemyNamed(d, reference)) {
                d.ScriptedFire = false;
                d.AiName = text(line, 13);
                d.AiStartPending = true;
                d.AiRunning = false;
                break;
            }
        }
        return true;
    }
    default:
        return false;
    }
}

void condition(Battle& battle, int n)
{
    BattleState& s = *battle.state;
    int lines = 0;
    int held = 0;
    for (int j = 1; j <= MaxConditionLines; ++j) {
        const std::string& line = s.MissionCondIf[n][j];
        if (line.empty())
            break;
        // A run-once value of a damaged file leaves the lines untested: the condition acts.
        if (s.MissionCondOnce[n] != CondRepeats && s.MissionCondOnce[n] != CondOnce)
            break;
        ++lines;
        if (ifHolds(battle, line))
            ++held;
    }
    if (held != lines || s.MissionCondOnce[n] == CondDone)
        return;
    for (int j = 1; j <= MaxConditionLines; ++j) {
        if (carryOut(battle, s.MissionCondDo[n][j]) && s.MissionCondOnce[n] == CondOnce)
            s.MissionCondOnce[n] = CondDone;
    }
}

} // namespace

void ConditionsPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int n = 1; n <= MaxConditions; ++n)
        if (s.CondState[n] == Evaluated)
            condition(battle, n);
}

} // namespace tolvar::battle
