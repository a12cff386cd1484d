#pragma once
// Paints a retained picture into the part of a widget that needs painting. Used by the form's
// client area and the picture box.

class QColor;
class QPainter;
class QRect;

namespace platform::gfx {
class Picture;
}

namespace platform::ui::detail {

// Paints the `dirty` rectangle of a widget: the picture, with its top-left corner at the top-left
// corner of `area` and cut to `area`, where it lies; the back colour everywhere else. A null
// picture (or none) leaves all of it to the back colour.
void paintPicture(QPainter& painter, const QRect& dirty, const QRect& area, const gfx::Picture* picture,
                  const QColor& back);

} // namespace platform::ui::detail
