#pragma once
// The number and string conversions that the programs' arithmetic is defined with.

#include <string>
#include <string_view>

namespace vb {

// Leading number of a text: blanks, tabs and line feeds are skipped anywhere in the number
// ("1 2" gives 12), an optional sign, digits, a decimal point, an exponent (E or D), or a
// hexadecimal "&H" / octal "&O" prefix. Stops at the first other character; no number gives 0.
double val(std::string_view text);

// Rounds to the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Values beyond the range of a whole number stop at its ends; NaN gives 0 (also for intFloor, fix).
long long nearest(double value);

// Largest whole number not above the value (-1.5 -> -2).
long long intFloor(double value);

// Truncation towards zero (-1.5 -> -1).
long long fix(double value);

// 1-based substring of at most `length` characters from `start`; never reads past the end.
// A negative length means "to the end". A start past the end gives the empty text; a start
// before 1 counts as 1.
std::string mid(std::string_view text, long long start, long long length = -1);
std::string left(std::string_view text, long long length);
std::string right(std::string_view text, long long length);

// Blanks removed at both ends / at the left / at the right.
std::string trim(std::string_view text);
std::string ltrim(std::string_view text);
std::string rtrim(std::string_view text);

// Upper-case hexadecimal digits of a whole number, without leading zeros ("1B", "0").
std::string hex(long long value);
// Two upper-case hexadecimal digits (00 .. FF) of the low byte.
std::string hex2(long long value);
// Value of hexadecimal text ("1B" -> 27); stops at the first non-hex character.
long long hexValue(std::string_view text);

// A number printed alone on a line: a blank (or the minus sign), the digits, a blank (" 3 ", "-3 ").
// Fractions are printed with the general number format (" 2.5 ").
std::string printNumber(double value);
// The number as the language's Str does: a leading blank for non-negative numbers (" 3", "-3").
std::string str(double value);
// The general number format: no leading blank, no trailing zeros ("3", "2.5", "-0.25").
std::string generalNumber(double value);

// Whole number as decimal digits padded with zeros to `width` ("07" for 7, 2).
std::string zeroPad(long long value, int width);

} // namespace vb
