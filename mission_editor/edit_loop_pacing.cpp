#include "mission_editor/edit_loop_pacing.h"

#include "platform/ui/events.h"

#include <utility>

namespace plotwright {

namespace ui = platform::ui;

EditLoopPacing::EditLoopPacing()
    : EditLoopPacing(platform::clock::systemClock(), [](int maxMilliseconds) {
          if (maxMilliseconds > 0) {
              ui::waitForEvents(maxMilliseconds);
          } else {
              ui::doEvents();
          }
      })
{
}

EditLoopPacing::EditLoopPacing(platform::clock::Clock& clock, EventWait wait)
    : m_clock(&clock), m_wait(std::move(wait))
{
}

void EditLoopPacing::turnBegins()
{
    m_turnStart = m_clock->tickCount();
}

void EditLoopPacing::letEventsRun(bool buttonHeld)
{
    if (!buttonHeld) {
        m_wait(IdleWaitLimit);
        return;
    }
    // What came during the mouse edit runs at once; what comes later runs as it comes.
    m_wait(0);
    const platform::clock::Tick end = m_turnStart + HeldTurnLength;
    for (platform::clock::Tick now = m_clock->tickCount(); now < end; now = m_clock->tickCount()) {
        m_wait(static_cast<int>(end - now));
    }
}

} // namespace plotwright
