// Painting forms: back colours, transparency, text layout and alignment, pictures, clipping.
#include "run/platform/ui/FormPainter.h"

#include "tests/support/ProjectBuilder.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

constexpr ColorRef kFormBack = 0x808080;
constexpr ColorRef kRed = 0x0000FF; // BGR
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kBlue = 0xFF0000;

class FormPainterTest : public ::testing::Test {
  protected:
    FormPainterTest() {
        form.width = PixelsToTwips(200);
        form.height = PixelsToTwips(120);
        form.backColor = kFormBack;
    }

    Element& add(ElementKind kind, const std::string& name, int x, int y, int w, int h, ColorRef back) {
        Element& e = form.addElement(kind, name);
        e.left = PixelsToTwips(x);
        e.top = PixelsToTwips(y);
        e.width = PixelsToTwips(w);
        e.height = PixelsToTwips(h);
        e.backColor = back;
        return e;
    }

    const Canvas& paint() {
        painter.paint(form, canvas);
        return canvas;
    }

    // The leftmost and rightmost columns inside `r` whose pixels differ from `back`.
    std::pair<int, int> inkColumns(const Rect& r, ColorRef back) {
        int first = -1, last = -1;
        for (int x = r.x; x < r.x + r.w; ++x) {
            for (int y = r.y; y < r.y + r.h; ++y) {
                if (canvas.pixel(x, y) != PixelFromColorRef(back)) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    FontCatalog fonts;
    FormPainter painter{fonts};
    Form form{"frmPaint"};
    Canvas canvas;
};

TEST_F(FormPainterTest, CanvasTakesTheFormSizeAndBackColour) {
    paint();
    EXPECT_EQ(canvas.width(), 200);
    EXPECT_EQ(canvas.height(), 120);
    EXPECT_EQ(canvas.pixel(100, 60), PixelFromColorRef(kFormBack));
}

TEST_F(FormPainterTest, LabelBackColourAndTransparentLabel) {
    add(ElementKind::Label, "lblRed", 10, 10, 40, 20, kRed);
    add(ElementKind::PictureBox, "picGreen", 100, 10, 60, 60, kGreen);
    Element& clear = add(ElementKind::Label, "lblClear", 110, 20, 30, 30, kRed);
    clear.backTransparent = true;
    paint();
    EXPECT_EQ(canvas.pixel(30, 20), PixelFromColorRef(kRed));
    EXPECT_EQ(canvas.pixel(125, 35), PixelFromColorRef(kGreen))
        << "a transparent label shows what lies below";
    EXPECT_EQ(canvas.pixel(5, 5), PixelFromColorRef(kFormBack));
}

TEST_F(FormPainterTest, LaterElementsPaintOverEarlierOnesUntilZOrderChangesIt) {
    Element& red = add(ElementKind::Label, "lblRed", 10, 10, 50, 50, kRed);
    add(ElementKind::Label, "lblGreen", 30, 30, 50, 50, kGreen);
    paint();
    EXPECT_EQ(canvas.pixel(40, 40), PixelFromColorRef(kGreen));
    form.zOrder(red, 0);
    paint();
    EXPECT_EQ(canvas.pixel(40, 40), PixelFromColorRef(kRed));
}

TEST_F(FormPainterTest, HiddenElementsAreNotPainted) {
    add(ElementKind::Label, "lblRed", 10, 10, 50, 50, kRed).visible = false;
    paint();
    EXPECT_EQ(canvas.pixel(30, 30), PixelFromColorRef(kFormBack));
}

TEST_F(FormPainterTest, AlignmentMovesTheInk) {
    const Alignment alignments[] = {Alignment::Left, Alignment::Center, Alignment::Right};
    std::pair<int, int> ink[3];
    for (int i = 0; i < 3; ++i) {
        Form fresh("frmAlign");
        fresh.width = form.width;
        fresh.height = form.height;
        fresh.backColor = kFormBack;
        Element& e = fresh.addElement(ElementKind::Label, "lblText");
        e.width = PixelsToTwips(180);
        e.height = PixelsToTwips(30);
        e.backColor = 0xFFFFFF;
        e.caption = "Gull";
        e.font = {"Arial", 12};
        e.alignment = alignments[i];
        painter.paint(fresh, canvas);
        ink[i] = inkColumns({0, 0, 180, 30}, 0xFFFFFF);
        ASSERT_GE(ink[i].first, 0) << "no text was drawn";
    }
    EXPECT_LT(ink[0].first, 5);
    EXPECT_GT(ink[2].second, 174);
    EXPECT_LT(ink[0].first, ink[1].first);
    EXPECT_LT(ink[1].first, ink[2].first);
    int leftMargin = ink[1].first, rightMargin = 179 - ink[1].second;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 3) << "centred text has even margins";
}

TEST_F(FormPainterTest, WordWrapBreaksAtBlanksWithinTheWidth) {
    FontSpec font{"Arial", 10};
    int wrap = fonts.measure(font, "harbour light").width + 2;
    const struct {
        const char* text;
        int wrapWidth;
        std::vector<std::string> lines;
    } cases[] = {
        {"harbour light on the cove", wrap, {"harbour light", "on the cove"}},
        {"harbour light on the cove", 0, {"harbour light on the cove"}},
        {"one\r\ntwo\nthree", 0, {"one", "two", "three"}},
        {"unbreakableharbourlighthouse keeper", 20, {"unbreakableharbourlighthouse", "keeper"}},
        {"", wrap, {""}},
    };
    for (const auto& c : cases) {
        auto lines = LayoutTextLines(fonts, font, c.text, c.wrapWidth);
        EXPECT_EQ(lines, c.lines) << c.text;
    }

    // The painted label shows as many text rows as the layout says.
    Element& e = add(ElementKind::Label, "lblWrap", 0, 0, wrap, 100, 0xFFFFFF);
    e.font = font;
    e.wordWrap = true;
    e.caption = "harbour light on the cove";
    paint();
    int lh = fonts.lineHeight(font);
    for (int row = 0; row < 2; ++row) {
        EXPECT_GE(inkColumns({0, row * lh, wrap, lh}, 0xFFFFFF).first, 0) << "row " << row;
    }
    EXPECT_EQ(inkColumns({0, 2 * lh, wrap, 100 - 2 * lh}, 0xFFFFFF).first, -1)
        << "nothing below the second row";
}

TEST_F(FormPainterTest, ImageAlphaLetsTheBackColourThrough) {
    Canvas art(20, 10, 0x00000000);
    art.fill({10, 0, 10, 10}, PixelFromColorRef(kRed));
    run::testing::TempFolder tmp;
    std::string file = (tmp / "half.png").string();
    ASSERT_EQ(SavePng(art, file), "");
    PictureResult loaded = LoadPictureFile(file);
    ASSERT_TRUE(loaded.picture) << loaded.error;

    form.backColor = kBlue;
    Element& img = add(ElementKind::Image, "imgHalf", 40, 40, 0, 0, 0);
    img.picture = loaded.picture;
    paint();
    EXPECT_EQ(canvas.pixel(44, 45), PixelFromColorRef(kBlue));
    EXPECT_EQ(canvas.pixel(55, 45), PixelFromColorRef(kRed));

    img.stretch = true; // twice the size: the transparent half still shows the form
    img.width = PixelsToTwips(40);
    img.height = PixelsToTwips(20);
    paint();
    EXPECT_EQ(canvas.pixel(50, 50), PixelFromColorRef(kBlue));
    EXPECT_EQ(canvas.pixel(70, 50), PixelFromColorRef(kRed));
}

TEST_F(FormPainterTest, PictureBoxClipsItsChildren) {
    Element& box = add(ElementKind::PictureBox, "picBox", 10, 10, 40, 40, kGreen);
    Element& child = add(ElementKind::Label, "lblChild", 20, 20, 60, 60, kRed);
    child.container = &box;
    paint();
    EXPECT_EQ(canvas.pixel(35, 35), PixelFromColorRef(kRed)) << "the child sits at the box's offset";
    EXPECT_EQ(canvas.pixel(25, 25), PixelFromColorRef(kGreen));
    EXPECT_EQ(canvas.pixel(55, 55), PixelFromColorRef(kFormBack)) << "outside the box the child is cut off";
    EXPECT_EQ(canvas.pixel(85, 85), PixelFromColorRef(kFormBack));

    Rect onForm = ElementRectOnForm(child);
    EXPECT_EQ(onForm.x, 30);
    EXPECT_EQ(onForm.y, 30);

    box.visible = false;
    paint();
    EXPECT_EQ(canvas.pixel(35, 35), PixelFromColorRef(kFormBack)) << "a hidden box hides its children";
}

TEST_F(FormPainterTest, BorderedFormShiftsItsElements) {
    form.borderTwips = PixelsToTwips(3);
    add(ElementKind::Label, "lblRed", 0, 0, 10, 10, kRed);
    paint();
    EXPECT_NE(canvas.pixel(1, 1), PixelFromColorRef(kRed));
    EXPECT_EQ(canvas.pixel(4, 4), PixelFromColorRef(kRed));
    EXPECT_EQ(canvas.pixel(12, 4), PixelFromColorRef(kRed));
    EXPECT_EQ(canvas.pixel(14, 4), PixelFromColorRef(kFormBack));
}

} // namespace
} // namespace run::platform
