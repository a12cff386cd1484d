#include "mission_samples.h"

#include "mission_editor/files/mission_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>

#include <csignal>
#include <sys/resource.h>

namespace plotwright {
namespace {

using testing::fixtureBytes;
using testing::linesOf;

// The lines of the file from the first one equal to `from` up to and including `to`.
std::vector<std::string> section(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to)
{
    auto begin = std::find(lines.begin(), lines.end(), from);
    auto end = std::find(begin, lines.end(), to);
    return end == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(begin, end + 1);
}

TEST(MissionWriter, NewMissionGivesTheSmallestFile)
{
    const std::string bytes = missionFileBytes(MissionModel{});
    EXPECT_EQ(bytes, fixtureBytes("smallest.cfm"));
    EXPECT_EQ(linesOf(bytes).size(), 21u + 25u);
}

TEST(MissionWriter, MapRowsFollowTheSizeAndPadTileCodes)
{
    MissionModel m;
    m.MapWidth = 50;
    m.MapHeight = 50;
    m.Map(1, 1) = "B";  // one digit as painted
    m.Map(2, 1) = "";   // no tile
    m.Map(3, 1) = "6e"; // letter case of a hand-edited file
    m.Map(50, 50) = "2B";
    std::vector<std::string> lines = linesOf(missionFileBytes(m));
    EXPECT_EQ(lines.size(), 21u + 50u);
    const auto map = section(lines, "<Map>", "<-Map>");
    ASSERT_EQ(map.size(), 52u);
    for (std::size_t i = 1; i <= 50; ++i) {
        EXPECT_EQ(map[i].size(), 100u);
    }
    EXPECT_EQ(map[1].substr(0, 8), "0B006E01");
    EXPECT_EQ(map[50].substr(98), "2B");

    m.MapWidth = 25;
    m.MapHeight = 30;
    lines = linesOf(missionFileBytes(m));
    EXPECT_EQ(lines.size(), 21u + 30u);
    std::string firstRow = "0B006E";
    for (int x = 4; x <= 25; ++x) {
        firstRow += "01";
    }
    EXPECT_EQ(section(lines, "<Map>", "<-Map>")[1], firstRow);
}

TEST(MissionWriter, TroopSectionTakesCodesOfTheSelections)
{
    struct Case
    {
        int size;
        std::string sizeLine;
    };
    for (const Case& c : {Case{9, "\"10\""}, Case{3, "\"4 \""}, Case{0, "\"1 \""}}) {
        MissionModel m;
        m.TroopSizeCombo = c.size;
        m.TroopTeamCombo = 4;
        m.TroopAlignCombo = 7;
        m.TroopViewCombo = 1;
        m.TroopClipNum = 0;
        m.TroopPos = "Position: 12,34";
        const auto troop = section(linesOf(missionFileBytes(m)), "<Tropa>", "<-Tropa>");
        EXPECT_EQ(troop, (std::vector<std::string>{"<Tropa>", "\"12,34\"", c.sizeLine, "\"05\"", "\"08\"",
                                                   "\"02\"", "\"0\"", "<-Tropa>"}));
    }
}

TEST(MissionWriter, EmptyScriptBlocksStillHaveTheirTags)
{
    MissionModel m;
    m.AnimName[1] = "Nothing yet";
    m.AnimationList.add("Nothing yet");
    m.CondNameList.add("Cond 001");
    m.CondOnce[1] = 0;
    const auto lines = linesOf(missionFileBytes(m));
    EXPECT_EQ(section(lines, "<Anim-Nothing yet>", "<-Anim>"),
              (std::vector<std::string>{"<Anim-Nothing yet>", "<-Anim>"}));
    EXPECT_EQ(section(lines, "<Cond 001>", "<-Cond>"),
              (std::vector<std::string>{"<Cond 001>", " 0 ", "<Se>", "<-Se>", "<Faz>", "<-Faz>", "<-Cond>"}));
}

TEST(MissionWriter, AnimationsInSlotOrderSkippingFreedSlots)
{
    MissionModel m;
    for (int slot = 1; slot <= 5; ++slot) {
        m.AnimName[slot] = "A" + std::to_string(slot);
        m.AnimTask(slot, 1) = "000" + std::to_string(slot) + ",09";
        m.AiAnimName[slot] = "B" + std::to_string(slot);
    }
    m.AnimName[3].clear(); // removed; its lines may still stand
    m.AnimTask(1, 2) = "";
    m.AnimTask(1, 3) = "0099,09"; // after the ending line: not part of the animation
    const auto lines = linesOf(missionFileBytes(m));
    std::vector<std::string> headers;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(headers),
                 [](const std::string& l) { return l.starts_with("<Anim-") || l.starts_with("<AniAI-"); });
    EXPECT_EQ(headers,
              (std::vector<std::string>{"<Anim-A1>", "<Anim-A2>", "<Anim-A4>", "<Anim-A5>", "<AniAI-B1>",
                                        "<AniAI-B2>", "<AniAI-B3>", "<AniAI-B4>", "<AniAI-B5>"}));
    EXPECT_EQ(section(lines, "<Anim-A1>", "<-Anim>"),
              (std::vector<std::string>{"<Anim-A1>", "\"0001,09\"", "<-Anim>"}));
}

TEST(MissionWriter, ConditionsByListOrderWithTheirOwnRows)
{
    MissionModel m;
    for (int n = 1; n <= 3; ++n) {
        m.CondNameList.add(conditionName(n));
        m.CondIf(n, 1) = "06,0" + std::to_string(n);
    }
    m.CondOnce[3] = 0;
    m.CondNameList.removeAt(m.CondNameList.indexOf("Cond 002"));

    auto lines = linesOf(missionFileBytes(m));
    EXPECT_TRUE(section(lines, "<Cond 002>", "<-Cond>").empty());
    EXPECT_EQ(section(lines, "<Cond 003>", "<-Cond>")[1], " 0 ");
    EXPECT_EQ(section(lines, "<Cond 003>", "<-Cond>")[3], "\"06,03\"");

    // A new condition takes the freed number and sorts between the other two.
    m.CondIf(2, 1) = "";
    m.CondDo(2, 1) = "07";
    m.CondNameList.add(conditionName(2));
    lines = linesOf(missionFileBytes(m));
    std::vector<std::string> headers;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(headers),
                 [](const std::string& l) { return l.starts_with("<Cond "); });
    EXPECT_EQ(headers, (std::vector<std::string>{"<Cond 001>", "<Cond 002>", "<Cond 003>"}));
    EXPECT_EQ(section(lines, "<Cond 002>", "<-Cond>"),
              (std::vector<std::string>{"<Cond 002>", " 1 ", "<Se>", "<-Se>", "<Faz>", "\"07\"", "<-Faz>",
                                        "<-Cond>"}));
}

TEST(MissionWriter, TextsKeepCommasAndStayOnOneLine)
{
    MissionModel m;
    m.AnimName[1] = "Talk";
    m.AnimTask(1, 1) = "0005,05,Go, go, go!";
    m.MissionBrief = "Line one\r\nline two";
    m.MissionTitle = "Two\nlines";
    const auto lines = linesOf(missionFileBytes(m));
    EXPECT_EQ(section(lines, "<Anim-Talk>", "<-Anim>")[1], "\"0005,05,Go, go, go!\"");
    EXPECT_EQ(section(lines, "<Resumo>", "<-Resumo>"),
              (std::vector<std::string>{"<Resumo>", "\"Line one  line two\"", "<-Resumo>"}));
    EXPECT_EQ(lines[1], "\"Two lines\"");
    EXPECT_EQ(lines.back(), "<Fim>");
}

TEST(MissionSave, StoresShownLinesAndPlacesTroopThenWritesWhole)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/alpha.cfm";
    MissionModel m;
    m.AnimName[2] = "Shown";
    m.AnimationList.add("Shown");
    m.CurAnim = 2;
    m.TaskList.add("0001,09");
    ASSERT_TRUE(saveMission(m, path).ok);
    EXPECT_EQ(m.AnimTask(2, 1), "0001,09");
    EXPECT_EQ(m.TroopPos, "Position: 01,01");
    std::string written;
    ASSERT_TRUE(platform::text::readFile(path, written));
    EXPECT_EQ(written, missionFileBytes(m));
    EXPECT_NE(written.find("\"0001,09\""), std::string::npos);
}

// A write that fails part way, as on a full disk (here a file size limit, which holds for the
// superuser too), reports why and leaves the previous file exactly as it was.
TEST(MissionSave, FailedWriteReportsAndKeepsThePreviousFile)
{
    QTemporaryDir dir;
    MissionModel m;
    const auto missing = saveMission(m, dir.path().toStdString() + "/no/such/folder/x.cfm");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.empty());

    const std::string path = dir.path().toStdString() + "/alpha.cfm";
    ASSERT_TRUE(platform::text::writeFileAtomic(path, "old").ok);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024; // a mission file is several times larger
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = saveMission(m, path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "File too large");
    std::string kept;
    ASSERT_TRUE(platform::text::readFile(path, kept));
    EXPECT_EQ(kept, "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
} // namespace plotwright
