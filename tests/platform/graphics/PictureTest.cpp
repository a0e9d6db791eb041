#include "run/platform/graphics/Picture.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <unistd.h>

using namespace run::platform;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using ValueAt = std::function<std::uint32_t(int x, int y)>; // palette index, or 0xRRGGBB(AA)
using MaskAt = std::function<bool(int x, int y)>;           // true: transparent

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

void PutInfoHeader(Bytes& b, int w, int h, int bpp, std::size_t colours) {
    Put32(b, 40);
    Put32(b, std::uint32_t(w));
    Put32(b, std::uint32_t(h));
    Put16(b, 1);
    Put16(b, std::uint32_t(bpp));
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, std::uint32_t(colours));
    Put32(b, 0);
}

void PutPalette(Bytes& b, const std::vector<std::uint32_t>& palette) {
    for (std::uint32_t c : palette)
        Put32(b, c & 0xFFFFFF); // stored as B, G, R, 0
}

// Rows bottom-up, each padded to four bytes, as DIBs store them.
void PutPixels(Bytes& b, int w, int h, int bpp, const ValueAt& value) {
    const std::size_t stride = ((std::size_t(w) * bpp + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = value(x, y);
            switch (bpp) {
            case 1:
                row[x / 8] |= std::uint8_t((v & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= std::uint8_t((v & 0xF) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = std::uint8_t(v);
                break;
            case 24:
                row[3 * x] = std::uint8_t(v);
                row[3 * x + 1] = std::uint8_t(v >> 8);
                row[3 * x + 2] = std::uint8_t(v >> 16);
                break;
            default:
                for (int k = 0; k < 4; ++k)
                    row[4 * x + k] = std::uint8_t(v >> (8 * k));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

Bytes MakeBmp(int w, int h, int bpp, const std::vector<std::uint32_t>& palette, const ValueAt& value) {
    Bytes dib;
    PutInfoHeader(dib, w, h, bpp, palette.size());
    PutPalette(dib, palette);
    PutPixels(dib, w, h, bpp, value);
    Bytes file = {'B', 'M'};
    Put32(file, std::uint32_t(14 + dib.size()));
    Put32(file, 0);
    Put32(file, std::uint32_t(14 + 40 + palette.size() * 4));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

struct IconImageSpec {
    int w = 16, h = 16, bpp = 8;
    std::vector<std::uint32_t> palette;
    ValueAt value = [](int, int) { return 0u; };
    MaskAt transparent = [](int, int) { return false; };
    int hotX = 0, hotY = 0;
    Bytes embedded; // a whole PNG instead of a bitmap
};

// An icon (type 1) or pointer (type 2) file with the images in the given order.
Bytes MakeIconFile(int type, const std::vector<IconImageSpec>& images) {
    std::vector<Bytes> data;
    for (const IconImageSpec& img : images) {
        if (!img.embedded.empty()) {
            data.push_back(img.embedded);
            continue;
        }
        Bytes b;
        PutInfoHeader(b, img.w, img.h * 2, img.bpp, img.palette.size());
        PutPalette(b, img.palette);
        PutPixels(b, img.w, img.h, img.bpp, img.value);
        PutPixels(b, img.w, img.h, 1, [&](int x, int y) { return img.transparent(x, y) ? 1u : 0u; });
        data.push_back(std::move(b));
    }
    Bytes file;
    Put16(file, 0);
    Put16(file, std::uint32_t(type));
    Put16(file, std::uint32_t(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImageSpec& img = images[i];
        file.push_back(std::uint8_t(img.w & 0xFF));
        file.push_back(std::uint8_t(img.h & 0xFF));
        file.push_back(std::uint8_t(img.bpp < 8 ? 1 << img.bpp : 0));
        file.push_back(0);
        Put16(file, type == 2 ? std::uint32_t(img.hotX) : 1);
        Put16(file, type == 2 ? std::uint32_t(img.hotY) : std::uint32_t(img.bpp));
        Put32(file, std::uint32_t(data[i].size()));
        Put32(file, std::uint32_t(offset));
        offset += data[i].size();
    }
    for (const Bytes& d : data)
        file.insert(file.end(), d.begin(), d.end());
    return file;
}

// A 2x2 GIF with a two-colour table whose second colour is transparent; pixels 0 1 / 1 0.
Bytes MakeGif() {
    Bytes g = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0};
    g.insert(g.end(), {0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF});             // red, blue
    g.insert(g.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x01, 0x00}); // index 1 transparent
    g.insert(g.end(), {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x00});
    // LZW, minimum code size 2, 3-bit codes: clear 0 1 clear 1 0 end.
    g.insert(g.end(), {0x02, 0x03, 0x44, 0x18, 0x14, 0x00, 0x3B});
    return g;
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080,
                                             0x123456, 0xABCDEF, 0x800000, 0x008000, 0x000080, 0x808000,
                                             0x800080, 0x008080, 0xC0C0C0, 0xFFFF00};

class PictureFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("gfx-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    std::string write(const std::string& name, const Bytes& bytes) {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    static Bytes read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_dir;
};

PictureResult Load(const Bytes& b) {
    return LoadPictureMemory(b.data(), b.size());
}

} // namespace

TEST_F(PictureFiles, BitmapsOfEveryPaletteDepthAndTrueColourLoad) {
    for (int bpp : {1, 4, 8, 24}) {
        SCOPED_TRACE(bpp);
        const int colours = bpp == 1 ? 2 : bpp == 4 ? 16 : 6; // 8-bit uses a short palette
        std::vector<std::uint32_t> palette;
        if (bpp <= 8) palette.assign(kPalette.begin(), kPalette.begin() + colours);
        const auto value = [&](int x, int y) -> std::uint32_t {
            if (bpp <= 8) return std::uint32_t((x + 2 * y) % colours);
            return std::uint32_t(x * 40) << 16 | std::uint32_t(y * 80) << 8 | std::uint32_t(x + y) * 20;
        };
        const int w = 5, h = 3; // rows need padding at every depth
        const PictureResult r = LoadPictureFile(write("depth.bmp", MakeBmp(w, h, bpp, palette, value)));
        ASSERT_TRUE(r.picture) << r.error;
        ASSERT_EQ(r.picture->width(), w);
        ASSERT_EQ(r.picture->height(), h);
        EXPECT_FALSE(r.picture->hasAlpha);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t rgb = bpp <= 8 ? palette[value(x, y)] : value(x, y);
                EXPECT_EQ(r.picture->image.pixel(x, y), 0xFF000000u | rgb) << x << "," << y;
            }
    }
}

TEST_F(PictureFiles, PointerTakesLargestImageWithItsHotSpotAndMask) {
    IconImageSpec many; // more colours, smaller: not the one to take
    many.w = many.h = 16;
    many.bpp = 8;
    many.palette = kPalette;
    many.hotX = 1;
    many.hotY = 2;
    IconImageSpec large;
    large.w = large.h = 32;
    large.bpp = 4;
    large.palette = kPalette;
    large.value = [](int x, int y) { return std::uint32_t((x / 4 + y) % 16); };
    large.transparent = [](int x, int y) { return x < 4 || y == 31; };
    large.hotX = 5;
    large.hotY = 7;
    const PictureResult r = LoadPictureFile(write("arrow.cur", MakeIconFile(2, {many, large})));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_EQ(r.picture->width(), 32);
    EXPECT_EQ(r.picture->height(), 32);
    EXPECT_EQ(r.picture->hotX, 5);
    EXPECT_EQ(r.picture->hotY, 7);
    EXPECT_TRUE(r.picture->hasAlpha);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Pixel p = r.picture->image.pixel(x, y);
            const Pixel want = large.transparent(x, y) ? 0u : 0xFF000000u | kPalette[large.value(x, y)];
            EXPECT_EQ(p, want) << x << "," << y;
        }
}

TEST_F(PictureFiles, IconOfEqualSizesTakesTheDeepestAndHasNoHotSpot) {
    IconImageSpec shallow;
    shallow.bpp = 4;
    shallow.palette = kPalette;
    IconImageSpec deep;
    deep.bpp = 24;
    deep.value = [](int x, int y) { return 0x102030u + std::uint32_t(x) * 0x010000u + std::uint32_t(y); };
    const PictureResult r = Load(MakeIconFile(1, {shallow, deep}));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_EQ(r.picture->hotX, 0);
    EXPECT_EQ(r.picture->hotY, 0);
    EXPECT_EQ(r.picture->image.pixel(3, 5), 0xFF000000u | deep.value(3, 5));
    EXPECT_FALSE(r.picture->hasAlpha);
}

TEST_F(PictureFiles, IconAlphaChannelWinsUnlessItIsEmpty) {
    IconImageSpec alpha;
    alpha.w = alpha.h = 4;
    alpha.bpp = 32;
    alpha.value = [](int x, int) { return x == 0 ? 0x00FFFFFFu : x == 1 ? 0x80112233u : 0xFF445566u; };
    PictureResult r = Load(MakeIconFile(1, {alpha}));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_EQ(AlphaOf(r.picture->image.pixel(0, 2)), 0);
    EXPECT_EQ(r.picture->image.pixel(1, 2), 0x80112233u);
    EXPECT_EQ(r.picture->image.pixel(3, 2), 0xFF445566u);

    IconImageSpec old = alpha; // no alpha at all: the mask decides
    old.value = [](int, int) { return 0x00445566u; };
    old.transparent = [](int x, int) { return x == 3; };
    r = Load(MakeIconFile(1, {old}));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_EQ(r.picture->image.pixel(0, 0), 0xFF445566u);
    EXPECT_EQ(AlphaOf(r.picture->image.pixel(3, 0)), 0);
}

TEST_F(PictureFiles, PngRoundTripKeepsEveryPixelAndAlsoLoadsInsideAnIcon) {
    Canvas c(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            c.setPixel(x, y, Pixel(x * 36) << 24 | Pixel(y * 50) << 16 | Pixel(x * 30) << 8 | 0x5A);
    ASSERT_EQ(SavePng(c, path("out.png")), "");
    const PictureResult r = LoadPictureFile(path("out.png"));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_TRUE(r.picture->hasAlpha);
    EXPECT_EQ(r.picture->image.pixels(), c.pixels());

    IconImageSpec small;
    small.w = small.h = 4;
    IconImageSpec png;
    png.embedded = read(path("out.png"));
    png.w = 7;
    png.h = 5;
    const PictureResult icon = Load(MakeIconFile(1, {small, png}));
    ASSERT_TRUE(icon.picture) << icon.error;
    EXPECT_EQ(icon.picture->image.pixels(), c.pixels());
}

TEST_F(PictureFiles, SavedBitmapIsTwentyFourBitAndReadsBackOpaque) {
    Canvas c(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            c.setPixel(x, y, 0x40000000u | Pixel(x * 30) << 16 | Pixel(y * 70) << 8 | Pixel(x + y));
    ASSERT_EQ(SaveBmp(c, path("out.bmp")), "");
    const Bytes file = read(path("out.bmp"));
    ASSERT_EQ(file.size(), 54u + 24u * 3u); // 21 bytes a row, padded to 24
    EXPECT_EQ(file[28], 24);
    const PictureResult r = LoadPictureFile(path("out.bmp"));
    ASSERT_TRUE(r.picture) << r.error;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(r.picture->image.pixel(x, y), c.pixel(x, y) | 0xFF000000u);
}

TEST_F(PictureFiles, JpegDecodesOpaqueAndSurvivesTruncation) {
    // Written by the real encoder: half red, half blue.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface, nullptr);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x] =
                x < 8 ? 0xFFFF0000u : 0xFF0000FFu;
    const int saved = IMG_SaveJPG(surface, path("photo.jpg").c_str(), 95);
    SDL_FreeSurface(surface);
    ASSERT_EQ(saved, 0) << IMG_GetError();

    const PictureResult r = LoadPictureFile(path("photo.jpg"));
    ASSERT_TRUE(r.picture) << r.error;
    EXPECT_EQ(r.picture->width(), 16);
    EXPECT_FALSE(r.picture->hasAlpha);
    const Pixel left = r.picture->image.pixel(2, 8), right = r.picture->image.pixel(13, 8);
    EXPECT_GT((left >> 16) & 0xFF, 200u);
    EXPECT_LT(left & 0xFF, 60u);
    EXPECT_GT(right & 0xFF, 200u);
    EXPECT_LT((right >> 16) & 0xFF, 60u);

    const Bytes jpg = read(path("photo.jpg"));
    for (std::size_t n = 0; n < jpg.size(); n += 7) {
        const PictureResult cut = LoadPictureMemory(jpg.data(), n);
        EXPECT_TRUE(cut.picture || !cut.error.empty()) << "length " << n;
    }
}

TEST_F(PictureFiles, SavingReportsFailures) {
    const Canvas c(2, 2);
    EXPECT_NE(SavePng(c, path("missing/dir/out.png")), "");
    EXPECT_NE(SaveBmp(c, path("missing/dir/out.bmp")), "");
    EXPECT_NE(SavePng(Canvas(), path("empty.png")), "");
    EXPECT_NE(SaveBmp(Canvas(), path("empty.bmp")), "");
}

TEST(PictureDecoding, GifTransparentIndexBecomesAlphaZero) {
    const Bytes gif = MakeGif();
    const PictureResult r = Load(gif);
    ASSERT_TRUE(r.picture) << r.error;
    ASSERT_EQ(r.picture->width(), 2);
    EXPECT_EQ(r.picture->image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(AlphaOf(r.picture->image.pixel(1, 0)), 0);
    EXPECT_EQ(AlphaOf(r.picture->image.pixel(0, 1)), 0);
    EXPECT_EQ(r.picture->image.pixel(1, 1), 0xFFFF0000u);
    EXPECT_TRUE(r.picture->hasAlpha);
}

TEST(PictureDecoding, GarbageEmptyAndMissingFilesGiveErrors) {
    const std::string text = "this is not a picture at all";
    PictureResult r = LoadPictureMemory(text.data(), text.size());
    EXPECT_FALSE(r.picture);
    EXPECT_EQ(r.error.rfind("Invalid picture", 0), 0u) << r.error;
    r = LoadPictureMemory(nullptr, 0);
    EXPECT_FALSE(r.picture);
    EXPECT_FALSE(r.error.empty());
    r = LoadPictureFile("/nonexistent/picture.bmp");
    EXPECT_FALSE(r.picture);
    EXPECT_NE(r.error.find("/nonexistent/picture.bmp"), std::string::npos);
    r = LoadPictureFile(fs::temp_directory_path().string()); // a folder
    EXPECT_FALSE(r.picture);
    EXPECT_FALSE(r.error.empty());
}

TEST(PictureDecoding, TruncatedAndInconsistentFilesGiveErrors) {
    Bytes bmp = MakeBmp(20, 20, 24, {}, [](int x, int y) { return std::uint32_t(x * y); });
    bmp.resize(200);
    PictureResult r = Load(bmp);
    EXPECT_FALSE(r.picture);
    EXPECT_EQ(r.error.rfind("Invalid picture", 0), 0u) << r.error;

    IconImageSpec img;
    img.palette = kPalette;
    Bytes ico = MakeIconFile(1, {img});
    Bytes shortDirectory(ico.begin(), ico.begin() + 6);
    shortDirectory[4] = 5; // five entries announced, none present
    EXPECT_FALSE(Load(shortDirectory).picture);
    Bytes badOffset = ico;
    badOffset[18] = 0xFF; // first image offset far past the end
    badOffset[19] = 0xFF;
    EXPECT_FALSE(Load(badOffset).picture);
    Bytes cut(ico.begin(), ico.begin() + std::ptrdiff_t(ico.size() - 10)); // mask cut short
    r = Load(cut);
    EXPECT_FALSE(r.picture);
    EXPECT_FALSE(r.error.empty());
}

TEST(PictureDecoding, HugeDeclaredSizesAreRefusedBeforeDecoding) {
    auto expectTooLarge = [](const Bytes& b, const char* what) {
        const PictureResult r = Load(b);
        EXPECT_FALSE(r.picture) << what;
        EXPECT_NE(r.error.find("too large"), std::string::npos) << what << ": " << r.error;
    };
    Bytes bmp = MakeBmp(2, 2, 24, {}, [](int, int) { return 0u; });
    bmp[18] = 0x20;
    bmp[19] = 0x4E;
    bmp[20] = 0;
    bmp[21] = 0; // 20000 wide
    expectTooLarge(bmp, "bmp");
    Bytes bmpTall = MakeBmp(2, 2, 24, {}, [](int, int) { return 0u; });
    bmpTall[22] = 0x00;
    bmpTall[23] = 0x00;
    bmpTall[24] = 0x00;
    bmpTall[25] = 0x80; // INT_MIN rows
    expectTooLarge(bmpTall, "bmp height");

    Bytes png = {0x89, 'P',  'N',  'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0,
                 0x01, 0x86, 0xA0, 0,   0,    0,    1,    8,    6, 0, 0, 0,  0,   0,   0,   0}; // 100000 x 1
    expectTooLarge(png, "png");

    Bytes gif = MakeGif();
    gif[6] = gif[7] = gif[8] = gif[9] = 0xFF;
    expectTooLarge(gif, "gif screen");
    Bytes gifFrame = MakeGif();
    const std::size_t descriptor = 13 + 6 + 8;
    gifFrame[descriptor + 5] = gifFrame[descriptor + 6] = gifFrame[descriptor + 7] =
        gifFrame[descriptor + 8] = 0xFF;
    expectTooLarge(gifFrame, "gif frame");

    const Bytes jpg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0xEA,
                       0x60, 0xEA, 0x60, 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01};
    expectTooLarge(jpg, "jpg");

    IconImageSpec img;
    img.w = img.h = 2;
    img.bpp = 24;
    Bytes ico = MakeIconFile(1, {img});
    const std::size_t header = 6 + 16;
    ico[header + 4] = 0x20;
    ico[header + 5] = 0x4E; // 20000 wide
    expectTooLarge(ico, "ico");
}

TEST(PictureDecoding, EveryTruncationAndRandomCorruptionEndsInPictureOrError) {
    IconImageSpec icon;
    icon.w = icon.h = 8;
    icon.bpp = 4;
    icon.palette = kPalette;
    icon.transparent = [](int x, int) { return x > 5; };
    std::vector<Bytes> samples = {
        MakeBmp(6, 4, 8, kPalette, [](int x, int y) { return std::uint32_t(x + y); }),
        MakeBmp(5, 3, 24, {}, [](int x, int) { return std::uint32_t(x) * 0x030201u; }),
        MakeIconFile(2, {icon}),
        MakeGif(),
    };
    std::mt19937 random(1234);
    for (const Bytes& sample : samples) {
        for (std::size_t n = 0; n < sample.size(); ++n) {
            const PictureResult r = LoadPictureMemory(sample.data(), n);
            EXPECT_TRUE(r.picture || !r.error.empty()) << "length " << n;
        }
        for (int round = 0; round < 300; ++round) {
            Bytes b = sample;
            const int flips = 1 + int(random() % 4);
            for (int k = 0; k < flips; ++k)
                b[random() % b.size()] = std::uint8_t(random());
            const PictureResult r = Load(b);
            EXPECT_TRUE(r.picture || !r.error.empty());
            if (r.picture) {
                EXPECT_EQ(r.picture->image.pixels().size(),
                          std::size_t(r.picture->width()) * r.picture->height());
            }
        }
    }
}
