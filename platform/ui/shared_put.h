#pragma once
// Puts a picture that the program redraws frame after frame straight to a widget's window from
// memory shared with the X server (the MIT-SHM extension): the program's drawing lands in the
// shared memory itself, and showing it is one request, with no copy into the toolkit's backing
// store and no repaint pass. Only on X11 with MIT-SHM and a 24- or 32-bit true-colour window;
// elsewhere create() gives nothing and the widget paints as usual.

#include <QRect>
#include <memory>

class QWidget;

namespace platform::gfx {
class Picture;
}

namespace platform::ui::detail {

class SharedPut
{
public:
    // Nothing when the window system cannot take shared-memory pictures for `widget`. Makes the
    // widget a native window of its own, so that a put reaches no other widget.
    static std::unique_ptr<SharedPut> create(QWidget* widget);
    virtual ~SharedPut() = default;

    // Puts the `part` of `picture` (its own pixels) with the picture's top-left corner at
    // `origin` in the widget. The first time, and whenever the picture's pixels no longer lie in
    // the shared memory (a resize, a copy that was written to), the pixels are moved there once.
    // False when the put could not be made: the caller then repaints the usual way.
    virtual bool put(gfx::Picture& picture, const QRect& part, const QPoint& origin) = 0;
};

} // namespace platform::ui::detail
