#pragma once
// The battle screen's logic object: the battle's records and sheets, with the game-wide state and
// the clock it runs on. The battle window owns one and presents `GameScreen`.

#include "game/battle/battle_sheets.h"
#include "game/battle/battle_state.h"
#include "game/game_state.h"
#include "game/sound_bank.h"
#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"

#include <functional>
#include <memory>
#include <string_view>

namespace tolvar::battle {

// A cursor position in the battle window's pixels.
struct CursorPoint {
    long x = 0;
    long y = 0;
};

struct Battle {
    Battle(GameState& game, platform::clock::Clock& clock)
        : game(game), clock(clock), state(std::make_unique<BattleState>())
    {
    }

    GameState& game;
    platform::clock::Clock& clock;
    std::unique_ptr<BattleState> state;  // large: kept on the heap
    BattleSheets sheets;
    platform::gfx::Picture GameScreen;  // what the window shows, WindowWidthPx x WindowHeightPx
    SoundBank* sound = nullptr;         // effects and music; none in tests that need no sound

    // The window's side, as the frame sees it: where the cursor is, relative to the window (tests
    // set their own; none reads as (0, 0)), the event pump used while a text is typed, the wait
    // for events while it is held (under the program's clock), and the window shown `GameScreen`
    // anew each time it was drawn.
    std::function<CursorPoint()> cursorPos;
    std::function<void()> pumpEvents;
    std::function<void(platform::clock::Tick ms)> waitForEvents;
    std::function<void()> showGameScreen;
    // Told of every effect and music command the battle plays (tests record them).
    std::function<void(int n)> onSound;
    std::function<void(std::string_view cmd)> onMusic;
};

// Plays effect n (1..15) through the battle's sound bank, if it has one.
inline void PlaySound(Battle& battle, int n)
{
    if (battle.onSound)
        battle.onSound(n);
    if (battle.sound) {
        battle.sound->PlaySound(n);
    }
}

// A music command ("start", "pause", "play", "stop") for the battle's sound bank, if it has one.
inline void Music(Battle& battle, std::string_view cmd)
{
    if (battle.onMusic)
        battle.onMusic(cmd);
    if (battle.sound) {
        battle.sound->Music(cmd);
    }
}

} // namespace tolvar::battle
