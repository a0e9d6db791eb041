#include "run/platform/graphics/Picture.h"

#include "run/platform/graphics/Metafile.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <fstream>
#include <limits>
#include <vector>

namespace run::platform {

namespace {

// Anything larger is a decompression bomb or a broken header, never a game picture.
constexpr long long kMaxSide = 16384;
constexpr long long kMaxPixels = 64LL * 1024 * 1024;
constexpr std::uintmax_t kMaxFileBytes = 512ull * 1024 * 1024;

struct ImageLibrary {
    ImageLibrary() { IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG); }
    ~ImageLibrary() { IMG_Quit(); }
};

void EnsureImageLibrary() {
    static ImageLibrary library;
}

using Bytes = const std::uint8_t*;

std::uint32_t Le16(Bytes p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t Le32(Bytes p) {
    return Le16(p) | Le16(p + 2) << 16;
}
std::uint32_t Be16(Bytes p) {
    return std::uint32_t(p[0]) << 8 | std::uint32_t(p[1]);
}
std::uint32_t Be32(Bytes p) {
    return Be16(p) << 16 | Be16(p + 2);
}

PictureResult Fail(std::string why) {
    return {nullptr, "Invalid picture: " + why};
}

std::string SizeProblem(long long w, long long h) {
    if (w <= 0 || h <= 0) return "empty or negative size " + std::to_string(w) + "x" + std::to_string(h);
    if (w > kMaxSide || h > kMaxSide || w * h > kMaxPixels)
        return "size " + std::to_string(w) + "x" + std::to_string(h) + " is too large";
    return {};
}

// Declared sizes are only checked for being too large: a zero one is the decoder's to reject.
std::string TooLarge(long long w, long long h) {
    return w > kMaxSide || h > kMaxSide || w * h > kMaxPixels ? SizeProblem(w, h) : std::string();
}

enum class Format { Unknown, Bmp, Png, Gif, Jpg, Ico, Cur };

Format Sniff(Bytes d, std::size_t n) {
    static const std::uint8_t png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (n >= 2 && d[0] == 'B' && d[1] == 'M') return Format::Bmp;
    if (n >= 8 && std::memcmp(d, png, 8) == 0) return Format::Png;
    if (n >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0)) return Format::Gif;
    if (n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return Format::Jpg;
    if (n >= 6 && Le16(d) == 0 && Le16(d + 4) != 0) {
        if (Le16(d + 2) == 1) return Format::Ico;
        if (Le16(d + 2) == 2) return Format::Cur;
    }
    return Format::Unknown;
}

// The size a header declares, checked before a decoder allocates for it. Returns a problem
// description, or an empty string when the size is acceptable or cannot be read here (the
// decoder then reports the broken header itself).
std::string DeclaredSizeProblem(Format f, Bytes d, std::size_t n) {
    switch (f) {
    case Format::Bmp: {
        if (n < 26) return {};
        if (Le32(d + 14) == 12) return TooLarge(Le16(d + 18), Le16(d + 20));
        const long long w = std::int32_t(Le32(d + 18));
        long long h = std::int32_t(Le32(d + 22));
        return TooLarge(w < 0 ? -w : w, h < 0 ? -h : h);
    }
    case Format::Png:
        if (n < 24) return {};
        return TooLarge(Be32(d + 16), Be32(d + 20));
    case Format::Gif: {
        if (n < 13) return {};
        if (auto p = TooLarge(Le16(d + 6), Le16(d + 8)); !p.empty()) return p;
        // The first frame may declare its own, larger size.
        std::size_t i = 13;
        if (d[10] & 0x80) i += 3u << ((d[10] & 7) + 1);
        while (i < n) {
            if (d[i] == 0x2C) {
                if (i + 9 > n) return {};
                return TooLarge(Le16(d + i + 5), Le16(d + i + 7));
            }
            if (d[i] != 0x21 || i + 2 >= n) return {};
            i += 2;
            while (i < n && d[i] != 0)
                i += std::size_t(d[i]) + 1;
            ++i;
        }
        return {};
    }
    case Format::Jpg: {
        std::size_t i = 2;
        while (i + 4 <= n) {
            if (d[i] != 0xFF) return {};
            const std::uint8_t m = d[i + 1];
            if (m == 0xFF) {
                ++i;
                continue;
            }
            if (m == 0x01 || (m >= 0xD0 && m <= 0xD9)) {
                i += 2;
                continue;
            }
            const std::size_t len = Be16(d + i + 2);
            const bool sof = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
            if (sof) {
                if (i + 9 > n) return {};
                return TooLarge(Be16(d + i + 7), Be16(d + i + 5));
            }
            if (len < 2) return {};
            i += 2 + len;
        }
        return {};
    }
    default:
        return {};
    }
}

PictureResult FromCanvas(Canvas&& canvas, int hotX, int hotY) {
    auto picture = std::make_shared<Picture>();
    picture->image = std::move(canvas);
    picture->hotX = hotX;
    picture->hotY = hotY;
    for (Pixel p : picture->image.pixels()) {
        if (AlphaOf(p) != 255) {
            picture->hasAlpha = true;
            break;
        }
    }
    return {std::move(picture), {}};
}

PictureResult FromSurface(SDL_Surface* surface, int hotX, int hotY) {
    if (!surface) return Fail(IMG_GetError());
    if (auto p = SizeProblem(surface->w, surface->h); !p.empty()) {
        SDL_FreeSurface(surface);
        return Fail(p);
    }
    // Pictures without a palette or colour key (JPEG, true-colour BMP and PNG: the large ones)
    // convert straight into the canvas, without a second full-size copy.
    if (!surface->format->palette && SDL_HasColorKey(surface) == SDL_FALSE) {
        Canvas canvas(surface->w, surface->h, 0);
        if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
        int rc = SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels,
                                   surface->pitch, SDL_PIXELFORMAT_ARGB8888, canvas.row(0),
                                   surface->w * int(sizeof(Pixel)));
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
        // A format without alpha leaves the alpha byte as the conversion made it: opaque.
        SDL_FreeSurface(surface);
        if (rc != 0) return Fail(SDL_GetError());
        return FromCanvas(std::move(canvas), hotX, hotY);
    }
    // Converting to a format with alpha turns a GIF's transparent index into alpha 0.
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(surface);
    if (!argb) return Fail(SDL_GetError());
    Canvas canvas(argb->w, argb->h, 0);
    if (SDL_MUSTLOCK(argb)) SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y)
        std::memcpy(canvas.row(y),
                    static_cast<const std::uint8_t*>(argb->pixels) + std::size_t(y) * argb->pitch,
                    std::size_t(argb->w) * sizeof(Pixel));
    if (SDL_MUSTLOCK(argb)) SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return FromCanvas(std::move(canvas), hotX, hotY);
}

PictureResult DecodeWithSdlImage(const void* data, std::size_t size, const char* type, int hotX = 0,
                                 int hotY = 0) {
    if (size > std::size_t(std::numeric_limits<int>::max())) return Fail("file is too large");
    EnsureImageLibrary();
    SDL_ClearError();
    SDL_RWops* rw = SDL_RWFromConstMem(data, int(size));
    if (!rw) return Fail(SDL_GetError());
    return FromSurface(IMG_LoadTyped_RW(rw, 1, type), hotX, hotY);
}

// One image of an icon or pointer file, as its own header describes it.
struct IconImage {
    std::size_t offset = 0, available = 0;
    long long width = 0, height = 0;
    int depth = 0;
    bool png = false;
    int hotX = 0, hotY = 0;
};

bool DescribeIconImage(Bytes d, std::size_t n, Bytes entry, IconImage& img) {
    static const std::uint8_t pngSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    img.offset = Le32(entry + 12);
    if (img.offset >= n) return false;
    // Directory sizes are often wrong; the data may run to the end of the file.
    img.available = n - img.offset;
    Bytes p = d + img.offset;
    if (img.available >= 24 && std::memcmp(p, pngSig, 8) == 0) {
        img.png = true;
        img.width = Be32(p + 16);
        img.height = Be32(p + 20);
        img.depth = 32;
        return true;
    }
    if (img.available < 40 || Le32(p) < 40 || Le32(p) > img.available) return false;
    img.width = std::int32_t(Le32(p + 4));
    img.height = std::int32_t(Le32(p + 8)) / 2;
    if (img.height < 0) img.height = -img.height;
    img.depth = int(Le16(p + 14));
    return true;
}

// The colour (XOR) bitmap of an icon image followed by its transparency (AND) mask.
PictureResult DecodeIconBitmap(Bytes d, const IconImage& img) {
    Bytes p = d + img.offset;
    const std::size_t headerSize = Le32(p);
    const int w = int(img.width), h = int(img.height);
    const bool bottomUp = std::int32_t(Le32(p + 8)) > 0;
    const int bpp = img.depth;
    const std::uint32_t compression = Le32(p + 16);
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return Fail("icon images with " + std::to_string(bpp) + " bits per pixel are not supported");
    if (compression != 0) return Fail("compressed icon images are not supported");

    std::size_t colours = 0;
    if (bpp <= 8) {
        colours = Le32(p + 32);
        if (colours == 0 || colours > (1u << bpp)) colours = std::size_t(1) << bpp;
    }
    const std::size_t stride = ((std::size_t(w) * bpp + 31) / 32) * 4;
    const std::size_t maskStride = ((std::size_t(w) + 31) / 32) * 4;
    const std::size_t paletteAt = headerSize;
    const std::size_t pixelsAt = paletteAt + colours * 4;
    const std::size_t maskAt = pixelsAt + stride * std::size_t(h);
    if (maskAt > img.available) return Fail("icon image data is truncated");
    // Images with an alpha channel may leave out the mask.
    const bool haveMask = maskAt + maskStride * std::size_t(h) <= img.available;
    if (!haveMask && bpp != 32) return Fail("icon mask is truncated");

    Pixel palette[256] = {};
    for (std::size_t i = 0; i < colours; ++i)
        palette[i] = (Le32(p + paletteAt + i * 4) & 0x00FFFFFFu) | 0xFF000000u;

    Canvas canvas(w, h, 0);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        Bytes src = p + pixelsAt + stride * std::size_t(y);
        Pixel* dst = canvas.row(bottomUp ? h - 1 - y : y);
        switch (bpp) {
        case 1:
            for (int x = 0; x < w; ++x)
                dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                dst[x] = palette[src[x]];
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                dst[x] = 0xFF000000u | Pixel(src[3 * x + 2]) << 16 | Pixel(src[3 * x + 1]) << 8 | src[3 * x];
            break;
        default:
            for (int x = 0; x < w; ++x) {
                dst[x] = Le32(src + 4 * x);
                anyAlpha |= AlphaOf(dst[x]) != 0;
            }
            break;
        }
    }
    // A 32-bit image whose alpha bytes are all zero is an old-style one: the mask decides.
    const bool useMask = haveMask && (bpp != 32 || !anyAlpha);
    if (bpp == 32 && !useMask) {
        for (int y = 0; y < h; ++y) {
            Pixel* row = canvas.row(y);
            for (int x = 0; x < w; ++x)
                if (AlphaOf(row[x]) == 0) row[x] = 0;
        }
    }
    if (useMask) {
        for (int y = 0; y < h; ++y) {
            Bytes mask = p + maskAt + maskStride * std::size_t(y);
            Pixel* dst = canvas.row(bottomUp ? h - 1 - y : y);
            for (int x = 0; x < w; ++x) {
                if ((mask[x >> 3] >> (7 - (x & 7))) & 1)
                    dst[x] = 0;
                else
                    dst[x] |= 0xFF000000u;
            }
        }
    }
    return FromCanvas(std::move(canvas), img.hotX, img.hotY);
}

// SDL_image picks the image with the most palette colours (the first of equals) and ignores
// both 32-bit alpha and embedded PNGs, so icons and pointers are read here: the largest image,
// then the deepest, and for pointers the hot spot from its directory entry.
PictureResult DecodeIconFile(Bytes d, std::size_t n, bool pointer) {
    const std::size_t count = Le16(d + 4);
    if (n < 6 + 16 * count) return Fail("icon directory is truncated");
    IconImage best;
    bool found = false;
    for (std::size_t i = 0; i < count; ++i) {
        Bytes entry = d + 6 + 16 * i;
        IconImage img;
        if (!DescribeIconImage(d, n, entry, img)) continue;
        if (pointer) {
            img.hotX = int(Le16(entry + 4));
            img.hotY = int(Le16(entry + 6));
        }
        const long long area = img.width * img.height, bestArea = best.width * best.height;
        if (!found || area > bestArea || (area == bestArea && img.depth > best.depth)) {
            best = img;
            found = true;
        }
    }
    if (!found) return Fail("no readable image in the icon file");
    if (auto p = SizeProblem(best.width, best.height); !p.empty()) return Fail(p);
    if (best.png) return DecodeWithSdlImage(d + best.offset, best.available, "PNG", best.hotX, best.hotY);
    return DecodeIconBitmap(d, best);
}

PictureResult DecodeMetafile(Bytes d, std::size_t n) {
    const MetafileSize size = MetafilePictureSize(d, n);
    if (!size.error.empty()) return Fail(size.error);
    if (auto p = SizeProblem(size.width, size.height); !p.empty()) return Fail(p);
    Canvas canvas(int(size.width), int(size.height), 0);
    if (auto e = DrawMetafile(d, n, canvas); !e.empty()) return Fail(e);
    return FromCanvas(std::move(canvas), 0, 0);
}

} // namespace

PictureResult LoadPictureMemory(const void* data, std::size_t size) {
    if (!data || size == 0) return Fail("the file is empty");
    const auto* d = static_cast<Bytes>(data);
    if (IsMetafile(d, size)) return DecodeMetafile(d, size);
    const Format format = Sniff(d, size);
    if (auto p = DeclaredSizeProblem(format, d, size); !p.empty()) return Fail(p);
    switch (format) {
    case Format::Bmp:
        return DecodeWithSdlImage(data, size, "BMP");
    case Format::Png:
        return DecodeWithSdlImage(data, size, "PNG");
    case Format::Gif:
        return DecodeWithSdlImage(data, size, "GIF");
    case Format::Jpg:
        return DecodeWithSdlImage(data, size, "JPG");
    case Format::Ico:
        return DecodeIconFile(d, size, false);
    case Format::Cur:
        return DecodeIconFile(d, size, true);
    case Format::Unknown:
        break;
    }
    // Only the formats the games use are decoded: the others' headers are not size-checked.
    return Fail("Unsupported image format (not BMP, JPG, GIF, PNG, ICO, CUR, WMF or EMF)");
}

PictureResult LoadPictureFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {nullptr, "Cannot open picture file " + path};
    const std::streamoff length = in.tellg();
    if (length < 0) return {nullptr, "Cannot read picture file " + path};
    if (std::uintmax_t(length) > kMaxFileBytes) return Fail("file " + path + " is too large");
    std::vector<char> bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    if (!bytes.empty() && !in.read(bytes.data(), length))
        return {nullptr, "Cannot read picture file " + path};
    PictureResult result = LoadPictureMemory(bytes.data(), bytes.size());
    if (!result.picture) result.error += " (" + path + ")";
    return result;
}

std::string SavePng(const Canvas& canvas, const std::string& path) {
    if (canvas.empty()) return "Cannot save an empty picture";
    EnsureImageLibrary();
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Pixel*>(canvas.pixels().data()), canvas.width(),
                                           canvas.height(), 32, canvas.width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return std::string("Cannot save picture: ") + SDL_GetError();
    const int rc = IMG_SavePNG(surface, path.c_str());
    SDL_FreeSurface(surface);
    if (rc != 0) return "Cannot save picture " + path + ": " + IMG_GetError();
    return {};
}

std::string SaveJpg(const Canvas& canvas, const std::string& path, int quality) {
    if (canvas.empty()) return "Cannot save an empty picture";
    EnsureImageLibrary();
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Pixel*>(canvas.pixels().data()), canvas.width(),
                                           canvas.height(), 32, canvas.width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return std::string("Cannot save picture: ") + SDL_GetError();
    const int rc = IMG_SaveJPG(surface, path.c_str(), quality);
    SDL_FreeSurface(surface);
    if (rc != 0) return "Cannot save picture " + path + ": " + IMG_GetError();
    return {};
}

std::string SaveBmp(const Canvas& canvas, const std::string& path) {
    if (canvas.empty()) return "Cannot save an empty picture";
    const std::size_t w = std::size_t(canvas.width()), h = std::size_t(canvas.height());
    const std::size_t stride = (w * 3 + 3) & ~std::size_t(3);
    const std::size_t imageBytes = stride * h;
    if (imageBytes + 54 > 0xFFFFFFFFu) return "Cannot save picture " + path + ": too large for a BMP file";

    std::vector<std::uint8_t> file(54 + imageBytes, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        file[at] = std::uint8_t(v);
        file[at + 1] = std::uint8_t(v >> 8);
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, std::uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, std::uint32_t(imageBytes));
    put32(38, 3780); // 96 dots per inch
    put32(42, 3780);
    for (std::size_t y = 0; y < h; ++y) {
        const Pixel* src = canvas.row(int(h - 1 - y));
        std::uint8_t* dst = file.data() + 54 + y * stride;
        for (std::size_t x = 0; x < w; ++x) {
            dst[3 * x] = std::uint8_t(src[x]);
            dst[3 * x + 1] = std::uint8_t(src[x] >> 8);
            dst[3 * x + 2] = std::uint8_t(src[x] >> 16);
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return "Cannot create picture file " + path;
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    out.close();
    if (!out) return "Cannot write picture file " + path;
    return {};
}

} // namespace run::platform
