// The demo campaign shipped in arquivos/campanha: its campaign file names missions that exist and
// a squad large enough for them; every mission loads whole, names only things it holds, places
// nothing on blocking ground, plays its opening and hands the troop back unharmed; and each
// mission can be won and lost through the battle's own rules.

#include "frame_harness.h"

#include "game/battle/enemy_ai.h"
#include "game/battle/scripted_animations.h"
#include "game/battle/troop_orders.h"
#include "platform/gfx/picture.h"
#include "platform/text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace tolvar::battle;
using battle_test::FrameHarness;

namespace {

const std::string CampaignFolder = std::string(SUITE_SOURCE_DIR) + "/arquivos/campanha/";
const char* const Missions[] = {"ironwood1_mill_road", "ironwood2_harlow_bridge", "ironwood3_greywater",
                                "ironwood4_depot"};

std::string fileBytes(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(platform::text::readFile(path, bytes)) << path;
    return bytes;
}

std::string missionBytes(const std::string& name)
{
    return fileBytes(CampaignFolder + name + ".cfm");
}

std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> out;
    platform::text::TextReader reader(bytes);
    while (!reader.atEnd())
        out.push_back(reader.readLine());
    return out;
}

std::string unquoted(const std::string& line)
{
    return line.substr(1, line.size() - 2);
}

// What a mission file holds, counted from its lines.
struct FileCounts
{
    std::vector<std::string> objects, enemies, troop;
    std::vector<int> animLines, aiLines; // lines per block, in file order
    std::vector<int> conditions;         // condition numbers
    std::string summary;
};

FileCounts countFile(const std::string& bytes)
{
    FileCounts c;
    std::vector<std::string>* list = nullptr;
    std::vector<int>* block = nullptr;
    bool summary = false;
    for (const std::string& l : lines(bytes)) {
        if (l == "<Objts>")
            list = &c.objects;
        else if (l == "<Inimigos>")
            list = &c.enemies;
        else if (l == "<Tropa>")
            list = &c.troop;
        else if (l.starts_with("<-Objts") || l.starts_with("<-Inimigos") || l.starts_with("<-Tropa"))
            list = nullptr;
        else if (l.starts_with("<Anim-"))
            (block = &c.animLines)->push_back(0);
        else if (l.starts_with("<AniAI-"))
            (block = &c.aiLines)->push_back(0);
        else if (l == "<-Anim>" || l == "<-AniAI>")
            block = nullptr;
        else if (l.starts_with("<Cond "))
            c.conditions.push_back(std::stoi(l.substr(6, 3)));
        else if (l == "<Resumo>")
            summary = true;
        else if (summary) {
            c.summary = unquoted(l);
            summary = false;
        } else if (list)
            list->push_back(unquoted(l));
        else if (block)
            ++block->back();
    }
    return c;
}

// A battle of one demo mission, with the texts it shows recorded.
struct DemoBattle
{
    explicit DemoBattle(const std::string& name)
    {
        h.whileTextShown = [this] {
            const std::string& text = h.s().ScreenText.text;
            if (texts.empty() || texts.back() != text)
                texts.push_back(text);
        };
        h.start(missionBytes(name));
    }
    BattleState& s() { return h.s(); }

    // Runs frames until the scripted opening has taken the troop and given it back.
    void playOpening()
    {
        int frames = 0;
        while (!s().InputLocked && frames < 5) {
            h.frames();
            ++frames;
        }
        ASSERT_TRUE(s().InputLocked) << "the opening never took the troop";
        while (s().InputLocked && frames < 1000) {
            h.frames();
            ++frames;
        }
        ASSERT_FALSE(s().InputLocked) << "the opening never gave the troop back";
    }

    // Runs frames until the mission is over, at most `limit`.
    void playToTheEnd(int limit = 400)
    {
        for (int i = 0; i < limit && !h.game.MissionOver; ++i)
            h.frames();
    }

    // Enemy slot whose item starts with the reference "TT,XX,YY".
    int enemy(const std::string& ref)
    {
        for (int e = 1; e <= MaxEnemies; ++e)
            if (s().Dolls[e].ItemText.starts_with(ref))
                return e;
        ADD_FAILURE() << "no enemy " << ref;
        return 1;
    }
    int object(const std::string& ref)
    {
        for (int o = 1; o <= MaxObjects; ++o) {
            const ObjectRawRow& raw = s().ObjectRaw[o];
            if (raw.kind + "," + raw.col + "," + raw.row == ref)
                return o - 1;
        }
        ADD_FAILURE() << "no object " << ref;
        return 0;
    }

    // A troop bullet standing on a point: the next frame's hit tests take it.
    void bulletAt(double x, double y)
    {
        BattleState& st = s();
        st.BulletIndex = st.BulletIndex % MaxBullets + 1;
        auto& row = st.Bullet[st.BulletIndex];
        row = {};
        row[0] = 1;
        row[1] = x;
        row[2] = y;
        row[5] = TroopBulletKind;
        row[7] = 1;
    }
    void shootEnemy(const std::string& ref)
    {
        const DollRecord& d = s().Dolls[enemy(ref)];
        bulletAt(d.X, d.Y);
        h.frames();
    }
    void shootObject(const std::string& ref)
    {
        const int o = object(ref);
        bulletAt(s().ObjX[o], s().ObjY[o]);
        h.frames();
    }
    // The leader put down in the middle of a cell.
    void leaderTo(int x, int y)
    {
        s().SoldierX[1] = static_cast<float>((x - 1) * 20 + 10);
        s().SoldierY[1] = static_cast<float>((y - 1) * 20 + 10);
        s().Moving[1] = 0;
    }
    // The player's right click on a cell; frames run until the leader stands there (an object in
    // the way stops him, and the player clicks again).
    void walkTo(int x, int y)
    {
        // A click lands within the view around the leader: far cells take several.
        const int fromX = static_cast<int>(s().SoldierX[1]) / 20 + 1,
                  fromY = static_cast<int>(s().SoldierY[1]) / 20 + 1;
        if (std::abs(x - fromX) > 6 || std::abs(y - fromY) > 4) {
            walkTo(fromX + std::clamp(x - fromX, -6, 6), fromY + std::clamp(y - fromY, -4, 4));
            if (s().TroopCount == 0)
                return;
        }
        const float tx = static_cast<float>((x - 1) * 20 + 10), ty = static_cast<float>((y - 1) * 20 + 10);
        for (int click = 0; click < 3 && s().TroopCount > 0; ++click) {
            h.pointAtMap(static_cast<int>(tx), static_cast<int>(ty));
            h.press(2);
            h.frames();
            h.release(2);
            for (int i = 0; i < 400 && s().TroopCount > 0 && s().Moving[1] == 1; ++i)
                h.frames();
            if (std::abs(s().SoldierX[1] - tx) < 3 && std::abs(s().SoldierY[1] - ty) < 3)
                return;
        }
    }
    // The player keeps the pointer on an enemy and holds the left button until it falls.
    bool fireAt(const std::string& ref)
    {
        const int e = enemy(ref);
        bool held = false;
        for (int i = 0; i < 300 && s().Dolls[e].State == DollActive && s().TroopCount > 0; ++i) {
            const DollRecord& d = s().Dolls[e];
            h.pointAtMap(static_cast<int>(d.X), static_cast<int>(d.Y));
            // Rounds are not wasted on an enemy beyond the rifles' reach.
            const bool inReach = std::hypot(d.X - s().SoldierX[1], d.Y - s().SoldierY[1]) < 130;
            if (inReach != held) {
                inReach ? h.press(1) : h.release(1);
                held = inReach;
            }
            h.frames();
        }
        h.release(1);
        return s().Dolls[e].State != DollActive;
    }

    // The same on an object, until it goes off.
    bool fireAtObject(const std::string& ref)
    {
        const int o = object(ref);
        h.pointAtMap(static_cast<int>(s().ObjX[o]), static_cast<int>(s().ObjY[o]));
        h.press(1);
        for (int i = 0; i < 300 && s().ObjState[o] == ObjectOnMap && s().TroopCount > 0; ++i) {
            h.pointAtMap(static_cast<int>(s().ObjX[o]), static_cast<int>(s().ObjY[o]));
            h.frames();
        }
        h.release(1);
        return s().ObjState[o] != ObjectOnMap;
    }

    bool shown(const std::string& text) const
    {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    FrameHarness h;
    std::vector<std::string> texts;
};

// --- The campaign file ---------------------------------------------------------------------

TEST(DemoCampaign, ListsItsMissionsInOrderAndASquadOfNamedSoldiersLargeEnoughForEach)
{
    const std::vector<std::string> l = lines(fileBytes(CampaignFolder + "Operation Ironwood.cfc"));
    ASSERT_GE(l.size(), 8u);
    EXPECT_EQ(l[1], "\"Operation Ironwood\"");
    EXPECT_NE(l[2], "\"\"") << "the campaign names its author";
    const auto miss = std::find(l.begin(), l.end(), "<Miss>");
    const auto missEnd = std::find(l.begin(), l.end(), "<-Miss>");
    const auto names = std::find(l.begin(), l.end(), "<Nomes>");
    const auto namesEnd = std::find(l.begin(), l.end(), "<-Nomes>");
    ASSERT_TRUE(miss < missEnd && missEnd < names && names < namesEnd && namesEnd + 1 == l.end());

    EXPECT_EQ(std::vector<std::string>(miss + 1, missEnd),
              std::vector<std::string>(std::begin(Missions), std::end(Missions)));
    EXPECT_EQ(l[3], " " + std::to_string(missEnd - miss - 1) + " ");

    const std::set<std::string> squad(names + 1, namesEnd);
    EXPECT_GE(squad.size(), 10u);
    EXPECT_EQ(squad.size(), static_cast<std::size_t>(namesEnd - names - 1)) << "names are unique";
    for (const std::string& name : squad)
        EXPECT_TRUE(!name.empty() && name.size() <= 15 && name.find(',') == std::string::npos) << name;
    // Missions grow: never fewer soldiers than the mission before, never more than the roster.
    int previous = 0;
    for (const char* mission : Missions) {
        const int size = std::stoi(countFile(missionBytes(mission)).troop.at(1));
        EXPECT_GE(size, previous) << mission;
        EXPECT_LE(size + 4, static_cast<int>(squad.size())) << mission << " leaves room for losses";
        previous = size;
    }
}

TEST(DemoCampaign, TogetherUsesEveryObjectTeamAndTerrainAndEveryKindOfConditionLine)
{
    std::set<std::string> objects, teams, ifKinds, doKinds, taskKinds, aiKinds, tiles;
    for (const char* mission : Missions) {
        const FileCounts file = countFile(missionBytes(mission));
        for (const std::string& o : file.objects)
            objects.insert(o.substr(0, 2));
        for (const std::string& e : file.enemies)
            teams.insert(e.substr(0, 2));
        teams.insert(file.troop.at(2));
        std::string section;
        for (const std::string& l : lines(missionBytes(mission))) {
            if (l.starts_with("<"))
                section = l.starts_with("<-") ? "" : l.substr(0, 5);
            else if (section == "<Map>")
                for (std::size_t i = 0; i + 1 < l.size(); i += 2)
                    tiles.insert(l.substr(i, 2));
            else if (section == "<Se>")
                ifKinds.insert(unquoted(l).substr(0, 2));
            else if (section == "<Faz>")
                doKinds.insert(unquoted(l).substr(0, 2));
            else if (section == "<Anim")
                taskKinds.insert(unquoted(l).substr(5, 2));
            else if (section == "<AniA")
                aiKinds.insert(unquoted(l).substr(5, 2));
        }
    }
    EXPECT_EQ(objects, (std::set<std::string>{"01", "02", "03", "04"}));
    EXPECT_EQ(teams, (std::set<std::string>{"01", "02", "03", "04", "05"}));
    EXPECT_EQ(ifKinds, (std::set<std::string>{"01", "02", "03", "04", "05", "06", "07", "08"}));
    EXPECT_EQ(doKinds,
              (std::set<std::string>{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"}));
    EXPECT_EQ(taskKinds, (std::set<std::string>{"01", "02", "03", "04", "05", "06", "07", "08", "09"}));
    for (const char* kind : {"01", "02", "03", "04", "05", "08", "09", "10"})
        EXPECT_TRUE(aiKinds.contains(kind)) << "AI kind " << kind;
    // Water, bridges, and ground that blocks: trees, walls, buildings.
    for (const char* tile : {"02", "2C", "11", "52", "59"})
        EXPECT_TRUE(tiles.contains(tile)) << "tile " << tile;
}

// --- Every mission ----------------------------------------------------------------------------

class DemoMission : public ::testing::TestWithParam<const char*>
{
};

INSTANTIATE_TEST_SUITE_P(Each, DemoMission, ::testing::ValuesIn(Missions));

TEST_P(DemoMission, LoadsWithNothingLostToTheLimits)
{
    const FileCounts file = countFile(missionBytes(GetParam()));
    DemoBattle b(GetParam());
    BattleState& s = b.s();

    EXPECT_EQ(std::count(s.ObjState.begin(), s.ObjState.end(), ObjectOnMap),
              static_cast<long>(file.objects.size()));
    EXPECT_EQ(std::count_if(s.Dolls.begin(), s.Dolls.end(),
                            [](const DollRecord& d) { return d.State == DollActive; }),
              static_cast<long>(file.enemies.size()));
    EXPECT_EQ(s.TroopCount, std::stoi(file.troop.at(1)));
    ASSERT_LE(file.animLines.size(), 40u);
    for (std::size_t a = 0; a < file.animLines.size(); ++a) {
        EXPECT_EQ(s.AnimState[a + 1], AnimIdle);
        EXPECT_FALSE(s.MissionAnimTask[a + 1][file.animLines[a]].empty());
    }
    for (std::size_t k = 0; k < file.aiLines.size(); ++k)
        EXPECT_FALSE(s.MissionAiTask[k + 1][file.aiLines[k]].empty());
    for (int n : file.conditions)
        EXPECT_EQ(s.CondState[n], 4) << "condition " << n;
    EXPECT_FALSE(file.summary.empty());
}

TEST_P(DemoMission, ScriptsNameOnlyWhatTheMissionHolds)
{
    DemoBattle b(GetParam());
    BattleState& s = b.s();
    auto animation = [&](const std::string& name) { return FindAnimation(s, name) > 0; };
    auto aiAnimation = [&](const std::string& name) {
        std::string lower(name);
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        return lower == "none" ||
               std::find(s.MissionAiName.begin(), s.MissionAiName.end(), lower) != s.MissionAiName.end();
    };
    auto enemyAt = [&](const std::string& cell) {
        return std::any_of(s.Dolls.begin() + 1, s.Dolls.end(), [&](const DollRecord& d) {
            return d.State == DollActive && d.ItemText.substr(3, 5) == cell;
        });
    };
    auto enemyRef = [&](const std::string& ref) {
        return std::any_of(s.Dolls.begin() + 1, s.Dolls.end(), [&](const DollRecord& d) {
            return d.State == DollActive && d.ItemText.starts_with(ref);
        });
    };
    auto objectRef = [&](const std::string& ref) {
        return std::any_of(s.ObjectRaw.begin() + 1, s.ObjectRaw.end(), [&](const ObjectRawRow& r) {
            return r.mark == 3 && r.kind + "," + r.col + "," + r.row == ref;
        });
    };
    for (int e = 1; e <= MaxEnemies; ++e)
        if (s.Dolls[e].State == DollActive) {
            EXPECT_TRUE(aiAnimation(s.Dolls[e].AiName)) << s.Dolls[e].ItemText;
        }
    for (int n = 1; n <= MaxConditions; ++n) {
        for (int j = 1; j <= MaxConditionLines; ++j) {
            const std::string& i = s.MissionCondIf[n][j];
            const std::string& d = s.MissionCondDo[n][j];
            const std::string ifKind = i.substr(0, std::min<std::size_t>(2, i.size()));
            const std::string doKind = d.substr(0, std::min<std::size_t>(2, d.size()));
            if (ifKind == "03") {
                EXPECT_TRUE(animation(i.substr(3))) << i;
            }
            if (ifKind == "04" || ifKind == "07") {
                EXPECT_TRUE(objectRef(i.substr(3))) << i;
            }
            if (ifKind == "05") {
                EXPECT_TRUE(enemyRef(i.substr(3))) << i;
            }
            if (ifKind == "08") {
                EXPECT_TRUE(enemyAt(i.substr(3, 5))) << i;
            }
            if (doKind == "05" || doKind == "06") {
                EXPECT_TRUE(animation(d.substr(3))) << d;
            }
            if (doKind == "08") {
                EXPECT_TRUE(objectRef(d.substr(3))) << d;
            }
            if (doKind == "09" || doKind == "10") {
                EXPECT_TRUE(enemyRef(d.substr(3))) << d;
            }
            if (doKind == "11") {
                EXPECT_TRUE(enemyRef(d.substr(3, 8))) << d;
                EXPECT_TRUE(aiAnimation(d.substr(12))) << d;
            }
        }
    }
}

TEST_P(DemoMission, PlacesNothingOnBlockingGround)
{
    DemoBattle b(GetParam());
    BattleState& s = b.s();
    auto open = [&](double x, double y) {
        return s.ColMap.pixel(static_cast<int>(x), static_cast<int>(y)) == platform::gfx::kWhite;
    };
    for (int i = 1; i <= s.TroopCount; ++i)
        EXPECT_TRUE(open(s.SoldierX[i], s.SoldierY[i])) << "soldier " << i;
    for (int o = 0; o < MaxObjects; ++o)
        if (s.ObjState[o] == ObjectOnMap) {
            EXPECT_TRUE(open(s.ObjX[o], s.ObjY[o])) << "object " << o + 1;
        }
    for (int e = 1; e <= MaxEnemies; ++e)
        if (s.Dolls[e].State == DollActive) {
            EXPECT_TRUE(open(s.Dolls[e].X, s.Dolls[e].Y)) << s.Dolls[e].ItemText;
        }
}

TEST_P(DemoMission, OpeningSpeaksStartsTheEnemiesAndHandsBackAnUnharmedTroop)
{
    DemoBattle b(GetParam());
    const int troop = b.s().TroopCount;
    b.playOpening();
    EXPECT_GE(b.texts.size(), 3u) << "speech and the objective";
    EXPECT_EQ(b.s().TroopCount, troop) << "nobody falls while the player cannot act";
    EXPECT_FALSE(b.h.game.MissionOver);
    EXPECT_FALSE(b.h.game.MissionWon || b.s().DefeatFlag);
    for (int e = 1; e <= MaxEnemies; ++e)
        if (b.s().Dolls[e].State == DollActive && b.s().Dolls[e].AiName != "None") {
            EXPECT_NE(b.s().AiState[e], AiNotStarted) << b.s().Dolls[e].ItemText;
        }
}

TEST_P(DemoMission, IsLostWhenTheWholeTroopFalls)
{
    DemoBattle b(GetParam());
    b.playOpening();
    while (b.s().TroopCount > 0)
        KillDoll(b.h.battle, 1);
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionOver);
    EXPECT_FALSE(b.h.game.MissionWon);
    EXPECT_EQ(b.h.game.CurrentMission, 1) << "a lost mission is played again";
}

// --- Each mission's own story -------------------------------------------------------------------

TEST(DemoMillRoad, IsWonByKillingEveryEnemy)
{
    DemoBattle b(Missions[0]);
    b.playOpening();
    for (const char* ref : {"04,24,12", "04,25,10", "04,32,14", "04,13,07"})
        b.shootEnemy(ref);
    b.h.frames(80);
    EXPECT_TRUE(b.shown("The bridge sentry is down. Cross over!"));
    EXPECT_FALSE(b.h.game.MissionWon) << "one enemy is still standing";
    b.shootEnemy("04,27,19");
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_TRUE(b.h.game.MissionOver);
    EXPECT_TRUE(b.shown("The mill road is clear. Well done, lads!"));
    EXPECT_EQ(b.h.game.CurrentMission, 2);
}

TEST(DemoMillRoad, AnAttentivePlayerWinsItWithTheSquadMostlyStanding)
{
    DemoBattle b(Missions[0]);
    b.playOpening();
    b.walkTo(10, 11);
    EXPECT_TRUE(b.fireAt("04,13,07")) << "the field sentry";
    b.walkTo(18, 13);
    EXPECT_TRUE(b.fireAt("04,24,12")) << "the bridge sentry";
    b.walkTo(22, 14);
    EXPECT_TRUE(b.fireAt("04,25,10")) << "the yard guard";
    EXPECT_TRUE(b.fireAt("04,27,19")) << "the man in the wheat";
    b.walkTo(27, 14);
    EXPECT_TRUE(b.fireAt("04,32,14")) << "the farm patrol";
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_GE(b.s().TroopCount, 3);
}

TEST(DemoHarlowBridge, WadingAcrossAboveTheBridgeFlanksTheGunnerAndTheDumpCanBeBlown)
{
    DemoBattle b(Missions[1]);
    b.playOpening();
    b.walkTo(15, 12);
    b.walkTo(20, 12);
    EXPECT_TRUE(b.fireAt("02,24,12")) << "the gunner, from his side";
    b.walkTo(23, 14);
    EXPECT_TRUE(b.fireAt("02,29,11"));
    EXPECT_TRUE(b.fireAt("02,22,18")) << "the bank patrol";
    b.walkTo(28, 14);
    EXPECT_TRUE(b.fireAt("02,33,13"));
    b.walkTo(27, 17);
    EXPECT_TRUE(b.fireAt("02,30,21"));
    b.walkTo(31, 17);
    EXPECT_TRUE(b.fireAt("02,37,21"));
    b.walkTo(29, 21);
    for (const char* tank : {"01,33,21", "01,35,21", "01,34,23"})
        EXPECT_TRUE(b.fireAtObject(tank)) << tank;
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_GE(b.s().TroopCount, 3);
}

TEST(DemoHarlowBridge, GunnerSweepsTheBridgeInBurstsAndStartsOver)
{
    DemoBattle b(Missions[1]);
    b.playOpening();
    const int gunner = b.enemy("02,24,12");
    int overTheBridge = 0;
    int restarts = 0;
    int previousTick = 0;
    for (int f = 0; f < 1400; ++f) {
        b.h.frames();
        const BattleState& s = b.s();
        // Enemy bullets over the bridge's planks (cells 17..19 of row 15).
        for (int r = 1; r <= MaxBullets; ++r) {
            const auto& bullet = s.Bullet[r];
            if (bullet[0] == 1 && bullet[5] == EnemyBulletKind && bullet[1] > 320 && bullet[1] < 380 &&
                bullet[2] > 280 && bullet[2] < 300)
                ++overTheBridge;
        }
        if (s.AiTick[gunner] < previousTick)
            ++restarts;
        previousTick = s.AiTick[gunner];
    }
    EXPECT_GT(overTheBridge, 20) << "his bursts sweep the bridge";
    EXPECT_GE(restarts, 1) << "the sweep starts again after its last burst";
    EXPECT_LT(std::abs(b.s().Dolls[gunner].X - 470), 20) << "he stays in his nest";
    EXPECT_EQ(b.s().TroopCount, 5) << "the troop waits out of his reach";
}

// The leader's advice: wait for a gap in the gunner's fire, then run. The near end of the bridge
// is where the squad waits, so his bursts must die on the planks before they reach it.
TEST(DemoHarlowBridge, TheSquadWaitsAtTheBridgeEndUnharmedAndCrossesInAGap)
{
    DemoBattle b(Missions[1]);
    b.playOpening();
    const DollRecord& gunner = b.s().Dolls[b.enemy("02,24,12")];
    b.walkTo(16, 15);
    int bursts = 0;
    for (int f = 0; f < 600 && b.s().TroopCount == 5; ++f) {
        const bool firing = gunner.Firing;
        b.h.frames();
        bursts += firing && !gunner.Firing;
    }
    EXPECT_EQ(b.s().TroopCount, 5) << "a burst reached the squad at the bridge end";
    EXPECT_GE(bursts, 4) << "the squad watched his bursts go by";

    while (!gunner.Firing)
        b.h.frames();
    while (gunner.Firing)
        b.h.frames();
    b.walkTo(20, 15);
    EXPECT_EQ(b.s().TroopCount, 5) << "the squad ran across in the gap";
}

TEST(DemoHarlowBridge, GunnerTurnsOnTheTroopOnceItCrossesAndTheDumpWinsTheMission)
{
    DemoBattle b(Missions[1]);
    b.playOpening();
    const int gunner = b.enemy("02,24,12");
    b.leaderTo(20, 15);
    b.h.frames(3);
    EXPECT_EQ(b.s().Dolls[gunner].AiName, "gunner_alert");
    EXPECT_TRUE(b.s().Dolls[gunner].ScriptedFire) << "he shouts and takes a moment to turn";
    b.h.frames(30);
    EXPECT_FALSE(b.s().Dolls[gunner].ScriptedFire);
    b.shootEnemy("02,24,12");
    b.h.frames(60);
    EXPECT_TRUE(b.shown("The gunner is down. Move up!"));

    b.shootObject("01,33,21");
    b.shootObject("01,35,21");
    b.h.frames(40);
    EXPECT_FALSE(b.h.game.MissionWon) << "one tank is left";
    b.shootObject("01,34,23");
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_TRUE(b.shown("The fuel dump is burning. Good work!"));
}

// The alarm may catch the gunner stepping out of his nest onto the cell that starts his sweep
// again: he shouts once, gets back in and turns his fire on the squad from there.
TEST(DemoHarlowBridge, AnAlarmThatCatchesTheGunnerSteppingAsideSendsHimBackToHisNest)
{
    DemoBattle b(Missions[1]);
    b.playOpening();
    const DollRecord& gunner = b.s().Dolls[b.enemy("02,24,12")];
    auto cell = [&] {
        return std::pair{static_cast<int>(gunner.X) / 20 + 1, static_cast<int>(gunner.Y) / 20 + 1};
    };
    for (int f = 0; f < 2000 && cell() != std::pair{24, 13}; ++f)
        b.h.frames();
    ASSERT_EQ(cell(), (std::pair{24, 13})) << "he steps aside at the end of his sweep";

    int shouts = 0;
    bool shown = false;
    b.h.whileTextShown = [&] { shown = true; };
    b.leaderTo(20, 15);
    for (int f = 0; f < 60; ++f) {
        b.h.frames();
        shouts += shown;
        shown = false;
    }
    EXPECT_EQ(shouts, 1);
    EXPECT_EQ(gunner.AiName, "gunner_alert");
    EXPECT_FALSE(gunner.ScriptedFire) << "he has turned his fire on the squad";
    EXPECT_LT(std::hypot(gunner.X - 470, gunner.Y - 230), 5) << "from his nest";
}

// Once his moment of surprise has passed, the alerted gunner fires at a squad near him within a
// shot's countdown, whatever his sweep was doing when the alert came.
TEST(DemoHarlowBridge, AlertedGunnerFiresAtSoldiersNearHimWithinAShotsCountdown)
{
    DemoBattle b(Missions[1]);
    b.playOpening();
    const int gunner = b.enemy("02,24,12");
    b.h.frames(100); // into his sweep of the bridge
    b.leaderTo(20, 15);
    b.h.frames(3);
    ASSERT_EQ(b.s().Dolls[gunner].AiName, "gunner_alert");

    // The squad stands 50 pixels west of him, in the open side of his nest.
    BattleState& s = b.s();
    const DollRecord& d = s.Dolls[gunner];
    for (int k = 1; k <= s.TroopCount; ++k) {
        s.SoldierX[k] = d.X - 50;
        s.SoldierY[k] = d.Y + static_cast<float>(k - 1);
        s.Moving[k] = 0;
    }
    for (int f = 0; f < 40 && d.ScriptedFire; ++f)
        b.h.frames();
    ASSERT_FALSE(d.ScriptedFire) << "the gunner still holds his fire";
    int shotIn = 0;
    for (int f = 1; f <= 20 && shotIn == 0; ++f) {
        const int before = s.BulletIndex;
        b.h.frames();
        const auto& row = s.Bullet[s.BulletIndex];
        if (s.BulletIndex != before && row[5] == EnemyBulletKind && std::abs(row[1] - d.X) < 15 &&
            std::abs(row[2] - d.Y) < 15 && row[8] < 0)
            shotIn = f;
    }
    EXPECT_NE(shotIn, 0) << "the gunner never fired at the squad";
}

TEST(DemoGreywater, IsWonByKillingTheGuardsWithTheVillagersAlive)
{
    DemoBattle b(Missions[2]);
    b.playOpening();
    for (const char* ref :
         {"03,22,24", "03,19,18", "03,23,12", "03,15,13", "03,30,25", "03,26,17", "03,05,20"})
        b.shootEnemy(ref);
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_TRUE(b.shown("Greywater is free. Well done!"));
}

TEST(DemoGreywater, TheWestDoorLeadsInUnseenAndCarefulFireFreesTheVillagers)
{
    DemoBattle b(Missions[2]);
    b.playOpening();
    b.walkTo(13, 28);
    b.walkTo(5, 28);
    b.walkTo(5, 26);
    EXPECT_TRUE(b.fireAt("03,05,20")) << "the road sentry";
    b.walkTo(5, 17);
    b.walkTo(10, 17);
    EXPECT_TRUE(b.fireAt("03,15,13")) << "the patrol";
    b.walkTo(13, 18);
    EXPECT_TRUE(b.fireAt("03,19,18")) << "the square's guard";
    b.walkTo(17, 12);
    EXPECT_TRUE(b.fireAt("03,23,12")) << "the hall's guard";
    b.walkTo(21, 17);
    EXPECT_TRUE(b.fireAt("03,26,17"));
    b.walkTo(18, 20);
    EXPECT_TRUE(b.fireAt("03,22,24")) << "the lookout";
    b.walkTo(24, 25);
    EXPECT_TRUE(b.fireAt("03,30,25"));
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
}

TEST(DemoGreywater, IsLostWhenAVillagerIsHit)
{
    DemoBattle b(Missions[2]);
    b.playOpening();
    b.shootEnemy("05,19,14");
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionOver);
    EXPECT_FALSE(b.h.game.MissionWon);
    EXPECT_TRUE(b.shown("A villager has been killed!"));
}

TEST(DemoGreywater, IsLostWhenTheLookoutReachesTheBell)
{
    DemoBattle b(Missions[2]);
    b.playOpening();
    const int lookout = b.enemy("03,22,24");
    b.leaderTo(20, 27);
    b.h.frames(2);
    b.leaderTo(20, 31); // back out of his reach: only the bell can lose the mission now
    EXPECT_EQ(b.s().Dolls[lookout].AiName, "raise_alarm");
    b.playToTheEnd(800);
    EXPECT_TRUE(b.h.game.MissionOver);
    EXPECT_FALSE(b.h.game.MissionWon);
    EXPECT_TRUE(b.shown("Intruders! Ring the bell!"));
    EXPECT_TRUE(b.shown("The bell! They are shooting the villagers!"));
}

TEST(DemoIronwoodDepot, SniperOnTheGateTakesTheLeader)
{
    DemoBattle b(Missions[3]);
    b.playOpening();
    b.leaderTo(20, 18);
    b.h.frames();
    EXPECT_EQ(b.s().TroopCount, 5);
    EXPECT_TRUE(b.shown("Sniper!"));
    EXPECT_FALSE(b.s().DefeatFlag);
}

TEST(DemoIronwoodDepot, ThePlansSetOffTheChargesWakeTheDepotAndWinAtTheHelicopter)
{
    DemoBattle b(Missions[3]);
    b.playOpening();
    EXPECT_NE(b.s().Dolls[b.enemy("04,15,12")].State, DollActive) << "the opening's volley takes the sentry";
    b.leaderTo(38, 23);
    b.h.frames(2);
    EXPECT_EQ(b.s().ObjState[b.object("03,38,23")], ObjectGone);
    for (const char* sleeper : {"04,24,10", "04,28,10", "04,27,27"})
        EXPECT_EQ(b.s().Dolls[b.enemy(sleeper)].AiName, "alarm") << sleeper;
    EXPECT_FALSE(b.s().Dolls[b.enemy("03,22,12")].AiRunning) << "the patrol leaves its round";
    EXPECT_NE(b.s().ObjState[b.object("01,25,28")], ObjectOnMap) << "the charges went off";

    b.leaderTo(6, 30);
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_TRUE(b.shown("The helicopter lifts off with the plans!"));
}

TEST(DemoIronwoodDepot, TheNorthDoorLeadsInAndTheSquadCarriesThePlansRoundToTheHelicopter)
{
    DemoBattle b(Missions[3]);
    b.playOpening();
    b.walkTo(14, 10);
    b.walkTo(14, 4);
    b.walkTo(27, 3);
    EXPECT_TRUE(b.fireAt("03,33,03")) << "the door guard, down the road";
    b.walkTo(31, 3);
    b.walkTo(31, 9); // through the north door, between the barracks and the containers
    EXPECT_TRUE(b.fireAt("03,22,12")) << "the yard patrol, as he passes";
    b.walkTo(31, 10);
    EXPECT_TRUE(b.fireAt("04,28,10")) << "a sleeper";
    b.walkTo(29, 10);
    EXPECT_TRUE(b.fireAt("04,24,10")) << "the other sleeper";
    b.walkTo(28, 11);
    EXPECT_TRUE(b.fireAt("02,30,18"));
    b.walkTo(28, 21);
    EXPECT_TRUE(b.fireAt("04,27,27")) << "the sleeper by the charges";
    b.walkTo(29, 25);
    EXPECT_TRUE(b.fireAt("02,35,28"));
    b.walkTo(31, 23);
    EXPECT_TRUE(b.fireAt("03,37,23")) << "the office guard, through its door";
    b.walkTo(38, 23);
    EXPECT_TRUE(b.shown("Got the plans! Charges set, run!"));
    // Out by the north door again (the gate belongs to the sniper) and round by the road.
    const std::pair<int, int> wayBack[] = {{31, 23}, {28, 21}, {28, 11}, {31, 10}, {31, 6}, {31, 3},
                                           {27, 3},  {14, 3},  {14, 11}, {6, 11},  {6, 30}};
    for (auto [x, y] : wayBack)
        b.walkTo(x, y);
    b.playToTheEnd();
    EXPECT_TRUE(b.h.game.MissionWon);
    EXPECT_TRUE(b.shown("The helicopter lifts off with the plans!"));
    EXPECT_GE(b.s().TroopCount, 4);
}

} // namespace
