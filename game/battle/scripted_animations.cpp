#include "game/battle/scripted_animations.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/geometry.h"
#include "game/battle/troop_orders.h"
#include "platform/text/codepage.h"

#include <algorithm>

namespace tolvar::battle {

namespace {

constexpr int FramesPerTick = 10; // frames in one tick of an animation's clock

// Colours of the leader's speech (red frame, yellow band) and of a message (yellow frame, red band).
constexpr long long SpeechFrame = 255;
constexpr long long SpeechFill = 65535;
constexpr long long MessageFrame = 65535;
constexpr long long MessageFill = 255;

enum TaskKind {
    WalkTo = 1,
    FireTo = 2,
    LookTo = 3,
    LeaderMessage = 4,
    Message = 5,
    CauseVictory = 6,
    CauseDefeat = 7,
    GiveControl = 8,
    StopFiring = 9,
};

double field(std::string_view line, int start, int length)
{
    return vb::val(midText(line, start, length));
}

// The fields of a task line FFFF,KK[,XX,YY | ,text].
int taskFrame(std::string_view line)
{
    return intPart(field(line, 1, 4));
}
int taskKind(std::string_view line)
{
    return intPart(field(line, 6, 2));
}
int cellX(std::string_view line)
{
    return intPart(field(line, 9, 2));
}
int cellY(std::string_view line)
{
    return intPart(field(line, 12, 2));
}
std::string taskText(std::string_view line)
{
    return vb::mid(line, 9);
}

bool dueAlways(std::string_view line)
{
    return line.starts_with("Fim");
}

int linesPending(const BattleState& s, int a)
{
    int pending = 0;
    for (int l = 1; l <= MaxTaskLines; ++l)
        if (vb::val(s.AnimTaskPending[a][l]) == 1)
            ++pending;
    return pending;
}

// Lines that have run are armed again, so the animation plays from its beginning.
void rearm(BattleState& s, int a)
{
    for (int l = 1; l <= MaxTaskLines; ++l)
        if (s.AnimTaskPending[a][l] == "2")
            s.AnimTaskPending[a][l] = "1";
}

// The player has the troop again; the soldiers turn with his orders.
void giveControlBack(BattleState& s)
{
    s.InputLocked = false;
    s.FacingHeld = false;
}

bool anyAnimationRunning(const BattleState& s)
{
    for (int a = 1; a <= MaxAnimations; ++a)
        if (s.AnimState[a] == AnimRunning)
            return true;
    return false;
}

void walkTo(Battle& battle, std::string_view line)
{
    BattleState& s = *battle.state;
    s.TargetX[1] = (cellX(line) - 1) * s.TileWidth + 10;
    s.TargetY[1] = (cellY(line) - 1) * s.TileHeight + 10;
    s.MouseMapPoint = {s.TargetX[1], s.TargetY[1]};
    s.LeaderTrail[1][1] = s.SoldierX[1];
    s.LeaderTrail[1][2] = s.SoldierY[1];
    s.HeadingExact[1] = CalcANG(static_cast<float>(s.TargetX[1]), static_cast<float>(s.TargetY[1]),
                                s.SoldierX[1], s.SoldierY[1]);
    s.Moving[1] = 1;
    s.FacingHeld = false;
    // The move order keeps the target set here while the troop is out of the player's hands.
    s.MoveOrder = true;
    TroopOrders(battle);
    s.MoveOrder = false;
}

// Runs one task line; false for a kind that does nothing (the line stays pending).
bool runTask(Battle& battle, std::string_view line)
{
    BattleState& s = *battle.state;
    switch (taskKind(line)) {
    case WalkTo:
        walkTo(battle, line);
        return true;
    case FireTo:
        s.AimX = (cellX(line) - 1) * s.TileWidth + 7;
        s.AimY = (cellY(line) - 1) * s.TileHeight + 5;
        s.MouseMapPoint = {s.AimX, s.AimY};
        s.FacingHeld = false;
        s.FireHeld = true; // the troop goes on firing at it until told to stop
        return true;
    case LookTo:
        s.MouseMapPoint = {(cellX(line) - 1) * s.TileWidth + 7, (cellY(line) - 1) * s.TileHeight + 7};
        s.FacingHeld = false;
        return true;
    case LeaderMessage:
        SetScreenText(s.ScreenText, s.SoldierX[1] - s.CameraX, s.SoldierY[1] - s.CameraY, taskText(line), 1,
                      SpeechFrame, SpeechFill);
        return true;
    case Message:
        SetScreenText(s.ScreenText, 1, 1, taskText(line), 2, MessageFrame, MessageFill);
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
    case GiveControl:
        // Every loaded animation counts as ended, this one included.
        for (int a = 1; a <= MaxAnimations; ++a)
            if (s.AnimState[a] != AnimEmpty)
                s.AnimState[a] = AnimEnded;
        giveControlBack(s);
        return true;
    case StopFiring:
        s.FireHeld = false;
        return true;
    default:
        return false;
    }
}

void animationFrame(Battle& battle, int a)
{
    BattleState& s = *battle.state;
    if (++s.AnimSubTick[a] > FramesPerTick) {
        s.AnimSubTick[a] -= FramesPerTick;
        ++s.AnimTick[a];
    }
    // Running a line is the only way a line stops pending in this loop, so a count kept along
    // tells when none is left.
    int pending = linesPending(s, a);
    for (int l = 1; l <= MaxTaskLines; ++l) {
        const std::string& line = s.MissionAnimTask[a][l];
        const bool due = taskFrame(line) == s.AnimTick[a] || dueAlways(line);
        const double before = vb::val(s.AnimTaskPending[a][l]);
        if (due && before != 2 && runTask(battle, line)) {
            s.AnimTaskPending[a][l] = "2";
            if (before == 1)
                --pending;
        }
        // The lines after the one that ended the animation still run in this frame.
        if (s.AnimState[a] != AnimEnded && pending == 0)
            s.AnimState[a] = AnimEnded;
    }
}

} // namespace

void ScriptedAnimationsPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int a = 1; a <= MaxAnimations; ++a)
        if (s.AnimState[a] == AnimRunning)
            animationFrame(battle, a);
}

int FindAnimation(const BattleState& s, std::string_view name)
{
    const std::string wanted = platform::text::lowerCase(name);
    for (int a = 1; a <= MaxAnimations; ++a)
        if (s.AnimState[a] != AnimEmpty && s.MissionAnimName[a] == wanted)
            return a;
    return 0;
}

void StartAnimation(Battle& battle, std::string_view name)
{
    BattleState& s = *battle.state;
    const int a = FindAnimation(s, name);
    if (a == 0 || s.AnimState[a] == AnimRunning)
        return;
    s.AnimState[a] = AnimRunning;
    // A script that takes the troop from the player holds its facing until one of its lines
    // names a point.
    if (!s.InputLocked)
        s.FacingHeld = true;
    s.InputLocked = true;
    s.AnimTick[a] = 0;
    // The clock keeps its place within the tick, so a restarted tick 0 may be short; a clock that
    // stood on a tick's last frame would leave tick 0 no frame at all and its lines would never
    // run, so tick 0 then starts afresh.
    if (s.AnimSubTick[a] >= FramesPerTick)
        s.AnimSubTick[a] = 0;
    s.MoveOrder = false;
    s.FireHeld = false;
    rearm(s, a);
}

void StopAnimation(Battle& battle, std::string_view name)
{
    BattleState& s = *battle.state;
    const int a = FindAnimation(s, name);
    if (a != 0 && s.AnimState[a] == AnimRunning) {
        s.AnimState[a] = AnimIdle;
        s.AnimTick[a] = 0;
        s.MoveOrder = false;
        s.FireHeld = false;
        rearm(s, a);
    }
    if (!anyAnimationRunning(s))
        giveControlBack(s);
}

} // namespace tolvar::battle
