#include "platform/gfx/picture.h"

#include "platform/gfx/pixel_font.h"
#include "platform/text/codepage.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform::gfx {

namespace {

// An RGB32 pixel as stored: the unused top byte is always 0xFF.
inline std::uint32_t stored(Rgb colour)
{
    return 0xFF000000u | (colour & 0xFFFFFFu);
}

__extension__ typedef __int128 Wide;

// v / d rounded to the nearest whole number, halves upwards; d > 0.
Wide roundedQuotient(Wide v, Wide d)
{
    Wide n = 2 * v + d;
    Wide q = n / (2 * d);
    if (n % (2 * d) != 0 && n < 0) {
        --q;
    }
    return q;
}

// Installed fonts need a running application; without one the pixel font stands in.
bool installedFontsAvailable()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// The fonts the programs' designs name, mapped to what this system has: Terminal is the pixel
// font of the battle's texts; Arial Black and MS Sans Serif become DejaVu Sans (bold and plain).
struct ResolvedFont
{
    bool pixel = false;
    QFont font;
};

ResolvedFont resolve(const Font& font)
{
    ResolvedFont r;
    const std::string& family = font.family;
    if (family == "pixel" || family == "Terminal" || !installedFontsAvailable()) {
        r.pixel = true;
        return r;
    }
    bool bold = font.bold;
    QString name = QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size()));
    if (family == "Arial Black") {
        name = QStringLiteral("DejaVu Sans");
        bold = true;
    } else if (family == "MS Sans Serif") {
        name = QStringLiteral("DejaVu Sans");
    }
    r.font = QFont(name);
    // Point sizes are meant at 96 pixels per inch, whatever the picture's own resolution.
    r.font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0))));
    r.font.setBold(bold);
    r.font.setStyleStrategy(QFont::NoAntialias);
    return r;
}

} // namespace

Picture::Picture(int width, int height, Rgb fill)
{
    if (width > 0 && height > 0) {
        m_image = QImage(width, height, QImage::Format_RGB32);
        m_image.fill(stored(fill));
    }
}

void Picture::resize(int width, int height, Rgb fill)
{
    if (width == this->width() && height == this->height()) {
        return;
    }
    Picture next(width, height, fill);
    if (!next.isNull() && !isNull()) {
        const int w = std::min(width, this->width());
        const int h = std::min(height, this->height());
        for (int y = 0; y < h; ++y) {
            std::memcpy(next.m_image.scanLine(y), m_image.constScanLine(y), static_cast<size_t>(w) * 4);
        }
    }
    m_image = std::move(next.m_image);
}

void Picture::clear(Rgb colour)
{
    if (!isNull()) {
        m_image.fill(stored(colour));
    }
}

Rgb Picture::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return kInvalidColour;
    }
    const auto* row = reinterpret_cast<const std::uint32_t*>(m_image.constScanLine(y));
    return row[x] & 0xFFFFFFu;
}

void Picture::setPixel(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return;
    }
    reinterpret_cast<std::uint32_t*>(m_image.scanLine(y))[x] = stored(colour);
}

void Picture::fillBox(int x1, int y1, int x2, int y2, Rgb colour)
{
    if (isNull()) {
        return;
    }
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), width() - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), height() - 1);
    if (left > right || top > bottom) {
        return;
    }
    const std::uint32_t value = stored(colour);
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + y * stride);
        std::fill(row + left, row + right + 1, value);
    }
}

void Picture::box(int x1, int y1, int x2, int y2, Rgb colour)
{
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    fillBox(left, top, right, top, colour);
    fillBox(left, bottom, right, bottom, colour);
    fillBox(left, top, left, bottom, colour);
    fillBox(right, top, right, bottom, colour);
}

void Picture::line(int x1, int y1, int x2, int y2, Rgb colour)
{
    if (isNull()) {
        return;
    }
    const Wide dx = Wide(x2) - x1;
    const Wide dy = Wide(y2) - y1;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    // Walk the major axis one pixel per step; the minor axis follows by rounding.
    const Wide majorStart = xMajor ? x1 : y1;
    const Wide minorStart = xMajor ? y1 : x1;
    const Wide majorDelta = xMajor ? dx : dy;
    const Wide minorDelta = xMajor ? dy : dx;
    const Wide majorSize = xMajor ? width() : height();
    const Wide minorSize = xMajor ? height() : width();
    const Wide steps = majorDelta < 0 ? -majorDelta : majorDelta;
    const int direction = majorDelta < 0 ? -1 : 1;

    // Only the steps whose major coordinate lies inside the picture.
    Wide first = 0;
    Wide last = steps;
    if (direction > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorSize - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (majorSize - 1));
        last = std::min(last, majorStart);
    }
    for (Wide t = first; t <= last; ++t) {
        const Wide major = majorStart + direction * t;
        const Wide minor = steps == 0 ? minorStart : minorStart + roundedQuotient(t * minorDelta, steps);
        if (minor < 0 || minor >= minorSize) {
            continue;
        }
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        setPixel(px, py, colour);
    }
}

void Picture::print(int x, int y, std::string_view text, const Font& font, Rgb colour)
{
    if (isNull() || text.empty() || x >= width() || y >= height()) {
        return;
    }
    const ResolvedFont resolved = resolve(font);
    if (resolved.pixel) {
        using namespace pixel_font;
        if (y <= -kGlyphRows) {
            return;
        }
        for (size_t i = 0; i < text.size(); ++i) {
            const long long cellX = x + static_cast<long long>(i) * kCellWidth;
            if (cellX >= width()) {
                break;
            }
            if (cellX + kCellWidth <= 0) {
                continue;
            }
            const Glyph& g = glyph(static_cast<unsigned char>(text[i]));
            for (int row = 0; row < kGlyphRows; ++row) {
                const std::uint8_t bits = g[row];
                for (int col = 0; col < kGlyphColumns; ++col) {
                    if (bits & (0x10 >> col)) {
                        setPixel(static_cast<int>(cellX) + col, y + row, colour);
                    }
                }
            }
        }
        return;
    }
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(resolved.font);
    painter.setPen(QColor::fromRgb(stored(colour)));
    const QFontMetrics metrics(resolved.font);
    if (static_cast<long long>(y) + metrics.height() <= 0) {
        return;
    }
    painter.drawText(x, y + metrics.ascent(), platform::text::toUnicode(text));
}

int Picture::textWidth(std::string_view text, const Font& font)
{
    const ResolvedFont resolved = resolve(font);
    if (resolved.pixel) {
        return static_cast<int>(text.size()) * pixel_font::kCellWidth;
    }
    return QFontMetrics(resolved.font).horizontalAdvance(text::toUnicode(text));
}

bool Picture::load(const std::string& path)
{
    QImage loaded;
    if (!loaded.load(QFile::decodeName(QByteArray::fromStdString(path)))) {
        return false;
    }
    loaded = loaded.convertToFormat(QImage::Format_RGB32);
    if (loaded.isNull()) {
        return false;
    }
    m_image = std::move(loaded);
    return true;
}

bool Picture::save(const std::string& path) const
{
    return !isNull() && m_image.save(QFile::decodeName(QByteArray::fromStdString(path)));
}

} // namespace platform::gfx
