#pragma once
// Missions shared by the mission file tests.

#include "mission_editor/files/mission_model.h"
#include "mission_editor/files/mission_writer.h"

#include "platform/text/text_file.h"

#include <string>
#include <vector>

namespace plotwright::testing {

inline std::string fixturePath(const std::string& name)
{
    return std::string(SUITE_FIXTURES) + "/" + name;
}

inline std::string fixtureBytes(const std::string& name)
{
    std::string bytes;
    platform::text::readFile(fixturePath(name), bytes);
    return bytes;
}

inline std::string joinLines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

inline std::vector<std::string> linesOf(const std::string& bytes)
{
    return platform::text::splitLines(bytes);
}

// A mission with something in every section: a 30 x 27 map of several tiles, objects, enemies,
// a placed troop, two animations with a freed slot between them, an AI animation, two
// conditions with a gap in their numbers, and a brief with commas.
inline MissionModel richMission()
{
    MissionModel m;
    m.MissionTitle = "Bridge at dawn";
    m.MissionAuthor = "R. Lenz";
    m.MapWidth = 30;
    m.MapHeight = 27;
    for (int x = 1; x <= 30; ++x) {
        for (int y = 1; y <= 27; ++y) {
            m.Map(x, y) = (x * 7 + y * 3) % 110 == 0 ? "6E" : std::to_string(10 + (x + y) % 50);
        }
    }
    m.ObjList.add("04,10,10");
    m.ObjList.add("01,05,07");
    m.ObjList.add("02,30,27");
    m.DollList.add("03,12,04,Patrol,0");
    m.DollList.add("04,01,02,None,1");
    m.TroopPos = "Position: 09,04";
    m.TroopSizeCombo = 9;
    m.TroopTeamCombo = 2;
    m.TroopAlignCombo = 5;
    m.TroopViewCombo = 7;
    m.TroopClipNum = 7;

    m.AnimName[1] = "Intro";
    m.AnimTask(1, 1) = "0000,04,Hold here, men, until dawn";
    m.AnimTask(1, 2) = "0010,01,05,07";
    m.AnimTask(1, 3) = "Fim ,06";
    m.AnimName[3] = "Empty one";
    m.AnimationList.add("Intro");
    m.AnimationList.add("Empty one");

    m.AiAnimName[1] = "Patrol";
    m.AiAnimTask(1, 1) = "0003,08";
    m.AiAnimTask(1, 2) = "0150,10";
    m.AnimationAIList.add("Patrol");

    m.CondNameList.add(conditionName(3));
    m.CondNameList.add(conditionName(1));
    m.CondOnce[1] = 0;
    m.CondIf(1, 1) = "02,09,04";
    m.CondIf(1, 2) = "08,12,04,20,20";
    m.CondDo(1, 1) = "02,Well done, soldier";
    m.CondDo(1, 2) = "11,03,12,04,Patrol";
    m.CondIf(3, 1) = "06,100";
    m.CondDo(3, 1) = "03";

    m.MissionBrief = "Take the bridge, hold it, and wait.";
    m.CurAnim = 1;
    m.CurAiAnim = 1;
    return m;
}

} // namespace plotwright::testing
