#include "platform/gfx/picture.h"

#include "platform/gfx/pixel_font.h"
#include "platform/text/codepage.h"
#include "platform/text/text_file.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <climits>
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

// A number of `size` bytes (1, 2 or 4), least significant first, at `at`; 0 beyond the end.
std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | (at + i < bytes.size() ? static_cast<std::uint8_t>(bytes[at + i]) : 0u);
    }
    return value;
}

// True when the run-length coded pixels from `start` reach the end of the bitmap (its end code,
// or the line end of its last row) before the file ends.
bool runLengthsEndInTheFile(std::string_view bytes, std::size_t start, int bits, long long rows)
{
    std::size_t at = start;
    long long row = 0;
    while (row < rows) {
        if (bytes.size() - at < 2) {
            return false;
        }
        const unsigned count = static_cast<std::uint8_t>(bytes[at]);
        const unsigned code = static_cast<std::uint8_t>(bytes[at + 1]);
        at += 2;
        if (count != 0 || code == 0) {
            row += count == 0 ? 1 : 0;  // a run of one colour, or the end of a row
        } else if (code == 1) {
            return true;  // the end of the bitmap: what it did not reach stays blank
        } else if (code == 2) {
            if (bytes.size() - at < 2) {
                return false;
            }
            row += static_cast<std::uint8_t>(bytes[at + 1]);
            at += 2;
        } else {
            // `code` pixels as they stand, padded to a whole number of 16-bit words.
            std::size_t length = bits == 8 ? code : (code + 1) / 2;
            length += length & 1;
            if (bytes.size() - at < length) {
                return false;
            }
            at += length;
        }
    }
    return true;
}

// A BMP whose file holds fewer pixel bytes than its header declares would load with its missing
// rows black, as if it were whole; such a file is damaged. The pixels start after the headers and
// the colour table, or further on where the file header says so; uncompressed rows are padded to
// 4 bytes, the last one included; run-length coded pixels must reach their end. Anything that is
// not a BMP, or a BMP the image library will refuse anyway, is left to the library.
bool bitmapHoldsItsPixels(std::string_view bytes)
{
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return true;
    }
    constexpr std::size_t FileHeader = 14;
    const std::uint32_t header = littleEndian(bytes, FileHeader, 4);
    long long width = 0;
    long long height = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colours = 0;
    std::size_t colourSize = 4;
    if (header == 12) {
        width = littleEndian(bytes, 18, 2);
        height = static_cast<std::int16_t>(littleEndian(bytes, 20, 2));
        bits = static_cast<int>(littleEndian(bytes, 24, 2));
        colourSize = 3;
    } else if (header >= 40) {
        width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        bits = static_cast<int>(littleEndian(bytes, 28, 2));
        compression = littleEndian(bytes, 30, 4);
        colours = littleEndian(bytes, 46, 4);
    } else {
        return true;
    }
    if (bytes.size() < FileHeader + header) {
        return false;
    }
    const long long rows = height < 0 ? -height : height;
    if (width <= 0 || rows == 0 || bits <= 0 || bits > 32) {
        return true;
    }
    Wide start = FileHeader + Wide(header);
    if (header == 40 && compression == 3) {
        start += 12;  // the three colour masks
    }
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        start += Wide(colours == 0 || colours > most ? most : colours) * Wide(colourSize);
    }
    start = std::max(start, Wide(littleEndian(bytes, 10, 4)));
    if (start > Wide(bytes.size())) {
        return false;
    }
    if ((compression == 1 && bits == 8) || (compression == 2 && bits == 4)) {
        return runLengthsEndInTheFile(bytes, static_cast<std::size_t>(start), bits, rows);
    }
    if (compression != 0 && compression != 3) {
        return true;
    }
    const Wide rowBytes = (Wide(width) * bits + 31) / 32 * 4;
    return Wide(bytes.size()) - start >= rowBytes * rows;
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

void Picture::setClip(int x, int y, int w, int h)
{
    m_clipped = true;
    m_clip = {x, y, std::max(w, 0), std::max(h, 0)};
}

void Picture::clearClip()
{
    m_clipped = false;
}

Rect Picture::drawArea() const
{
    if (!m_clipped) {
        return {0, 0, width(), height()};
    }
    const long long left = std::max<long long>(m_clip.x, 0);
    const long long top = std::max<long long>(m_clip.y, 0);
    const long long right = std::min<long long>(static_cast<long long>(m_clip.x) + m_clip.w, width());
    const long long bottom = std::min<long long>(static_cast<long long>(m_clip.y) + m_clip.h, height());
    if (left >= right || top >= bottom) {
        return {0, 0, 0, 0};
    }
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
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
    const Rect area = drawArea();
    if (x < area.x || y < area.y || x >= area.x + area.w || y >= area.y + area.h) {
        return;
    }
    reinterpret_cast<std::uint32_t*>(m_image.scanLine(y))[x] = stored(colour);
}

void Picture::fillBox(int x1, int y1, int x2, int y2, Rgb colour)
{
    if (isNull()) {
        return;
    }
    const Rect area = drawArea();
    const int left = std::max(std::min(x1, x2), area.x);
    const int right = std::min(std::max(x1, x2), area.x + area.w - 1);
    const int top = std::max(std::min(y1, y2), area.y);
    const int bottom = std::min(std::max(y1, y2), area.y + area.h - 1);
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
    const Rect area = drawArea();
    const Wide majorLow = xMajor ? area.x : area.y;
    const Wide majorHigh = majorLow + (xMajor ? area.w : area.h) - 1;
    const Wide minorLow = xMajor ? area.y : area.x;
    const Wide minorHigh = minorLow + (xMajor ? area.h : area.w) - 1;
    const Wide steps = majorDelta < 0 ? -majorDelta : majorDelta;
    const int direction = majorDelta < 0 ? -1 : 1;

    // Only the steps whose major coordinate lies inside the drawing area.
    Wide first = 0;
    Wide last = steps;
    if (direction > 0) {
        first = std::max(first, majorLow - majorStart);
        last = std::min(last, majorHigh - majorStart);
    } else {
        first = std::max(first, majorStart - majorHigh);
        last = std::min(last, majorStart - majorLow);
    }
    const std::uint32_t value = stored(colour);
    for (Wide t = first; t <= last; ++t) {
        const Wide major = majorStart + direction * t;
        const Wide minor = steps == 0 ? minorStart : minorStart + roundedQuotient(t * minorDelta, steps);
        if (minor < minorLow || minor > minorHigh) {
            continue;
        }
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        reinterpret_cast<std::uint32_t*>(m_image.scanLine(py))[px] = value;
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
    if (m_clipped) {
        const Rect area = drawArea();
        painter.setClipRect(QRect(area.x, area.y, area.w, area.h));
    }
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
    std::string bytes;
    // The image library takes at most INT_MAX bytes at once.
    if (!platform::text::readFile(path, bytes, INT_MAX) || !bitmapHoldsItsPixels(bytes)) {
        return false;
    }
    QImage loaded;
    if (!loaded.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()))) {
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
