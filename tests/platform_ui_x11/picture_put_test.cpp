// A picture box showing a program's picture on a real X display: what the window shows after
// each refresh, after the picture's pixels moved, and after the window was covered.

#include "platform/gfx/picture.h"
#include "platform/ui/form.h"
#include "platform/ui/picture_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using platform::gfx::Picture;
using platform::gfx::Rgb;
using platform::ui::Form;
using platform::ui::PictureBox;

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// A picture that tells its pixels apart: each differs from its neighbours, `seed` shifts all.
void paint(Picture& picture, int seed)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb r = (x * 7 + seed) & 0xff;
            const Rgb g = (y * 5 + seed * 3) & 0xff;
            const Rgb b = (x + y + seed) & 0xff;
            picture.setPixel(x, y, r << 16 | g << 8 | b);
        }
    }
}

// What the display itself holds in the box's area, read back from the X server.
QImage onScreen(const PictureBox& box)
{
    const QPoint at = box.widget()->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), kWidth, kHeight)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The first pixel where the screen and the picture differ, or "" when none does.
std::string firstDifference(const QImage& shown, const Picture& picture)
{
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb s = shown.pixel(x, y) & 0xffffff;
            const QRgb p = picture.image().pixel(x, y) & 0xffffff;
            if (s != p) {
                return "(" + std::to_string(x) + ", " + std::to_string(y) + "): shown " + std::to_string(s) +
                       ", picture " + std::to_string(p);
            }
        }
    }
    return {};
}

class ProgramPicture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb") {
            GTEST_SKIP() << "needs an X display";
        }
        form.move(40, 30);
        form.resize(200, 150);
        box.move(17, 11, kWidth + 20, kHeight + 20);
        picture = Picture(kWidth, kHeight);
        paint(picture, 0);
        box.usePicture(&picture);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.widget()));
        settle();
    }

    // Lets the toolkit paint and the server catch up.
    static void settle()
    {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QApplication::sync();
            QTest::qWait(20);
        }
    }

    Form form{"picture"};
    PictureBox box{form};
    Picture picture;
};

TEST_F(ProgramPicture, EachRefreshShowsThePicturesPixelsAtOnce)
{
    EXPECT_EQ(firstDifference(onScreen(box), picture), "");

    // Shown at the refresh itself, before the toolkit's next round of events.
    for (int frame = 1; frame <= 3; ++frame) {
        paint(picture, frame * 40);
        box.refresh();
        EXPECT_EQ(firstDifference(onScreen(box), picture), "") << "frame " << frame;
    }

    // A refresh of a rectangle shows that rectangle.
    picture.fillBox(10, 5, 29, 24, 0x3060c0);
    box.refresh(10, 5, 20, 20);
    EXPECT_EQ(firstDifference(onScreen(box), picture), "");
}

TEST_F(ProgramPicture, APictureCopiedAndThenDrawnIntoShowsWhatWasDrawnLast)
{
    box.refresh();
    QApplication::sync();
    // The copy shares the pixels until the picture is drawn into; then the picture has pixels
    // of its own, which the next refresh must show, and the copy keeps the old ones.
    const Picture before = picture;
    paint(picture, 99);
    box.refresh();
    QApplication::sync();
    EXPECT_EQ(firstDifference(onScreen(box), picture), "");
    EXPECT_NE(before.image(), picture.image());

    // A new size too.
    picture.resize(kWidth, kHeight - 8, 0x102030);
    paint(picture, 7);
    picture.resize(kWidth, kHeight, 0x102030);
    box.refresh();
    settle();
    EXPECT_EQ(firstDifference(onScreen(box), picture), "");
}

TEST_F(ProgramPicture, AWindowUncoveredShowsThePictureAsLastRefreshedNotAsFirstPainted)
{
    for (int frame = 1; frame <= 3; ++frame) {
        paint(picture, frame * 17);
        box.refresh();
    }
    settle();
    ASSERT_EQ(firstDifference(onScreen(box), picture), "");

    // Another window over the box, then gone: the server asks the box to paint again.
    QWidget cover;
    cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(Qt::magenta));
    cover.setGeometry(form.widget()->geometry().adjusted(-10, -10, 10, 10));
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    settle();
    ASSERT_NE(firstDifference(onScreen(box), picture), "") << "the cover did not cover the box";
    cover.hide();
    settle();
    EXPECT_EQ(firstDifference(onScreen(box), picture), "");
}

} // namespace
