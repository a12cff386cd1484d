#include "game/battle/wrecks.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/geometry.h"
#include "game/battle/sprite_drawing.h"
#include "game/battle/troop_orders.h"

#include <algorithm>
#include <string>

namespace tolvar::battle {

namespace {

constexpr double BlastGrowth = 0.3; // of `ObjBlast` per frame
constexpr int BlastCells = 4;       // the blast's stages on the effect sheet
constexpr int FlightFrames = 5;     // a flight phase ends when its tick passes this
constexpr int LandedFrames = 10;    // frames the landed wreck stays
constexpr int WreckRise = 4;        // pixels up (or down) per flight frame
constexpr int LandedWreckCell = 2;
constexpr int LastTumbleCell = 5;

// Every living soldier whose box of half-size `half` around him strictly contains the point dies.
// A death moves the soldiers behind him up a slot, so the same slot is tested again.
void killSoldiersAround(Battle& battle, double x, double y, float half)
{
    BattleState& s = *battle.state;
    int i = 1;
    while (i <= std::min(s.TroopCount, MaxSoldiers)) {
        const float sx = s.SoldierX[i];
        const float sy = s.SoldierY[i];
        if (s.Alive[i] && InArea(static_cast<float>(x), static_cast<float>(y), sx - half, sy - half,
                                 sx + half, sy + half)) {
            KillDoll(battle, i);
            continue;
        }
        ++i;
    }
}

// The landed wreck against the enemies: an active enemy under it is stopped, pushed back against
// its walking direction, and dies.
void wreckOnEnemies(Battle& battle, double x, double y)
{
    BattleState& s = *battle.state;
    const float wx = static_cast<float>(x);
    const float wy = static_cast<float>(y);
    for (int e = 1; e <= MaxEnemies; ++e) {
        DollRecord& d = s.Dolls[e];
        if (d.State != DollActive || !InArea(wx, wy, d.X - 4, d.Y - 5, d.X + 4, d.Y + 5))
            continue;
        if (d.Walking) {
            const int h = angleIndex(d.Heading);
            d.X = static_cast<float>(d.X - s.CosTable[h] * d.Speed * 1.5);
            d.Y = static_cast<float>(d.Y + s.SinTable[h] * d.Speed * 1.5);
            d.Walking = false;
        }
        blowUpEnemy(battle, e);
    }
}

// One step of the wreck through the air: the next tumbling cell, 2 pixels sideways and 4 up or
// down; gives true when the phase is over.
bool flightStep(BattleState& s, int ob, int rise)
{
    if (++s.ObjStep[ob] > LastTumbleCell)
        s.ObjStep[ob] = 2;
    s.ObjX[ob] += s.ObjDrift[ob];
    s.ObjY[ob] -= rise;
    if (++s.ObjTick[ob] > FlightFrames) {
        s.ObjTick[ob] = 0;
        return true;
    }
    return false;
}

} // namespace

void blowUpEnemy(Battle& battle, int e)
{
    if (e < 1 || e > MaxEnemies)
        return;
    DollRecord& d = battle.state->Dolls[e];
    d.State = std::string(DollDying); // (moved in: GCC 12 misreads a copy of the literal here)
    d.DeathStage = 1;
    d.FallSide = intPart(battle.game.random.rnd() * 2) == 0 ? -2 : 2;
    PlaySound(battle, intPart(battle.game.random.rnd() * 5) + 6);
}

void burstBarrel(Battle& battle, int ob)
{
    BattleState& s = *battle.state;
    s.ObjState[ob] = ObjectExploded;
    s.ObjPhase[ob] = WreckRising;
    s.ObjStep[ob] = 0;
    s.ObjTick[ob] = 0;
    s.ObjDrift[ob] = intPart(battle.game.random.rnd() * 2) == 0 ? 2 : -2;

    const float x = static_cast<float>(s.ObjX[ob]);
    const float y = static_cast<float>(s.ObjY[ob]);
    for (int e = 1; e <= MaxEnemies; ++e) {
        const DollRecord& d = s.Dolls[e];
        if (d.State == DollActive && InArea(x, y, d.X - 10, d.Y - 10, d.X + 10, d.Y + 10))
            blowUpEnemy(battle, e);
    }
    killSoldiersAround(battle, x, y, 10);
}

void burstBarrelFrame(Battle& battle, int ob, const BattleSheets& sprites)
{
    BattleState& s = *battle.state;

    // The blast stands where the wreck was at the start of the frame, so it follows the wreck.
    s.ObjBlast[ob] += BlastGrowth;
    const int cell = intPart(s.ObjBlast[ob]) + 1;
    if (cell >= 1 && cell <= BlastCells)
        DrawEfect(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], cell);
    if (cell == 1)
        PlaySound(battle, 3);

    switch (toInteger(s.ObjPhase[ob])) {
    case WreckRising:
        if (flightStep(s, ob, WreckRise))
            s.ObjPhase[ob] = WreckFalling;
        DrawMapOBJT(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], s.ObjStep[ob]);
        break;
    case WreckFalling:
        if (flightStep(s, ob, -WreckRise)) {
            s.ObjPhase[ob] = WreckLanded;
            PlaySound(battle, 4);
        }
        DrawMapOBJT(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], s.ObjStep[ob]);
        break;
    case WreckLanded:
        // Whoever stands under the landed wreck is crushed; it blinks before it goes.
        killSoldiersAround(battle, s.ObjX[ob], s.ObjY[ob], 5);
        wreckOnEnemies(battle, s.ObjX[ob], s.ObjY[ob]);
        s.ObjStep[ob] = LandedWreckCell;
        if (++s.ObjTick[ob] >= LandedFrames) {
            s.ObjTick[ob] = 0;
            s.ObjPhase[ob] = WreckOver;
        }
        if (s.ObjTick[ob] % 2 == 0)
            DrawMapOBJT(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], LandedWreckCell);
        break;
    default:
        s.ObjState[ob] = ObjectGone;
        break;
    }
}

} // namespace tolvar::battle
