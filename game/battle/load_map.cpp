#include "game/battle/load_map.h"

#include "game/battle/battle_numbers.h"
#include "platform/text/codepage.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <algorithm>
#include <string_view>

namespace tolvar::battle {

namespace {

using platform::text::TextReader;

constexpr std::string_view EndTag = "<Fim>";

// Empties every per-battle table. The tile grid and the fields of enemy slots that the enemies'
// phase keeps are left as they are; names, kills and ranks belong to the campaign.
void resetTables(BattleState& s)
{
    s.SoldierX = {};
    s.SoldierY = {};
    s.Alive = {};
    s.Facing = {};
    s.MoveDir = {};
    s.HeadingExact = {};
    s.TargetX = {};
    s.TargetY = {};
    s.Moving = {};
    s.LeaderTrail = {};
    s.TerrainKind = {};
    s.WalkSpeed = {};
    s.Clips = {};
    s.Rounds = {};
    s.Reload = {};
    s.Cooldown = {};
    s.FireDelay = {};
    s.WalkFrame = {};
    s.StepCount = {};
    s.PoseCell = {};
    s.JustFired = {};
    s.DeadSoldier = {};
    s.Bullet = {};
    s.BulletPrev = {};
    s.ObjectRaw = {};
    s.ObjTouch = {};
    s.MouseMapPoint = {};
    s.AnimSubTick = {};
    s.AnimTick = {};
    s.AiSubTick = {};
    s.AiTick = {};

    s.MissionAnimName = {};
    s.MissionAnimTask = {};
    s.AnimTaskPending = {};
    s.AnimState = {};
    s.MissionAiName = {};
    s.MissionAiTask = {};
    s.AiTaskPending = {};
    s.AiState = {};
    s.EnemyAiTask = {};
    s.EnemyAiPending = {};
    s.MissionCondIf = {};
    s.MissionCondDo = {};
    s.MissionCondOnce = {};
    s.CondState = {};

    for (int a = 1; a <= MaxTaskLines; ++a) {
        for (int j = 1; j <= MaxTaskLines; ++j) {
            s.AnimTaskPending[a][j] = "5";
            s.EnemyAiPending[a][j] = "5";
        }
    }
    for (int i = 1; i <= MaxObjects; ++i) {
        s.ObjState[i - 1] = ObjectEmpty;
        DollRecord& d = s.Dolls[i];
        d.State = DollEmpty;
        d.TargetSoldier = 0;
        d.Firing = false;
        d.FireDelay = 0;
        d.StepCount = 0;
        d.DeathStage = 0;
        d.StageTimer = 0;
        d.FallSide = 0;
        d.ScriptedFire = false;
        d.AiRunning = false;
        d.AiStartPending = false;
    }
    for (int i = 1; i <= MaxSoldiers; ++i) {
        s.Rounds[i] = 0;
        s.Clips[i] = 0;
        s.Reload[i] = 0;
    }
    s.DefeatFlag = false;
    s.MusicStartCounter = 0;
}

// Centre of a cell's column or row, from its two-digit text.
float cellCentre(std::string_view digits, int tileSize)
{
    return static_cast<float>((vb::val(digits) - 1) * tileSize + tileSize / 2.0);
}

// Reads the object items up to "<-Objts>".
void readObjects(BattleState& s, TextReader& r, platform::clock::Random& random)
{
    int k = 0;
    while (!r.atEnd()) {
        const std::string item = r.readItem();
        if (item == "<-Objts>")
            break;
        ++k;
        if (k > MaxObjects)
            continue;
        const int o = k - 1;
        s.ObjectRaw[k] = {vb::mid(item, 1, 2), vb::mid(item, 4, 2), vb::mid(item, 7, 2), ObjectOnMap};
        s.ObjX[o] = cellCentre(vb::mid(item, 4, 2), s.TileWidth);
        s.ObjY[o] = cellCentre(vb::mid(item, 7, 2), s.TileHeight);
        s.ObjKind[o] = vb::val(vb::mid(item, 1, 2));
        if (s.ObjKind[o] == 1) {
            s.ObjSprite[o] = 1;
        } else if (s.ObjKind[o] == 2) {
            // A mine lies a little off its cell's centre.
            s.ObjSprite[o] = 6;
            const double dx = vb::intFloor(random.rnd() * 10) - 5;
            const double dy = vb::intFloor(random.rnd() * 10) - 5;
            s.ObjX[o] += dx;
            s.ObjY[o] += dy;
        } else if (s.ObjKind[o] == 3) {
            s.ObjSprite[o] = 7;
        } else if (s.ObjKind[o] == 4) {
            s.ObjSprite[o] = 8;
        }
        s.ObjState[o] = ObjectOnMap;
    }
}

// Reads the enemy items up to "<-Inimigos>" into `Dolls` 1, 2, ...
void readEnemies(BattleState& s, TextReader& r, platform::clock::Random& random)
{
    int e = 0;
    while (!r.atEnd()) {
        const std::string item = r.readItem();
        if (item == "<-Inimigos>")
            break;
        ++e;
        if (e > MaxEnemies)
            continue;
        DollRecord& d = s.Dolls[e];
        d.ItemText = item;
        d.Team = toInteger(vb::val(vb::mid(item, 1, 2)));
        d.X = cellCentre(vb::mid(item, 4, 2), s.TileWidth);
        d.Y = cellCentre(vb::mid(item, 7, 2), s.TileHeight);
        d.TargetX = d.X + 6;
        d.TargetY = d.Y + 13;
        d.AimFacing = static_cast<float>(vb::intFloor(random.rnd() * 359));
        d.State = DollActive;
        d.Speed = 1.0f;
        d.Walking = false;
        d.Heading = d.AimFacing;

        // The AI animation's name runs from character 10 to the next comma; the start state
        // follows that comma.
        long long n = 0;
        if (item.size() >= 10) {
            const std::size_t comma = item.find(',', 9);
            n = static_cast<long long>((comma == std::string::npos ? item.size() : comma) - 9);
        }
        d.AiName = midText(item, 10, n);
        d.AiStartPending = false;
        if (d.AiName != "None" && !d.AiName.empty()) {
            const double startState = vb::val(vb::mid(item, 10 + n + 1, 1));
            if (startState == 1)
                d.AiStartPending = false;
            else if (startState == 0)
                d.AiStartPending = true;
        }
    }
}

// Reads the troop section from its tag to its closing tag.
void readTroop(BattleState& s, TextReader& r)
{
    r.readLine(); // "<Tropa>"
    const std::string position = r.readLine();
    s.SoldierX[1] = static_cast<float>((vb::val(vb::mid(position, 2, 2)) - 1) * 20 + s.TileWidth / 2.0);
    s.SoldierY[1] = static_cast<float>((vb::val(vb::mid(position, 5, 2)) - 1) * 20 + s.TileHeight / 2.0);
    s.Alive[1] = true;

    auto nextValue = [&r] { return vb::val(unquoted(r.readLine())); };

    // A troop larger than the slots is cut to the slots.
    s.TroopCount = std::clamp(toInteger(nextValue()), 0, MaxSoldiers);
    s.TroopStartCount = s.TroopCount;
    s.TroopTeam = toInteger(nextValue());

    // The soldiers stand in a line from the leader, 8 pixels apart, along the alignment.
    const double alignment = (nextValue() - 1) * 45;
    const int a = angleIndex(alignment);
    for (int i = 2; i <= s.TroopCount; ++i) {
        s.SoldierX[i] = s.SoldierX[1] + static_cast<float>(i - 1) * 8 * s.CosTable[a];
        s.SoldierY[i] = s.SoldierY[1] - static_cast<float>(i - 1) * 8 * s.SinTable[a];
        s.Alive[i] = true;
    }

    const double view = (nextValue() - 1) * 45;
    for (int i = 0; i <= s.TroopCount; ++i) {
        s.Facing[i] = static_cast<float>(view);
        s.MoveDir[i] = toInteger(view);
    }

    for (int i = 1; i <= s.TroopCount; ++i) {
        s.LeaderTrail[i][1] = s.SoldierX[1];
        s.LeaderTrail[i][2] = s.SoldierY[1];
        s.TargetX[i] = toInteger(s.SoldierX[1]);
        s.TargetY[i] = toInteger(s.SoldierY[1]);
        s.Moving[i] = 0;
        s.TerrainKind[i] = 1;
        s.WalkSpeed[i] = 1.0f;
    }
    s.MouseMapPoint[0] = toInteger(s.SoldierX[1]);
    s.MouseMapPoint[1] = toInteger(s.SoldierY[1]);
    s.CameraX = toInteger(s.SoldierX[1] - 130.0);
    s.CameraY = toInteger(s.SoldierY[1] - 130.0);

    const std::string clipsLine = r.readLine();
    for (int i = 1; i <= s.TroopCount; ++i) {
        s.Clips[i] = toInteger(vb::val(vb::mid(clipsLine, 2, 1)));
        s.Rounds[i] = s.Clips[i] != 0 ? s.ClipRounds : 0;
    }
    r.readLine(); // "<-Tropa>"
}

// Reads the lines of a block up to its closing tag and hands each to `store` with its number
// (1, 2, ...). Ends early at the end of the file or at "<Fim>"; gives false then, so the caller
// stops reading.
template <typename Store> bool readBlock(TextReader& r, std::string_view closeTag, Store store)
{
    int j = 0;
    while (!r.atEnd()) {
        const std::string line = r.readLine();
        if (line == closeTag)
            return true;
        if (line == EndTag)
            return false;
        store(++j, line);
    }
    return false;
}

// Reads the scripted animations, AI animations and conditions up to "<Fim>".
void readScripts(BattleState& s, TextReader& r)
{
    int a = 0;
    int k = 0;
    while (!r.atEnd()) {
        std::string last = r.readLine();
        const std::string head = vb::left(last, 5);
        bool more = true;
        if (head == "<Anim") {
            ++a;
            const bool kept = a <= MaxAnimations;
            if (kept) {
                s.AnimState[a] = 4;
                s.MissionAnimName[a] =
                    platform::text::lowerCase(midText(last, 7, static_cast<long long>(last.size()) - 7));
            }
            more = readBlock(r, "<-Anim>", [&](int j, const std::string& line) {
                if (kept && j <= MaxTaskLines) {
                    s.MissionAnimTask[a][j] = unquoted(line);
                    s.AnimTaskPending[a][j] = "1";
                }
            });
        } else if (head == "<AniA") {
            ++k;
            const bool kept = k <= MaxAnimations;
            if (kept) {
                s.MissionAiName[k] =
                    platform::text::lowerCase(midText(last, 8, static_cast<long long>(last.size()) - 8));
            }
            more = readBlock(r, "<-AniAI>", [&](int j, const std::string& line) {
                if (kept && j <= MaxTaskLines) {
                    s.MissionAiTask[k][j] = unquoted(line);
                    s.AiTaskPending[k][j] = 1;
                }
            });
        } else if (head == "<Cond") {
            // A condition sits at its own number; one numbered outside 1..100 is read and dropped.
            const int n = toInteger(vb::val(vb::mid(last, 7, 3)));
            const bool kept = n >= 1 && n <= MaxConditions;
            last = r.readLine();
            if (last == EndTag)
                break;
            if (kept)
                s.MissionCondOnce[n] = toInteger(vb::val(last));
            last = r.readLine(); // "<Se>"
            if (last == EndTag)
                break;
            more = readBlock(r, "<-Se>", [&](int j, const std::string& line) {
                if (kept && j <= MaxConditionLines) {
                    s.MissionCondIf[n][j] = unquoted(line);
                    s.CondState[n] = 4;
                }
            });
            if (!more)
                break;
            last = r.readLine(); // "<Faz>"
            if (last == EndTag)
                break;
            more = readBlock(r, "<-Faz>", [&](int j, const std::string& line) {
                if (kept && j <= MaxConditionLines)
                    s.MissionCondDo[n][j] = unquoted(line);
            });
        } else if (head == "<Resu") {
            r.readItem(); // the summary, which the battle does not use
            r.readItem(); // "<-Resumo>"
        }
        if (!more || last == EndTag)
            break;
    }
}

} // namespace

LoadResult LoadMap(BattleState& state, const std::string& path, const platform::gfx::Picture& MPP,
                   platform::clock::Random& random, const LoadOptions& options)
{
    std::string bytes;
    if (!platform::text::readFile(path, bytes)) {
        std::string name = path;
        const std::size_t slash = name.find_last_of('/');
        if (slash != std::string::npos)
            name = name.substr(slash + 1);
        return {false, "Mission file not found: " + name};
    }
    loadMapBytes(state, std::move(bytes), MPP, random, options);
    return {};
}

void loadMapBytes(BattleState& s, std::string bytes, const platform::gfx::Picture& MPP,
                  platform::clock::Random& random, const LoadOptions& options)
{
    if (options.seedRandom)
        random.randomize();
    TextReader r(std::move(bytes));

    resetTables(s);
    s.MainMap.clear();
    s.MainFrame.clear();
    if (options.pumpEvents)
        options.pumpEvents();

    // Header: tag, title, author (not used by the battle), width, height, closing tag, map tag.
    r.readLine();
    r.readLine();
    r.readLine();
    const double cols = vb::val(r.readLine());
    const double rows = vb::val(r.readLine());
    // The map keeps at most 50 x 50 cells; all rows the file announces are read, so the sections
    // after the map are found where they stand.
    s.MapCols = std::clamp(toInteger(cols), 0, MaxMapSize);
    s.MapRows = std::clamp(toInteger(rows), 0, MaxMapSize);
    r.readLine();
    r.readLine();

    const int fileRows = std::max(toInteger(rows), 0);
    for (int y = 1; y <= fileRows && !r.atEnd(); ++y) {
        const std::string line = r.readLine();
        if (y > s.MapRows)
            continue;
        for (int x = 1; x <= s.MapCols; ++x)
            s.TileGrid[x - 1][y - 1] = vb::mid(line, 2LL * x - 1, 2);
    }
    r.readLine(); // "<-Map>"
    r.readLine(); // "<Objts>"

    readObjects(s, r, random);

    // A mission may end right after its objects: no enemies, no troop, no scripts.
    if (r.readLine() != EndTag) {
        readEnemies(s, r, random);
        readTroop(s, r);
        readScripts(s, r);
    }

    buildMapPictures(s, MPP);
}

void buildMapPictures(BattleState& s, const platform::gfx::Picture& MPP)
{
    const int width = s.TileWidth * s.MapCols + 1;
    const int height = s.TileHeight * s.MapRows + 1;
    s.MainMap.resize(width, height);
    s.ColMap.resize(width, height);
    const std::string_view blocking = BlockCodes;
    for (int y = 0; y < s.MapRows; ++y) {
        for (int x = 0; x < s.MapCols; ++x) {
            const std::string& code = s.TileGrid[x][y];
            // Tile k of the sheet: 22 per row, 20 x 20 on a 21-pixel pitch behind a 1-pixel border.
            // A code naming no tile (0, above 110, not hexadecimal) draws nothing.
            const long long k = vb::hexValue(code);
            if (k >= 1 && k <= 110) {
                const int sx = 1 + 21 * static_cast<int>((k - 1) % 22);
                const int sy = 1 + 21 * static_cast<int>((k - 1) / 22);
                platform::gfx::bitBlt(s.MainMap, 20 * x, 20 * y, 20, 20, MPP, sx, sy);
            }
            // Only the exact upper-case codes block.
            const bool blocks = blocking.find("*" + code + "*") != std::string_view::npos;
            s.ColMap.fillBox(20 * x, 20 * y, 20 * x + 20, 20 * y + 20,
                             blocks ? platform::gfx::kBlack : platform::gfx::kWhite);
        }
    }
}

} // namespace tolvar::battle
