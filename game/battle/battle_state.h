#pragma once
// The records of one battle: the tile grid and the pictures built from it, the map objects, the
// enemies, the troop's slot arrays, the bullet ring, the mission's scripts and conditions, and the
// fields of the battle screen that the frame reads. The loader fills them at every mission start;
// the frame changes them while the battle runs.
//
// Every table keeps the bounds the mission format is built around (index 0 exists; most tables
// are used from 1). Integer fields are int, Single fields float, Boolean fields bool.

#include "game/battle/screen_text.h"
#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"

#include <array>
#include <string>

namespace tolvar::battle {

// Capacities.
inline constexpr int MaxObjects = 50;        // map objects, indexes 0..49
inline constexpr int MaxEnemies = 50;        // enemies, `Dolls` 1..50
inline constexpr int MaxSoldiers = 10;       // troop slots 1..10
inline constexpr int MaxAnimations = 40;     // scripted and AI animations 1..40
inline constexpr int MaxTaskLines = 50;      // task lines 1..50 of one animation
inline constexpr int MaxConditions = 100;    // conditions 1..100
inline constexpr int MaxConditionLines = 10; // If and Do lines 1..10 of one condition
inline constexpr int MaxBullets = 100;       // bullet rows 1..100
inline constexpr int MaxMapSize = 50;        // map width and height in tiles
inline constexpr int TileGridSize = 100;     // the tile grid's bounds, 0..99 per axis
inline constexpr int TrailSize = 20;         // leader trail entries 0..20

// Tile codes that block movement and bullets, each between asterisks.
inline constexpr const char* BlockCodes =
    "*11*12*13*14*15*16*17*18*19*1A*1B*52*53*54*55*56*57*58*59*5A*5B*5C*5D*5E*5F*60*61*62*63*64*65*66*"
    "67*68*69*6A*6B*6C*6D*6E*";

// Enemy states.
inline constexpr const char* DollActive = "3";
inline constexpr const char* DollDying = "9";
inline constexpr const char* DollDead = "5";
inline constexpr const char* DollEmpty = "6";

// Map object states.
inline constexpr int ObjectOnMap = 3;
inline constexpr int ObjectHit = 9;
inline constexpr int ObjectExploded = 10;
inline constexpr int ObjectGone = 5;
inline constexpr int ObjectEmpty = 6;

// Bullet kinds (column 5 of a bullet row).
inline constexpr int TroopBulletKind = 18;
inline constexpr int EnemyBulletKind = 8;

// One enemy.
struct DollRecord
{
    float X = 0, Y = 0;
    float TargetX = 0, TargetY = 0;
    float AimFacing = 0;
    float Heading = 0;
    float FireX = 0, FireY = 0;
    int Team = 0;
    std::string State = DollEmpty;
    bool Walking = false;
    float Speed = 0;
    int WalkFrame = 0;
    bool Firing = false;
    int FireDelay = 0;
    int TargetSoldier = 0;
    int StepCount = 0;
    int DeathStage = 0;
    int StageTimer = 0;
    int FallSide = 0;
    int Terrain = 0;
    std::string ItemText;
    bool ScriptedFire = false;
    // The shot counting down is a scripted burst at FireX, FireY (a "Fire to" line started it),
    // not a shot at the soldier the enemy noticed.
    bool BurstAtPoint = false;
    std::string AiName;
    bool AiRunning = false;
    bool AiStartPending = false;
};

// One row of `ObjectRaw`: the object's item fields as they stand in the file, and the mark that
// the objects and the conditions compare (3 at load, 5 once the object went off).
struct ObjectRawRow
{
    std::string kind;
    std::string col;
    std::string row;
    int mark = 0;
};

template <typename T, std::size_t N> using Table = std::array<T, N>;
template <typename T, std::size_t R, std::size_t C> using Table2 = std::array<std::array<T, C>, R>;

struct BattleState
{
    // --- Screen geometry and pacing ---------------------------------------------------------
    Table<float, 361> SinTable{}; // sine of each whole degree 0..360
    Table<float, 361> CosTable{};
    int TileWidth = 20;
    int TileHeight = 20;
    int SpriteOffsetX = -6; // from a figure's point to the top-left corner of its 14 x 20 cell
    int SpriteOffsetY = -17;
    int FireOffsetY = -10;
    int WindowWidthPx = 640, WindowHeightPx = 480;
    int WindowLeftPx = 0, WindowTopPx = 0;
    long WindowLeftTw = 0, WindowTopTw = 0;
    float ViewScaleX = 2, ViewScaleY = 2;
    platform::clock::Tick FrameStart = 0;
    int ClipRounds = 22;
    int MusicStartCounter = 0;
    int EndDelayCounter = 0;

    // --- Troop names and ranks (kept from one mission to the next) ----------------------------
    Table<int, 11> Kills{};
    Table<std::string, 11> SoldierName{};
    Table<float, 11> MedalLevel{};

    // --- Map --------------------------------------------------------------------------------
    int MapCols = 0, MapRows = 0;
    // Cell (XX, YY) of the file at (XX - 1, YY - 1): the two characters of its tile code.
    Table2<std::string, TileGridSize, TileGridSize> TileGrid{};

    // --- Pictures ---------------------------------------------------------------------------
    platform::gfx::Picture MainMap;   // the whole map at 20 pixels per tile
    platform::gfx::Picture ColMap;    // black where a tile blocks, white elsewhere
    platform::gfx::Picture MainFrame; // the frame being composed
    platform::gfx::Picture MiniGet;   // view buffers
    platform::gfx::Picture MiniGetCopy;

    // --- Map objects (index = object number - 1) ----------------------------------------------
    Table<double, MaxObjects> ObjX{}, ObjY{}, ObjKind{};
    Table<int, MaxObjects> ObjState{}, ObjSprite{};
    Table<double, MaxObjects> ObjPhase{};
    Table<int, MaxObjects> ObjStep{}, ObjTick{}, ObjDrift{};
    Table<double, MaxObjects> ObjBlast{};
    Table<ObjectRawRow, MaxObjects + 1> ObjectRaw{}; // rows 1..50 = objects 1..50
    Table<int, MaxObjects> ObjTouch{}; // 7 once a soldier has touched the object while it was intact

    // --- Enemies ----------------------------------------------------------------------------
    Table<DollRecord, MaxEnemies + 1> Dolls{}; // 1..50

    // --- Troop (slots 1..10; slot 1 leads) -----------------------------------------------------
    int TroopCount = 0;
    int TroopStartCount = 0;
    int TroopTeam = 0;
    Table<float, 11> SoldierX{}, SoldierY{};
    Table<bool, 11> Alive{};
    Table<float, 11> Facing{};
    Table<int, 11> MoveDir{};
    Table<float, 11> HeadingExact{};
    Table<int, 11> TargetX{}, TargetY{};
    Table<int, 11> Moving{};
    Table2<float, TrailSize + 1, 3> LeaderTrail{}; // (k, 1) x, (k, 2) y
    Table<int, 11> TerrainKind{};
    Table<float, 11> WalkSpeed{};
    Table<int, 11> Clips{}, Rounds{};
    Table<float, 11> Reload{};
    Table<int, 11> Cooldown{}, FireDelay{};
    Table<int, 11> WalkFrame{}, StepCount{};
    Table<int, 11> PoseCell{};
    Table<bool, 11> JustFired{};
    int TrailTimer = 0;
    // Fallen soldiers: rows 1..10, (row, 1) x, (row, 2) y, (row, 3) death stage, (row, 4) counter.
    int BodyCount = 0;
    Table2<int, 11, 5> DeadSoldier{};

    // --- Fire and bullets -------------------------------------------------------------------
    int FireMode = 1;
    int Spread = 0;
    int BulletIndex = 0;
    int BulletSpeed = 10;
    int BulletRange = 120;
    int ShotsFired = 0, ShotsHit = 0;
    int AimX = 0, AimY = 0;
    // Rows 1..100: 0 in flight, 1 x, 2 y, 3 heading, 4 age, 5 kind, 7 shooter, 8 step x, 9 step y.
    Table2<double, MaxBullets + 1, 10> Bullet{};
    Table2<double, MaxBullets + 1, 3> BulletPrev{}; // position before the last step, 1 x, 2 y

    // --- Camera, pointer, orders and menu -------------------------------------------------------
    int CameraX = 0, CameraY = 0;
    Table<int, 2> MouseMapPoint{};
    int MoveMarkX = 0, MoveMarkY = 0, MoveMarkFrame = 6;
    int PointerKind = 2;
    std::string PointerMode = "13";
    bool InputLocked = false;
    // A script has taken the troop and none of its lines has named a point yet: the soldiers keep
    // the facing they had (at a mission's start, the view its author gave them).
    bool FacingHeld = false;
    bool FireHeld = false;
    bool MoveOrder = false;
    // A press that no frame has seen yet, and its release waiting until one has: a click quicker
    // than a frame still gives its order once.
    bool FirePressUnseen = false, MovePressUnseen = false;
    bool FireReleaseDue = false, MoveReleaseDue = false;
    int IdleFrames = 0;
    int FramesSinceMove = 0;
    bool MenuOpen = false;
    std::string MenuStage;
    int MenuLeft = 0, MenuRight = 0, MenuTop = 0, MenuBottom = 0;
    int MenuClickX = 0, MenuClickY = 0;
    int MenuTrackAtOpen = 0;
    bool WaitKey = false;
    bool KeyAck = false;
    ScreenTextRequest ScreenText; // the text to show at the end of this frame
    bool EndProgram = false;      // the key "E": the program is to end at once

    // --- End of the mission (MissionWon and MissionOver are game-wide) ---------------------------
    bool DefeatFlag = false;
    bool DefeatNow = false;

    // --- Scripted animations 1..40 --------------------------------------------------------------
    Table<std::string, MaxAnimations + 1> MissionAnimName{};
    Table2<std::string, MaxAnimations + 1, MaxTaskLines + 1> MissionAnimTask{};
    Table2<std::string, MaxTaskLines + 1, MaxTaskLines + 1> AnimTaskPending{}; // (animation, line)
    Table<int, MaxAnimations + 1> AnimState{};
    Table<int, MaxAnimations + 1> AnimSubTick{}, AnimTick{};

    // --- Enemy AI animations 1..40 and the per-enemy script state --------------------------------
    Table<std::string, MaxAnimations + 1> MissionAiName{};
    Table2<std::string, MaxAnimations + 1, MaxTaskLines + 1> MissionAiTask{};
    Table2<int, MaxTaskLines + 1, MaxTaskLines + 1> AiTaskPending{}; // (AI animation, line)
    Table<int, MaxEnemies + 1> AiState{};
    Table2<std::string, MaxEnemies + 1, MaxTaskLines + 1> EnemyAiTask{};    // (enemy, line)
    Table2<std::string, MaxEnemies + 1, MaxTaskLines + 1> EnemyAiPending{}; // (enemy, line)
    Table<int, MaxEnemies + 1> AiSubTick{}, AiTick{};

    // --- Conditions 1..100 ------------------------------------------------------------------------
    Table2<std::string, MaxConditions + 1, MaxConditionLines + 1> MissionCondIf{};
    Table2<std::string, MaxConditions + 1, MaxConditionLines + 1> MissionCondDo{};
    Table<int, MaxConditions + 1> MissionCondOnce{};
    Table<int, MaxConditions + 1> CondState{};
};

} // namespace tolvar::battle
