// Cursor and icon files, and painting helpers.
#include "tests/support/MediaMaker.h"

#include <algorithm>
#include <cstdint>

namespace run::testing {

using platform::Canvas;
using platform::Pixel;

namespace {

void put16(std::string& s, std::uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// One-image icon or cursor resource: directory, BITMAPINFOHEADER, BGRA rows bottom-up, AND mask.
std::string makeResource(const Canvas& img, int type, int a, int b) {
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const std::uint32_t imageBytes = std::uint32_t(40 + w * h * 4 + maskStride * h);
    std::string s;
    put16(s, 0);
    put16(s, std::uint32_t(type));
    put16(s, 1);
    s += char(w >= 256 ? 0 : w);
    s += char(h >= 256 ? 0 : h);
    s += char(0);
    s += char(0);
    put16(s, std::uint32_t(a)); // icon: planes; cursor: hot spot x
    put16(s, std::uint32_t(b)); // icon: bit count; cursor: hot spot y
    put32(s, imageBytes);
    put32(s, 6 + 16);
    put32(s, 40);
    put32(s, std::uint32_t(w));
    put32(s, std::uint32_t(h * 2));
    put16(s, 1);
    put16(s, 32);
    put32(s, 0);
    put32(s, std::uint32_t(w * h * 4 + maskStride * h));
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            Pixel p = img.pixel(x, y);
            s += char(p & 0xFF);
            s += char((p >> 8) & 0xFF);
            s += char((p >> 16) & 0xFF);
            s += char((p >> 24) & 0xFF);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(std::size_t(maskStride), '\0');
        for (int x = 0; x < w; ++x) {
            if (platform::AlphaOf(img.pixel(x, y)) < 128) row[std::size_t(x / 8)] |= char(0x80 >> (x % 8));
        }
        s += row;
    }
    return s;
}

} // namespace

std::string MakeCursorBytes(const Canvas& image, int hotX, int hotY) {
    return makeResource(image, 2, hotX, hotY);
}
std::string MakeIconBytes(const Canvas& image) {
    return makeResource(image, 1, 1, 32);
}

void FillCircle(Canvas& c, int cx, int cy, int radius, Pixel p) {
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            if (x * x + y * y <= radius * radius) c.setPixel(cx + x, cy + y, p);
        }
    }
}

void VerticalGradient(Canvas& c, const platform::Rect& r, Pixel top, Pixel bottom) {
    for (int y = 0; y < r.h; ++y) {
        auto mix = [&](int shift) {
            int a = int((top >> shift) & 0xFF), b = int((bottom >> shift) & 0xFF);
            return Pixel(a + (b - a) * y / (r.h > 1 ? r.h - 1 : 1)) << shift;
        };
        c.fill({r.x, r.y + y, r.w, 1}, 0xFF000000 | mix(16) | mix(8) | mix(0));
    }
}

Canvas ArrowPointer(Pixel fill) {
    Canvas c(32, 32, 0);
    for (int y = 0; y < 20; ++y) {
        int width = y < 14 ? y / 1 + 1 : 14 - (y - 14) * 2;
        for (int x = 0; x < width && x < 14; ++x) {
            bool edge = x == 0 || x == width - 1 || y == 19 || (y >= 14 && x == width - 1);
            c.setPixel(x, y, edge ? 0xFF000000 : fill);
        }
    }
    return c;
}

namespace {

// LZW codes packed from the lowest bit, in sub-blocks of at most 255 bytes.
class GifCodeWriter {
  public:
    void put(int code, int width) {
        m_bits |= static_cast<std::uint64_t>(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes += static_cast<char>(m_bits & 0xFF);
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    std::string finish() {
        if (m_count > 0) m_bytes += static_cast<char>(m_bits & 0xFF);
        std::string out;
        for (std::size_t i = 0; i < m_bytes.size(); i += 255) {
            const std::size_t n = std::min<std::size_t>(255, m_bytes.size() - i);
            out += static_cast<char>(n);
            out += m_bytes.substr(i, n);
        }
        return out + '\0';
    }

  private:
    std::uint64_t m_bits = 0;
    int m_count = 0;
    std::string m_bytes;
};

void put16le(std::string& s, int v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

} // namespace

std::string MakeGifBytes(int width, int height, const std::vector<GifPicture>& pictures) {
    // Index 0 is transparent; the colours follow in the order met.
    std::vector<Pixel> palette{0};
    auto indexOf = [&](Pixel p) -> int {
        if ((p >> 24) == 0) return 0;
        p |= 0xFF000000u;
        for (std::size_t i = 1; i < palette.size(); ++i)
            if (palette[i] == p) return static_cast<int>(i);
        if (palette.size() < 256) palette.push_back(p);
        return static_cast<int>(palette.size() - 1);
    };
    std::vector<std::vector<int>> indices;
    for (const GifPicture& g : pictures) {
        std::vector<int> idx;
        for (int y = 0; y < g.image.height(); ++y)
            for (int x = 0; x < g.image.width(); ++x)
                idx.push_back(indexOf(g.image.pixel(x, y)));
        indices.push_back(std::move(idx));
    }
    palette.resize(256, 0xFF000000u);
    std::string gif = "GIF89a";
    put16le(gif, width);
    put16le(gif, height);
    gif += static_cast<char>(0xF7); // a global table of 256 colours
    gif += '\0';
    gif += '\0';
    for (Pixel p : palette) {
        gif += static_cast<char>((p >> 16) & 0xFF);
        gif += static_cast<char>((p >> 8) & 0xFF);
        gif += static_cast<char>(p & 0xFF);
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const GifPicture& g = pictures[i];
        gif += "\x21\xF9\x04";
        gif += static_cast<char>((g.disposal & 7) << 2 | 1);
        put16le(gif, g.delayCs);
        gif += '\0';
        gif += '\0';
        gif += '\x2C';
        put16le(gif, g.left);
        put16le(gif, g.top);
        put16le(gif, g.image.width());
        put16le(gif, g.image.height());
        gif += '\0';
        gif += '\x08'; // codes start at 9 bits
        // Every code is a single pixel, the table cleared often enough to stay at 9 bits.
        GifCodeWriter codes;
        int sinceClear = 0;
        codes.put(256, 9);
        for (int v : indices[i]) {
            if (sinceClear == 250) {
                codes.put(256, 9);
                sinceClear = 0;
            }
            codes.put(v, 9);
            ++sinceClear;
        }
        codes.put(257, 9);
        gif += codes.finish();
    }
    return gif + '\x3B';
}

} // namespace run::testing
