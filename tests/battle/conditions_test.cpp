// Conditions: their If lines (all must hold), their Do lines carried out in order, and run-once
// and repeating conditions.

#include "frame_harness.h"

#include "game/battle/conditions.h"
#include "game/battle/enemy_ai.h"
#include "game/battle/objects.h"
#include "game/battle/scripted_animations.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace tolvar::battle;
using battle_test::FrameHarness;
using battle_test::MissionText;
using battle_test::quoted;

namespace {

struct Cond
{
    int number;
    int once;
    std::vector<std::string> ifs;
    std::vector<std::string> dos;
};

void addConditions(MissionText& m, const std::vector<Cond>& conds)
{
    for (const Cond& c : conds) {
        char header[16];
        std::snprintf(header, sizeof header, "<Cond %03d>", c.number);
        m.scripts.push_back(header);
        m.scripts.push_back(" " + std::to_string(c.once) + " ");
        m.scripts.push_back("<Se>");
        for (const auto& l : c.ifs)
            m.scripts.push_back(quoted(l));
        m.scripts.push_back("<-Se>");
        m.scripts.push_back("<Faz>");
        for (const auto& l : c.dos)
            m.scripts.push_back(quoted(l));
        m.scripts.push_back("<-Faz>");
        m.scripts.push_back("<-Cond>");
    }
}

// A troop of four at cell 05,05, two enemies of team 04 at cells 10,10 and 12,10, a barrel at
// 08,08, and the given conditions.
MissionText missionWith(const std::vector<Cond>& conds)
{
    MissionText m;
    m.troop = battle_test::troopAt(5, 5, 4);
    m.enemies = {"04,10,10,None,1", "04,12,10,None,1"};
    m.objects = {"01,08,08"};
    addConditions(m, conds);
    return m;
}

// The If lines hold exactly when a victory follows.
bool holds(FrameHarness& h)
{
    h.game.MissionWon = false;
    ConditionsPhase(h.battle);
    return h.game.MissionWon;
}

TEST(Conditions, ActOnlyWhenEveryIfLineHolds)
{
    FrameHarness h;
    h.start(missionWith({{1, 0, {"01,05", "01,03"}, {"03"}}, {2, 0, {"01,05", "01,09"}, {"04"}}}));
    ConditionsPhase(h.battle);
    EXPECT_FALSE(h.game.MissionWon); // 4 soldiers: fewer than 5, not fewer than 3
    EXPECT_TRUE(h.s().DefeatFlag);
    EXPECT_TRUE(h.s().DefeatNow);
}

TEST(Conditions, IfKinds)
{
    struct Case
    {
        const char* what;
        std::string line;
        std::function<void(BattleState&)> arrange;
        bool holds;
    };
    auto leaderAt = [](float x, float y) {
        return [x, y](BattleState& s) { s.SoldierX[1] = x, s.SoldierY[1] = y; };
    };
    const std::vector<Case> cases = {
        {"troop less than", "01,04", nullptr, false},
        {"troop less than", "01,05", nullptr, true},
        {"leader inside the cell", "02,06,07", leaderAt(110, 130), true},
        {"leader inside near the corner", "02,06,07", leaderAt(100.5f, 120.5f), true},
        {"leader on the left edge", "02,06,07", leaderAt(100, 130), false},
        {"leader on the right edge", "02,06,07", leaderAt(120, 130), false},
        {"leader on the top edge", "02,06,07", leaderAt(110, 120), false},
        {"leader on the bottom edge", "02,06,07", leaderAt(110, 140), false},
        {"animation ended", "03,Opening", [](BattleState& s) { s.AnimState[1] = AnimEnded; }, true},
        {"animation idle", "03,opening", nullptr, false},
        {"no such animation", "03,other", nullptr, false},
        {"object intact", "04,01,08,08", nullptr, false},
        {"object gone", "04,01,08,08", [](BattleState& s) { s.ObjState[0] = ObjectGone; }, true},
        {"other object's kind", "04,02,08,08", [](BattleState& s) { s.ObjState[0] = ObjectGone; }, false},
        {"enemy alive", "05,04,10,10", nullptr, false},
        {"enemy dying", "05,04,10,10", [](BattleState& s) { s.Dolls[1].State = DollDying; }, false},
        {"enemy dead", "05,04,10,10", [](BattleState& s) { s.Dolls[1].State = DollDead; }, true},
        {"enemy of another team on the cell", "05,01,10,10",
         [](BattleState& s) { s.Dolls[1].State = DollDead; }, true},
        {"all enemies alive", "06,50", nullptr, false},
        {"one enemy dying", "06,50",
         [](BattleState& s) { s.Dolls[1].State = DollDead, s.Dolls[2].State = DollDying; }, false},
        {"all enemies dead, whatever the number", "06,00",
         [](BattleState& s) { s.Dolls[1].State = DollDead, s.Dolls[2].State = DollDead; }, true},
        {"object untouched", "07,01,08,08", nullptr, false},
        {"object touched", "07,01,08,08", [](BattleState& s) { s.ObjTouch[0] = TouchedMark; }, true},
        {"enemy not on the cell", "08,12,10,13,10", nullptr, false},
        {"enemy stepped on the cell", "08,12,10,13,10", [](BattleState& s) { s.Dolls[2].X = 250; }, true},
        {"unknown kind", "09,01", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FrameHarness h;
        MissionText m = missionWith({{1, 0, {c.line}, {"03"}}});
        m.scripts.insert(m.scripts.begin(), {"<Anim-Opening>", quoted("0000,09"), "<-Anim>"});
        h.start(m);
        if (c.arrange)
            c.arrange(h.s());
        EXPECT_EQ(holds(h), c.holds);
    }
}

TEST(Conditions, RunOnceActsInOneFrameWithAllItsLines)
{
    FrameHarness h;
    h.start(missionWith({{1, 1, {"01,15"}, {"02,Go!", "03"}}, {2, 0, {"01,15"}, {"01,Right behind you"}}}));
    ConditionsPhase(h.battle);
    EXPECT_TRUE(h.game.MissionWon);
    EXPECT_EQ(h.s().MissionCondOnce[1], CondDone);
    // The later request of the frame replaces the earlier: the leader's speech shows.
    EXPECT_EQ(h.s().ScreenText.text, "Right behind you");
    EXPECT_EQ(h.s().ScreenText.style, 1);

    h.game.MissionWon = false;
    h.s().ScreenText.clear();
    ConditionsPhase(h.battle);
    EXPECT_FALSE(h.game.MissionWon);
    EXPECT_EQ(h.s().ScreenText.text, "Right behind you"); // the repeating one acts again
}

TEST(Conditions, MessagesAtTheLeaderAndAtTheTop)
{
    FrameHarness h;
    h.start(
        missionWith({{1, 0, {"01,15"}, {"02,Hold the bridge, men"}}, {2, 0, {"01,15"}, {"01,Yes, sir"}}}));
    BattleState& s = h.s();
    s.CameraX = 10;
    s.CameraY = 20;
    s.MissionCondOnce[2] = CondDone;
    ConditionsPhase(h.battle);
    EXPECT_EQ(s.ScreenText.text, "Hold the bridge, men");
    EXPECT_EQ(s.ScreenText.style, 2);
    EXPECT_EQ(s.ScreenText.colour1, 255);
    EXPECT_EQ(s.ScreenText.colour2, 16711680);

    s.MissionCondOnce[1] = CondDone;
    s.MissionCondOnce[2] = CondRepeats;
    ConditionsPhase(h.battle);
    EXPECT_EQ(s.ScreenText.text, "Yes, sir");
    EXPECT_DOUBLE_EQ(s.ScreenText.x, s.SoldierX[1] - 10);
    EXPECT_DOUBLE_EQ(s.ScreenText.y, s.SoldierY[1] - 20);
    EXPECT_EQ(s.ScreenText.colour1, 255);
    EXPECT_EQ(s.ScreenText.colour2, 65535);
}

TEST(Conditions, DamagedRunOnceValueActsEveryFrameUntested)
{
    FrameHarness h;
    h.start(missionWith({{1, 7, {"01,00"}, {"03"}}, {2, 2, {"01,15"}, {"04"}}}));
    EXPECT_TRUE(holds(h));
    EXPECT_TRUE(holds(h));
    EXPECT_FALSE(h.s().DefeatFlag); // a condition that has acted stays done
}

TEST(Conditions, RepeatingStartReplaysTheAnimationAsSoonAsItEnded)
{
    FrameHarness h;
    MissionText m = missionWith({{1, 0, {"01,15"}, {"05,Shout"}}});
    m.scripts.insert(m.scripts.begin(), {"<Anim-shout>", quoted("0000,05,Charge!"), "<-Anim>"});
    h.start(m);
    BattleState& s = h.s();
    // Frame order: animations, then conditions; the first frame only starts it.
    int shown = 0;
    for (int f = 1; f <= 30; ++f) {
        s.ScreenText.clear();
        ScriptedAnimationsPhase(h.battle);
        if (s.ScreenText.text == "Charge!")
            ++shown;
        EnemyAiPhase(h.battle);
        ConditionsPhase(h.battle);
        EXPECT_EQ(s.AnimState[1], AnimRunning) << "frame " << f;
    }
    EXPECT_EQ(shown, 29);
    EXPECT_TRUE(s.InputLocked);
}

TEST(Conditions, RepeatingKillLeaderKillsOneSoldierPerFrame)
{
    FrameHarness h;
    h.start(missionWith({{1, 0, {"01,15"}, {"07"}}}));
    BattleState& s = h.s();
    const float second = s.SoldierX[2];
    ConditionsPhase(h.battle);
    EXPECT_EQ(s.TroopCount, 3);
    EXPECT_FLOAT_EQ(s.SoldierX[1], second); // the next soldier leads
    ConditionsPhase(h.battle);
    EXPECT_EQ(s.TroopCount, 2);
    for (int f = 0; f < 5; ++f)
        ConditionsPhase(h.battle);
    EXPECT_EQ(s.TroopCount, 0);
    EXPECT_EQ(s.BodyCount, 4);
}

TEST(Conditions, TwoDeadEnemiesOnOneCellCountOnce)
{
    FrameHarness h;
    MissionText m = missionWith({{1, 1, {"05,04,10,10", "01,15"}, {"03"}}});
    m.enemies = {"04,10,10,None,1", "02,10,10,None,1"};
    h.start(m);
    h.s().Dolls[1].State = DollDead;
    h.s().Dolls[2].State = DollDead;
    EXPECT_TRUE(holds(h));
    EXPECT_EQ(h.s().MissionCondOnce[1], CondDone);
}

TEST(Conditions, DestroyObjectBurstsTheBarrel)
{
    FrameHarness h;
    h.start(missionWith({{1, 1, {"01,15"}, {"08,01,08,08"}}, {2, 1, {"01,15"}, {"08,01,09,09"}}}));
    BattleState& s = h.s();
    h.frames(1);
    EXPECT_EQ(s.ObjState[0], ObjectExploded); // hit in the conditions, burst in the objects' step
    EXPECT_EQ(s.MissionCondOnce[1], CondDone);
    EXPECT_GE(h.soundCount(3), 1);
    // A line naming no object does nothing and leaves a run-once condition to try again.
    EXPECT_EQ(s.MissionCondOnce[2], CondOnce);
    h.frames(30);
    EXPECT_EQ(s.ObjState[0], ObjectGone); // its wreck has flown and landed
}

TEST(Conditions, EnemyAiAnimationsStartStopAndChange)
{
    FrameHarness h;
    MissionText m = missionWith({{1, 0, {"01,15"}, {"09,04,10,10"}},
                                 {2, 0, {"01,00"}, {"10,04,12,10"}},
                                 {3, 0, {"01,00"}, {"11,04,12,10,Patrol"}}});
    m.enemies = {"04,10,10,guard,1", "04,12,10,guard,1", "04,10,10,guard,1"};
    m.scripts.insert(m.scripts.begin(), {"<AniAI-guard>", quoted("0000,10"), "<-AniAI>", "<AniAI-patrol>",
                                         quoted("0000,03,01,01"), "<-AniAI>"});
    h.start(m);
    BattleState& s = h.s();
    ConditionsPhase(h.battle);
    EXPECT_TRUE(s.Dolls[1].AiStartPending);
    EXPECT_FALSE(s.Dolls[2].AiStartPending);
    EXPECT_TRUE(s.Dolls[3].AiStartPending); // every enemy of that reference
    EnemyAiPhase(h.battle);
    EXPECT_TRUE(s.Dolls[1].AiRunning);
    EXPECT_TRUE(s.Dolls[1].ScriptedFire);

    s.Dolls[2].AiRunning = true;
    s.AiState[2] = AiRunningState;
    s.MissionCondOnce[1] = CondDone;
    s.MissionCondIf[2][1] = "01,15";
    ConditionsPhase(h.battle);
    EXPECT_FALSE(s.Dolls[2].AiRunning);
    EXPECT_EQ(s.AiState[2], AiEnded);

    s.MissionCondOnce[2] = CondDone;
    s.MissionCondIf[3][1] = "01,15";
    s.Dolls[2].ScriptedFire = true;
    ConditionsPhase(h.battle);
    EXPECT_EQ(s.Dolls[2].AiName, "Patrol");
    EXPECT_TRUE(s.Dolls[2].AiStartPending);
    EXPECT_FALSE(s.Dolls[2].ScriptedFire);
    EnemyAiPhase(h.battle);
    EXPECT_EQ(s.EnemyAiTask[2][1], "0000,03,01,01");
}

TEST(Conditions, StartEnemyAiWithNoEnemiesLeavesTheConditionToTryAgain)
{
    FrameHarness h;
    MissionText m = missionWith({{1, 1, {"01,15"}, {"09,04,10,10"}}});
    m.enemies.clear();
    h.start(m);
    ConditionsPhase(h.battle);
    EXPECT_EQ(h.s().MissionCondOnce[1], CondOnce);
}

TEST(Conditions, StartAndStopScriptedAnimations)
{
    FrameHarness h;
    MissionText m = missionWith({{1, 1, {"01,15"}, {"05,WALK"}}, {2, 1, {"03,walk"}, {"06,walk"}}});
    m.scripts.insert(m.scripts.begin(), {"<Anim-Walk>", quoted("0000,01,07,05"), "<-Anim>"});
    h.start(m);
    BattleState& s = h.s();
    s.FireHeld = true;
    ConditionsPhase(h.battle);
    EXPECT_EQ(s.AnimState[1], AnimRunning);
    EXPECT_TRUE(s.InputLocked);
    EXPECT_FALSE(s.FireHeld);

    // The animation runs from the next frame; once it ended, the stop returns control.
    ScriptedAnimationsPhase(h.battle);
    EXPECT_EQ(s.AnimState[1], AnimEnded);
    ConditionsPhase(h.battle);
    EXPECT_FALSE(s.InputLocked);
    EXPECT_EQ(s.MissionCondOnce[2], CondDone);

    // Stopping an animation that runs ends the fire order it gave.
    FrameHarness fire;
    MissionText hold = missionWith({{1, 1, {"01,15"}, {"05,hold"}}, {2, 1, {"02,05,05"}, {"06,hold"}}});
    hold.troop = battle_test::troopAt(2, 2, 4);
    hold.scripts.insert(hold.scripts.begin(),
                        {"<Anim-Hold>", quoted("0000,02,07,05"), quoted("0009,08"), "<-Anim>"});
    fire.start(hold);
    BattleState& f = fire.s();
    ConditionsPhase(fire.battle);
    ScriptedAnimationsPhase(fire.battle);
    ASSERT_TRUE(f.FireHeld);
    f.SoldierX[1] = 90; // the leader steps onto cell 05,05
    f.SoldierY[1] = 90;
    ConditionsPhase(fire.battle);
    EXPECT_EQ(f.AnimState[1], AnimIdle);
    EXPECT_FALSE(f.FireHeld);
    EXPECT_FALSE(f.InputLocked);
}

} // namespace
