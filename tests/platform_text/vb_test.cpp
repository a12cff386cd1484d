#include "platform/text/vb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(Val, TakesTheLeadingNumber)
{
    const struct
    {
        std::string text;
        double value;
    } cases[] = {
        {" 1 ", 1},         {"12345", 12345},   {"-3", -3},     {"1A", 1},     {"", 0},       {"abc", 0},
        {"1 2", 12},        {" - 5", -5},       {"\t7\n8", 78}, {"+4", 4},     {"2.5", 2.5},  {".5", 0.5},
        {"1.2.3", 1.2},     {"1,5", 1},         {"--1", 0},     {"1e3", 1000}, {"1D2", 100},  {"2E-1", 0.2},
        {"3E", 3},          {"3E+x", 3},        {"&H1B", 27},   {"&h1b", 27},  {"&HFF", 255}, {"&HFFFF", -1},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&O17", 15},   {"&H", 0},     {"&X1", 0},    {"9=", 9},
        {"4 ", 4},          {"0007", 7},        {"Rnd=1", 0},   {"\r1", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(vb::val(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(Val, HugeOrEndlessTextsStayFinite)
{
    EXPECT_EQ(vb::val("1E400"), std::numeric_limits<double>::max());
    EXPECT_EQ(vb::val("-1E400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(vb::val("1E-400"), 0);
    EXPECT_TRUE(std::isfinite(vb::val(std::string(5000, '9'))));
    EXPECT_TRUE(std::isfinite(vb::val("&H" + std::string(100, 'F'))));
}

TEST(Roundings, NearestHalvesToEvenIntFloorsFixTruncates)
{
    const struct
    {
        double value;
        long long nearest, intFloor, fix;
    } cases[] = {
        {2.5, 2, 2, 2},     {3.5, 4, 3, 3},   {-2.5, -2, -3, -2}, {-3.5, -4, -4, -3},
        {0.5, 0, 0, 0},     {1.5, 2, 1, 1},   {2.4999, 2, 2, 2},  {2.5001, 3, 2, 2},
        {-1.5, -2, -2, -1}, {-0.4, 0, -1, 0}, {7, 7, 7, 7},       {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::nearest(c.value), c.nearest) << c.value;
        EXPECT_EQ(vb::intFloor(c.value), c.intFloor) << c.value;
        EXPECT_EQ(vb::fix(c.value), c.fix) << c.value;
    }
    // Values no whole number can hold stop at the ends of the range instead of wrapping.
    constexpr auto top = std::numeric_limits<long long>::max();
    constexpr auto bottom = std::numeric_limits<long long>::min();
    EXPECT_EQ(vb::nearest(1e300), top);
    EXPECT_EQ(vb::intFloor(-1e300), bottom);
    EXPECT_EQ(vb::fix(std::numeric_limits<double>::infinity()), top);
    EXPECT_EQ(vb::nearest(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Substrings, NeverReadPastTheEnd)
{
    const struct
    {
        long long start, length;
        std::string expected;
    } mids[] = {
        {1, 2, "01"}, {4, 2, "03"},       {7, 2, "04"}, {7, 5, "04"}, {8, 9, "4"},    {9, 1, ""},
        {100, 1, ""}, {2, -1, "1,03,04"}, {3, 0, ""},   {0, 2, "01"}, {-5, 3, "01,"},
    };
    for (const auto& m : mids) {
        EXPECT_EQ(vb::mid("01,03,04", m.start, m.length), m.expected) << m.start << "," << m.length;
    }
    EXPECT_EQ(vb::mid("abc", 2), "bc");
    EXPECT_EQ(vb::mid("", 1, 1), "");

    EXPECT_EQ(vb::left("Cond 001", 4), "Cond");
    EXPECT_EQ(vb::left("ab", 5), "ab");
    EXPECT_EQ(vb::left("ab", 0), "");
    EXPECT_EQ(vb::left("ab", -1), "");
    EXPECT_EQ(vb::right("Cond 001", 3), "001");
    EXPECT_EQ(vb::right("ab", 5), "ab");
    EXPECT_EQ(vb::right("ab", -2), "");
}

TEST(Trims, RemoveOnlyBlanks)
{
    EXPECT_EQ(vb::trim("  a b  "), "a b");
    EXPECT_EQ(vb::ltrim("  a b  "), "a b  ");
    EXPECT_EQ(vb::rtrim("  a b  "), "  a b");
    EXPECT_EQ(vb::trim("   "), "");
    EXPECT_EQ(vb::trim("\ta\t"), "\ta\t");
}

TEST(Hexadecimal, WritesAndReadsDigits)
{
    EXPECT_EQ(vb::hex(27), "1B");
    EXPECT_EQ(vb::hex(0), "0");
    EXPECT_EQ(vb::hex(110), "6E");
    EXPECT_EQ(vb::hex(65536), "10000");
    EXPECT_EQ(vb::hex(-1), "FFFF");
    EXPECT_EQ(vb::hex(-40000), "FFFF63C0");

    EXPECT_EQ(vb::hex2(1), "01");
    EXPECT_EQ(vb::hex2(110), "6E");
    EXPECT_EQ(vb::hex2(255), "FF");
    EXPECT_EQ(vb::hex2(0x1FF), "FF");

    EXPECT_EQ(vb::hexValue("1B"), 27);
    EXPECT_EQ(vb::hexValue("6e"), 110);
    EXPECT_EQ(vb::hexValue("01"), 1);
    EXPECT_EQ(vb::hexValue("0G"), 0);
    EXPECT_EQ(vb::hexValue("F!F"), 15);
    EXPECT_EQ(vb::hexValue(""), 0);
    EXPECT_EQ(vb::hexValue(std::string(40, 'F')), std::numeric_limits<long long>::max());
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(vb::hexValue(vb::hex2(code)), code);
    }
}

TEST(NumberText, PrintsNumbersAsTheFilesHoldThem)
{
    const struct
    {
        double value;
        const char* general;
        const char* str;
        const char* printed;
    } cases[] = {
        {3, "3", " 3", " 3 "},
        {0, "0", " 0", " 0 "},
        {-3, "-3", "-3", "-3 "},
        {12, "12", " 12", " 12 "},
        {2.5, "2.5", " 2.5", " 2.5 "},
        {-0.25, "-0.25", "-0.25", "-0.25 "},
        {1.0 / 3, "0.333333333333333", " 0.333333333333333", " 0.333333333333333 "},
        {123456789012345.0, "123456789012345", " 123456789012345", " 123456789012345 "},
        {1e15, "1E+15", " 1E+15", " 1E+15 "},
        {1e-7, "1E-07", " 1E-07", " 1E-07 "},
        {-0.0, "0", " 0", " 0 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::generalNumber(c.value), c.general) << c.value;
        EXPECT_EQ(vb::str(c.value), c.str) << c.value;
        EXPECT_EQ(vb::printNumber(c.value), c.printed) << c.value;
    }
}

TEST(NumberText, ZeroPadsToWidth)
{
    EXPECT_EQ(vb::zeroPad(7, 2), "07");
    EXPECT_EQ(vb::zeroPad(7, 4), "0007");
    EXPECT_EQ(vb::zeroPad(123, 4), "0123");
    EXPECT_EQ(vb::zeroPad(12345, 4), "12345");
    EXPECT_EQ(vb::zeroPad(1, 3), "001");
    EXPECT_EQ(vb::zeroPad(0, 0), "0");
    EXPECT_EQ(vb::zeroPad(-7, 3), "-007");
}

} // namespace
