#include "game/screen_machine.h"

namespace tolvar {

std::string runScreens(GameState& state, const ScreenDrivers& drivers)
{
    std::string message;
    state.screen = Screen::Title;
    while (state.screen != Screen::Quit) {
        switch (state.screen) {
        case Screen::Title:
            message.clear();
            state.screen = drivers.title ? drivers.title() : Screen::Quit;
            break;
        case Screen::Briefing: {
            const std::string problem = std::move(message);
            message.clear();
            state.screen = drivers.briefing ? drivers.briefing(problem) : Screen::Quit;
            break;
        }
        case Screen::Battle: {
            battle::Handover handover =
                drivers.battle ? drivers.battle() : battle::Handover{Screen::Quit, {}};
            state.screen = handover.next;
            message = std::move(handover.message);
            break;
        }
        case Screen::Quit:
            break;
        }
    }
    return message;
}

} // namespace tolvar
