#include "game/battle/screen_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tolvar::battle;
using platform::clock::ManualClock;
using platform::clock::Tick;
using platform::gfx::Picture;
using platform::gfx::Rgb;

constexpr long long Yellow = 65535;  // frame colour
constexpr long long Blue = 16711680; // fill colour
constexpr Rgb YellowRgb = 0xFFFF00;
constexpr Rgb BlueRgb = 0x0000FF;
constexpr Rgb Ground = 0x336633;

struct PlacementCase
{
    const char* name;
    double x, y;
    std::string text;
    int style;
    double left, base;
};

TEST(ScreenTextPlacement, KeepsTheTextInsideTheView)
{
    const PlacementCase cases[] = {
        {"bubble in the open", 100, 100, "Hi", 1, 104, 78},
        {"near the left edge", -10, 100, "Hi", 1, 2, 78},
        {"near the right edge", 300, 100, "0123456789", 1, 320 - 11 * 6, 78},
        {"near the top", 100, 10, "Hi", 1, 104, 20},
        {"below the bottom", 100, 258, "Hi", 1, 104, 230},
        {"message", 100, 100, "Move", 2, 148, 60},
        {"odd message", 0, 0, "Go!", 2, 151, 60},
        {"any other style stands like a message", 100, 100, "Move", 5, 148, 60},
    };
    for (const PlacementCase& k : cases) {
        SCOPED_TRACE(k.name);
        ScreenTextRequest request;
        SetScreenText(request, k.x, k.y, k.text, k.style, Yellow, Blue);
        const TextPlacement p = placeScreenText(request, 320, 240, -17);
        EXPECT_DOUBLE_EQ(p.left, k.left);
        EXPECT_DOUBLE_EQ(p.base, k.base);
        EXPECT_EQ(p.pointer, k.style == 1);
    }
}

TEST(ScreenTextPlacement, BubblePointerRunsFromTheSpeakerToTheText)
{
    ScreenTextRequest request;
    SetScreenText(request, 100, 100, "Hi", 1, Yellow, Blue);
    const TextPlacement p = placeScreenText(request, 320, 240, -17);
    EXPECT_DOUBLE_EQ(p.pointerX1, 101);
    EXPECT_DOUBLE_EQ(p.pointerY1, 78);
    EXPECT_DOUBLE_EQ(p.pointerX2, 124);
    EXPECT_DOUBLE_EQ(p.pointerY2, 61);
}

// Drives ShowFrame with a manual clock: records every presented picture and its tick, and presses
// a key when the clock reaches one of the scripted ticks.
class ShowFrameTest : public ::testing::Test
{
protected:
    ShowFrameTest() : mainFrame(400, 300, Ground), miniGet(320, 240), miniGetCopy(320, 240)
    {
        mainFrame.setPixel(30 + 5, 20 + 5, 0xFF0000); // a mark in the view
    }

    void show(const ScreenTextRequest& request)
    {
        FramePresentation frame{
            .clock = clock,
            .pumpEvents =
                [this] {
                    waitKeySeenWhilePumping = waitKeySeenWhilePumping && waitKey;
                    if (!keyTicks.empty() && clock.tickCount() >= keyTicks.front()) {
                        keyTicks.erase(keyTicks.begin());
                        keyAck = true;
                    }
                },
            .present =
                [this](const Picture& view) {
                    presented.push_back(view);
                    presentTicks.push_back(clock.tickCount());
                },
            .MainFrame = mainFrame,
            .MiniGet = miniGet,
            .MiniGetCopy = miniGetCopy,
            .CameraX = 30,
            .CameraY = 20,
            .WaitKey = waitKey,
            .KeyAck = keyAck,
        };
        ShowFrame(request, frame);
    }

    ManualClock clock{1000};
    Picture mainFrame, miniGet, miniGetCopy;
    bool waitKey = false, keyAck = false;
    bool waitKeySeenWhilePumping = true;
    std::vector<Tick> keyTicks;
    std::vector<Picture> presented;
    std::vector<Tick> presentTicks;
};

// Character i of a message band starting at `left` on base line `base` is in the picture.
bool showsCharacter(const Picture& view, int left, int base, int i)
{
    const int xi = left + (i - 1) * 6;
    return view.pixel(xi + 7, base - 19) == YellowRgb && view.pixel(xi + 5, base - 12) == BlueRgb &&
           view.pixel(xi + 7, base - 8) == YellowRgb;
}

TEST_F(ShowFrameTest, TypesOneCharacterPerPacedStepThenHoldsForASecond)
{
    keyAck = true; // an acknowledgement left from before the text does not count
    ScreenTextRequest request;
    SetScreenText(request, 0, 0, "AB", 2, Yellow, Blue); // left 154, base 60
    show(request);

    EXPECT_EQ(presentTicks, (std::vector<Tick>{1025, 1050, 1075}));
    ASSERT_EQ(presented.size(), 3u);
    EXPECT_EQ(presented[0].pixel(5, 5), 0xFF0000u); // the view of the frame at the camera
    EXPECT_FALSE(showsCharacter(presented[0], 154, 60, 1));
    EXPECT_TRUE(showsCharacter(presented[1], 154, 60, 1));
    EXPECT_FALSE(showsCharacter(presented[1], 154, 60, 2));
    EXPECT_TRUE(showsCharacter(presented[2], 154, 60, 2));
    EXPECT_EQ(miniGet.pixel(159, 48), Ground); // the clean view stays without text
    EXPECT_EQ(clock.tickCount(), 1050 + 1000); // held from the last paced step
    EXPECT_TRUE(waitKeySeenWhilePumping);
    EXPECT_FALSE(waitKey);
}

TEST_F(ShowFrameTest, KeyWhileTypingShowsTheRestAtOnceThenASecondKeyEndsTheHold)
{
    keyTicks = {1050, 1500};
    ScreenTextRequest request;
    SetScreenText(request, 0, 0, "HELLO", 2, Yellow, Blue);
    show(request);

    EXPECT_EQ(presentTicks, (std::vector<Tick>{1025, 1050, 1075, 1075, 1075, 1075}));
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(showsCharacter(presented.back(), 145, 60, i)) << i;
    EXPECT_GE(clock.tickCount(), 1500);
    EXPECT_LE(clock.tickCount(), 1501);
    EXPECT_FALSE(waitKey);
}

TEST_F(ShowFrameTest, AfterAKeyWhileTypingTheHoldTimesOutFromTheLastPacedStep)
{
    keyTicks = {1050};
    ScreenTextRequest request;
    SetScreenText(request, 0, 0, "HELLO", 2, Yellow, Blue);
    show(request);
    EXPECT_EQ(clock.tickCount(), 1050 + 1000);
}

TEST_F(ShowFrameTest, EmptyTextPresentsTheFrameOnceAndHoldsIt)
{
    keyTicks = {1400};
    ScreenTextRequest request;
    SetScreenText(request, 0, 0, "", 2, Yellow, Blue);
    show(request);
    EXPECT_EQ(presentTicks, (std::vector<Tick>{1025}));
    EXPECT_GE(clock.tickCount(), 1400);
    EXPECT_LE(clock.tickCount(), 1401);
}

// Under the program's clock the hold waits for the window's events in one wait up to its
// deadline, without pumping again and again; the player's key ends it.
TEST_F(ShowFrameTest, TheHoldWaitsForTheWindowsEventsUpToItsDeadline)
{
    platform::clock::SystemClock real;
    int pumps = 0;
    std::vector<Tick> eventWaits;
    FramePresentation frame{
        .clock = real,
        .pumpEvents = [&] { ++pumps; },
        .waitForEvents =
            [&](Tick ms) {
                eventWaits.push_back(ms);
                keyAck = true; // the player's key arrives
            },
        .present = [this](const Picture& view) { presented.push_back(view); },
        .MainFrame = mainFrame,
        .MiniGet = miniGet,
        .MiniGetCopy = miniGetCopy,
        .WaitKey = waitKey,
        .KeyAck = keyAck,
    };
    ScreenTextRequest request;
    SetScreenText(request, 0, 0, "", 2, Yellow, Blue);
    ShowFrame(request, frame);
    EXPECT_EQ(presented.size(), 1u);
    EXPECT_EQ(pumps, 1); // the paced step before the frame is shown
    ASSERT_EQ(eventWaits.size(), 1u);
    EXPECT_GT(eventWaits[0], 500);
    EXPECT_LE(eventWaits[0], 1000);
}

TEST_F(ShowFrameTest, SpeechBubbleDrawsItsPointerAndBandAtThePlacement)
{
    ScreenTextRequest request;
    SetScreenText(request, 100, 100, "Hi", 1, Yellow, Blue); // left 104, base 78
    show(request);
    const Picture& last = presented.back();
    EXPECT_EQ(last.pixel(101, 78), BlueRgb); // the pointer starts at the speaker
    EXPECT_TRUE(showsCharacter(last, 104, 78, 1));
    EXPECT_TRUE(showsCharacter(last, 104, 78, 2));
}

} // namespace
