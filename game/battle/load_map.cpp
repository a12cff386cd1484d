#include "game/battle/load_map.h"

#include "game/battle/battle_numbers.h"
#include "platform/text/codepage.h"
#include "platform/text/file_names.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tolvar::battle {

namespace {

using platform::text::TextReader;

constexpr std::string_view EndTag = "<Fim>";

template <typename Texts> void emptyTexts(Texts& texts)
{
    for (auto& entry : texts) {
        if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, std::string>)
            entry.clear();
        else
            emptyTexts(entry);
    }
}

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

    // The script tables hold thousands of short texts: each is emptied where it stands.
    emptyTexts(s.MissionAnimName);
    emptyTexts(s.MissionAnimTask);
    s.AnimState = {};
    emptyTexts(s.MissionAiName);
    emptyTexts(s.MissionAiTask);
    s.AiTaskPending = {};
    s.AiState = {};
    emptyTexts(s.EnemyAiTask);
    emptyTexts(s.MissionCondIf);
    emptyTexts(s.MissionCondDo);
    s.MissionCondOnce = {};
    s.CondState = {};

    // Every line of every animation and of every enemy's AI copy waits in state "5".
    for (int a = 0; a <= MaxTaskLines; ++a) {
        for (int j = 0; j <= MaxTaskLines; ++j) {
            const char* const pending = a >= 1 && j >= 1 ? "5" : "";
            s.AnimTaskPending[a][j] = pending;
            s.EnemyAiPending[a][j] = pending;
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

// True when a tile code is one of `BlockCodes`: exactly two upper-case hexadecimal digits that
// the list holds between asterisks.
bool blocksMovement(std::string_view code)
{
    static const std::array<bool, 256> blocking = [] {
        std::array<bool, 256> table{};
        const std::string_view codes = BlockCodes;
        for (std::size_t i = 0; i + 3 < codes.size(); ++i)
            if (codes[i] == '*' && codes[i + 3] == '*')
                table[static_cast<std::size_t>(vb::hexValue(codes.substr(i + 1, 2)))] = true;
        return table;
    }();
    const auto upperHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    if (code.size() != 2 || !upperHex(code[0]) || !upperHex(code[1]))
        return false;
    return blocking[static_cast<std::size_t>(vb::hexValue(code))];
}

// Follows a mission file line by line and item by item as the load reads it, and tells where it
// stops making sense.
class MissionCheck
{
public:
    explicit MissionCheck(std::string bytes) : m_in(std::move(bytes)) {}

    std::optional<std::string> reason()
    {
        if (!tag("<Info>"))
            return "it isn't a mission";
        std::string title, author, width, height;
        if (!line(title) || !line(author) || !line(width) || !line(height) || !tag("<-Info>") ||
            !tag("<Map>"))
            return "its header can't be read";
        const int cols = toInteger(vb::val(width));
        const int rows = toInteger(vb::val(height));
        if (!onePlayableSide(cols) || !onePlayableSide(rows))
            return "its map is " + std::to_string(cols) + " x " + std::to_string(rows) +
                   " cells, not 25 to 50 a side";
        std::string row;
        for (int y = 1; y <= rows; ++y)
            if (!line(row))
                return "its map can't be read";
        if (!tag("<-Map>") || !tag("<Objts>"))
            return "its map can't be read";
        if (!itemsUpTo("<-Objts>"))
            return "its objects can't be read";

        std::string next;
        if (line(next) && next == EndTag)
            return std::nullopt; // a mission of map and objects only
        if (next != "<Inimigos>" || !itemsUpTo("<-Inimigos>"))
            return "its enemies can't be read";
        if (!troopFits(cols, rows))
            return "its troop can't be read";
        while (line(next))
            if (next == EndTag)
                return std::nullopt;
        return "it ends before its last line, <Fim>";
    }

private:
    static bool onePlayableSide(int cells) { return cells >= 25 && cells <= MaxMapSize; }

    bool line(std::string& text)
    {
        if (m_in.atEnd())
            return false;
        text = m_in.readLine();
        return true;
    }

    bool tag(std::string_view expected)
    {
        std::string text;
        return line(text) && text == expected;
    }

    bool itemsUpTo(std::string_view closing)
    {
        while (!m_in.atEnd())
            if (m_in.readItem() == closing)
                return true;
        return false;
    }

    // The troop's six lines and its closing tag: the leader's cell on the map, then the size,
    // team, alignment, view and clips as the load takes them, each inside its code table.
    bool troopFits(int cols, int rows)
    {
        std::string position, size, team, alignment, view, clips;
        if (!tag("<Tropa>") || !line(position) || !line(size) || !line(team) || !line(alignment) ||
            !line(view) || !line(clips) || !tag("<-Tropa>"))
            return false;
        const auto within = [](double value, int low, int high) {
            const int whole = toInteger(value);
            return whole >= low && whole <= high;
        };
        const auto code = [](const std::string& text) { return vb::val(unquoted(text)); };
        return within(vb::val(vb::mid(position, 2, 2)), 1, cols) &&
               within(vb::val(vb::mid(position, 5, 2)), 1, rows) && within(code(size), 1, MaxSoldiers) &&
               within(code(team), 1, 5) && within(code(alignment), 1, 8) && within(code(view), 1, 8) &&
               within(vb::val(vb::mid(clips, 2, 1)), 0, 7);
    }

    TextReader m_in;
};

} // namespace

std::optional<std::string> unplayableReason(const std::string& bytes)
{
    return MissionCheck(bytes).reason();
}

std::string unplayableMissionText(const std::string& name, const std::string& reason)
{
    return "The mission \"" + name + "\" of this campaign can't be played: " + reason + ".";
}

LoadResult LoadMap(BattleState& state, const std::string& path, const platform::gfx::Picture& MPP,
                   platform::clock::Random& random, const LoadOptions& options)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string bytes;
    if (!platform::text::readFile(path, bytes))
        return {false, "Mission file not found: " + fileName};
    if (const std::optional<std::string> reason = unplayableReason(bytes)) {
        // The mission's name is its file's name without ".cfm".
        const std::string name = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
        return {false, unplayableMissionText(platform::text::shownText(name), *reason)};
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
    const int cols = s.MapCols;
    const int rows = s.MapRows;
    const int width = s.TileWidth * cols + 1;
    const int height = s.TileHeight * rows + 1;
    // The map picture starts black: cells without a tile stay so. The collision picture is
    // covered by the cells' boxes.
    if (s.MainMap.width() == width && s.MainMap.height() == height)
        s.MainMap.clear();
    else
        s.MainMap = platform::gfx::Picture(width, height);
    s.ColMap.resize(width, height);
    if (cols <= 0 || rows <= 0 || s.MainMap.isNull())
        return;

    // Each cell is a 20 x 20 block of the sheet on the map picture and a box of 21 x 21 on the
    // collision picture, drawn rows top to bottom and cells left to right, so where two boxes
    // share an edge the later one wins: pixel (px, py) of the collision picture belongs to cell
    // (min(px / 20, cols - 1), min(py / 20, rows - 1)). Both pictures are built by whole rows of
    // pixels, a map row of cells at a time.
    struct CellSource
    {
        const std::uint32_t* sheetRow = nullptr; // the tile's top row in the sheet
        std::size_t pixels = 0;                  // how much of the tile's width the sheet holds
        int rows = 0;                            // and of its height; 0 when the cell has no tile
    };
    std::array<CellSource, MaxMapSize> sources{};
    std::vector<std::uint32_t> collisionRow(static_cast<std::size_t>(width));

    const int sheetWidth = MPP.width();
    const int sheetHeight = MPP.height();
    const std::uint32_t* sheet =
        MPP.isNull() ? nullptr : reinterpret_cast<const std::uint32_t*>(MPP.image().constBits());
    const qsizetype sheetStride = MPP.isNull() ? 0 : MPP.image().bytesPerLine() / 4;
    auto* mapBits = reinterpret_cast<std::uint32_t*>(s.MainMap.image().bits());
    const qsizetype mapStride = s.MainMap.image().bytesPerLine() / 4;
    auto* colBits = reinterpret_cast<std::uint32_t*>(s.ColMap.image().bits());
    const qsizetype colStride = s.ColMap.image().bytesPerLine() / 4;
    std::array<std::uint32_t, 21> blackCell;
    std::array<std::uint32_t, 21> whiteCell;
    blackCell.fill(0xFF000000u | platform::gfx::kBlack);
    whiteCell.fill(0xFF000000u | platform::gfx::kWhite);

    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            const std::string& code = s.TileGrid[x][y];
            // Tile k of the sheet: 22 per row, 20 x 20 on a 21-pixel pitch behind a 1-pixel border.
            // A code naming no tile (0, above 110, not hexadecimal) draws nothing; a sheet too
            // small for a tile gives what it holds of it.
            CellSource& source = sources[static_cast<std::size_t>(x)];
            source = {};
            const long long k = vb::hexValue(code);
            if (sheet && k >= 1 && k <= 110) {
                const int sx = 1 + 21 * static_cast<int>((k - 1) % 22);
                const int sy = 1 + 21 * static_cast<int>((k - 1) / 22);
                if (sx < sheetWidth && sy < sheetHeight) {
                    source.sheetRow = sheet + sy * sheetStride + sx;
                    source.pixels = static_cast<std::size_t>(std::min(20, sheetWidth - sx));
                    source.rows = std::min(20, sheetHeight - sy);
                }
            }
            const bool blocks = blocksMovement(code);
            // The last cell of a row also covers the picture's last column.
            const std::size_t pixels = x + 1 == cols ? 21 : 20;
            std::memcpy(collisionRow.data() + 20 * x, blocks ? blackCell.data() : whiteCell.data(),
                        pixels * 4);
        }

        const int bottom = y + 1 == rows ? height : 20 * y + 20;
        for (int py = 20 * y; py < bottom; ++py)
            std::memcpy(colBits + py * colStride, collisionRow.data(), collisionRow.size() * 4);

        // A run of cells showing the same whole tile takes each pixel row of the tile once from the
        // sheet, then repeats what is already on the map along the run, twice as much each time.
        for (int x = 0; x < cols;) {
            const CellSource& source = sources[static_cast<std::size_t>(x)];
            int run = 1;
            while (source.pixels == 20 && x + run < cols &&
                   sources[static_cast<std::size_t>(x + run)].sheetRow == source.sheetRow)
                ++run;
            const std::size_t runPixels = run > 1 ? 20 * static_cast<std::size_t>(run) : source.pixels;
            const std::uint32_t* from = source.sheetRow;
            std::uint32_t* to = mapBits + 20 * y * mapStride + 20 * x;
            for (int r = 0; r < source.rows; ++r, from += sheetStride, to += mapStride) {
                std::memcpy(to, from, source.pixels * 4);
                for (std::size_t done = source.pixels; done < runPixels; done *= 2)
                    std::memcpy(to + done, to, std::min(done, runPixels - done) * 4);
            }
            x += run;
        }
    }
}

} // namespace tolvar::battle
