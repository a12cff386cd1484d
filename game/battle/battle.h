#pragma once
// The battle screen's logic object: the battle's records and sheets, with the game-wide state and
// the clock it runs on. The battle window owns one and presents `GameScreen`.

#include "game/battle/battle_sheets.h"
#include "game/battle/battle_state.h"
#include "game/game_state.h"
#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"

#include <memory>

namespace tolvar::battle {

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
};

} // namespace tolvar::battle
