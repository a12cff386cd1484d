#include "platform/ui/events.h"

#include <QApplication>
#include <QTimer>

namespace platform::ui {

namespace {
int g_beeps = 0;
}

void doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void waitForEvents(int maxMilliseconds)
{
    // The timer bounds the wait: its expiry is an event too.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(std::max(0, maxMilliseconds));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void beep()
{
    ++g_beeps;
    QApplication::beep();
}

int beepCount()
{
    return g_beeps;
}

} // namespace platform::ui
