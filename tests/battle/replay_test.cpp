// A recorded game: a fixture mission played for over a thousand frames from a recorded input, its
// end state compared with the stored one, so that any change of the game's behaviour shows.
// TOLVAR_UPDATE_REPLAY=1 writes the reference anew.

#include "frame_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace tolvar::battle;
using battle_test::FrameHarness;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Segment
{
    int frames = 0;
    long x = 0, y = 0;
    int buttons = 0;
    int key = 0;
};

std::vector<Segment> readInput(const std::string& path)
{
    std::vector<Segment> segments;
    std::istringstream in(readFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Segment s;
        fields >> s.frames >> s.x >> s.y >> s.buttons;
        if (!(fields >> s.key))
            s.key = 0;
        segments.push_back(s);
    }
    return segments;
}

std::string fixed(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// Everything the game's behaviour decides: the troop, the bodies, the enemies, the objects, the
// bullet ring and the tallies.
std::string endState(FrameHarness& h)
{
    BattleState& s = h.s();
    std::ostringstream out;
    out << "frame camera " << s.CameraX << ' ' << s.CameraY << " over " << h.game.MissionOver << " mission "
        << h.game.CurrentMission << '\n';
    out << "troop " << s.TroopCount << " shots " << s.ShotsFired << " hits " << s.ShotsHit << " mode "
        << s.FireMode << '\n';
    for (int i = 1; i <= MaxSoldiers; ++i) {
        if (!s.Alive[i] && i > s.TroopStartCount)
            continue;
        out << "soldier " << i << ' ' << s.SoldierName[i] << " at " << fixed(s.SoldierX[i]) << ' '
            << fixed(s.SoldierY[i]) << " alive " << s.Alive[i] << " facing " << fixed(s.Facing[i])
            << " rounds " << s.Rounds[i] << " clips " << s.Clips[i] << " reload " << fixed(s.Reload[i])
            << " kills " << s.Kills[i] << '\n';
    }
    for (int r = 1; r <= s.BodyCount; ++r)
        out << "body " << r << " at " << s.DeadSoldier[r][1] << ' ' << s.DeadSoldier[r][2] << " stage "
            << s.DeadSoldier[r][3] << '\n';
    for (int e = 1; e <= MaxEnemies; ++e) {
        const DollRecord& d = s.Dolls[e];
        if (d.State == DollEmpty)
            continue;
        out << "enemy " << e << " state " << d.State << " at " << fixed(d.X) << ' ' << fixed(d.Y) << " stage "
            << d.DeathStage << '\n';
    }
    for (int o = 0; o < MaxObjects; ++o) {
        if (s.ObjState[static_cast<std::size_t>(o)] == ObjectEmpty)
            continue;
        out << "object " << o + 1 << " state " << s.ObjState[static_cast<std::size_t>(o)] << " at "
            << fixed(s.ObjX[static_cast<std::size_t>(o)]) << ' ' << fixed(s.ObjY[static_cast<std::size_t>(o)])
            << '\n';
    }
    out << "bullets index " << s.BulletIndex << '\n';
    for (int b = 1; b <= MaxBullets; ++b) {
        const auto& row = s.Bullet[b];
        if (row[0] != 1)
            continue;
        out << "bullet " << b << " at " << fixed(row[1]) << ' ' << fixed(row[2]) << " age " << row[4]
            << " kind " << row[5] << '\n';
    }
    return out.str();
}

std::string play()
{
    FrameHarness h(20240);
    h.game.NameCount = 4;
    for (int k = 1; k <= 4; ++k)
        h.game.Roster[k][tolvar::RosterName] = "Soldier" + std::to_string(k);
    h.start(readFile(battle_test::fixturePath("replay.cfm")));
    int buttons = 0;
    int frames = 0;
    for (const Segment& seg : readInput(battle_test::fixturePath("replay_input.txt"))) {
        h.cursor = {seg.x, seg.y};
        if (seg.key)
            h.key(seg.key);
        for (int button : {1, 2}) {
            const bool held = seg.buttons & button;
            if (held && !(buttons & button))
                h.press(button);
            if (!held && (buttons & button))
                h.release(button);
        }
        if (seg.x != 0 || seg.y != 0)
            tolvar::battle::GameScreen_MouseMove(h.battle);
        buttons = seg.buttons;
        for (int k = 0; k < seg.frames && !h.game.MissionOver; ++k) {
            h.frames(1);
            ++frames;
        }
    }
    EXPECT_GE(frames, 1000);
    return endState(h);
}

TEST(Replay, TheRecordedGameEndsAsStored)
{
    const std::string state = play();
    const std::string reference = battle_test::fixturePath("replay_end_state.txt");
    const char* update = std::getenv("TOLVAR_UPDATE_REPLAY");
    if (update && std::string(update) == "1") {
        std::ofstream(reference, std::ios::binary) << state;
        GTEST_SKIP() << "reference written to " << reference;
    }
    EXPECT_EQ(state, readFile(reference))
        << "the game plays differently; if that is meant, run the test with "
           "TOLVAR_UPDATE_REPLAY=1 to store the new end state";
}

TEST(Replay, PlaysTheSameTwice)
{
    EXPECT_EQ(play(), play());
}

} // namespace
