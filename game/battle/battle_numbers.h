#pragma once
// Number conversions of the battle that must stay defined for any text a mission file holds.

#include "platform/text/vb.h"

#include <cmath>
#include <string>
#include <string_view>

namespace tolvar::battle {

// A value stored into an Integer field: rounded half to even, held inside the 16-bit range the
// field had (text that is not a number gives 0, an overlong number stops at the range's end).
inline int toInteger(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > 32767.0)
        return 32767;
    if (value < -32768.0)
        return -32768;
    return static_cast<int>(vb::nearest(value));
}

// Int() of a value kept as a whole number inside the same range.
inline int intPart(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > 32767.0)
        return 32767;
    if (value < -32768.0)
        return -32768;
    return static_cast<int>(vb::intFloor(value));
}

// Index into the angle tables (0..360) for a whole-degree angle; any other angle is taken
// modulo 360, so it names the same direction.
inline int angleIndex(double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    double whole = std::floor(degrees);
    if (whole >= 0 && whole <= 360)
        return static_cast<int>(whole);
    double wrapped = std::fmod(whole, 360.0);
    if (wrapped < 0)
        wrapped += 360.0;
    return static_cast<int>(wrapped);
}

// Mid(text, start, length) where a negative length (a line too short for its fields) gives "".
inline std::string midText(std::string_view text, long long start, long long length)
{
    if (length <= 0)
        return {};
    return vb::mid(text, start, length);
}

// The text between a quoted line's quotes: the line without its first and last character.
inline std::string unquoted(std::string_view line)
{
    return midText(line, 2, static_cast<long long>(line.size()) - 2);
}

} // namespace tolvar::battle
