#pragma once
// The coded lines of the demo missions' scripts, built the way the mission editor's panels build
// them: task lines of scripted and AI animations, and the If and Do lines of conditions.

#include <string>
#include <string_view>

namespace make_demo {

// A map cell as the mission file writes it: "XX,YY".
std::string cell(int x, int y);

// An object's or an enemy's reference: its kind or team code, then its cell ("TT,XX,YY").
std::string reference(int code, int x, int y);

// Task lines of scripted animations; `tick` counts ticks of ten frames.
namespace task {
std::string walkTo(int tick, int x, int y);
std::string fireTo(int tick, int x, int y);
std::string lookTo(int tick, int x, int y);
std::string leaderSays(int tick, std::string_view text);
std::string message(int tick, std::string_view text);
std::string victory();
std::string defeat();
std::string giveControl(int tick);
std::string stopFiring(int tick);
} // namespace task

// Task lines of the enemies' AI animations.
namespace ai {
std::string walkTo(int tick, int x, int y);
std::string fireTo(int tick, int x, int y);
std::string lookTo(int tick, int x, int y);
std::string says(int tick, std::string_view text);
std::string fireAtTroop(int tick);
std::string stopAnimation(int tick);
std::string stopFiring(int tick);
std::string holdFire(int tick);
} // namespace ai

// If lines of conditions.
namespace when {
std::string troopBelow(int soldiers);
std::string leaderOn(int x, int y);
std::string animationEnded(std::string_view name);
std::string objectGone(std::string_view object);
std::string enemyDied(std::string_view enemy);
std::string allEnemiesDead();
std::string leaderTouches(std::string_view object);
std::string enemyOn(int startX, int startY, int x, int y);
} // namespace when

// Do lines of conditions.
namespace act {
std::string leaderSays(std::string_view text);
std::string message(std::string_view text);
std::string victory();
std::string defeat();
std::string startAnimation(std::string_view name);
std::string stopAnimation(std::string_view name);
std::string killLeader();
std::string destroyObject(std::string_view object);
std::string startEnemyAi(std::string_view enemy);
std::string stopEnemyAi(std::string_view enemy);
std::string changeEnemyAi(std::string_view enemy, std::string_view animation);
} // namespace act

} // namespace make_demo
