#pragma once
// Builds one demo mission in the mission editor's own model, as an author would in the editor:
// the header and brief, the painted map, objects, enemies and troop, the scripted animations,
// AI animations and conditions. Lines go into the model in the order the editor keeps them
// (its task and condition lists are sorted), so the editor saves the mission back unchanged.
// Anything the editor or the game could not take whole is refused with an exception.

#include "tools/make_demo/map_painter.h"

#include "mission_editor/files/mission_model.h"

#include <string>
#include <vector>

namespace make_demo {

enum class Object { Barrel = 1, Mine = 2, Suitcase = 3, Crate = 4 };
enum class Team { Green = 1, Blue = 2, Elite = 3, Gray = 4, Hooded = 5 };
// Headings as the game turns the troop's codes into them.
enum class Heading {
    East = 1,
    NorthEast = 2,
    North = 3,
    NorthWest = 4,
    West = 5,
    SouthWest = 6,
    South = 7,
    SouthEast = 8
};

// The longest text the battle can show on one line of its 320-pixel view.
inline constexpr std::size_t MaxScreenText = 52;

class MissionBuilder
{
public:
    MissionBuilder(std::string file, std::string title, int width, int height);

    const std::string& file() const { return m_file; }
    MapPainter& map() { return m_map; }

    void author(std::string name);
    void brief(std::string text);

    // Places an object or an enemy and returns its reference for the conditions ("TT,XX,YY").
    std::string object(Object kind, int x, int y);
    std::string enemy(Team team, int x, int y, std::string aiAnimation = "None", bool waitForTrigger = false);

    void troop(int x, int y, int size, Team team, Heading alignment, Heading view, int clips);

    void animation(const std::string& name, const std::vector<std::string>& lines);
    void aiAnimation(const std::string& name, const std::vector<std::string>& lines);
    // A condition with the next free number; `once`: it acts a single time.
    void condition(bool once, const std::vector<std::string>& ifLines,
                   const std::vector<std::string>& doLines);

    // The finished mission (the map's roads settled).
    plotwright::MissionModel model();

private:
    void checkCell(int x, int y) const;

    std::string m_file;
    MapPainter m_map;
    plotwright::MissionModel m_model;
    int m_conditions = 0;
};

} // namespace make_demo
