#pragma once
// The battle window: a 640 x 480 form whose picture box `GameScreen` shows the battle. It owns no
// game logic: it prepares the battle once, runs the mission driver and presents each frame.

#include "game/battle/battle.h"
#include "game/battle/mission_driver.h"
#include "platform/ui/form.h"
#include "platform/ui/picture_box.h"

#include <memory>
#include <string>

namespace tolvar::battle {

class Frmmain
{
public:
    // `hooks` carries the settings and music hooks; the window adds its own.
    Frmmain(Battle& battle, DriverHooks hooks);

    // Prepares the battle the first time: angle tables, sheets, buffers. Gives the message naming
    // a bitmap that could not be loaded, or an empty text.
    std::string Form_Load();

    // Shows the window and plays one mission (when `MissionOver` is not already set), then hides
    // the window and tells which screen comes next. A bitmap that cannot be loaded gives
    // Screen::Quit with its message.
    Handover run();

    platform::ui::Form& form() { return m_form; }
    platform::ui::PictureBox& GameScreen() { return *m_gameScreen; }

private:
    void showWindow();

    Battle& m_battle;
    DriverHooks m_hooks;
    platform::ui::Form m_form;
    std::unique_ptr<platform::ui::PictureBox> m_gameScreen;
    bool m_prepared = false;
    bool m_closed = false;
};

} // namespace tolvar::battle
