#include "platform/ui/picture_painting.h"

#include "platform/gfx/picture.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QRegion>

namespace platform::ui::detail {

void paintPicture(QPainter& painter, const QRect& dirty, const QRect& area, const gfx::Picture* picture,
                  const QColor& back)
{
    const bool shows = picture != nullptr && !picture->isNull();
    const QRect shown = shows ? QRect(area.topLeft(), picture->image().size()).intersected(area) : QRect();
    for (const QRect& r : QRegion(dirty) - QRegion(shown)) {
        painter.fillRect(r, back);
    }
    const QRect part = shown.intersected(dirty);
    if (!part.isEmpty()) {
        // The picture's format is the window system's (32-bit RGB): a plain copy.
        painter.drawImage(part.topLeft(), picture->image(), part.translated(-area.topLeft()));
    }
}

} // namespace platform::ui::detail
