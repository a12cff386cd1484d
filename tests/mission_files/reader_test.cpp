#include "mission_samples.h"

#include "mission_editor/files/mission_reader.h"
#include "mission_editor/files/mission_writer.h"

#include "platform/text/vb.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace plotwright {
namespace {

using testing::fixtureBytes;
using testing::fixturePath;
using testing::joinLines;
using testing::linesOf;
using testing::richMission;

std::vector<std::string> smallestLines()
{
    return linesOf(missionFileBytes(MissionModel{}));
}

// The smallest mission with extra lines just before "<Fim>".
std::string smallestWith(const std::vector<std::string>& extra)
{
    std::vector<std::string> lines = smallestLines();
    lines.insert(lines.end() - 1, extra.begin(), extra.end());
    return joinLines(lines);
}

// The smallest mission with the line at `index` replaced.
std::string smallestReplacing(std::size_t index, const std::string& line)
{
    std::vector<std::string> lines = smallestLines();
    lines.at(index) = line;
    return joinLines(lines);
}

std::vector<std::string> animationBlock(const std::string& name, int lines, bool ai = false)
{
    std::vector<std::string> block{(ai ? "<AniAI-" : "<Anim-") + name + ">"};
    for (int i = 0; i < lines; ++i) {
        block.push_back("\"" + vb::zeroPad(i, 4) + ",09\"");
    }
    block.push_back(ai ? "<-AniAI>" : "<-Anim>");
    return block;
}

std::vector<std::string> conditionBlock(const std::string& header, int ifLines, int doLines)
{
    std::vector<std::string> block{header, " 1 ", "<Se>"};
    for (int i = 0; i < ifLines; ++i) {
        block.push_back("\"06,0" + std::to_string(i % 10) + "\"");
    }
    block.push_back("<-Se>");
    block.push_back("<Faz>");
    for (int i = 0; i < doLines; ++i) {
        block.push_back("\"03\"");
    }
    block.push_back("<-Faz>");
    block.push_back("<-Cond>");
    return block;
}

template <typename... Blocks> std::vector<std::string> concat(const Blocks&... blocks)
{
    std::vector<std::string> all;
    (all.insert(all.end(), blocks.begin(), blocks.end()), ...);
    return all;
}

TEST(MissionReader, RichMissionRoundTripsByteForByte)
{
    const std::string bytes = missionFileBytes(richMission());
    const auto read = readMission(bytes, MissionModel{}, "bridge");
    ASSERT_TRUE(read);
    EXPECT_EQ(missionFileBytes(*read), bytes);

    EXPECT_EQ(read->MissionTitle, "Bridge at dawn");
    EXPECT_EQ(read->MissionFile, "bridge");
    EXPECT_EQ(read->MapWidth, 30);
    EXPECT_EQ(read->MapHeight, 27);
    EXPECT_EQ(read->ObjList.items(), (std::vector<std::string>{"01,05,07", "02,30,27", "04,10,10"}));
    EXPECT_EQ(read->DollList.at(0), "03,12,04,Patrol,0");
    EXPECT_EQ(read->TroopPos, "Position: 09,04");
    EXPECT_EQ(read->TroopSizeCombo, 9);
    EXPECT_EQ(read->TroopTeamCombo, 2);
    EXPECT_EQ(read->TroopAlignCombo, 5);
    EXPECT_EQ(read->TroopViewCombo, 7);
    EXPECT_EQ(read->TroopClipNum, 7);
    // Animations are read into slots from 1 on, freed slots closing up.
    EXPECT_EQ(read->AnimName[2], "Empty one");
    EXPECT_EQ(read->AnimTask(2, 1), "");
    EXPECT_EQ(read->AnimTask(1, 1), "0000,04,Hold here, men, until dawn");
    EXPECT_EQ(read->AnimationList.items(), (std::vector<std::string>{"Intro", "Empty one"}));
    EXPECT_EQ(read->AiAnimTask(1, 2), "0150,10");
    EXPECT_EQ(read->CondNameList.items(), (std::vector<std::string>{"Cond 001", "Cond 003"}));
    EXPECT_EQ(read->CondOnce[1], 0);
    EXPECT_EQ(read->CondOnce[3], 1);
    EXPECT_EQ(read->CondDo(1, 2), "11,03,12,04,Patrol");
    EXPECT_EQ(read->MissionBrief, "Take the bridge, hold it, and wait.");
    EXPECT_EQ(read->CurAnim, 1);
    EXPECT_EQ(read->CurAiAnim, 1);
    EXPECT_TRUE(read->TaskList.empty()) << "the form fills the line lists when it selects";
}

TEST(MissionReader, ReadingReplacesScriptsAndListsOfTheCurrentMission)
{
    MissionModel current = richMission();
    current.Map(45, 40) = "2B";
    current.TaskList.add("0001,09");
    current.IfList.add("01,05");
    const auto read = readMission(fixtureBytes("smallest.cfm"), current, "Untitled");
    ASSERT_TRUE(read);
    EXPECT_EQ(missionFileBytes(*read), fixtureBytes("smallest.cfm"));
    EXPECT_EQ(read->Map(45, 40), "2B") << "cells outside the file's map keep their tiles";
    EXPECT_TRUE(read->TaskList.empty() && read->IfList.empty() && read->ObjList.empty());
    EXPECT_EQ(read->AnimName[1], "");
    EXPECT_EQ(read->CondIf(1, 1), "");
    EXPECT_EQ(read->CondOnce[1], 1);
    EXPECT_EQ(read->MissionBrief, "");
}

TEST(MissionReader, ObjectsFollowedByEndLeaveTroopAsItWas)
{
    MissionModel current;
    current.TroopPos = "Position: 07,07";
    current.TroopTeamCombo = 4;
    current.DollList.add("01,01,01,None,0");
    const auto read = readMission(fixtureBytes("objects_then_end.cfm"), current, "short");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->MissionTitle, "Short");
    EXPECT_EQ(read->ObjList.items(), (std::vector<std::string>{"02,03,12"}));
    EXPECT_TRUE(read->DollList.empty());
    EXPECT_EQ(read->TroopPos, "Position: 07,07");
    EXPECT_EQ(read->TroopTeamCombo, 4);
}

TEST(MissionReader, LoneConditionSevenIsIndexedByItsNumber)
{
    const auto read = readMission(smallestWith({"<Cond 007>", " 0 ", "<Se>", "\"02,04,05\"", "<-Se>", "<Faz>",
                                                "\"04\"", "<-Faz>", "<-Cond>"}),
                                  MissionModel{}, "seven");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->CondNameList.items(), (std::vector<std::string>{"Cond 007"}));
    EXPECT_EQ(read->CondIf(7, 1), "02,04,05");
    EXPECT_EQ(read->CondDo(7, 1), "04");
    EXPECT_EQ(read->CondOnce[7], 0);
    EXPECT_EQ(read->CondIf(1, 1), "");
}

TEST(MissionReader, LimitsOfTheFileAreAccepted)
{
    std::vector<std::string> lines = smallestLines();
    auto objectsEnd = std::find(lines.begin(), lines.end(), "<-Objts>");
    lines.insert(objectsEnd, 50, "\"01,02,03\"");
    auto enemiesEnd = std::find(lines.begin(), lines.end(), "<-Inimigos>");
    lines.insert(enemiesEnd, 50, "\"04,02,03,None,0\"");
    std::vector<std::string> scripts;
    for (int a = 1; a <= 40; ++a) {
        const auto block = animationBlock("A" + std::to_string(a), a == 40 ? 50 : 0);
        scripts.insert(scripts.end(), block.begin(), block.end());
    }
    for (int n = 1; n <= 100; ++n) {
        const auto block = conditionBlock("<" + conditionName(n) + ">", 10, 10);
        scripts.insert(scripts.end(), block.begin(), block.end());
    }
    lines.insert(lines.end() - 1, scripts.begin(), scripts.end());
    lines[3] = "50";
    lines[4] = "50";
    lines.erase(lines.begin() + 7, lines.begin() + 7 + 25);
    lines.insert(lines.begin() + 7, 50, std::string(100, '1'));

    const auto read = readMission(joinLines(lines), MissionModel{}, "full");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->ObjList.count(), 50);
    EXPECT_EQ(read->DollList.count(), 50);
    EXPECT_EQ(read->AnimName[40], "A40");
    EXPECT_EQ(read->AnimTask(40, 50), "0049,09");
    EXPECT_EQ(read->CondNameList.count(), 100);
    EXPECT_EQ(read->CondDo(100, 10), "03");
    EXPECT_EQ(read->Map(50, 50), "11");
    EXPECT_EQ(missionFileBytes(*read), joinLines(lines));
}

TEST(MissionReader, TroopCodesSelectTheirEntries)
{
    // Line positions of the troop section in the smallest file: size, team, alignment, view, clips.
    const std::size_t size = 7 + 25 + 7;
    std::vector<std::string> lines = smallestLines();
    lines[size] = "\"10\"";
    lines[size + 1] = "\"05\"";
    lines[size + 2] = "\"03\"";
    lines[size + 3] = "\"08\"";
    lines[size + 4] = "\"7\"";
    const auto read = readMission(joinLines(lines), MissionModel{}, "troop");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->TroopSizeCombo, 9);
    EXPECT_EQ(read->TroopTeamCombo, 4);
    EXPECT_EQ(read->TroopAlignCombo, 2);
    EXPECT_EQ(read->TroopViewCombo, 7);
    EXPECT_EQ(read->TroopClipNum, 7);
}

TEST(MissionReader, LinuxLineEndsAreAccepted)
{
    std::string bytes = missionFileBytes(richMission());
    std::string lf;
    for (char c : bytes) {
        if (c != '\r') {
            lf += c;
        }
    }
    const auto read = readMission(lf, MissionModel{}, "lf");
    ASSERT_TRUE(read);
    EXPECT_EQ(missionFileBytes(*read), bytes);
}

struct BadFile
{
    const char* what;
    std::string bytes;
};

std::vector<BadFile> badFiles()
{
    const std::vector<std::string> small = smallestLines();
    std::vector<std::string> noEnd = small;
    noEnd.pop_back();
    std::string binary;
    for (int i = 0; i < 2000; ++i) {
        binary += static_cast<char>((i * 131 + 7) % 256);
    }
    std::vector<std::string> fortyOne;
    for (int a = 1; a <= 41; ++a) {
        const auto block = animationBlock("A" + std::to_string(a), 1);
        fortyOne.insert(fortyOne.end(), block.begin(), block.end());
    }
    std::vector<std::string> unclosedObjects(small.begin(), small.begin() + 7 + 25 + 2);
    unclosedObjects.push_back("\"01,01,01\"");
    std::vector<std::string> objects51 = small;
    objects51.insert(std::find(objects51.begin(), objects51.end(), "<-Objts>"), 51, "\"01,02,03\"");
    std::vector<std::string> enemies51 = small;
    enemies51.insert(std::find(enemies51.begin(), enemies51.end(), "<-Inimigos>"), 51, "\"04,02,03,None,0\"");
    return {
        {"empty", ""},
        {"binary", binary},
        {"only the first tag", "<Info>\r\n"},
        {"ends after the troop", joinLines(noEnd)},
        {"line after the end", joinLines(small) + "<Tropa>\r\n"},
        {"second end line", joinLines(small) + "<Fim>\r\n"},
        {"empty line after the end", joinLines(small) + "\r\n"},
        {"objects not closed", joinLines(unclosedObjects)},
        {"51 objects", joinLines(objects51)},
        {"51 enemies", joinLines(enemies51)},
        {"width below 25", smallestReplacing(3, "24")},
        {"height above 50", smallestReplacing(4, "51")},
        {"width not a number", smallestReplacing(3, "wide")},
        {"troop size 11", smallestReplacing(7 + 25 + 7, "\"11\"")},
        {"team 00", smallestReplacing(7 + 25 + 8, "\"00\"")},
        {"team 06", smallestReplacing(7 + 25 + 8, "\"06\"")},
        {"view 09", smallestReplacing(7 + 25 + 10, "\"09\"")},
        {"clips 8", smallestReplacing(7 + 25 + 11, "\"8\"")},
        {"41 animations", smallestWith(fortyOne)},
        {"51 task lines", smallestWith(animationBlock("Long", 51))},
        {"animation not closed", smallestWith({"<Anim-Open>", "\"0000,09\""})},
        {"animation without a name", smallestWith(animationBlock("", 1))},
        {"51 AI task lines", smallestWith(animationBlock("Long", 51, true))},
        {"AI animation not closed", smallestWith({"<AniAI-Open>"})},
        {"11 If lines", smallestWith(conditionBlock("<Cond 001>", 11, 0))},
        {"11 Do lines", smallestWith(conditionBlock("<Cond 001>", 0, 11))},
        {"condition 000", smallestWith(conditionBlock("<Cond 000>", 1, 1))},
        {"condition 101", smallestWith(conditionBlock("<Cond 101>", 1, 1))},
        {"condition header of another form", smallestWith(conditionBlock("<Cond 7>", 1, 1))},
        {"condition twice",
         smallestWith(concat(conditionBlock("<Cond 004>", 1, 1), conditionBlock("<Cond 004>", 1, 1)))},
        {"brief without its closing tag", smallestWith({"<Resumo>"})},
    };
}

TEST(MissionReader, BadFilesGiveNothing)
{
    for (const BadFile& bad : badFiles()) {
        EXPECT_FALSE(readMission(bad.bytes, MissionModel{}, "bad")) << bad.what;
    }
}

TEST(MissionReader, EveryCutBeforeTheEndIsBad)
{
    // Cut after every line, and inside every line, up to the end line itself.
    const std::string bytes = missionFileBytes(richMission());
    const std::size_t endLine = bytes.rfind("<Fim>");
    for (std::size_t cut = 0; cut < endLine + 5; cut = bytes.find('\n', cut + 1) + 1) {
        ASSERT_FALSE(readMission(bytes.substr(0, cut), MissionModel{}, "cut")) << "cut at byte " << cut;
        if (cut > 2) {
            ASSERT_FALSE(readMission(bytes.substr(0, cut - 3), MissionModel{}, "cut"))
                << "cut at byte " << cut - 3;
        }
    }
    EXPECT_TRUE(readMission(bytes.substr(0, endLine + 5), MissionModel{}, "cut"))
        << "a last line without CR LF";
}

TEST(MissionOpen, BadFileLeavesTheWholeMissionUntouched)
{
    QTemporaryDir dir;
    MissionModel current = richMission();
    current.MissionFile = "bridge";
    current.TaskList.add("0000,04,Hold here, men, until dawn");
    current.Modified = true;
    const MissionModel before = current;
    int i = 0;
    for (const BadFile& bad : badFiles()) {
        const std::string path = dir.path().toStdString() + "/bad" + std::to_string(i++) + ".cfm";
        ASSERT_TRUE(platform::text::writeFileAtomic(path, bad.bytes).ok);
        const OpenResult result = openMission(current, path, "bad");
        EXPECT_FALSE(result.ok) << bad.what;
        EXPECT_EQ(result.message, "This file is corrupted or it isn't a mission.");
        EXPECT_TRUE(current == before) << bad.what;
    }
    const OpenResult missing = openMission(current, dir.path().toStdString() + "/missing.cfm", "missing");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "The mission missing could not be read.");
    EXPECT_TRUE(current == before);

    // A FIFO or a folder in a mission's place reads as a missing mission, at once: the alarm ends
    // a test that would wait for a writer.
    const std::string fifo = dir.path().toStdString() + "/fifo.cfm";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cfm"));
    ::alarm(10);
    for (const char* special : {"fifo", "folder"}) {
        const OpenResult result =
            openMission(current, dir.path().toStdString() + "/" + special + ".cfm", special);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, std::string("The mission ") + special + " could not be read.");
        EXPECT_FALSE(previewMissionFile(dir.path().toStdString() + "/" + special + ".cfm")) << special;
    }
    ::alarm(0);
    EXPECT_TRUE(current == before);
}

TEST(MissionOpen, GoodFileReplacesTheMissionAndClearsModified)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/Alpha.CFM";
    ASSERT_TRUE(platform::text::writeFileAtomic(path, missionFileBytes(richMission())).ok);
    MissionModel current;
    current.Modified = true;
    current.NeedRedraw = false;
    const OpenResult result = openMission(current, path, missionNameOfFile("Alpha.CFM"));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(current.MissionFile, "Alpha");
    EXPECT_EQ(current.MissionTitle, "Bridge at dawn");
    EXPECT_FALSE(current.Modified);
    EXPECT_TRUE(current.NeedRedraw);
}

TEST(MissionPreview, ShowsTheHeaderLines)
{
    const MissionPreview full = previewMissionFile(fixturePath("smallest.cfm")).value();
    EXPECT_EQ(full.t1, "Nome:  Untitled ");
    EXPECT_EQ(full.t4, "Autor:   ");
    EXPECT_EQ(full.t2, "Largura: 25");
    EXPECT_EQ(full.t3, "Altura: 25");

    const MissionPreview shortFile = previewMission("<Info>\r\n\"Half\r\n");
    EXPECT_EQ(shortFile.t1, "Nome:  Half");
    EXPECT_FALSE(shortFile.t4 || shortFile.t2 || shortFile.t3);

    const MissionPreview lone = previewMission("x\r\n\"\r\n");
    EXPECT_EQ(lone.t1, "Nome:  ");

    const MissionPreview none = previewMission("");
    EXPECT_FALSE(none.t1 || none.t4 || none.t2 || none.t3);
    EXPECT_FALSE(previewMissionFile(fixturePath("no such file.cfm")));
}

} // namespace
} // namespace plotwright
