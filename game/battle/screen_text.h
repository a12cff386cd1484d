#pragma once
// Texts that scripts and conditions show during the battle. A script files one request per frame
// with SetScreenText; at the end of the frame ShowFrame types the text into the view character by
// character and holds the picture until the player acknowledges it or a second passes. The battle
// stands still meanwhile.

#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"

#include <functional>
#include <string>

namespace tolvar::battle {

// The text request of the current frame; a later request in the same frame replaces the earlier.
struct ScreenTextRequest
{
    bool pending = false; // a text is to be shown at the end of the frame
    double x = 0;         // the speaker's point in view pixels (style 1 only)
    double y = 0;
    std::string text;      // Windows-1252
    int style = 0;         // 1 speech bubble at the speaker, 2 message in the upper middle of the view
    long long colour1 = 0; // frame colour, 24-bit value with red in the low byte
    long long colour2 = 0; // fill colour behind the characters, same encoding

    void clear() { *this = ScreenTextRequest{}; }
};

// Files a request (draws nothing).
void SetScreenText(ScreenTextRequest& request, double x, double y, const std::string& text, int style,
                   long long colour1, long long colour2);

// What ShowFrame works with: the battle's pictures, camera and view, its clock and event pump, and
// the flags through which the input handlers acknowledge the text.
struct FramePresentation
{
    platform::clock::Clock& clock;
    std::function<void()> pumpEvents; // lets window events run; a key or click sets KeyAck
    // Waits up to the given milliseconds for window events and lets them run (the hold's wait for
    // the player under the program's clock; a test's clock pumps instead).
    std::function<void(platform::clock::Tick ms)> waitForEvents = {};
    // Shows a view-sized picture on the window (stretched onto `GameScreen`).
    std::function<void(const platform::gfx::Picture& view)> present;
    const platform::gfx::Picture& MainFrame;
    platform::gfx::Picture& MiniGet; // view-sized buffers
    platform::gfx::Picture& MiniGetCopy;
    int CameraX = 0, CameraY = 0;
    int ViewWidth = 320, ViewHeight = 240;
    int LogicalWidth = 320, LogicalHeight = 240;
    int SpriteOffsetY = -17;
    bool& WaitKey; // True while a text is shown
    bool& KeyAck;  // set by the input handlers while WaitKey is True
    // The in-game menu, which Esc opens while the text waits: once it is open the text is shown
    // whole and not held.
    const bool* MenuOpen = nullptr;
};

// Where ShowFrame puts a text: its left edge, its base line and, for a speech bubble, the pointer
// line from the speaker. View pixels.
struct TextPlacement
{
    double left = 0;
    double base = 0;
    bool pointer = false;
    double pointerX1 = 0, pointerY1 = 0, pointerX2 = 0, pointerY2 = 0;
};

TextPlacement placeScreenText(const ScreenTextRequest& request, int logicalWidth, int logicalHeight,
                              int spriteOffsetY);

// Presents the frame with the requested text typed into it (one character per 25 ms; a key or a
// click shows the rest at once), then holds it until a key or click, or 1000 ms after the last
// paced character; a menu opened meanwhile ends the wait with no hold. Does not clear the request.
void ShowFrame(const ScreenTextRequest& request, FramePresentation& frame);

} // namespace tolvar::battle
