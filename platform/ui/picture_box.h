#pragma once
// A picture box: shows a retained picture that the program draws into, with mouse and key
// events in the box's pixels. An image control is a picture box that takes no focus.

#include "platform/ui/control.h"

namespace platform::ui {

class PictureBox : public Control
{
public:
    explicit PictureBox(Parent parent);

    // The retained picture, drawn with its top-left corner at the box's top-left corner. The
    // picture keeps its own size: resizing the box does not resize the picture, and what the
    // picture does not cover shows the back colour. After drawing into it, call refresh().
    gfx::Picture& picture() { return *m_shown; }
    const gfx::Picture& picture() const { return *m_shown; }
    // Shows `picture`, which the program keeps and draws into, instead of the box's own: nothing
    // is copied, and picture() is that picture from then on. Call refresh() after drawing into it.
    // It must outlive its showing; nullptr returns to the box's own picture.
    void usePicture(gfx::Picture* picture);
    // Replaces the picture (and repaints); with auto-size on the box takes the picture's size.
    void setPicture(const gfx::Picture& picture);
    void setPicture(gfx::Picture&& picture);
    // Loads a bitmap as the picture; false (picture unchanged) when the file cannot be read.
    bool loadPicture(const std::string& path);
    void setAutoSize(bool autoSize);
    // A sunken border around the picture (off by default, so that box and picture pixels agree).
    void setBorder(bool border);

    // Shows the picture's current pixels: a cheap repaint at the next event processing, or, for a
    // program's picture (usePicture) on X11, a put from shared memory at once.
    void refresh();
    // Repaints only a rectangle of the picture.
    void refresh(int x, int y, int width, int height);

    // Mouse events in the box's pixels. Down and up give the button pressed or released; move
    // gives the buttons held (keys.h); shift is the shift state. Moves are reported with no
    // button held too.
    std::function<void(int button, int shift, int x, int y)> onMouseDown;
    std::function<void(int button, int shift, int x, int y)> onMouseMove;
    std::function<void(int button, int shift, int x, int y)> onMouseUp;
    // A press and release of the left button in the box.
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    struct Tag
    {
    };
    PictureBox(Parent parent, Tag);

private:
    class Canvas;
    friend class Canvas;
    Canvas* canvas() const;

    gfx::Picture m_picture;
    gfx::Picture* m_shown = &m_picture; // the box's own picture or the program's
    bool m_autoSize = false;
};

// An image control: shows a picture; takes no focus.
class Image : public PictureBox
{
public:
    explicit Image(Parent parent);
};

} // namespace platform::ui
