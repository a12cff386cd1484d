#include "game/battle/screen_text.h"

#include "game/battle/sprite_drawing.h"

#include <algorithm>

namespace tolvar::battle {

using platform::gfx::Picture;

namespace {

constexpr int CharWidth = 6;
constexpr platform::clock::Tick CharDelayMs = 25;
constexpr platform::clock::Tick HoldMs = 1000;

// The battle's text font: the 6-pixel-cell font of the window's design, in the window-text colour.
const platform::gfx::Font& textFont()
{
    static const platform::gfx::Font font{"Terminal", 6, true};
    return font;
}
constexpr platform::gfx::Rgb TextColour = platform::gfx::kBlack;

// One character in its cell: a frame line above and below, the fill behind, then the glyph.
void drawCharacter(Picture& view, int xi, int base, char character, platform::gfx::Rgb frameColour,
                   platform::gfx::Rgb fillColour)
{
    view.line(xi - 1, base - 19, xi + 7, base - 19, frameColour);
    view.fillBox(xi, base - 18, xi + 6, base - 9, fillColour);
    view.line(xi - 1, base - 8, xi + 7, base - 8, frameColour);
    view.print(xi, base - 17, std::string_view(&character, 1), textFont(), TextColour);
}

} // namespace

void SetScreenText(ScreenTextRequest& request, double x, double y, const std::string& text, int style,
                   long long colour1, long long colour2)
{
    request.pending = true;
    request.x = x;
    request.y = y;
    request.text = text;
    request.style = style;
    request.colour1 = colour1;
    request.colour2 = colour2;
}

TextPlacement placeScreenText(const ScreenTextRequest& request, int logicalWidth, int logicalHeight,
                              int spriteOffsetY)
{
    const double length = static_cast<double>(request.text.size());
    TextPlacement p;
    if (request.style == 1) {
        const double x0 = request.x - 1;
        const double y0 = request.y - 5;
        p.left = x0 + 5;
        p.base = y0 + spriteOffsetY;
        if (p.left < 2)
            p.left = 2;
        if (p.base < 20)
            p.base = 20;
        if (p.left + (length + 1) * CharWidth > logicalWidth)
            p.left = logicalWidth - (length + 1) * CharWidth;
        if (p.base + 8 > logicalHeight)
            p.base = logicalHeight - 10;
        p.pointer = true;
        p.pointerX1 = x0 + 2;
        p.pointerY1 = y0 - 17;
        p.pointerX2 = p.left + 20;
        p.pointerY2 = p.base - 17;
    } else {
        // Messages, and any style the scripts do not use, stand in the upper middle of the view.
        p.left = logicalWidth / 2.0 - length * CharWidth / 2.0;
        p.base = logicalHeight / 4.0;
    }
    return p;
}

void ShowFrame(const ScreenTextRequest& request, FramePresentation& frame)
{
    const platform::gfx::Rgb frameColour = platform::gfx::fromBgrValue(request.colour1);
    const platform::gfx::Rgb fillColour = platform::gfx::fromBgrValue(request.colour2);
    frame.WaitKey = true;

    // The view of the composed frame, kept clean in MiniGet; the text goes onto MiniGetCopy.
    platform::gfx::bitBlt(frame.MiniGet, 0, 0, frame.ViewWidth, frame.ViewHeight, frame.MainFrame,
                          frame.CameraX, frame.CameraY);
    platform::gfx::bitBlt(frame.MiniGetCopy, 0, 0, frame.ViewWidth, frame.ViewHeight, frame.MiniGet, 0, 0);

    const TextPlacement place =
        placeScreenText(request, frame.LogicalWidth, frame.LogicalHeight, frame.SpriteOffsetY);
    if (place.pointer) {
        frame.MiniGetCopy.line(toPixel(place.pointerX1), toPixel(place.pointerY1), toPixel(place.pointerX2),
                               toPixel(place.pointerY2), fillColour);
    }

    // Typing: one character per paced step until a key or click, then the rest at once.
    auto pump = [&frame] {
        if (frame.pumpEvents)
            frame.pumpEvents();
    };
    const int length = static_cast<int>(request.text.size());
    frame.KeyAck = false;
    platform::clock::Tick t0 = frame.clock.tickCount();
    for (int i = 1;; ++i) {
        if (!frame.KeyAck) {
            t0 = frame.clock.tickCount();
            frame.clock.waitUntil(t0 + CharDelayMs, pump);
        }
        if (frame.present)
            frame.present(frame.MiniGetCopy);
        if (i > length)
            break;
        const int xi = toPixel(place.left + (i - 1) * CharWidth);
        drawCharacter(frame.MiniGetCopy, xi, toPixel(place.base),
                      request.text[static_cast<std::size_t>(i - 1)], frameColour, fillColour);
    }

    // Hold the complete text until acknowledged or timed out: the hold waits for the window's
    // events, looking at the player's answer at most once a millisecond. The player who asked for
    // the menu has answered already.
    frame.KeyAck = false;
    const platform::clock::Tick deadline = t0 + HoldMs;
    while (!(frame.MenuOpen && *frame.MenuOpen)) {
        const platform::clock::Tick now = frame.clock.tickCount();
        frame.clock.waitUntil(std::min(now + 1, std::max(deadline, now)));
        frame.clock.waitForInput(deadline, pump, frame.waitForEvents);
        if (frame.KeyAck || frame.clock.tickCount() >= deadline)
            break;
    }

    frame.WaitKey = false;
}

} // namespace tolvar::battle
