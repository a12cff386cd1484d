#include "game/battle/battle_sprites.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/frame_terrain.h"
#include "game/battle/sprite_drawing.h"
#include "platform/text/vb.h"

#include <algorithm>
#include <array>

namespace tolvar::battle {

namespace {

// Columns of the soldier sheet.
constexpr int FallingCell = 17;
constexpr int LyingCell = 18;
constexpr int VictoryCell = 19;
constexpr int VictoryWaterCell = 42;
constexpr int ReloadWaterShift = 7;

// A step of length 10 ahead along a whole-degree angle.
double aheadX(const BattleState& s, double x, float angle)
{
    return x + 10 * s.CosTable[static_cast<std::size_t>(angleIndex(angle))];
}
double aheadY(const BattleState& s, double y, float angle)
{
    return y - 10 * s.SinTable[static_cast<std::size_t>(angleIndex(angle))];
}

// The cell of a death stage, or 0 where the stage shows nothing. Stage 4 blinks: only the frames
// whose counter is even show the body.
int deathCell(int stage, int counter)
{
    switch (stage) {
    case 1:
    case 2:
        return FallingCell;
    case 3:
        return LyingCell;
    case 4:
        return counter % 2 == 0 ? LyingCell : 0;
    default:
        return 0;
    }
}

// The ground kind (1 land, 2 water) of the tile under a map point, by the rule the soldiers' own
// terrain follows; land off the map.
int groundUnder(const BattleState& s, double x, double y)
{
    const long long col = vb::nearest((x + 10) / 20);
    const long long row = vb::nearest((y + 10) / 20);
    if (col < 1 || row < 1 || col > TileGridSize || row > TileGridSize)
        return 1;
    return terrainOf(s.TileGrid[static_cast<std::size_t>(col - 1)][static_cast<std::size_t>(row - 1)]).kind;
}

int troopSlots(const BattleState& s)
{
    return std::clamp(s.TroopCount, 0, MaxSoldiers);
}

// One troop soldier's figure.
void drawSoldier(Battle& battle, const BattleSheets& sheets, int i)
{
    BattleState& s = *battle.state;
    const bool won = battle.game.MissionWon;
    const double x = s.SoldierX[i];
    const double y = s.SoldierY[i];
    if (won) {
        // The victory pose, on its own cell whatever the ground; no recoil.
        s.JustFired[i] = false;
        const int cell = s.TerrainKind[i] == 2 ? VictoryWaterCell : VictoryCell;
        if (s.TerrainKind[i] == 1 || s.TerrainKind[i] == 2)
            DrawDoll(s.MainFrame, sheets, x, y, s.TroopTeam, cell, 2, 1);
        return;
    }
    if (s.Reload[i] > 0) {
        // A shot that empties the clip starts the reload at once and shows no recoil.
        s.JustFired[i] = false;
        if (s.TerrainKind[i] == 1)
            DrawDoll(s.MainFrame, sheets, x, y, s.TroopTeam, s.PoseCell[i], 2, 1);
        else if (s.TerrainKind[i] == 2)
            DrawDoll(s.MainFrame, sheets, x, y, s.TroopTeam, s.PoseCell[i] + ReloadWaterShift, 2, 2);
        return;
    }
    double rx = 0, ry = 0;
    if (s.JustFired[i]) {
        // One pixel back against the facing, in the frame of the shot only.
        const auto a = static_cast<std::size_t>(angleIndex(s.Facing[i]));
        rx = -s.CosTable[a];
        ry = s.SinTable[a];
        s.JustFired[i] = false;
    }
    DrawDoll(s.MainFrame, sheets, x + rx, y + ry, s.TroopTeam, s.PoseCell[i], s.WalkFrame[i],
             s.TerrainKind[i]);
}

} // namespace

int directionCell(double angle)
{
    return intPart((angle + 22.5) / 45 + 1);
}

void drawEnemyShotFlash(Battle& battle, const BattleSheets& sheets, int e, float angle)
{
    BattleState& s = *battle.state;
    if (e < 1 || e > MaxEnemies)
        return;
    const DollRecord& d = s.Dolls[static_cast<std::size_t>(e)];
    DrawFire(s.MainFrame, sheets, aheadX(s, d.X, angle), aheadY(s, d.Y, angle));
}

void drawEnemySprite(Battle& battle, const BattleSheets& sheets, int e)
{
    BattleState& s = *battle.state;
    if (e < 1 || e > MaxEnemies)
        return;
    const DollRecord& d = s.Dolls[static_cast<std::size_t>(e)];
    int cell = directionCell(d.Firing ? d.AimFacing : d.Heading);
    if (cell > 8)
        cell = 1;
    if (!d.Walking)
        DrawDoll(s.MainFrame, sheets, d.X, d.Y, d.Team, cell, 1, d.Terrain);
    else if (d.Terrain == 1)
        DrawDoll(s.MainFrame, sheets, d.X, d.Y, d.Team, cell, d.WalkFrame, 1);
    else if (d.Terrain == 2)
        DrawDoll(s.MainFrame, sheets, d.X, d.Y, d.Team, cell, 3, 2);
}

void drawDyingEnemySprite(Battle& battle, const BattleSheets& sheets, int e, int stage)
{
    BattleState& s = *battle.state;
    if (e < 1 || e > MaxEnemies)
        return;
    DollRecord& d = s.Dolls[static_cast<std::size_t>(e)];
    if (stage == 1 || stage == 2) {
        d.X -= static_cast<float>(d.FallSide);
        d.Y += stage == 1 ? -4.0f : 4.0f;
    }
    const int cell = deathCell(stage, d.StageTimer);
    if (cell != 0)
        DrawDoll(s.MainFrame, sheets, d.X, d.Y, d.Team, cell, 2, d.Terrain);
}

void drawTroopBodySprite(Battle& battle, const BattleSheets& sheets, int r, int stage)
{
    BattleState& s = *battle.state;
    if (r < 1 || r > MaxSoldiers)
        return;
    auto& body = s.DeadSoldier[static_cast<std::size_t>(r)];
    if (stage == 1 || stage == 2) {
        body[1] -= 1;
        body[2] += stage == 1 ? -2 : 2;
    }
    const int cell = deathCell(stage, body[4]);
    if (cell != 0)
        DrawDoll(s.MainFrame, sheets, body[1], body[2], s.TroopTeam, cell, 2,
                 groundUnder(s, body[1], body[2]));
}

void drawTroopFlash(Battle& battle, const BattleSheets& sheets, int i)
{
    BattleState& s = *battle.state;
    if (i < 1 || i > MaxSoldiers)
        return;
    const float facing = s.Facing[static_cast<std::size_t>(i)];
    DrawFire(s.MainFrame, sheets, aheadX(s, s.SoldierX[static_cast<std::size_t>(i)], facing),
             aheadY(s, s.SoldierY[static_cast<std::size_t>(i)], facing));
}

void drawTroopSprites(Battle& battle, const BattleSheets& sheets)
{
    BattleState& s = *battle.state;
    const int count = troopSlots(s);
    // Each pass draws the highest soldier not yet drawn; a later slot is taken only when its y is
    // below the chosen one's rounded y, so equal rounded heights keep slot order.
    std::array<bool, MaxSoldiers + 1> drawn{};
    for (int pass = 0; pass < count; ++pass) {
        double best = 10000;
        int chosen = 0;
        for (int k = 1; k <= count; ++k) {
            if (!drawn[static_cast<std::size_t>(k)] && s.SoldierY[static_cast<std::size_t>(k)] < best) {
                best = static_cast<double>(vb::nearest(s.SoldierY[static_cast<std::size_t>(k)]));
                chosen = k;
            }
        }
        if (chosen == 0)
            break; // the rest stand far below any map
        drawn[static_cast<std::size_t>(chosen)] = true;
        drawSoldier(battle, sheets, chosen);
    }
    // A shot's recoil shows in the frame of the shot only, also for figures not drawn.
    s.JustFired.fill(false);
}

void drawLeaderMedalSprite(Battle& battle, const BattleSheets& sheets)
{
    BattleState& s = *battle.state;
    DrawMedal(s.MainFrame, sheets, s.SoldierX[1], s.SoldierY[1], toInteger(s.MedalLevel[1] + 1));
}

void drawPointerSprite(Battle& battle, const BattleSheets& sheets)
{
    BattleState& s = *battle.state;
    DrawPointer(s.MainFrame, sheets, s.MouseMapPoint[0], s.MouseMapPoint[1], s.PointerKind);
}

} // namespace tolvar::battle
