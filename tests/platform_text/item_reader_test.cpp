#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::text::TextReader;

namespace {

std::vector<std::string> allItems(const std::string& bytes)
{
    TextReader reader(bytes);
    std::vector<std::string> items;
    while (!reader.atEnd()) {
        items.push_back(reader.readItem());
    }
    return items;
}

struct ItemCase
{
    const char* name;
    std::string bytes;
    std::vector<std::string> items;
};

class ItemReaderCases : public ::testing::TestWithParam<ItemCase>
{
};

TEST_P(ItemReaderCases, SplitsIntoItems)
{
    EXPECT_EQ(allItems(GetParam().bytes), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    TextReader, ItemReaderCases,
    ::testing::Values(
        ItemCase{"QuotedHeaderLines",
                 "<Campanha>\r\n\"Alpha\"\r\n\"\"\r\n 2 \r\nTrue\r\n",
                 {"<Campanha>", "Alpha", "", "2 ", "True"}},
        ItemCase{"QuotedTextKeepsCommas", "\"a, b\",c\r\n", {"a, b", "c"}},
        ItemCase{"BareLineWithCommas", "Ann, Bob\r\nCarl\r\n", {"Ann", "Bob", "Carl"}},
        ItemCase{"EmptyLineIsEmptyItem", "Ann\r\n\r\nBob\r\n", {"Ann", "", "Bob"}},
        ItemCase{"TwoCommasGiveEmptyItem", "a,,b\r\n", {"a", "", "b"}},
        ItemCase{"LeadingBlanksSkipped", "   lead\r\n  \r\n", {"lead", ""}},
        ItemCase{"TextAfterClosingQuoteDropped", "\"x\"junk,y\r\n\"p\" q\r\n", {"x", "y", "p"}},
        ItemCase{"QuoteLeftOpenEndsWithItsLine", "\"open, still\r\nnext\r\n", {"open, still", "next"}},
        ItemCase{"LoneLineFeeds", "a\nb,c\n", {"a", "b", "c"}},
        ItemCase{"LoneCarriageReturns", "a\rb", {"a", "b"}}, ItemCase{"NoLineEndAtEnd", "x,y", {"x", "y"}},
        ItemCase{"ObjectLineIsOneItem", "\"01,03,04\"\r\n<-Objts>\r\n", {"01,03,04", "<-Objts>"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextReader, CountLineReadsBackAsItsNumber)
{
    TextReader reader(" 3 \r\n-2 \r\n");
    EXPECT_EQ(vb::val(reader.readItem()), 3);
    EXPECT_EQ(vb::val(reader.readItem()), -2);
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextReader, ReadingPastTheEndGivesEmptyTexts)
{
    TextReader reader("last\r\n");
    EXPECT_EQ(reader.readItem(), "last");
    ASSERT_TRUE(reader.atEnd());
    const auto end = reader.position();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(reader.readItem(), "");
        EXPECT_EQ(reader.readLine(), "");
        EXPECT_TRUE(reader.atEnd());
        EXPECT_EQ(reader.position(), end);
    }

    TextReader empty;
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.readItem(), "");
}

TEST(TextReader, ReadsWholeLinesWithAnyLineEnd)
{
    TextReader reader("a\r\nb\nc\rd\r\n\r\n e, f ");
    std::vector<std::string> lines;
    while (!reader.atEnd()) {
        lines.push_back(reader.readLine());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", " e, f "}));
}

TEST(TextReader, LinesAndItemsContinueFromTheSamePlace)
{
    TextReader reader("<Info>\r\n\"Title, long\",x\r\na,b,c\r\n<Fim>\r\n");
    EXPECT_EQ(reader.readLine(), "<Info>");
    EXPECT_EQ(reader.readItem(), "Title, long");
    EXPECT_EQ(reader.readItem(), "x");
    EXPECT_EQ(reader.readItem(), "a");
    // A line read after an item takes the rest of that line.
    EXPECT_EQ(reader.readLine(), "b,c");
    EXPECT_EQ(reader.readLine(), "<Fim>");
    EXPECT_TRUE(reader.atEnd());
}

TEST(TextReader, LineReadKeepsQuotesAndBlanks)
{
    TextReader reader("\"4 \"\r\n 1 \r\n");
    EXPECT_EQ(reader.readLine(), "\"4 \"");
    EXPECT_EQ(reader.readLine(), " 1 ");
}

TEST(SplitLines, SplitsAtEveryKindOfLineEnd)
{
    using platform::text::splitLines;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\r\n"), Lines{""});
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\n\nb\rc"), (Lines{"a", "", "b", "c"}));
    EXPECT_EQ(splitLines("a\n\r"), (Lines{"a", ""}));
}

} // namespace
