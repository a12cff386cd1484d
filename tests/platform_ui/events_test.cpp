// The event pump and the beep.

#include "platform/ui/events.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform::ui;

TEST(Events, DoEventsRunsWhatIsPendingAndReturns)
{
    int ran = 0;
    QTimer::singleShot(0, [&] { ++ran; });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { ++ran; }, Qt::QueuedConnection);
    doEvents();
    EXPECT_EQ(ran, 2);
    doEvents(); // nothing pending: returns at once
    EXPECT_EQ(ran, 2);
}

TEST(Events, WaitForEventsReturnsWithAnEventOrAfterItsLimit)
{
    int ran = 0;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { ++ran; }, Qt::QueuedConnection);
    waitForEvents(10000); // an event is pending: no wait
    EXPECT_EQ(ran, 1);
    waitForEvents(5); // nothing comes: the limit ends the wait
    EXPECT_EQ(ran, 1);
}

TEST(Events, BeepIsCounted)
{
    const int before = beepCount();
    beep();
    beep();
    EXPECT_EQ(beepCount(), before + 2);
}
