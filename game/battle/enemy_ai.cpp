#include "game/battle/enemy_ai.h"

#include "game/battle/battle_numbers.h"
#include "game/battle/battle_sprites.h"
#include "game/battle/geometry.h"
#include "game/battle/battle_sheets.h"
#include "platform/text/codepage.h"

#include <algorithm>
#include <string_view>

namespace tolvar::battle {

namespace {

constexpr int FramesPerTick = 10; // frames in one tick of an AI animation's clock

// How far an enemy sees: it walks at a soldier from FireReach up to NoticeReach away, ignores one
// beyond NoticeReach, and fires at one nearer than FireReach (or exactly at it while its AI
// animation runs).
constexpr int NoticeReach = 150;
constexpr int FireReach = 75;
constexpr float Unnoticed = 50000;

constexpr float MuzzleAhead = 10; // the muzzle point of a scripted shot, ahead along the aim
constexpr float ArrivalBox = 3;   // a walking enemy stops within this of its target

// Colours of an enemy's speech (red frame, yellow band).
constexpr long long SpeechFrame = 255;
constexpr long long SpeechFill = 65535;

enum AiKind {
    WalkTo = 1,
    FireTo = 2,
    LookTo = 3,
    SoldierMessage = 4,
    TroopNearFire = 5,
    CauseVictory = 6,
    CauseDefeat = 7,
    StopThisAnimation = 8,
    StopFiring = 9,
    TroopNearHoldFire = 10,
};

double field(std::string_view line, int start, int length)
{
    return vb::val(midText(line, start, length));
}

// The fields of an AI task line FFFF,KK[,XX,YY | ,text]; the kind is read from three characters,
// so "10," reads 10.
double taskFrame(std::string_view line)
{
    return field(line, 1, 4);
}
int taskKind(std::string_view line)
{
    return intPart(field(line, 6, 3));
}
int cellX(std::string_view line)
{
    return intPart(field(line, 9, 2));
}
int cellY(std::string_view line)
{
    return intPart(field(line, 12, 2));
}

bool isActive(const DollRecord& d)
{
    return vb::val(d.State) == 3;
}

// Frames until the next shot: 15 or 16.
int nextFireDelay(Battle& battle)
{
    return intPart(battle.game.random.rnd() * 2) + 15;
}

// A shot's scatter on one axis, -4 to 5 pixels.
int scatter(Battle& battle)
{
    return 5 - intPart(battle.game.random.rnd() * 10);
}

// The first AI animation slot of the enemy's AI name, 0 when there is none.
int findAiAnimation(const BattleState& s, const std::string& aiName)
{
    const std::string wanted = platform::text::lowerCase(aiName);
    for (int k = 1; k <= MaxAnimations; ++k)
        if (s.MissionAiName[k] == wanted)
            return k;
    return 0;
}

// The enemy's AI animation starts over: a fresh copy of its lines and a fresh clock. An AI name
// of no animation (such as "None") gives no lines, and the animation ends at once.
void startAi(BattleState& s, int e)
{
    DollRecord& d = s.Dolls[e];
    d.AiStartPending = false;
    d.AiRunning = true;
    const int k = findAiAnimation(s, d.AiName);
    s.AiState[e] = AiRunningState;
    for (int j = 1; j <= MaxTaskLines; ++j) {
        s.EnemyAiTask[e][j] = k == 0 ? std::string() : s.MissionAiTask[k][j];
        s.EnemyAiPending[e][j] = k == 0 ? "0" : std::to_string(s.AiTaskPending[k][j]);
    }
    s.AiSubTick[e] = 0;
    s.AiTick[e] = 0;
}

int linesPending(const BattleState& s, int e)
{
    int pending = 0;
    for (int j = 1; j <= MaxTaskLines; ++j)
        if (vb::val(s.EnemyAiPending[e][j]) == 1)
            ++pending;
    return pending;
}

// Runs line j of enemy e's animation; false for a kind that does nothing (the line stays pending).
bool runAiTask(Battle& battle, int e, int j)
{
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    const std::string& line = s.EnemyAiTask[e][j];
    const float tw = static_cast<float>(s.TileWidth);
    const float th = static_cast<float>(s.TileHeight);
    switch (taskKind(line)) {
    case WalkTo:
        d.Walking = true;
        d.TargetX = (cellX(line) - 1) * tw + 15;
        d.TargetY = (cellY(line) - 1) * th + 20;
        d.Heading = CalcANG(d.TargetX, d.TargetY, d.X + 6, d.Y + 7);
        d.Firing = false;
        return true;
    case FireTo:
        d.ScriptedFire = true;
        d.FireX = (cellX(line) - 1) * tw + 7;
        d.FireY = (cellY(line) - 1) * th + 5;
        d.Firing = true;
        d.FireDelay = nextFireDelay(battle);
        d.BurstAtPoint = true;
        d.Heading = CalcANG(d.FireX, d.FireY, d.X + 4, d.Y + 7);
        return true;
    case LookTo: {
        const float x = static_cast<float>(toInteger((cellX(line) - 1) * tw + 7));
        const float y = static_cast<float>(toInteger((cellY(line) - 1) * th + 7));
        d.Heading = CalcANG(x, y, d.X + 4, d.Y + 7);
        return true;
    }
    case SoldierMessage:
        SetScreenText(s.ScreenText, d.X - s.CameraX, d.Y - s.CameraY, vb::mid(line, 9), 1, SpeechFrame,
                      SpeechFill);
        return true;
    case TroopNearFire:
        d.ScriptedFire = false;
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
    case StopThisAnimation:
        s.AiState[e] = AiEnded;
        d.AiRunning = false;
        d.ScriptedFire = false;
        d.AiStartPending = false;
        return true;
    case StopFiring:
        d.Firing = false;
        return true;
    case TroopNearHoldFire:
        d.ScriptedFire = true;
        return true;
    default:
        return false;
    }
}

void aiFrame(Battle& battle, int e)
{
    BattleState& s = *battle.state;
    if (++s.AiSubTick[e] > FramesPerTick) {
        s.AiSubTick[e] -= FramesPerTick;
        ++s.AiTick[e];
    }
    // Running a line is the only way a line stops pending in this loop, so a count kept along
    // tells when none is left.
    int pending = linesPending(s, e);
    for (int j = 1; j <= MaxTaskLines; ++j) {
        const std::string& line = s.EnemyAiTask[e][j];
        const bool due = taskFrame(line) == s.AiTick[e] || line.starts_with("Fim");
        if (due && vb::val(s.EnemyAiPending[e][j]) == 1 && runAiTask(battle, e, j)) {
            s.EnemyAiPending[e][j].assign(1, '2'); // has run
            --pending;
        }
        // The lines after one that stopped the animation still run in this frame.
        if (s.AiState[e] != AiEnded && pending == 0)
            s.AiState[e] = AiEnded;
    }
}

// The enemy looks over the living soldiers in slot order and acts on the first that calls for it.
// A soldier is considered only when he is nearer than the living soldier looked at before him.
void notice(Battle& battle, int e)
{
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    float last = Unnoticed;
    for (int i = 1; i <= std::min(s.TroopCount, MaxSoldiers); ++i) {
        if (!s.Alive[i])
            continue;
        const float sx = s.SoldierX[i];
        const float sy = s.SoldierY[i];
        const float dist = static_cast<float>(toInteger(CalcDIS(sx, sy, d.X, d.Y)));
        if (dist < last) {
            if (dist > NoticeReach && !d.AiRunning)
                return; // out of sight: the others are not looked at in this frame
            if (dist >= FireReach && dist < NoticeReach && !d.AiRunning) {
                d.Walking = true;
                d.TargetX = sx;
                d.TargetY = sy;
                d.Heading = CalcANG(sx, sy, d.X + 6, d.Y + 7);
                return;
            }
            const bool inReach = dist < FireReach || (dist == FireReach && d.AiRunning);
            if (inReach && !d.ScriptedFire && d.FireDelay == 0) {
                d.TargetSoldier = i;
                d.Firing = true;
                d.FireDelay = nextFireDelay(battle);
                d.BurstAtPoint = false;
                d.Heading = CalcANG(sx, sy, d.X + 4, d.Y + 7);
                d.AimFacing = d.Heading;
                if (!d.AiRunning)
                    d.Walking = false;
                return;
            }
        }
        last = dist;
    }
}

// A new enemy bullet from (x, y) towards the aim point. A shot at its own position has no
// direction and fires nothing; gives whether a bullet left.
bool fireBullet(BattleState& s, float x, float y)
{
    const float aimX = static_cast<float>(s.AimX);
    const float aimY = static_cast<float>(s.AimY);
    const double dist = static_cast<double>(toInteger(CalcDIS(x, y, aimX, aimY)));
    if (dist == 0)
        return false;
    s.BulletIndex = s.BulletIndex >= MaxBullets || s.BulletIndex < 0 ? 1 : s.BulletIndex + 1;
    auto& row = s.Bullet[s.BulletIndex];
    row[0] = 1;
    row[1] = x;
    row[2] = y;
    row[3] = CalcANG(aimX, aimY, x, y);
    row[4] = 0;
    row[5] = EnemyBulletKind;
    row[8] = (aimX - x) / dist * s.BulletSpeed;
    row[9] = (aimY - y) / dist * s.BulletSpeed;
    return true;
}

// A shot at the enemy's scripted point, from its muzzle ahead along its last shot's direction; the
// enemy then faces the way this shot went.
void scriptedShot(Battle& battle, int e)
{
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    d.FireDelay = nextFireDelay(battle);
    const int ox = scatter(battle);
    const int oy = scatter(battle);
    s.AimX = toInteger(d.FireX + ox);
    s.AimY = toInteger(d.FireY + oy);
    const int a = angleIndex(d.AimFacing);
    const float muzzleX = d.X + MuzzleAhead * s.CosTable[a];
    const float muzzleY = d.Y - MuzzleAhead * s.SinTable[a];
    if (toInteger(CalcDIS(muzzleX, muzzleY, static_cast<float>(s.AimX), static_cast<float>(s.AimY))) == 0)
        return;
    PlaySound(battle, 1);
    drawEnemyShotFlash(battle, battle.sheets, e, d.AimFacing);
    fireBullet(s, muzzleX, muzzleY);
    d.AimFacing = static_cast<float>(s.Bullet[s.BulletIndex][3]);
}

// A shot at the soldier the enemy noticed; it notices again on a later frame. A countdown whose
// soldier has fallen since has no one to aim at: no shot, and the enemy looks again.
void shotAtTroop(Battle& battle, int e)
{
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    d.FireDelay = 0;
    const int target = d.TargetSoldier;
    if (target < 1 || target > std::min(s.TroopCount, MaxSoldiers) || !s.Alive[target])
        return;
    const int ox = scatter(battle);
    const int oy = scatter(battle);
    s.AimX = toInteger(s.SoldierX[target] + ox);
    s.AimY = toInteger(s.SoldierY[target] + oy);
    if (toInteger(CalcDIS(d.X, d.Y, static_cast<float>(s.AimX), static_cast<float>(s.AimY))) == 0)
        return;
    drawEnemyShotFlash(battle, battle.sheets, e, d.Heading);
    PlaySound(battle, 1);
    fireBullet(s, d.X, d.Y);
}

// A walking step towards the target, each axis only onto white `ColMap` pixels, x first.
void walk(Battle& battle, int e)
{
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    if (++d.StepCount > 3) {
        d.StepCount = 0;
        if (d.Terrain == 1)
            PlaySound(battle, 2);
        d.WalkFrame = d.WalkFrame == 1 ? 2 : 1;
    }
    const int h = angleIndex(d.Heading);
    const float nx = d.X + s.CosTable[h] * d.Speed;
    const float ny = d.Y - s.SinTable[h] * d.Speed;
    if (s.ColMap.pixel(toInteger(nx), toInteger(d.Y)) == platform::gfx::kWhite)
        d.X = nx;
    if (s.ColMap.pixel(toInteger(d.X), toInteger(ny)) == platform::gfx::kWhite)
        d.Y = ny;
    if (InArea(d.X + 6, d.Y + 9, d.TargetX - ArrivalBox, d.TargetY - ArrivalBox, d.TargetX + ArrivalBox,
               d.TargetY + ArrivalBox))
        d.Walking = false;
}

} // namespace

void EnemyAiPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    for (int e = 1; e <= MaxEnemies; ++e) {
        const DollRecord& d = s.Dolls[e];
        if (!isActive(d))
            continue;
        if (d.AiStartPending)
            startAi(s, e);
        if (s.AiState[e] == AiRunningState)
            aiFrame(battle, e);
    }
}

void EnemyBehaviour(Battle& battle, int e)
{
    if (e < 1 || e > MaxEnemies)
        return;
    BattleState& s = *battle.state;
    DollRecord& d = s.Dolls[e];
    notice(battle, e);
    // The countdown runs towards a shot; an enemy that stopped firing (a walk, a stop-firing line)
    // has no shot coming, so it is ready to notice the troop again at once.
    if (!d.Firing)
        d.FireDelay = 0;
    else if (d.FireDelay > 1)
        --d.FireDelay;
    // The countdown ends in the shot it was started for, while the enemy may still fire it: a burst
    // at its scripted point while told not to fire at the troop, a shot at the troop while free to.
    // A burst lifted by "the troop is near", or a shot at the troop held by "do not fire", ends
    // without a shot.
    if (d.Firing && d.FireDelay == 1) {
        if (d.ScriptedFire != d.BurstAtPoint)
            d.FireDelay = 0;
        else if (d.ScriptedFire)
            scriptedShot(battle, e);
        else
            shotAtTroop(battle, e);
    }
    if (d.Walking)
        walk(battle, e);
    // Over its shot's flash: standing, or walking, turned towards its aim while firing.
    drawEnemySprite(battle, battle.sheets, e);
}

} // namespace tolvar::battle
