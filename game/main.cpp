// Tolvar: the title screen, the briefing screen and the battle screen, run as the screen machine.

#include "game/battle/battle.h"
#include "game/battle/driver_wiring.h"
#include "game/battle/frmmain.h"
#include "game/briefing_screen.h"
#include "game/game_state.h"
#include "game/screen_machine.h"
#include "game/sound_bank.h"
#include "game/title_screen.h"
#include "platform/clock/clock.h"
#include "platform/text/file_names.h"
#include "platform/ui/message_boxes.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    tolvar::GameState game;
    game.programFolder = platform::text::programFolder();
    platform::clock::Clock& clock = platform::clock::systemClock();
    tolvar::SoundBank sound(game);

    auto fail = [](const std::string& message) {
        platform::ui::msgBox(message, platform::ui::MsgButtons::Ok, platform::ui::MsgIcon::Critical,
                             "Tolvar");
        return 1;
    };

    tolvar::Title title(game, &sound, clock);
    if (const std::string error = title.Form_Load(); !error.empty())
        return fail(error);

    auto battle = std::make_unique<tolvar::battle::Battle>(game, clock);
    battle->sound = &sound;
    tolvar::battle::Frmmain frmmain(*battle, tolvar::battle::settingsAndMusicHooks(game, sound));
    if (const std::string error = frmmain.Form_Load(); !error.empty())
        return fail(error);
    title.resetBattleInput = [&battle] {
        battle->state->MoveOrder = false;
        battle->state->FireHeld = false;
    };

    tolvar::BriefWindow brief(game, &sound, clock);

    tolvar::ScreenDrivers drivers;
    drivers.title = [&title] { return title.Form_Activate(); };
    drivers.briefing = [&brief](const std::string& problem) { return brief.Form_Activate(problem); };
    drivers.battle = [&frmmain] { return frmmain.run(); };
    if (const std::string error = tolvar::runScreens(game, drivers); !error.empty())
        return fail(error);
    return 0;
}
