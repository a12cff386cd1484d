#include "game/battle/combat.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/enemy_ai.h"
#include "game/battle/frame_drawing.h"
#include "game/battle/geometry.h"

#include <algorithm>

namespace tolvar::battle {

namespace {

void troopBulletHits(Battle& battle, int e)
{
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    if (d.State != DollActive)
        return;
    for (int b = 1; b <= MaxBullets; ++b) {
        auto& row = s.Bullet[b];
        if (row[0] != 1 || row[5] != TroopBulletKind)
            continue;
        if (CalcDIS(d.X, d.Y, static_cast<float>(row[1]), static_cast<float>(row[2])) >= 10)
            continue;
        d.State = DollDying;
        const int shooter = intPart(row[7]);
        if (shooter >= 1 && shooter <= MaxSoldiers)
            ++s.Kills[shooter];
        d.DeathStage = 1;
        d.FallSide = intPart(battle.game.random.rnd() * 2) == 0 ? -2 : 2;
        ++s.ShotsHit;
        row[0] = 0;
        PlaySound(battle, intPart(battle.game.random.rnd() * 5) + 6);
        return; // a dying enemy is hit by no further bullet
    }
}

} // namespace

int countDeathStage(int& stage, int& timer)
{
    const int current = stage;
    switch (stage) {
    case 1:
    case 2:
        if (++timer > 5) {
            ++stage;
            timer = 0;
        }
        break;
    case 3:
        if (++timer >= 30) {
            stage = 4;
            timer = 0;
        }
        break;
    case 4:
        if (++timer >= 10) {
            stage = 5;
            timer = 0;
        }
        break;
    case 5:
        stage = 6;
        break;
    default:
        break;
    }
    return current;
}

void EnemiesPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int e = 1; e <= MaxEnemies; ++e) {
        troopBulletHits(battle, e);
        DollRecord& d = s.Dolls[e];
        if (d.State == DollActive)
            EnemyBehaviour(battle, e);
        if (d.State == DollDying) {
            const int stage = countDeathStage(d.DeathStage, d.StageTimer);
            if (stage == 5)
                d.State = DollDead;
            drawDyingEnemy(battle, e, stage);
        }
    }
}

void DeadSoldiersPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int r = 1; r <= std::min(s.BodyCount, MaxSoldiers); ++r) {
        const int stage = countDeathStage(s.DeadSoldier[r][3], s.DeadSoldier[r][4]);
        drawTroopBody(battle, r, stage);
    }
}

void BulletsPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int b = 1; b <= MaxBullets; ++b) {
        auto& row = s.Bullet[b];
        if (row[0] != 1)
            continue;
        s.BulletPrev[b][1] = row[1];
        s.BulletPrev[b][2] = row[2];
        const double nextX = row[1] + row[8];
        const double nextY = row[2] + row[9];
        if (row[4] > s.BulletRange) {
            row[0] = 0;
            continue;
        }
        if (s.ColMap.pixel(toInteger(nextX), toInteger(nextY)) == platform::gfx::kBlack) {
            row[0] = 0;
            PlaySound(battle, 14);
        } else {
            row[1] = nextX;
            row[2] = nextY;
            row[4] += 9;
        }
        const int grey = std::clamp(255 - intPart(row[4]), 0, 255);
        const platform::gfx::Rgb colour = static_cast<platform::gfx::Rgb>(grey * 0x010101);
        s.MainFrame.line(toInteger(row[1]), toInteger(row[2] - 8), toInteger(s.BulletPrev[b][1]),
                         toInteger(s.BulletPrev[b][2] - 8), colour);
    }
}

} // namespace tolvar::battle
