#include "run/platform/graphics/Fonts.h"

#include <gtest/gtest.h>

using namespace run::platform;

namespace {

FontSpec Font(const std::string& name, double points, bool bold = false) {
    FontSpec f;
    f.name = name;
    f.sizePoints = points;
    f.bold = bold;
    return f;
}

std::string FileName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

int CountDifferent(const Canvas& a, const Canvas& b, const Rect& within) {
    int n = 0;
    for (int y = within.y; y < within.y + within.h; ++y)
        for (int x = within.x; x < within.x + within.w; ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

class Fonts : public ::testing::Test {
  protected:
    FontCatalog m_fonts;
};

TEST_F(Fonts, WindowsNamesResolveToTheirLiberationEquivalents) {
    EXPECT_EQ(FileName(m_fonts.resolveFile("Arial", false, false)), "LiberationSans-Regular.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("arial", true, false)), "LiberationSans-Bold.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("MS Sans Serif", false, true)), "LiberationSans-Italic.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("Times New Roman", false, false)), "LiberationSerif-Regular.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("Times New Roman", true, true)), "LiberationSerif-BoldItalic.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("Courier New", false, false)), "LiberationMono-Regular.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("Fixedsys", false, false)), "LiberationMono-Regular.ttf");
}

TEST_F(Fonts, UnknownNamesFallBackToLiberationSansAndInstalledOnesAreUsed) {
    EXPECT_EQ(FileName(m_fonts.resolveFile("No Such Font Anywhere", false, false)),
              "LiberationSans-Regular.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("", false, false)), "LiberationSans-Regular.ttf");
    EXPECT_EQ(FileName(m_fonts.resolveFile("Liberation Sans Narrow", false, false)),
              "LiberationSansNarrow-Regular.ttf");
}

TEST_F(Fonts, MeasuresGrowWithTextBoldAndSize) {
    const FontSpec arial = Font("Arial", 12);
    const int line = m_fonts.lineHeight(arial);
    EXPECT_GE(line, 16); // 12 points at 96 dots per inch is 16 pixels
    EXPECT_LE(line, 20);
    const TextExtent empty = m_fonts.measure(arial, "");
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, line);

    const int a = m_fonts.measure(arial, "Look").width;
    const int b = m_fonts.measure(arial, "Look at").width;
    const int c = m_fonts.measure(arial, "Look at the door").width;
    EXPECT_GT(a, 0);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_GT(m_fonts.measure(Font("Arial", 12, true), "Look at the door").width, c);
    EXPECT_GT(m_fonts.lineHeight(Font("Arial", 24)), line * 3 / 2);
    EXPECT_EQ(m_fonts.measure(arial, "Look at the door").height, line);
    // Monospaced really is: every character the same width.
    const FontSpec mono = Font("Courier New", 10);
    EXPECT_EQ(m_fonts.measure(mono, "iiii").width, m_fonts.measure(mono, "WWWW").width);
}

TEST_F(Fonts, InvalidUtf8AndLongLinesAreMeasuredAndDrawn) {
    const FontSpec arial = Font("Arial", 10);
    const std::string bad = std::string("ab\xFF\xFE") + "c\xE2\x82" + std::string(1, '\0') + "d\xF0\x9F";
    EXPECT_GT(m_fonts.measure(arial, bad).width, m_fonts.measure(arial, "abcd").width);
    const std::string accented = "caf\xC3\xA9";
    EXPECT_GT(m_fonts.measure(arial, accented).width, m_fonts.measure(arial, "caf").width);

    std::string longLine;
    for (int i = 0; i < 1000; ++i)
        longLine += "0123456789";
    const TextExtent extent = m_fonts.measure(arial, longLine);
    EXPECT_GT(extent.width, 10000 * 3);
    Canvas canvas(300, 40, 0xFFFFFFFF);
    const Canvas before = canvas;
    m_fonts.draw(canvas, arial, longLine, 0, 0, 0xFF000000, canvas.bounds());
    m_fonts.draw(canvas, arial, bad, 0, 20, 0xFF000000, canvas.bounds());
    EXPECT_GT(CountDifferent(canvas, before, {0, 0, 300, 20}), 100);
    EXPECT_GT(CountDifferent(canvas, before, {0, 20, 300, 20}), 20);
}

TEST_F(Fonts, DrawingChangesPixelsOnlyInsideTheClipInTheGivenColour) {
    Canvas canvas(200, 60, 0xFFFFFFFF);
    const Canvas before = canvas;
    const Rect clip{20, 10, 60, 15};
    m_fonts.draw(canvas, Font("Times New Roman", 14), "Wonderful", 10, 5, PixelFromColorRef(0x0000FF), clip);
    EXPECT_GT(CountDifferent(canvas, before, clip), 30);
    EXPECT_EQ(CountDifferent(canvas, before, canvas.bounds()), CountDifferent(canvas, before, clip));
    bool solidRed = false;
    for (Pixel p : canvas.pixels()) {
        solidRed |= p == 0xFFFF0000;
        // Only shades between white and red: full red and alpha, green and blue fading together.
        EXPECT_EQ(p & 0xFFFF0000u, 0xFFFF0000u);
        EXPECT_EQ((p >> 8) & 0xFF, p & 0xFF);
    }
    EXPECT_TRUE(solidRed);

    Canvas untouched(100, 30, 0xFF000000);
    const Canvas black = untouched;
    m_fonts.draw(untouched, Font("Arial", 10), "Nothing", 0, 0, 0xFFFFFFFF, {200, 200, 10, 10});
    m_fonts.draw(untouched, Font("Arial", 10), "Nothing", -500, 0, 0xFFFFFFFF, untouched.bounds());
    m_fonts.draw(untouched, Font("Arial", 10), "Nothing", 0, 100, 0xFFFFFFFF, untouched.bounds());
    EXPECT_EQ(untouched.pixels(), black.pixels());
}

TEST_F(Fonts, UnderlineAndStrikeoutAddInk) {
    FontSpec plain = Font("Arial", 12);
    FontSpec lined = plain;
    lined.underline = true;
    lined.strikeout = true;
    auto ink = [&](const FontSpec& f) {
        Canvas c(150, 30, 0xFFFFFFFF);
        const Canvas white = c;
        m_fonts.draw(c, f, "under", 2, 2, 0xFF000000, c.bounds());
        return CountDifferent(c, white, c.bounds());
    };
    EXPECT_GT(ink(lined), ink(plain) + 20);
}
