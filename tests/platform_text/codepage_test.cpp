#include "platform/text/codepage.h"

#include <gtest/gtest.h>

using namespace platform::text;

namespace {

TEST(Codepage, EveryByteSurvivesTheTripThroughUnicode)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(fromUnicode(text), all);
}

TEST(Codepage, MapsTheWindowsCharacters)
{
    const struct
    {
        unsigned char byte;
        char16_t unicode;
    } cases[] = {
        {0x41, u'A'},      {0x80, u'\u20AC'}, {0x85, u'\u2026'}, {0x8A, u'\u0160'},
        {0x93, u'\u201C'}, {0x96, u'\u2013'}, {0x99, u'\u2122'}, {0x9F, u'\u0178'},
        {0xA0, u'\u00A0'}, {0xE3, u'\u00E3'}, {0xFA, u'\u00FA'}, {0xFF, u'\u00FF'},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(toUnicode(byte), QString(QChar(c.unicode))) << int(c.byte);
        EXPECT_EQ(fromUnicode(QString(QChar(c.unicode))), byte) << int(c.byte);
    }
    EXPECT_EQ(toUnicode("M\xFAsica"), QString::fromUtf8("Música"));
}

TEST(Codepage, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(fromUnicode(QString::fromUtf8("a\u4E2Db")), "a?b");
    EXPECT_EQ(fromUnicode(QString::fromUtf8("x\U0001F600y")), "x?y"); // one mark per character
    EXPECT_EQ(fromUnicode(QString(QChar(0x0080))), "?");              // the euro sign's slot, not a control
    EXPECT_EQ(fromUnicode(QString()), "");
}

TEST(Codepage, ChangesCaseOfAsciiAndAccentedLetters)
{
    EXPECT_EQ(lowerCase("AbC-xYz 09"), "abc-xyz 09");
    EXPECT_EQ(upperCase("AbC-xYz 09"), "ABC-XYZ 09");
    EXPECT_EQ(lowerCase("\xDA\xC7\xC3\x8A\x8C\x8E\x9F"), "\xFA\xE7\xE3\x9A\x9C\x9E\xFF");
    EXPECT_EQ(upperCase("\xFA\xE7\xE3\x9A\x9C\x9E\xFF"), "\xDA\xC7\xC3\x8A\x8C\x8E\x9F");
    // Multiplication and division signs, sharp s and micro sign have no other case.
    EXPECT_EQ(lowerCase("\xD7\xDF\xB5"), "\xD7\xDF\xB5");
    EXPECT_EQ(upperCase("\xF7\xDF\xB5"), "\xF7\xDF\xB5");
    EXPECT_EQ(lowerCase("M\xDAsica=TRUE"), "m\xFAsica=true");
}

TEST(Codepage, ComparesWithoutRegardToCase)
{
    EXPECT_EQ(compareNoCase("<-Nomes>", "<-nomes>"), 0);
    EXPECT_EQ(compareNoCase("\xDAnico", "\xFAnico"), 0);
    EXPECT_EQ(compareNoCase("", ""), 0);
    EXPECT_LT(compareNoCase("alpha", "Beta"), 0);
    EXPECT_GT(compareNoCase("Beta", "alpha"), 0);
    EXPECT_LT(compareNoCase("ab", "ABC"), 0);
    EXPECT_GT(compareNoCase("abc", "AB"), 0);
    EXPECT_LT(compareNoCase("zeta", "\xE1gua"), 0); // bytes above 0x7F sort after ASCII
}

} // namespace
