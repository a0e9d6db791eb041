#include "run/platform/graphics/Picture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using namespace run::platform;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// WMF records: size in words, function, 16-bit parameters.
struct Wmf {
    Bytes records;
    void add(std::uint16_t function, std::initializer_list<int> params, const Bytes& tail = {}) {
        Put32(records, std::uint32_t(3 + params.size() + tail.size() / 2));
        Put16(records, function);
        for (int p : params)
            Put16(records, std::uint16_t(p));
        records.insert(records.end(), tail.begin(), tail.end());
    }
    Bytes file(int l, int t, int r, int b, int inch, bool placeable = true) const {
        Bytes f;
        if (placeable) {
            Put32(f, 0x9AC6CDD7);
            Put16(f, 0);
            for (int v : {l, t, r, b, inch})
                Put16(f, std::uint16_t(v));
            Put32(f, 0);
            std::uint16_t sum = 0;
            for (std::size_t i = 0; i < 20; i += 2)
                sum ^= std::uint16_t(f[i] | f[i + 1] << 8);
            Put16(f, sum);
        }
        Put16(f, 1);
        Put16(f, 9);
        Put16(f, 0x300);
        Put32(f, std::uint32_t((18 + records.size() + 6) / 2));
        Put16(f, 8); // object slots
        Put32(f, 64);
        Put16(f, 0);
        f.insert(f.end(), records.begin(), records.end());
        Put32(f, 3);
        Put16(f, 0);
        return f;
    }
};

// EMF records: type, size, 32-bit parameters; the header frames width x height pixels at 96 dpi.
struct Emf {
    Bytes records;
    std::uint32_t count = 0;
    void add(std::uint32_t type, std::initializer_list<std::int64_t> params, const Bytes& tail = {}) {
        Put32(records, type);
        Put32(records, std::uint32_t(8 + 4 * params.size() + tail.size()));
        for (std::int64_t p : params)
            Put32(records, std::uint32_t(p));
        records.insert(records.end(), tail.begin(), tail.end());
        ++count;
    }
    Bytes file(int width, int height) const {
        Bytes f;
        Put32(f, 1);
        Put32(f, 88);
        for (int v : {0, 0, width - 1, height - 1})
            Put32(f, std::uint32_t(v));
        // The frame in hundredths of a millimetre.
        for (int v : {0, 0, width * 2540 / 96, height * 2540 / 96})
            Put32(f, std::uint32_t(v));
        Put32(f, 0x464D4520);
        Put32(f, 0x10000);
        Put32(f, std::uint32_t(88 + records.size() + 20));
        Put32(f, count + 2);
        Put16(f, 8); // handles
        Put16(f, 0);
        for (int v : {0, 0, 0, 960, 960, 254, 254}) // a 96 dpi reference device
            Put32(f, std::uint32_t(v));
        f.insert(f.end(), records.begin(), records.end());
        for (std::uint32_t v : {14u, 20u, 0u, 0u, 20u})
            Put32(f, v);
        return f;
    }
};

// A 2x2 bottom-up 24-bit bitmap: blue, white over red, green.
Bytes SmallDib() {
    Bytes dib;
    for (std::uint32_t v : {40u, 2u, 2u})
        Put32(dib, v);
    Put16(dib, 1);
    Put16(dib, 24);
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    for (std::uint8_t v : {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0})
        dib.push_back(v);
    return dib;
}

constexpr Pixel kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

PictureResult Load(const Bytes& b) {
    return LoadPictureMemory(b.data(), b.size());
}

TEST(Metafile, PlaceableWmfDrawsShapesScaledToItsBoundingBoxOnATransparentBackground) {
    Wmf w;
    w.add(0x02FC, {0, 0x00FF, 0, 0});    // brush 0: solid red
    w.add(0x02FA, {5, 0, 0, 0, 0});      // pen 1: null
    w.add(0x02FC, {0, 0, 0x00FF, 0});    // brush 2: solid blue
    w.add(0x02FA, {0, 0, 0, 0xFF00, 0}); // pen 3: green, one pixel
    w.add(0x012D, {0});
    w.add(0x012D, {1});
    w.add(0x041B, {360, 720, 0, 0}); // RECTANGLE b r t l: pixels (0,0)-(48,24)
    w.add(0x012D, {2});
    w.add(0x0324, {3, 720, 0, 1440, 0, 1440, 720}); // upper right triangle
    w.add(0x012D, {3});
    w.add(0x0214, {600, 0});   // MOVETO y x
    w.add(0x0213, {600, 720}); // LINETO: pixel row 40, columns 0-47
    // 1440 units per inch: the box is 96 x 48 pixels.
    const PictureResult r = Load(w.file(0, 0, 1440, 720, 1440));
    ASSERT_TRUE(r.picture) << r.error;
    const Canvas& c = r.picture->image;
    EXPECT_EQ(96, c.width());
    EXPECT_EQ(48, c.height());
    EXPECT_TRUE(r.picture->hasAlpha);
    EXPECT_EQ(kRed, c.pixel(1, 1));
    EXPECT_EQ(kRed, c.pixel(46, 22));
    EXPECT_EQ(0u, AlphaOf(c.pixel(49, 26)));
    EXPECT_EQ(kBlue, c.pixel(60, 5));
    EXPECT_EQ(kBlue, c.pixel(94, 44));
    EXPECT_EQ(0u, AlphaOf(c.pixel(60, 20))); // below the triangle's diagonal
    EXPECT_EQ(kGreen, c.pixel(10, 40));
    EXPECT_EQ(kGreen, c.pixel(46, 40));
    EXPECT_EQ(0u, AlphaOf(c.pixel(10, 41)));
    EXPECT_EQ(0u, AlphaOf(c.pixel(49, 40)));

    // Without the placeable header the window extent gives the size, one unit a pixel.
    Wmf plain;
    plain.add(0x020C, {20, 30}); // SETWINDOWEXT y x
    plain.add(0x02FC, {0, 0x00FF, 0, 0});
    plain.add(0x012D, {0});
    plain.add(0x0418, {20, 30, 0, 0}); // ELLIPSE over the whole picture
    const PictureResult p = Load(plain.file(0, 0, 0, 0, 0, false));
    ASSERT_TRUE(p.picture) << p.error;
    EXPECT_EQ(30, p.picture->width());
    EXPECT_EQ(20, p.picture->height());
    EXPECT_EQ(kRed, p.picture->image.pixel(15, 10));
    EXPECT_EQ(0u, AlphaOf(p.picture->image.pixel(1, 1))); // outside the ellipse
}

TEST(Metafile, WmfDrawsStretchedBitmapsPatternBrushesAndText) {
    Wmf w;
    const Bytes dib = SmallDib();
    w.add(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 20, 20, 0, 0}, dib); // STRETCHDIB to (0,0)-(20,20)
    w.add(0x0142, {5, 0}, dib);                                        // pattern brush 0
    w.add(0x02FA, {5, 0, 0, 0, 0});                                    // null pen 1
    w.add(0x012D, {0});
    w.add(0x012D, {1});
    w.add(0x041B, {20, 40, 0, 20}); // RECTANGLE (20,0)-(40,20) tiled with the pattern
    w.add(0x0102, {1});             // transparent text background
    w.add(0x0521, {1, 'H', 22, 2}); // TEXTOUT "H" at (2, 22)
    const PictureResult r = Load(w.file(0, 0, 40, 40, 96));
    ASSERT_TRUE(r.picture) << r.error;
    const Canvas& c = r.picture->image;
    EXPECT_EQ(kBlue, c.pixel(2, 2));
    EXPECT_EQ(0xFFFFFFFFu, c.pixel(17, 2));
    EXPECT_EQ(kRed, c.pixel(2, 17));
    EXPECT_EQ(kGreen, c.pixel(17, 17));
    EXPECT_EQ(kBlue, c.pixel(24, 4));
    EXPECT_EQ(0xFFFFFFFFu, c.pixel(25, 4));
    EXPECT_EQ(kRed, c.pixel(24, 5));
    EXPECT_EQ(kGreen, c.pixel(25, 5));
    int ink = 0;
    for (int y = 22; y < 40; ++y)
        for (int x = 2; x < 20; ++x)
            ink += AlphaOf(c.pixel(x, y)) > 128 && (c.pixel(x, y) & 0xFFFFFF) < 0x404040;
    EXPECT_GT(ink, 5);
    EXPECT_EQ(0u, AlphaOf(c.pixel(30, 30)));
}

TEST(Metafile, EmfMapsWindowToViewportAndDrawsFillsPensStateBitmapsAndText) {
    Emf e;
    e.add(17, {8});                 // SETMAPMODE anisotropic
    e.add(9, {200, 100});           // SETWINDOWEXTEX
    e.add(11, {100, 50});           // SETVIEWPORTEXTEX: half size
    e.add(39, {1, 0, 0x0000FF, 0}); // brush 1: red
    e.add(37, {1});
    e.add(37, {0x80000008}); // stock NULL_PEN
    e.add(33, {});           // SAVEDC
    e.add(37, {0x80000004}); // stock BLACK_BRUSH, undone by RESTOREDC
    e.add(34, {-1});
    e.add(43, {20, 20, 100, 60});   // RECTANGLE: pixels (10,10)-(50,30)
    e.add(39, {2, 0, 0x00FF00, 0}); // brush 2: green
    e.add(37, {2});
    Bytes tri;
    for (int v : {120, 0, 200, 0, 200, 60})
        Put16(tri, std::uint16_t(v));
    e.add(86, {120, 0, 200, 60, 3}, tri); // POLYGON16
    e.add(38, {3, 0, 6, 0, 0xFF0000});    // pen 3: blue, 6 units = 3 pixels wide
    e.add(37, {3});
    e.add(27, {0, 80});   // MOVETOEX
    e.add(54, {100, 80}); // LINETO: rows 39-41, columns 0-50
    // STRETCHDIBITS of the small bitmap onto pixels (60,30)-(80,50).
    const Bytes dib = SmallDib();
    e.add(81, {0, 0, 0, 0, 120, 60, 0, 0, 2, 2, 80, 40, 80 + 40, 16, 0, 0xCC0020, 40, 40}, dib);
    // EXTTEXTOUTW "H" in black, transparent background, at (82, 31) pixels.
    e.add(18, {1});
    Bytes text;
    Put16(text, 'H');
    Put16(text, 0);
    e.add(84, {0, 0, 0, 0, 1, 0, 0, 164, 62, 1, 76, 0, 0, 0, 0, 0, 0}, text);
    const PictureResult r = Load(e.file(100, 50));
    ASSERT_TRUE(r.picture) << r.error;
    const Canvas& c = r.picture->image;
    EXPECT_EQ(100, c.width());
    EXPECT_EQ(50, c.height());
    EXPECT_EQ(kRed, c.pixel(10, 10));
    EXPECT_EQ(kRed, c.pixel(30, 20));
    EXPECT_EQ(kRed, c.pixel(48, 28));
    EXPECT_EQ(0u, AlphaOf(c.pixel(9, 12)));
    EXPECT_EQ(0u, AlphaOf(c.pixel(52, 20)));
    EXPECT_EQ(0u, AlphaOf(c.pixel(30, 32)));
    EXPECT_EQ(kGreen, c.pixel(97, 2));
    EXPECT_EQ(0u, AlphaOf(c.pixel(65, 25)));
    for (int y : {39, 40, 41})
        EXPECT_EQ(kBlue, c.pixel(25, y)) << y;
    EXPECT_EQ(0u, AlphaOf(c.pixel(25, 43)));
    EXPECT_EQ(0u, AlphaOf(c.pixel(25, 37)));
    EXPECT_EQ(0xFF0000FFu, c.pixel(62, 32)); // the bitmap's top row holds blue, white
    EXPECT_EQ(0xFFFFFFFFu, c.pixel(77, 32));
    EXPECT_EQ(kRed, c.pixel(62, 47));
    EXPECT_EQ(kGreen, c.pixel(77, 47));
    int ink = 0;
    for (int y = 31; y < 50; ++y)
        for (int x = 82; x < 100; ++x)
            ink += AlphaOf(c.pixel(x, y)) > 128 && (c.pixel(x, y) & 0xFFFFFF) < 0x404040;
    EXPECT_GT(ink, 5);
}

TEST(Metafile, EmfFillsPathsAndPiesWithClipsHatchesAndWorldTransforms) {
    Emf e;
    e.add(37, {0x80000008}); // NULL_PEN
    e.add(39, {1, 0, 0x0000FF, 0});
    e.add(39, {2, 0, 0x00FF00, 0});
    e.add(39, {3, 2, 0xFF0000, 4}); // blue cross hatch
    e.add(37, {1});
    e.add(59, {}); // a path: triangle (10,10) (40,10) (40,40)
    e.add(27, {10, 10});
    e.add(54, {40, 10});
    e.add(54, {40, 40});
    e.add(61, {});
    e.add(60, {});
    e.add(62, {0, 0, 0, 0});
    e.add(33, {}); // clipped to the top of a green rectangle, then restored
    e.add(30, {50, 0, 100, 20});
    e.add(37, {2});
    e.add(43, {50, 0, 100, 50});
    e.add(34, {-1});
    e.add(18, {1}); // hatch on a transparent background
    e.add(37, {3});
    e.add(43, {0, 60, 40, 100});
    e.add(37, {1});
    e.add(35, {0x40000000, 0, 0, 0x40000000, 0x42480000, 0x42700000}); // scale 2, move (50,60)
    e.add(43, {0, 0, 10, 10});
    e.add(35, {0, 0x3F800000, 0xBF800000, 0, 0x42BE0000, 0x42700000}); // quarter turn, move (95,60)
    e.add(43, {0, 0, 20, 5});
    e.add(36, {0, 0, 0, 0, 0, 0, 1});                // back to identity
    e.add(47, {60, 85, 100, 119, 100, 102, 80, 85}); // PIE: the upper right quarter
    const PictureResult r = Load(e.file(100, 120));
    ASSERT_TRUE(r.picture) << r.error;
    const Canvas& c = r.picture->image;
    EXPECT_EQ(kRed, c.pixel(35, 15));
    EXPECT_EQ(0u, AlphaOf(c.pixel(15, 35)));
    EXPECT_EQ(kGreen, c.pixel(75, 10));
    EXPECT_EQ(0u, AlphaOf(c.pixel(75, 30)));
    EXPECT_EQ(kBlue, c.pixel(16, 70));
    EXPECT_EQ(kBlue, c.pixel(17, 72));
    EXPECT_EQ(0u, AlphaOf(c.pixel(17, 73)));
    EXPECT_EQ(kRed, c.pixel(65, 75));
    EXPECT_EQ(0u, AlphaOf(c.pixel(72, 75)));
    EXPECT_EQ(kRed, c.pixel(92, 70));
    EXPECT_EQ(0u, AlphaOf(c.pixel(85, 70)));
    EXPECT_EQ(0u, AlphaOf(c.pixel(97, 70)));
    EXPECT_EQ(kRed, c.pixel(90, 95));
    EXPECT_EQ(0u, AlphaOf(c.pixel(70, 95)));
    EXPECT_EQ(0u, AlphaOf(c.pixel(90, 110)));
}

TEST(Metafile, BrokenOrHostileFilesGiveAnErrorOrAPartialDrawing) {
    // A stated size of 100 000 x 100 000 pixels is refused before anything is allocated.
    Wmf huge;
    const PictureResult big = Load(huge.file(0, 0, 31250, 31250, 30));
    EXPECT_FALSE(big.picture);
    EXPECT_NE(std::string::npos, big.error.find("too large")) << big.error;
    EXPECT_FALSE(Load(Emf().file(100000, 100000)).picture);

    // Past a million records the drawing stops: the last fill never happens.
    Wmf many;
    many.add(0x02FC, {0, 0x00FF, 0, 0});
    many.add(0x02FC, {0, 0xFF00, 0x00, 0});
    many.add(0x012D, {0});
    many.add(0x041B, {10, 10, 0, 0});
    for (int i = 0; i < 1100000; ++i)
        many.add(0x001E, {}); // SAVEDC
    many.add(0x012D, {1});
    many.add(0x041B, {10, 10, 0, 0});
    const PictureResult m = Load(many.file(0, 0, 10, 10, 96));
    ASSERT_TRUE(m.picture) << m.error;
    EXPECT_EQ(kRed, m.picture->image.pixel(5, 5));

    // Thousands of fills of a large picture stop at the work limit.
    Wmf work;
    work.add(0x02FC, {0, 0x00FF, 0, 0});
    work.add(0x012D, {0});
    for (int i = 0; i < 5000; ++i)
        work.add(0x041B, {2000, 2000, 0, 0});
    ASSERT_TRUE(Load(work.file(0, 0, 2000, 2000, 96)).picture);

    // Lying counts and sizes, far coordinates and object indices out of range.
    Emf lies;
    lies.add(37, {9999});                      // SELECTOBJECT of no object
    lies.add(40, {70000});                     // DELETEOBJECT
    lies.add(38, {0xFFFFFFFF, 0, 1, 0, 0xFF}); // CREATEPEN into no slot
    lies.add(39, {1, 0, 0x0000FF, 0});
    lies.add(37, {1});
    lies.add(3, {0, 0, 10, 10, 1000000000, 2, 2, 30, 2, 30, 30}); // POLYGON claiming 10^9 points
    lies.add(54, {-2000000000, 5});                               // LINETO far away
    lies.add(54, {2000000000, 5});
    lies.add(35, {0x7F800000, 0x7FC00000, 0, 0x7F7FFFFF, 0, 0}); // infinite and NaN transform
    lies.add(43, {0, 0, 10, 10});
    lies.add(35, {0x3F800000, 0, 0, 0x3F800000, 0, 0});
    lies.add(8, {0, 0, 0, 0, 3, 2000000000, 5, 5, 5}); // POLYPOLYGON counts past the end
    lies.add(81, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 80, 40, 100000, 1 << 30, 0, 0xCC0020, 10, 10}, Bytes(40));
    lies.add(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 1 << 30, 0xFFFFFFF0, 0, 0, 0, 0, 0, 0});
    Bytes file = lies.file(40, 40);
    const PictureResult l = Load(file);
    ASSERT_TRUE(l.picture) << l.error;
    EXPECT_EQ(kRed, l.picture->image.pixel(20, 10)); // the polygon's readable points

    // A record whose size runs past the end, or is too small, ends the drawing there.
    Bytes cut = file;
    cut[88 + 4] = 0xF0, cut[88 + 5] = 0xFF, cut[88 + 6] = 0xFF, cut[88 + 7] = 0x0F;
    EXPECT_TRUE(Load(cut).picture);
    cut[88 + 4] = 4, cut[88 + 5] = 0, cut[88 + 6] = 0, cut[88 + 7] = 0;
    EXPECT_TRUE(Load(cut).picture);
    // Every truncation of a valid file loads or fails cleanly.
    for (std::size_t n = 1; n < file.size(); n += 7)
        Load(Bytes(file.begin(), file.begin() + std::ptrdiff_t(n)));
}

} // namespace
