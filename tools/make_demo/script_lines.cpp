#include "tools/make_demo/script_lines.h"

#include <cstdio>
#include <stdexcept>

namespace make_demo {

namespace {

std::string twoDigits(int n)
{
    if (n < 0 || n > 99) {
        throw std::invalid_argument("a two-digit field out of range: " + std::to_string(n));
    }
    char text[3];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string frameField(int tick)
{
    if (tick < 0 || tick > 9999) {
        throw std::invalid_argument("a tick out of range: " + std::to_string(tick));
    }
    char text[5];
    std::snprintf(text, sizeof text, "%04d", tick);
    return text;
}

std::string line(int tick, int kind)
{
    return frameField(tick) + "," + twoDigits(kind);
}
std::string line(int tick, int kind, int x, int y)
{
    return line(tick, kind) + "," + cell(x, y);
}
std::string line(int tick, int kind, std::string_view text)
{
    return line(tick, kind) + "," + std::string(text);
}
std::string code(int kind, std::string_view value)
{
    return twoDigits(kind) + "," + std::string(value);
}

} // namespace

std::string cell(int x, int y)
{
    return twoDigits(x) + "," + twoDigits(y);
}

std::string reference(int code, int x, int y)
{
    return twoDigits(code) + "," + cell(x, y);
}

namespace task {
std::string walkTo(int tick, int x, int y)
{
    return line(tick, 1, x, y);
}
std::string fireTo(int tick, int x, int y)
{
    return line(tick, 2, x, y);
}
std::string lookTo(int tick, int x, int y)
{
    return line(tick, 3, x, y);
}
std::string leaderSays(int tick, std::string_view text)
{
    return line(tick, 4, text);
}
std::string message(int tick, std::string_view text)
{
    return line(tick, 5, text);
}
std::string victory()
{
    return "Fim ,06";
}
std::string defeat()
{
    return "Fim ,07";
}
std::string giveControl(int tick)
{
    return line(tick, 8);
}
std::string stopFiring(int tick)
{
    return line(tick, 9);
}
} // namespace task

namespace ai {
std::string walkTo(int tick, int x, int y)
{
    return line(tick, 1, x, y);
}
std::string fireTo(int tick, int x, int y)
{
    return line(tick, 2, x, y);
}
std::string lookTo(int tick, int x, int y)
{
    return line(tick, 3, x, y);
}
std::string says(int tick, std::string_view text)
{
    return line(tick, 4, text);
}
std::string fireAtTroop(int tick)
{
    return line(tick, 5);
}
std::string stopAnimation(int tick)
{
    return line(tick, 8);
}
std::string stopFiring(int tick)
{
    return line(tick, 9);
}
std::string holdFire(int tick)
{
    return line(tick, 10);
}
} // namespace ai

namespace when {
std::string troopBelow(int soldiers)
{
    return code(1, twoDigits(soldiers));
}
std::string leaderOn(int x, int y)
{
    return code(2, cell(x, y));
}
std::string animationEnded(std::string_view name)
{
    return code(3, name);
}
std::string objectGone(std::string_view object)
{
    return code(4, object);
}
std::string enemyDied(std::string_view enemy)
{
    return code(5, enemy);
}
std::string allEnemiesDead()
{
    return code(6, "00");
}
std::string leaderTouches(std::string_view object)
{
    return code(7, object);
}
std::string enemyOn(int startX, int startY, int x, int y)
{
    return code(8, cell(startX, startY) + "," + cell(x, y));
}
} // namespace when

namespace act {
std::string leaderSays(std::string_view text)
{
    return code(1, text);
}
std::string message(std::string_view text)
{
    return code(2, text);
}
std::string victory()
{
    return "03";
}
std::string defeat()
{
    return "04";
}
std::string startAnimation(std::string_view name)
{
    return code(5, name);
}
std::string stopAnimation(std::string_view name)
{
    return code(6, name);
}
std::string killLeader()
{
    return "07";
}
std::string destroyObject(std::string_view object)
{
    return code(8, object);
}
std::string startEnemyAi(std::string_view enemy)
{
    return code(9, enemy);
}
std::string stopEnemyAi(std::string_view enemy)
{
    return code(10, enemy);
}
std::string changeEnemyAi(std::string_view enemy, std::string_view animation)
{
    return code(11, std::string(enemy) + "," + std::string(animation));
}
} // namespace act

} // namespace make_demo
