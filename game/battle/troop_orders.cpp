#include "game/battle/troop_orders.h"

#include "game/battle/battle_input.h"
#include "game/battle/battle_numbers.h"
#include "game/battle/frame_drawing.h"
#include "game/battle/frame_terrain.h"
#include "game/battle/geometry.h"
#include "platform/text/vb.h"

#include <algorithm>
#include <string_view>

namespace tolvar::battle {

namespace {

bool inWater(const BattleState& s, int i)
{
    return s.TerrainKind[i] == 2;
}

// The soldier who takes the shot: the nearest to the aim point that may fire in this fire mode;
// the lower slot on equal distances. 0 when none may.
int chooseShooter(const BattleState& s)
{
    float best = 50000;
    int shooter = 0;
    for (int i = 1; i <= s.TroopCount; ++i) {
        const bool ready =
            s.FireMode == 1 ? (s.Reload[i] == 0 && s.Rounds[i] > 0) : (s.Cooldown[i] == 0 && s.Rounds[i] > 0);
        if (!ready)
            continue;
        const float d =
            CalcDIS(s.SoldierX[i], s.SoldierY[i], static_cast<float>(s.AimX), static_cast<float>(s.AimY));
        if (d < best) {
            best = d;
            shooter = i;
        }
    }
    return shooter;
}

void fireOrder(Battle& battle)
{
    BattleState& s = *battle.state;
    s.IdleFrames = 0;
    s.PointerKind = 1;
    if (!s.InputLocked) {
        const MapPoint aim = cursorMapPoint(battle, -1, -3);
        s.AimX = aim.x;
        s.AimY = aim.y;
    }
    s.Spread = std::min(s.Spread + 1, 10);

    const int i = chooseShooter(s);
    if (s.TroopCount <= 0 || i <= 0 || s.Cooldown[i] != 0 || s.Reload[i] != 0)
        return;
    const float x = s.SoldierX[i];
    const float y = s.SoldierY[i];
    const float mouseX = static_cast<float>(s.MouseMapPoint[0]);
    const float mouseY = static_cast<float>(s.MouseMapPoint[1]);
    const float d = CalcDIS(x, y, mouseX, mouseY);
    if (d == 0)
        return; // aimed at its own position: there is no direction to fire in

    s.BulletIndex = s.BulletIndex >= MaxBullets ? 1 : s.BulletIndex + 1;
    auto& row = s.Bullet[s.BulletIndex];
    row = {};
    row[0] = 1;
    if (s.FireMode == 1) {
        const int f = angleIndex(s.Facing[i]);
        row[1] = x + s.CosTable[f] * 4;
        row[2] = y - s.SinTable[f] * 4;
    } else {
        row[1] = x;
        row[2] = y + (inWater(s, i) ? 7 : 2);
    }
    const double r = battle.game.random.rnd();
    const double spread = inWater(s, i) ? r * (4 * s.Spread) - 2 * s.Spread : r * (2 * s.Spread) - s.Spread;
    row[3] = CalcANG(static_cast<float>(s.AimX), static_cast<float>(s.AimY), x, y) + spread;
    row[8] = (mouseX - x) / d * s.BulletSpeed;
    row[9] = (mouseY - y) / d * s.BulletSpeed;
    row[4] = 0;
    row[5] = TroopBulletKind;
    row[7] = i;
    s.BulletPrev[s.BulletIndex] = {0, row[1], row[2]};

    --s.Rounds[i];
    s.Cooldown[i] = inWater(s, i) ? 3 * s.FireDelay[i] : s.FireDelay[i];
    if (s.Rounds[i] == 0 && s.Clips[i] > 0)
        s.Reload[i] = 1.0f;
    s.JustFired[i] = true;
    ++s.ShotsFired;
}

void moveOrder(Battle& battle)
{
    BattleState& s = *battle.state;
    s.PointerKind = 2;
    s.FramesSinceMove = 0;
    if (!s.InputLocked) {
        const MapPoint target = cursorMapPoint(battle);
        s.TargetX[1] = target.x;
        s.TargetY[1] = target.y;
    }
    s.MoveMarkX = s.TargetX[1];
    s.MoveMarkY = s.TargetY[1];
    if (s.MoveMarkFrame > 5)
        s.MoveMarkFrame = 1;
    s.HeadingExact[1] = CalcANG(static_cast<float>(s.TargetX[1]), static_cast<float>(s.TargetY[1]),
                                s.SoldierX[1], s.SoldierY[1]);
    s.MoveDir[1] = toInteger(s.HeadingExact[1]);
    s.Moving[1] = 1;
}

// Soldier `to` takes every value of soldier `from`.
void moveSlot(BattleState& s, int to, int from)
{
    s.SoldierX[to] = s.SoldierX[from];
    s.SoldierY[to] = s.SoldierY[from];
    s.Alive[to] = s.Alive[from];
    s.Facing[to] = s.Facing[from];
    s.MoveDir[to] = s.MoveDir[from];
    s.HeadingExact[to] = s.HeadingExact[from];
    s.TargetX[to] = s.TargetX[from];
    s.TargetY[to] = s.TargetY[from];
    s.Moving[to] = s.Moving[from];
    s.TerrainKind[to] = s.TerrainKind[from];
    s.WalkSpeed[to] = s.WalkSpeed[from];
    s.Clips[to] = s.Clips[from];
    s.Rounds[to] = s.Rounds[from];
    s.Reload[to] = s.Reload[from];
    s.Cooldown[to] = s.Cooldown[from];
    s.FireDelay[to] = s.FireDelay[from];
    s.WalkFrame[to] = s.WalkFrame[from];
    s.StepCount[to] = s.StepCount[from];
    s.PoseCell[to] = s.PoseCell[from];
    s.JustFired[to] = s.JustFired[from];
    s.SoldierName[to] = s.SoldierName[from];
    s.Kills[to] = s.Kills[from];
    s.MedalLevel[to] = s.MedalLevel[from];
}

void walk(Battle& battle, int i)
{
    BattleState& s = *battle.state;
    walkStep(s, s.SoldierX[i], s.SoldierY[i], s.MoveDir[i], s.WalkSpeed[i]);
    const float x = s.SoldierX[i];
    const float y = s.SoldierY[i];
    if (s.TargetX[i] - 2 < x && x < s.TargetX[i] + 2 && s.TargetY[i] - 2 < y && y < s.TargetY[i] + 2) {
        s.Moving[i] = 0;
        return;
    }
    if (++s.StepCount[i] > 3) {
        s.StepCount[i] = 0;
        if (s.TerrainKind[i] == 1)
            PlaySound(battle, 2);
        s.WalkFrame[i] = s.WalkFrame[i] == 0 ? 1 : 0;
    }
}

void enemyBulletHits(Battle& battle, int i)
{
    BattleState& s = *battle.state;
    for (int b = 1; b <= MaxBullets && i <= s.TroopCount; ++b) {
        auto& row = s.Bullet[b];
        if (row[0] != 1 || row[5] != EnemyBulletKind || !s.Alive[i])
            continue;
        if (CalcDIS(static_cast<float>(row[1]), static_cast<float>(row[2]), s.SoldierX[i], s.SoldierY[i]) <
            10) {
            KillDoll(battle, i);
            row[0] = 0;
            PlaySound(battle, intPart(battle.game.random.rnd() * 5) + 6);
        }
    }
}

// The reload cell of a reload step: the sequence's pair n, its last pair past the end.
int reloadCell(int n)
{
    const std::string_view seq = ReloadSequence;
    const int pairs = static_cast<int>(seq.size() / 2);
    n = std::clamp(n, 1, pairs);
    return (seq[static_cast<std::size_t>(2 * (n - 1))] - '0') * 10 +
           (seq[static_cast<std::size_t>(2 * n - 1)] - '0');
}

} // namespace

void TroopOrders(Battle& battle)
{
    BattleState& s = *battle.state;
    if (s.FireHeld)
        fireOrder(battle);
    if (s.MoveOrder)
        moveOrder(battle);
}

void CooldownPhase(BattleState& s)
{
    for (int i = 1; i <= s.TroopCount; ++i) {
        if (s.Cooldown[i] > 0)
            --s.Cooldown[i];
    }
}

void FormationPhase(BattleState& s)
{
    // Every tenth frame of the leader's walk the trail shifts and each follower sets out for the
    // point of the trail ahead of him; between shifts they keep walking to their points.
    const int count = std::min(s.TroopCount, MaxSoldiers);
    if (s.Moving[1] != 1 || ++s.TrailTimer < 10)
        return;
    s.TrailTimer = 0;
    for (int k = count; k >= 2; --k) {
        s.LeaderTrail[k][1] = s.LeaderTrail[k - 1][1];
        s.LeaderTrail[k][2] = s.LeaderTrail[k - 1][2];
    }
    s.LeaderTrail[1][1] = s.SoldierX[1];
    s.LeaderTrail[1][2] = s.SoldierY[1];
    for (int k = 2; k <= count; ++k) {
        s.Moving[k] = 1;
        s.TargetX[k] = toInteger(s.LeaderTrail[k - 1][1]);
        s.TargetY[k] = toInteger(s.LeaderTrail[k - 1][2]);
        s.HeadingExact[k] = CalcANG(static_cast<float>(s.TargetX[k]), static_cast<float>(s.TargetY[k]),
                                    s.SoldierX[k], s.SoldierY[k]);
        s.MoveDir[k] = toInteger(s.HeadingExact[k]);
    }
}

void SoldiersPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int i = 1; i <= s.TroopCount; ++i) {
        if (!s.Alive[i])
            continue;
        if (s.Moving[i] == 1)
            walk(battle, i);
        enemyBulletHits(battle, i);
        if (i <= s.TroopCount)
            soldierTerrain(s, i);
    }
}

void KillDoll(Battle& battle, int i)
{
    BattleState& s = *battle.state;
    if (i < 1 || i > MaxSoldiers || !s.Alive[i])
        return;
    s.Alive[i] = false;

    GameState& game = battle.game;
    const int names = std::min(game.NameCount, static_cast<int>(game.Roster.size()) - 1);
    for (int k = 1; k <= names; ++k) {
        if (game.Roster[k][RosterName] == s.SoldierName[i]) {
            game.Roster[k][RosterName] = "";
            break;
        }
    }

    if (s.BodyCount < MaxSoldiers) {
        ++s.BodyCount;
        s.DeadSoldier[s.BodyCount] = {0, toInteger(s.SoldierX[i]), toInteger(s.SoldierY[i]), 1, 0};
    }
    PlaySound(battle, intPart(game.random.rnd() * 5) + 6);

    const int oldCount = std::min(s.TroopCount, MaxSoldiers);
    for (int k = i; k < oldCount; ++k)
        moveSlot(s, k, k + 1);
    if (i <= oldCount) {
        // The slot left behind holds nobody: no soldier, no name and no kills, so the tally at the
        // next mission start credits the soldier who moved down once.
        s.Alive[oldCount] = false;
        s.Moving[oldCount] = 0;
        s.JustFired[oldCount] = false;
        s.SoldierName[oldCount].clear();
        s.Kills[oldCount] = 0;
        s.MedalLevel[oldCount] = 0;
        s.TroopCount = oldCount - 1;
    }
}

void LivingSoldiersPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    const float mouseX = static_cast<float>(s.MouseMapPoint[0]);
    const float mouseY = static_cast<float>(s.MouseMapPoint[1]);
    for (int i = std::min(s.TroopCount, MaxSoldiers); i >= 1; --i) {
        if (!s.Alive[i])
            continue;
        if (s.Reload[i] > 0 && s.Reload[i] <= 13) {
            s.Reload[i] += 0.4f;
            s.PoseCell[i] = reloadCell(intPart(s.Reload[i]));
            if (s.PoseCell[i] == 29)
                PlaySound(battle, 12);
        }
        if (s.Reload[i] > 13) {
            s.Reload[i] = 0;
            s.Rounds[i] = s.ClipRounds;
            s.Clips[i] = std::max(s.Clips[i] - 1, 0);
        }
        // The soldiers turn also while a script drives them: its walks, fire orders and looks set
        // the point they turn to, as the mouse does under the player's orders. Until its first
        // such line they keep their facing.
        if (!s.FacingHeld && (s.PointerKind == 1 || (s.PointerKind == 2 && i == 1)))
            s.Facing[i] = CalcANG(mouseX, mouseY, s.SoldierX[i], s.SoldierY[i]);
        else if (!s.FacingHeld && s.PointerKind == 2)
            s.Facing[i] = CalcANG(static_cast<float>(s.TargetX[i]), static_cast<float>(s.TargetY[i]),
                                  s.SoldierX[i], s.SoldierY[i]);
        if (s.Reload[i] == 0)
            s.PoseCell[i] = intPart((s.Facing[i] + 22.5) / 45 + 1);
        if (s.JustFired[i]) {
            for (int k = 1; k <= std::min(s.TroopCount, MaxSoldiers); ++k)
                s.Facing[k] = CalcANG(mouseX, mouseY, s.SoldierX[k], s.SoldierY[k]);
            drawMuzzleFlash(battle, i);
            PlaySound(battle, 1);
        }
    }
}

void reloadFromPooledClips(BattleState& s)
{
    const int count = std::min(s.TroopCount, MaxSoldiers);
    if (count <= 0)
        return;
    int pool = 0;
    for (int i = 1; i <= count; ++i)
        pool += std::max(s.Clips[i], 0);
    Table<int, 11> kept{};
    for (int i = 1; i <= count; ++i) {
        if (s.Reload[i] > 0 && pool > 0) {
            kept[i] = 1;
            --pool;
        }
    }
    for (int i = 1; i <= count && pool > 0; ++i) {
        if (s.Reload[i] == 0 && s.Rounds[i] == 0) {
            s.Reload[i] = 1.0f;
            kept[i] = 1;
            --pool;
        }
    }
    for (int i = 1; i <= count; ++i)
        s.Clips[i] = kept[i];
    for (int i = 1; pool > 0; i = i % count + 1) {
        ++s.Clips[i];
        --pool;
    }
}

void reloadEmptySoldiers(BattleState& s)
{
    for (int i = 1; i <= std::min(s.TroopCount, MaxSoldiers); ++i) {
        if (s.Reload[i] == 0 && s.Rounds[i] == 0 && s.Clips[i] > 0)
            s.Reload[i] = 1.0f;
    }
}

} // namespace tolvar::battle
