// Scroll bars, picture boxes, shapes and frames.

#include "platform/ui/events.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/keys.h"
#include "platform/ui/picture_box.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/shape.h"
#include "platform/ui/user_actions.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform::ui;

namespace {

struct CanvasForm : Form
{
    CanvasForm()
    {
        resize(400, 300);
        canvas.move(5, 5, 100, 80);
        bar.move(5, 200, 300, 17);
        bar.setRange(25, 50);
        bar.setSmallChange(1);
        bar.setLargeChange(10);
        vbar.move(370, 5, 17, 200);
    }
    PictureBox canvas{*this};
    HScrollBar bar{*this};
    VScrollBar vbar{*this};
};

} // namespace

TEST(ScrollBar, ValueIsClampedAndChangeRunsWhenItMoves)
{
    CanvasForm form;
    std::vector<int> changes;
    form.bar.onChange = [&] { changes.push_back(form.bar.value()); };
    form.bar.setValue(30);
    form.bar.setValue(30);
    form.bar.setValue(70);
    form.bar.setValue(7);
    form.bar.setValue(7);
    EXPECT_EQ(changes, (std::vector<int>{30, 50, 25}));
    EXPECT_EQ(form.bar.value(), 25);
    // A narrower range moves the value into it.
    form.bar.setValue(45);
    form.bar.setMax(40);
    EXPECT_EQ(form.bar.value(), 40);
    EXPECT_EQ(changes.back(), 40);
}

TEST(ScrollBar, AChangeHandlerSettingTheSameValueDoesNotRunAgain)
{
    CanvasForm form;
    int changes = 0;
    form.bar.onChange = [&] {
        ++changes;
        form.bar.setValue(form.bar.value()); // same value: nothing
        if (form.bar.value() == 31) {
            form.bar.setValue(32); // another value: runs again
        }
    };
    form.bar.setValue(31);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.bar.value(), 32);
}

TEST(ScrollBar, ArrowsTrackAndThumbDragAsTheUserDoesThem)
{
    CanvasForm form;
    form.show();
    std::vector<std::string> events;
    form.bar.onChange = [&] { events.push_back("change " + std::to_string(form.bar.value())); };
    form.bar.onScroll = [&] { events.push_back("scroll"); };
    form.bar.setValue(30);
    user::clickArrow(form.bar, true);
    user::clickTrack(form.bar, true);
    user::clickArrow(form.bar, false);
    EXPECT_EQ(events, (std::vector<std::string>{"change 30", "change 31", "change 41", "change 40"}));

    events.clear();
    user::dragThumb(form.bar, 25, 4);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "change 25");
    EXPECT_EQ(std::count(events.begin(), events.end(), std::string("scroll")),
              static_cast<long>(events.size()) - 1);
    EXPECT_EQ(form.bar.value(), 25);
}

TEST(PictureBox, MouseEventsInBoxPixelsWithButtonsAndShift)
{
    CanvasForm form;
    form.show();
    std::vector<std::string> events;
    auto record = [&](const char* what) {
        return [&events, what](int button, int shift, int x, int y) {
            events.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) +
                             " " + std::to_string(x) + "," + std::to_string(y));
        };
    };
    form.canvas.onMouseDown = record("down");
    form.canvas.onMouseMove = record("move");
    form.canvas.onMouseUp = record("up");
    form.canvas.onClick = [&] { events.push_back("click"); };
    user::mouseMove(form.canvas, 0, 3, 4);
    user::mouseDown(form.canvas, kRightButton, 10, 20, kShiftMask);
    user::mouseMove(form.canvas, kRightButton, 11, 21);
    user::mouseUp(form.canvas, kRightButton, 11, 21);
    user::click(form.canvas, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"move 0 0 3,4", "down 2 1 10,20", "move 2 0 11,21",
                                                "up 2 0 11,21", "down 1 0 0,0", "up 1 0 0,0", "click"}));
    // Both presses of a double click are presses: none of the user's presses is lost.
    events.clear();
    form.canvas.onDblClick = [&] { events.push_back("dblclick"); };
    user::doubleClick(form.canvas, 7, 8);
    EXPECT_EQ(events, (std::vector<std::string>{"down 1 0 7,8", "up 1 0 7,8", "click", "down 1 0 7,8",
                                                "dblclick", "up 1 0 7,8", "click"}));
}

TEST(PictureBox, ShowsTheRetainedPictureAfterRefresh)
{
    CanvasForm form;
    form.setBackColor(0x404040);
    form.canvas.setBackColor(0x0000FF);
    form.canvas.picture() = platform::gfx::Picture(50, 40, 0x00FF00);
    form.show();
    form.canvas.refresh();
    doEvents();
    // Drawing into the picture and refreshing shows the new pixels.
    form.canvas.picture().fillBox(10, 10, 19, 19, 0xFF0000);
    form.canvas.refresh();
    doEvents();
    const QImage shown = form.canvas.widget()->grab().toImage();
    EXPECT_EQ(shown.pixel(15, 15) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(2, 2) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(shown.pixel(70, 60) & 0xFFFFFF, 0x0000FFu); // beyond the picture: back colour
}

TEST(PictureBox, AutoSizeTakesThePictureSize)
{
    CanvasForm form;
    form.canvas.setAutoSize(true);
    form.canvas.setPicture(platform::gfx::Picture(463, 106));
    EXPECT_EQ(form.canvas.width(), 463);
    EXPECT_EQ(form.canvas.height(), 106);
    EXPECT_FALSE(form.canvas.loadPicture("/nonexistent/map.bmp"));
    EXPECT_EQ(form.canvas.picture().width(), 463);
}

TEST(Shape, LetsTheMouseThroughToTheControlBeneath)
{
    CanvasForm form;
    Shape cursor(form);
    cursor.move(5, 5, 21, 21);
    cursor.setBorderColor(0xFFFF00);
    form.show();
    int downs = 0;
    form.canvas.onMouseDown = [&](int, int, int, int) { ++downs; };
    // A click where the shape lies, sent to whatever widget is under that point of the form.
    QWidget* under = form.widget()->childAt(10, 10);
    ASSERT_NE(under, nullptr);
    EXPECT_EQ(under, form.canvas.widget());
    user::click(form.canvas, 5, 5);
    EXPECT_EQ(downs, 1);
    doEvents();
    const QImage shown = form.widget()->grab().toImage();
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF, 0xFFFF00u);
}

TEST(Frame, CoversWhatLiesBeneathAndHidesItsControlsWithIt)
{
    CanvasForm form;
    form.canvas.picture() = platform::gfx::Picture(100, 80, 0xFF0000);
    Frame panel(form, "Save");
    panel.move(5, 5, 100, 80);
    PictureBox inside(panel);
    inside.move(60, 40, 10, 10);
    inside.picture() = platform::gfx::Picture(10, 10, 0x00FF00);
    form.show();
    doEvents();
    const QImage shown = form.widget()->grab().toImage();
    EXPECT_NE(shown.pixel(30, 40) & 0xFFFFFF, 0xFF0000u); // the frame, not the canvas beneath
    EXPECT_EQ(shown.pixel(70, 50) & 0xFFFFFF, 0x00FF00u); // a control inside, placed in frame pixels
    panel.hide();
    EXPECT_FALSE(inside.widget()->isVisible());
    EXPECT_TRUE(inside.visible()); // its own flag is unchanged
    const QImage hidden = form.widget()->grab().toImage();
    EXPECT_EQ(hidden.pixel(30, 40) & 0xFFFFFF, 0xFF0000u);
}
