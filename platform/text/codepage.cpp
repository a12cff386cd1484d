#include "platform/text/codepage.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cstdint>

namespace platform::text {

namespace {

// Unicode of the bytes 0x80..0x9F. The five bytes that the code page leaves undefined map to the
// control characters of the same number, so that every byte survives a trip through a widget.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t unicodeOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

// The byte of a Unicode code point, or nothing when the code page has none.
std::optional<char> byteOf(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

unsigned char lowerByte(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + 32);
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return static_cast<unsigned char>(c + 32);
    }
    switch (c) {
    case 0x8A:
        return 0x9A; // Š š
    case 0x8C:
        return 0x9C; // Œ œ
    case 0x8E:
        return 0x9E; // Ž ž
    case 0x9F:
        return 0xFF; // Ÿ ÿ
    default:
        return c;
    }
}

unsigned char upperByte(unsigned char c)
{
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 32);
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 32);
    }
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

} // namespace

QString toUnicode(std::string_view windows1252)
{
    QString text;
    text.reserve(static_cast<qsizetype>(windows1252.size()));
    for (const char c : windows1252) {
        text.append(QChar(unicodeOf(static_cast<unsigned char>(c))));
    }
    return text;
}

std::string fromUnicode(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Walk by code points, so a character outside the basic plane becomes one '?', not two.
    for (const char32_t code : text.toUcs4()) {
        bytes.push_back(byteOf(code).value_or('?'));
    }
    return bytes;
}

std::optional<std::string> fromUnicodeExactly(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4()) {
        const std::optional<char> byte = byteOf(code);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

std::string lowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string upperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    }
    return out;
}

int compareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = lowerByte(static_cast<unsigned char>(a[i]));
        const int y = lowerByte(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace platform::text
