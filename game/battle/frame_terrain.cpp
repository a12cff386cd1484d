#include "game/battle/frame_terrain.h"

#include "game/battle/battle_numbers.h"
#include "platform/text/vb.h"

#include <array>
#include <string>
#include <vector>

namespace tolvar::battle {

namespace {

struct TerrainClass
{
    const char* codes;
    Terrain terrain;
};

// The terrain classes as the maps were made with them; a later class that names a code wins.
const std::array<TerrainClass, 4>& terrainClasses()
{
    static const std::array<TerrainClass, 4> classes = {{
        {"*01*", {1, 1.0f}},
        {"*02*", {2, 0.5f}},
        {"*03*09*0A*0B*0C*", {1, 0.7f}},
        {"*04*1C*1D*1E*1F*20*21*21*22*24*25*26*27*28*29*2A*2B*2C*2D*2E*2F*30*32*33*34*35*36*37*38*39*3A*3B*"
         "3C*"
         "3D*3E*3F*40*41*42*43*44*45*46*47*48*49*4A*4B*4C*4D*4F*50*51*52*53*",
         {1, 1.2f}},
    }};
    return classes;
}

// The place of a two-character code in a table of every such code.
std::size_t codeIndex(std::string_view code)
{
    return static_cast<std::size_t>(static_cast<unsigned char>(code[0])) * 256 +
           static_cast<unsigned char>(code[1]);
}

Terrain terrainAt(const BattleState& s, int column, int row, Terrain kept)
{
    if (column < 1 || row < 1)
        return kept;
    if (column > TileGridSize || row > TileGridSize)
        return Terrain{}; // no tile there: plain land
    return terrainOf(s.TileGrid[column - 1][row - 1]);
}

bool isWhite(const BattleState& s, float x, float y)
{
    return s.ColMap.pixel(toInteger(x), toInteger(y)) == platform::gfx::kWhite;
}

} // namespace

Terrain terrainOf(std::string_view tileCode)
{
    // A code of two characters (every code a map cell holds) is looked up in a table made once
    // from the classes; any other text is searched for as the classes are written.
    static const std::vector<Terrain> byCode = [] {
        std::vector<Terrain> table(256 * 256);
        for (const TerrainClass& c : terrainClasses()) {
            const std::string_view codes(c.codes);
            for (std::size_t at = 1; at + 2 < codes.size(); at += 3)
                table[codeIndex(codes.substr(at, 2))] = c.terrain;
        }
        return table;
    }();
    if (tileCode.size() == 2)
        return byCode[codeIndex(tileCode)];
    Terrain t;
    const std::string marked = "*" + std::string(tileCode) + "*";
    for (const TerrainClass& c : terrainClasses()) {
        if (std::string_view(c.codes).find(marked) != std::string_view::npos)
            t = c.terrain;
    }
    return t;
}

void soldierTerrain(BattleState& s, int i)
{
    const int column = toInteger((s.SoldierX[i] + 10) / 20.0);
    const int row = toInteger((s.SoldierY[i] + 10) / 20.0);
    const Terrain t = terrainAt(s, column, row, {s.TerrainKind[i], s.WalkSpeed[i]});
    s.TerrainKind[i] = t.kind;
    s.WalkSpeed[i] = t.speed;
}

void EnemyTerrainPhase(BattleState& s)
{
    for (int e = 1; e <= MaxEnemies; ++e) {
        DollRecord& d = s.Dolls[e];
        const int column = intPart(d.X / 20.0) + 1;
        const int row = intPart(d.Y / 20.0) + 1;
        const Terrain t = terrainAt(s, column, row, {d.Terrain, d.Speed});
        d.Terrain = t.kind;
        d.Speed = t.speed;
    }
}

void walkStep(const BattleState& s, float& x, float& y, int dir, float speed)
{
    const int a = angleIndex(dir);
    const float newX = x + s.CosTable[a] * speed;
    const float newY = y - s.SinTable[a] * speed;
    if (x <= 0 || y <= 0) {
        x = newX;
        y = newY;
        return;
    }
    if (isWhite(s, newX, y))
        x = newX;
    if (isWhite(s, x, newY))
        y = newY;
}

void CameraPhase(Battle& battle)
{
    BattleState& s = *battle.state;
    const int viewW = battle.game.ViewWidth;
    const int viewH = battle.game.ViewHeight;
    const int maxX = s.MainFrame.width() - viewW - 2;
    const int maxY = s.MainFrame.height() - viewH - 2;
    if (s.CameraX > maxX)
        s.CameraX = maxX;
    if (s.CameraY > maxY)
        s.CameraY = maxY;
    if (s.CameraX < 1)
        s.CameraX = 1;
    if (s.CameraY < 1)
        s.CameraY = 1;
    const float leaderX = s.SoldierX[1];
    const float leaderY = s.SoldierY[1];
    if (viewW / 2.0f + s.CameraX + 10 < leaderX)
        ++s.CameraX;
    if (viewW / 2.0f + s.CameraX - 10 > leaderX)
        --s.CameraX;
    if (viewH / 2.0f + s.CameraY + 10 < leaderY)
        ++s.CameraY;
    if (viewH / 2.0f + s.CameraY - 10 > leaderY)
        --s.CameraY;
}

} // namespace tolvar::battle
