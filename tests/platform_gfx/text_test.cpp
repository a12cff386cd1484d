#include "platform/gfx/picture.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <climits>
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
