#include "game/battle/battle_window_input.h"

#include "game/battle/battle_input.h"
#include "platform/ui/events.h"

#include <QCursor>
#include <QWidget>

#include <algorithm>

namespace tolvar::battle {

void connectBattleInput(platform::ui::Form& form, platform::ui::PictureBox& screen, Battle& battle)
{
    form.onKeyDown = [&battle](int keyCode, int) { Form_KeyDown(battle, keyCode); };
    screen.onMouseDown = [&battle](int button, int, int x, int y) {
        GameScreen_MouseDown(battle, button, x, y);
    };
    screen.onMouseMove = [&battle](int, int, int, int) { GameScreen_MouseMove(battle); };
    screen.onMouseUp = [&battle](int button, int, int, int) { GameScreen_MouseUp(battle, button); };
    battle.cursorPos = [&screen]() -> CursorPoint {
        const QWidget* widget = screen.widget();
        if (!widget)
            return {};
        const QPoint p = widget->mapFromGlobal(QCursor::pos());
        return {p.x(), p.y()};
    };
    battle.pumpEvents = [] { platform::ui::doEvents(); };
    battle.waitForEvents = [](platform::clock::Tick ms) {
        platform::ui::waitForEvents(static_cast<int>(std::min<platform::clock::Tick>(ms, 1000)));
    };
}

} // namespace tolvar::battle
