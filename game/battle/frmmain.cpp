#include "game/battle/frmmain.h"

#include "game/battle/battle_form.h"
#include "game/battle/battle_window_input.h"
#include "platform/ui/events.h"

#include <utility>

namespace tolvar::battle {

namespace {
constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;
constexpr int TwipsPerPixel = 15;
} // namespace

Frmmain::Frmmain(Battle& battle, DriverHooks hooks)
    : m_battle(battle), m_hooks(std::move(hooks)), m_form("VEDE Gorsefield")
{
    m_form.setBackColor(0x404040);
    m_form.resize(ScreenWidth, ScreenHeight);
    m_gameScreen = std::make_unique<platform::ui::PictureBox>(m_form);
    m_gameScreen->move(0, 0, ScreenWidth, ScreenHeight);
    // The picture box shows the battle's own `GameScreen`, repainted when a frame or a typed
    // character was drawn into it; nothing is copied on the way.
    m_gameScreen->usePicture(&m_battle.GameScreen);
    m_battle.showGameScreen = [this] { m_gameScreen->refresh(); };
    m_form.onUnload = [this](bool&) { m_closed = true; };
    connectBattleInput(m_form, *m_gameScreen, m_battle);

    m_hooks.showWindow = [this] { showWindow(); };
    m_hooks.pumpEvents = [] { platform::ui::doEvents(); };
    m_hooks.programEnding = [this] { return m_closed || m_battle.state->EndProgram; };
}

std::string Frmmain::Form_Load()
{
    if (m_prepared)
        return {};
    BattleState& s = *m_battle.state;
    s.WindowWidthPx = ScreenWidth;
    s.WindowHeightPx = ScreenHeight;
    const std::string error = prepareBattle(m_battle);
    if (error.empty())
        m_prepared = true;
    return error;
}

Handover Frmmain::run()
{
    const std::string error = Form_Load();
    if (!error.empty())
        return {Screen::Quit, error};
    m_closed = false;
    const Handover handover = MainDo(m_battle, m_hooks);
    m_form.hide();
    return handover;
}

void Frmmain::showWindow()
{
    BattleState& s = *m_battle.state;
    m_form.resize(ScreenWidth, ScreenHeight);
    m_gameScreen->move(0, 0, ScreenWidth, ScreenHeight);
    m_form.show();
    s.WindowWidthPx = m_form.width();
    s.WindowHeightPx = m_form.height();
    s.WindowLeftPx = m_form.left();
    s.WindowTopPx = m_form.top();
    s.WindowLeftTw = static_cast<long>(m_form.left()) * TwipsPerPixel;
    s.WindowTopTw = static_cast<long>(m_form.top()) * TwipsPerPixel;
    if (m_battle.GameScreen.width() != s.WindowWidthPx || m_battle.GameScreen.height() != s.WindowHeightPx)
        m_battle.GameScreen.resize(s.WindowWidthPx, s.WindowHeightPx);
}

} // namespace tolvar::battle
