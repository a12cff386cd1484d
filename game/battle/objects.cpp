#include "game/battle/objects.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/geometry.h"
#include "game/battle/sprite_drawing.h"
#include "game/battle/battle_sheets.h"
#include "game/battle/troop_orders.h"
#include "game/battle/wrecks.h"

#include <algorithm>

namespace tolvar::battle {

namespace {

constexpr int MaxSpareClips = 7;         // a soldier carries no more spare clips than this
constexpr int SpentCrateCell = 9;        // the crate left on the map once shot or emptied
constexpr int BlastCells = 4;            // the blast's stages on the effect sheet
constexpr double BlastClockGrowth = 0.6; // a mine's and a crate's blast clock (`ObjPhase`) per frame
constexpr double BlastClockEnd = 5;      // the clock stops growing here
constexpr int MarkerFrames = 5;

// Barrels and crates stop the bullets that pass within one bullet step of their centre and burst.
void bulletHits(Battle& battle, int ob)
{
    BattleState& s = *battle.state;
    const double kind = s.ObjKind[ob];
    if (kind != BarrelKind && kind != CrateKind)
        return;
    const float x = static_cast<float>(s.ObjX[ob]);
    const float y = static_cast<float>(s.ObjY[ob]);
    for (int b = 1; b <= MaxBullets; ++b) {
        auto& row = s.Bullet[b];
        if (row[0] != 1)
            continue;
        if (CalcDIS(x, y, static_cast<float>(row[1]), static_cast<float>(row[2])) >= s.BulletSpeed)
            continue;
        s.ObjState[ob] = ObjectHit;
        s.ObjBlast[ob] = 0;
        s.ObjectRaw[ob + 1].mark = ObjectGone;
        row[0] = 0;
        PlaySound(battle, 3);
    }
}

// The frame after a hit: a barrel bursts and throws its wreck, a crate bursts and is left spent.
void hitObject(Battle& battle, int ob)
{
    BattleState& s = *battle.state;
    const double kind = s.ObjKind[ob];
    if (kind == BarrelKind) {
        burstBarrel(battle, ob);
    } else if (kind == CrateKind) {
        s.ObjState[ob] = ObjectExploded;
        s.ObjSprite[ob] = 1;
        s.ObjPhase[ob] = 1;
        PlaySound(battle, 3);
    }
}

// A mine's or a crate's blast clock; gives the blast cell it shows in this frame.
int blastClock(BattleState& s, int ob)
{
    if (s.ObjPhase[ob] < BlastClockEnd)
        s.ObjPhase[ob] += BlastClockGrowth;
    return intPart(s.ObjPhase[ob]);
}

// A mine that has gone off: its blast, then nothing is left of it.
void mineBlast(Battle& battle, int ob, const BattleSheets& sprites)
{
    BattleState& s = *battle.state;
    const int cell = blastClock(s, ob);
    // The clock starts at 0, so the first frame's stage lies before the first cell: nothing shows.
    if (cell >= 1 && cell <= BlastCells)
        DrawEfect(s.MainFrame, sprites, s.ObjX[ob] - 5, s.ObjY[ob] - 5, cell);
    if (s.ObjPhase[ob] > BlastCells) {
        s.ObjState[ob] = ObjectGone;
        s.ObjectRaw[ob + 1].mark = ObjectGone;
    }
}

// A shot crate: its blast over the spent crate, which then stays on the map.
void crateBlast(Battle& battle, int ob, const BattleSheets& sprites)
{
    BattleState& s = *battle.state;
    s.ObjStep[ob] = SpentCrateCell;
    DrawMapOBJT(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], SpentCrateCell);
    const int cell = blastClock(s, ob);
    if (cell >= 1 && cell <= BlastCells)
        DrawEfect(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], cell);
    if (cell >= BlastCells)
        s.ObjState[ob] = ObjectGone;
}

void goOff(BattleState& s, int ob)
{
    s.ObjState[ob] = ObjectExploded;
    s.ObjPhase[ob] = 0; // the mine's blast clock
}

// Soldiers who walk onto the intact object are pushed back and stopped; a mine kills the soldier,
// a suitcase is taken, a crate gives a spare clip to a soldier who has room for it.
void soldiersOnObject(Battle& battle, int ob)
{
    BattleState& s = *battle.state;
    const float x = static_cast<float>(s.ObjX[ob]);
    const float y = static_cast<float>(s.ObjY[ob]);
    const double kind = s.ObjKind[ob];
    int i = 1;
    while (i <= std::min(s.TroopCount, MaxSoldiers)) {
        if (!s.Alive[i] || !InArea(s.SoldierX[i], s.SoldierY[i], x - 4, y - 4, x + 4, y + 4)) {
            ++i;
            continue;
        }
        const int d = angleIndex(s.MoveDir[i]);
        s.SoldierX[i] = static_cast<float>(s.SoldierX[i] - s.CosTable[d] * s.WalkSpeed[i] * 1.5);
        s.SoldierY[i] = static_cast<float>(s.SoldierY[i] + s.SinTable[d] * s.WalkSpeed[i] * 1.5);
        s.Moving[i] = 0;

        bool killed = false;
        if (kind == MineKind) {
            PlaySound(battle, 3);
            goOff(s, ob);
            s.ObjectRaw[ob + 1].mark = ObjectGone;
            killed = true;
        } else if (kind == SuitcaseKind) {
            s.ObjState[ob] = ObjectGone;
        } else if (kind == CrateKind && s.ObjectRaw[ob + 1].mark == ObjectOnMap &&
                   s.ObjState[ob] == ObjectOnMap && s.Clips[i] < MaxSpareClips) {
            // One clip per crate, even when two soldiers reach it in the same frame.
            ++s.Clips[i];
            if (s.Rounds[i] == 0)
                s.Reload[i] = 1.0f;
            s.ObjState[ob] = ObjectGone;
            s.ObjStep[ob] = SpentCrateCell;
            s.ObjSprite[ob] = 1;
            PlaySound(battle, 12);
        }
        s.ObjTouch[ob] = TouchedMark;

        if (killed) {
            // The soldiers behind him move up a slot: the same slot is tested again.
            KillDoll(battle, i);
            continue;
        }
        ++i;
    }
}

void objectFrame(Battle& battle, int ob, const BattleSheets& sprites)
{
    BattleState& s = *battle.state;
    const double kind = s.ObjKind[ob];

    if (s.ObjState[ob] == ObjectOnMap) {
        bulletHits(battle, ob);
        // Hit or not, the object shows intact in this frame.
        DrawMapOBJT(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], s.ObjSprite[ob]);
    }
    if (s.ObjState[ob] == ObjectHit)
        hitObject(battle, ob);
    if (s.ObjState[ob] == ObjectExploded) {
        if (kind == BarrelKind)
            burstBarrelFrame(battle, ob, sprites);
        else if (kind == MineKind)
            mineBlast(battle, ob, sprites);
        else if (kind == CrateKind)
            crateBlast(battle, ob, sprites);
    } else if (s.ObjState[ob] == ObjectGone && kind == CrateKind) {
        DrawMapOBJT(s.MainFrame, sprites, s.ObjX[ob], s.ObjY[ob], s.ObjStep[ob]);
    }
    if (s.ObjState[ob] == ObjectOnMap)
        soldiersOnObject(battle, ob);
}

} // namespace

void ObjectsPhase(Battle& battle)
{
    const BattleSheets& sprites = battle.sheets;
    for (int ob = 0; ob < MaxObjects; ++ob)
        objectFrame(battle, ob, sprites);
}

void MoveMarkerPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    if (s.MoveMarkFrame > MarkerFrames)
        return;
    DrawMoveAnim(s.MainFrame, battle.sheets, s.MoveMarkX, s.MoveMarkY, s.MoveMarkFrame);
    ++s.MoveMarkFrame;
}

void DestroyObject(Battle& battle, int o)
{
    BattleState& s = *battle.state;
    if (o < 1 || o > MaxObjects)
        return;
    const int ob = o - 1;
    if (s.ObjState[ob] == ObjectOnMap) {
        const double kind = s.ObjKind[ob];
        if (kind == BarrelKind || kind == CrateKind)
            s.ObjState[ob] = ObjectHit;
        else if (kind == MineKind)
            goOff(s, ob);
        else if (kind == SuitcaseKind)
            s.ObjState[ob] = ObjectGone;
    }
    s.ObjBlast[ob] = 0;
}

} // namespace tolvar::battle
