#include "platform/gfx/picture.h"
#include "platform/gfx/pixel_font.h"
#include "platform/text/codepage.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <set>

using namespace platform::gfx;

namespace {

// Installed fonts need a running application.
class GuiEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { m_app = std::make_unique<QGuiApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "test_gfx";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

[[maybe_unused]] auto* const gGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

const Font kPixel{"pixel", 6, true};
constexpr Rgb kYellow = 0xFFFF00;

struct Extent
{
    int count = 0, left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    std::set<Rgb> colours;
};

Extent changed(const Picture& p, Rgb background)
{
    Extent e;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            const Rgb c = p.pixel(x, y);
            if (c != background) {
                ++e.count;
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
                e.colours.insert(c);
            }
        }
    }
    return e;
}

} // namespace

TEST(PixelFont, EachCharacterStaysInsideItsSixPixelCell)
{
    // ASCII, a descender, and accented capitals and small letters (Windows-1252 bytes).
    for (const char* s : {"A", "W", "g", "|", "\xC3", "\xC9", "\xE7", "\xF5"}) {
        Picture p(30, 30);
        p.print(10, 8, s, kPixel, kYellow);
        const Extent e = changed(p, kBlack);
        EXPECT_GT(e.count, 0) << s;
        EXPECT_GE(e.left, 10) << s;
        EXPECT_LE(e.right, 15) << s;
        EXPECT_GE(e.top, 8) << s;
        EXPECT_LE(e.bottom, 8 + 11) << s;
        EXPECT_EQ(e.colours, std::set<Rgb>{kYellow}) << s;
    }
}

TEST(PixelFont, TextAdvancesOneCellPerCharacter)
{
    EXPECT_EQ(Picture::textWidth("Soldado 12", kPixel), 60);
    Picture one(40, 12);
    one.print(0, 0, "x", kPixel, kWhite);
    Picture three(40, 12);
    three.print(0, 0, "x x", kPixel, kWhite);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(three.pixel(x + 12, y), one.pixel(x, y));
            EXPECT_EQ(three.pixel(x + 6, y), kBlack);
        }
    }
    // Accents make the letters differ from their plain forms.
    Picture plain(6, 12);
    plain.print(0, 0, "a", kPixel, kWhite);
    Picture accented(6, 12);
    accented.print(0, 0, "\xE3", kPixel, kWhite);
    EXPECT_NE(plain.image(), accented.image());
}

// Every printable character of the code page is drawn, and no two letters look alike, so a name
// such as "Zo\xE9 Lef\xE8vre" is shown whole and each accent can be told from the others.
TEST(PixelFont, DrawsEveryPrintableWindows1252CharacterAndTellsTheLettersApart)
{
    std::map<std::vector<std::uint8_t>, unsigned char> letters;
    for (int code = 0x21; code <= 0xFF; ++code) {
        const unsigned char c = static_cast<unsigned char>(code);
        const bool undefined = c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        const pixel_font::Glyph& g = pixel_font::glyph(c);
        const bool inked = std::any_of(g.begin(), g.end(), [](std::uint8_t row) { return row != 0; });
        EXPECT_EQ(inked, !undefined && c != 0xA0) << std::hex << code;

        const std::string one(1, static_cast<char>(c));
        const bool letter = platform::text::lowerCase(one) != one || platform::text::upperCase(one) != one ||
                            c == 0x83 || c == 0xB5 || c == 0xDF;
        if (letter) {
            const auto [at, added] = letters.emplace(std::vector<std::uint8_t>(g.begin(), g.end()), c);
            EXPECT_TRUE(added) << std::hex << code << " looks like " << int(at->second);
        }
    }

    const std::string name = "Zo\xE9 Lef\xE8vre";
    Picture p(6 * static_cast<int>(name.size()), 12);
    p.print(0, 0, name, kPixel, kWhite);
    for (std::size_t i = 0; i < name.size(); ++i) {
        int ink = 0;
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 6; ++x) {
                ink += p.pixel(static_cast<int>(i) * 6 + x, y) != kBlack ? 1 : 0;
            }
        }
        EXPECT_EQ(ink > 0, name[i] != ' ') << i;
    }
}

TEST(PixelFont, TerminalIsThePixelFontAndPrintingIsClipped)
{
    Picture a(20, 12);
    a.print(-3, -2, "Ok", kPixel, kWhite);
    Picture b(20, 12);
    b.print(-3, -2, "Ok", Font{"Terminal", 6, true}, kWhite);
    EXPECT_EQ(a.image(), b.image());
    EXPECT_GT(changed(a, kBlack).count, 0);
    // Far outside, in either font, nothing is drawn.
    for (const Font& font : {kPixel, Font{}}) {
        Picture p(20, 12);
        for (auto [x, y] : {std::pair{INT_MIN, INT_MIN}, {0, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}}) {
            p.print(x, y, "Ok", font, kWhite);
        }
        EXPECT_EQ(changed(p, kBlack).count, 0) << font.family;
    }
}

TEST(InstalledFont, PrintsCrispTextFromItsTopLeftCorner)
{
    const Font font{"DejaVu Sans", 8, false};
    Picture p(120, 40);
    p.print(5, 6, "Campanha \xE9", font, kYellow);
    const Extent e = changed(p, kBlack);
    ASSERT_GT(e.count, 0);
    EXPECT_EQ(e.colours, std::set<Rgb>{kYellow}); // no antialiasing shades
    EXPECT_GE(e.left, 5);
    EXPECT_GE(e.top, 6);
    const int width = Picture::textWidth("Campanha \xE9", font);
    EXPECT_GT(width, 30);
    EXPECT_LE(e.right, 5 + width);
}
