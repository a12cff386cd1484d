#include "platform/text/vb.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vb {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Whole numbers stored from a double: NaN gives 0, values beyond the range stop at its ends.
long long saturate(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double top = 9223372036854775807.0; // rounds to 2^63
    if (value >= top) {
        return std::numeric_limits<long long>::max();
    }
    if (value <= -top) {
        return std::numeric_limits<long long>::min();
    }
    return static_cast<long long>(value);
}

// "&H" and "&O" numbers: up to 4 digits are a 16-bit value and up to 8 digits a 32-bit value,
// both two's complement ("&HFFFF" is -1), as the language's own literals are.
double radixValue(std::string_view digits, int radix)
{
    std::uint64_t value = 0;
    double big = 0;
    std::size_t count = 0;
    bool overflow = false;
    for (const char c : digits) {
        const int d = radix == 16 ? hexDigit(c) : (c >= '0' && c <= '7' ? c - '0' : -1);
        if (d < 0) {
            break;
        }
        if (count == 0 && d == 0) {
            continue; // leading zeros do not count towards the width
        }
        ++count;
        big = big * radix + d;
        if (value > (std::numeric_limits<std::uint64_t>::max() >> 4)) {
            overflow = true;
        }
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
    }
    const bool fits16 = radix == 16 ? count <= 4 : value <= 0xFFFFu;
    const bool fits32 = radix == 16 ? count <= 8 : value <= 0xFFFFFFFFu;
    if (fits16) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    if (fits32) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    return overflow ? big : static_cast<double>(value);
}

// Decimal text formatting shared by the general number format and the printed numbers: up to
// 15 significant digits, no trailing zeros, exponent form for very large or very small values.
std::string formatGeneral(double value)
{
    if (std::isnan(value)) {
        return "0";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-1.79769313486232E+308" : "1.79769313486232E+308";
    }
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string sci(buffer, res.ptr);
    // sci looks like "-d.ddddddddddddddde+XX"
    std::size_t i = 0;
    const bool negative = sci[0] == '-';
    if (negative) {
        i = 1;
    }
    const std::size_t e = sci.find('e');
    std::string digits;
    for (std::size_t k = i; k < e; ++k) {
        if (isDigit(sci[k])) {
            digits.push_back(sci[k]);
        }
    }
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += "." + digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int mag = exponent < 0 ? -exponent : exponent;
        if (mag < 10) {
            out += "0";
        }
        out += std::to_string(mag);
        return out;
    }
    if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        out += digits + std::string(whole - digits.size(), '0');
    } else {
        out += digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return out;
}

} // namespace

double val(std::string_view text)
{
    // Blanks, tabs and line feeds do not count anywhere in the number.
    std::string s;
    s.reserve(text.size());
    for (const char c : text) {
        if (!isBlank(c)) {
            s.push_back(c);
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        if (kind == 'H' || kind == 'h') {
            return radixValue(std::string_view(s).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return radixValue(std::string_view(s).substr(2), 8);
        }
        return 0;
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string number;
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        number.push_back(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back('.');
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            number.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent.push_back(s[j++]);
        }
        bool expDigit = false;
        while (j < s.size() && isDigit(s[j])) {
            exponent.push_back(s[j++]);
            expDigit = true;
        }
        if (expDigit) {
            number += exponent;
        }
    }
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large stops at the largest double; too small is zero.
        const bool large = number.find("e-") == std::string::npos;
        value = large ? std::numeric_limits<double>::max() : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

long long nearest(double value)
{
    if (std::isnan(value) || std::isinf(value)) {
        return saturate(value);
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5) {
        result = floor + 1;
    } else if (fraction == 0.5) {
        result = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    }
    return saturate(result);
}

long long intFloor(double value)
{
    return saturate(std::floor(value));
}

long long fix(double value)
{
    return saturate(std::trunc(value));
}

std::string mid(std::string_view text, long long start, long long length)
{
    if (start < 1) {
        start = 1;
    }
    const auto from = static_cast<unsigned long long>(start - 1);
    if (from >= text.size()) {
        return {};
    }
    const std::size_t available = text.size() - static_cast<std::size_t>(from);
    std::size_t count = available;
    if (length >= 0 && static_cast<unsigned long long>(length) < available) {
        count = static_cast<std::size_t>(length);
    }
    return std::string(text.substr(static_cast<std::size_t>(from), count));
}

std::string left(std::string_view text, long long length)
{
    if (length <= 0) {
        return {};
    }
    if (static_cast<unsigned long long>(length) >= text.size()) {
        return std::string(text);
    }
    return std::string(text.substr(0, static_cast<std::size_t>(length)));
}

std::string right(std::string_view text, long long length)
{
    if (length <= 0) {
        return {};
    }
    if (static_cast<unsigned long long>(length) >= text.size()) {
        return std::string(text);
    }
    return std::string(text.substr(text.size() - static_cast<std::size_t>(length)));
}

std::string ltrim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string rtrim(std::string_view text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim(std::string_view text)
{
    return ltrim(rtrim(text));
}

std::string hex(long long value)
{
    // Negative numbers show their two's complement in the width of the smallest whole-number
    // type that holds them (-1 gives "FFFF").
    std::uint64_t bits = static_cast<std::uint64_t>(value);
    if (value < 0) {
        if (value >= std::numeric_limits<std::int16_t>::min()) {
            bits &= 0xFFFFu;
        } else if (value >= std::numeric_limits<std::int32_t>::min()) {
            bits &= 0xFFFFFFFFu;
        }
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return out;
}

std::string hex2(long long value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned>(static_cast<std::uint64_t>(value) & 0xFFu);
    return {digits[byte >> 4], digits[byte & 0xF]};
}

long long hexValue(std::string_view text)
{
    long long value = 0;
    for (const char c : text) {
        const int d = hexDigit(c);
        if (d < 0) {
            break;
        }
        if (value > (std::numeric_limits<long long>::max() - d) / 16) {
            return std::numeric_limits<long long>::max();
        }
        value = value * 16 + d;
    }
    return value;
}

std::string generalNumber(double value)
{
    return formatGeneral(value);
}

std::string str(double value)
{
    const std::string text = formatGeneral(value);
    return text[0] == '-' ? text : " " + text;
}

std::string printNumber(double value)
{
    return str(value) + " ";
}

std::string zeroPad(long long value, int width)
{
    const bool negative = value < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (width > 0 && digits.size() < static_cast<std::size_t>(width)) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
}

} // namespace vb
