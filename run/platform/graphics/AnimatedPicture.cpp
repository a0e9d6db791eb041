// Animated GIF files through SDL2_image's animation loader, which composes each picture on the
// file's canvas with its disposal method. The file is measured first: pictures beyond the memory
// allowance are cut off before the loader sees them, since it keeps every picture at full size.
#include "run/platform/graphics/AnimatedPicture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

namespace run::platform {

namespace {

constexpr long long kMaxSide = 16384;

AnimatedPictureResult Fail(std::string error) {
    return {nullptr, std::move(error), false};
}

// Where the GIF's pictures end (the offset just past each one's data), as far as the file can
// be followed; the canvas size comes with them.
struct GifLayout {
    int width = 0, height = 0;
    std::vector<std::size_t> pictureEnds;
};

GifLayout MeasureGif(const std::uint8_t* d, std::size_t n) {
    GifLayout g;
    if (n < 13) return g;
    g.width = d[6] | d[7] << 8;
    g.height = d[8] | d[9] << 8;
    std::size_t at = 13;
    if (d[10] & 0x80) at += 3u * (1u << ((d[10] & 7) + 1));
    // Sub-blocks: a length byte and that many bytes, ended by a zero length.
    auto skipSubBlocks = [&](std::size_t from) -> std::size_t {
        while (from < n) {
            const std::size_t len = d[from];
            ++from;
            if (len == 0) return from;
            from += len;
        }
        return std::numeric_limits<std::size_t>::max();
    };
    while (at < n) {
        const std::uint8_t kind = d[at];
        if (kind == 0x21) {
            if (at + 2 > n) break;
            at = skipSubBlocks(at + 2);
        } else if (kind == 0x2C) {
            if (at + 10 > n) break;
            const std::uint8_t flags = d[at + 9];
            at += 10;
            if (flags & 0x80) at += 3u * (1u << ((flags & 7) + 1));
            if (at >= n) break;
            at = skipSubBlocks(at + 1); // past the code size byte
            if (at > n) break;
            g.pictureEnds.push_back(at);
        } else {
            break; // the trailer, or damage: what came before still plays
        }
    }
    return g;
}

PicturePtr FromSurface(SDL_Surface* frame) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(frame, SDL_PIXELFORMAT_ARGB8888, 0);
    if (!argb) return nullptr;
    auto picture = std::make_shared<Picture>();
    picture->image = Canvas(argb->w, argb->h, 0);
    if (SDL_MUSTLOCK(argb)) SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y)
        std::memcpy(picture->image.row(y),
                    static_cast<const std::uint8_t*>(argb->pixels) + std::size_t(y) * argb->pitch,
                    std::size_t(argb->w) * sizeof(Pixel));
    if (SDL_MUSTLOCK(argb)) SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    for (Pixel p : picture->image.pixels()) {
        if (p >> 24 != 0xFF) {
            picture->hasAlpha = true;
            break;
        }
    }
    return picture;
}

AnimatedPictureResult LoadGif(const std::uint8_t* d, std::size_t n) {
    const GifLayout layout = MeasureGif(d, n);
    if (layout.width <= 0 || layout.height <= 0 || layout.width > kMaxSide || layout.height > kMaxSide)
        return Fail("size " + std::to_string(layout.width) + "x" + std::to_string(layout.height) +
                    " is not one a picture can have");
    if (layout.pictureEnds.empty()) return Fail("the file holds no picture");
    const long long perPicture = static_cast<long long>(layout.width) * layout.height;
    const std::size_t fits = static_cast<std::size_t>(std::max(1LL, kMaxAnimationPixels / perPicture));
    if (perPicture > kMaxAnimationPixels)
        return Fail("size " + std::to_string(layout.width) + "x" + std::to_string(layout.height) +
                    " is too large");
    // The loader sees the file up to the last picture kept, closed by a trailer.
    const bool shortened = layout.pictureEnds.size() > fits;
    const std::size_t keep = shortened ? fits : layout.pictureEnds.size();
    std::string bytes(reinterpret_cast<const char*>(d), layout.pictureEnds[keep - 1]);
    bytes += '\x3B';
    if (bytes.size() > std::size_t(std::numeric_limits<int>::max())) return Fail("file is too large");
    SDL_ClearError();
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!rw) return Fail(SDL_GetError());
    IMG_Animation* anim = IMG_LoadAnimationTyped_RW(rw, 1, "GIF");
    if (!anim) return Fail(IMG_GetError());
    auto result = std::make_shared<AnimatedPicture>();
    for (int i = 0; i < anim->count; ++i) {
        PicturePtr p = anim->frames[i] ? FromSurface(anim->frames[i]) : nullptr;
        if (!p) break;
        result->pictures.push_back(std::move(p));
        result->delaysMs.push_back(anim->delays ? std::max(0, anim->delays[i]) : 0);
    }
    IMG_FreeAnimation(anim);
    if (result->pictures.empty()) return Fail("the file holds no picture");
    return {std::move(result), {}, shortened};
}

} // namespace

AnimatedPictureResult LoadAnimatedPictureMemory(const void* data, std::size_t size) {
    const auto* d = static_cast<const std::uint8_t*>(data);
    if (size >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0)) {
        AnimatedPictureResult gif = LoadGif(d, size);
        if (gif.animation) return gif;
    }
    // Any other picture (or a GIF the animation loader refuses) is one still picture.
    PictureResult still = LoadPictureMemory(data, size);
    if (!still.picture) return Fail(still.error);
    auto result = std::make_shared<AnimatedPicture>();
    result->pictures.push_back(still.picture);
    result->delaysMs.push_back(0);
    return {std::move(result), {}, false};
}

AnimatedPictureResult LoadAnimatedPictureFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail("File not found: " + path);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadAnimatedPictureMemory(bytes.data(), bytes.size());
}

} // namespace run::platform
