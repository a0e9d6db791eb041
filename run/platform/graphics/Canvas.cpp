#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/PixelMath.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace run::platform {

namespace {

using detail::Div255;
using detail::Over;

// A source rectangle clipped to the source and, with its destination, to the target canvas.
struct Span {
    int sx = 0, sy = 0, dx = 0, dy = 0, w = 0, h = 0;
};

bool ClipSpan(const Canvas& src, const Rect& sr, int dx, int dy, int dstW, int dstH, Span& out) {
    // 64-bit so that extreme coordinates cannot overflow while clipping.
    long long sx = sr.x, sy = sr.y, w = sr.w, h = sr.h, x = dx, y = dy;
    if (w <= 0 || h <= 0 || src.empty()) return false;
    if (sx < 0) {
        x -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        y -= sy;
        h += sy;
        sy = 0;
    }
    w = std::min<long long>(w, src.width() - sx);
    h = std::min<long long>(h, src.height() - sy);
    if (x < 0) {
        sx -= x;
        w += x;
        x = 0;
    }
    if (y < 0) {
        sy -= y;
        h += y;
        y = 0;
    }
    w = std::min<long long>(w, dstW - x);
    h = std::min<long long>(h, dstH - y);
    if (w <= 0 || h <= 0) return false;
    out = {int(sx), int(sy), int(x), int(y), int(w), int(h)};
    return true;
}

// One row of blend(): the same arithmetic as Over(Div255(alpha * opacity)), four pixels at a
// time in 16-bit lanes where the instruction set has them. Every intermediate fits 16 bits.
void BlendRow(Pixel* dp, const Pixel* sp, int n, std::uint32_t op) {
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i opacity = _mm_set1_epi32(int(op));
    const __m128i half = _mm_set1_epi16(128);
    const __m128i full = _mm_set1_epi16(255);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 4 <= n; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sp + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dp + i));
        __m128i a = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi32(s, 24), opacity), half);
        a = _mm_srli_epi16(_mm_add_epi16(a, _mm_srli_epi16(a, 8)), 8); // one per 32-bit lane
        a = _mm_or_si128(a, _mm_slli_epi32(a, 16));
        const __m128i aLo = _mm_unpacklo_epi32(a, a), aHi = _mm_unpackhi_epi32(a, a);
        const __m128i so = _mm_or_si128(s, opaque);
        auto mix = [&](__m128i s16, __m128i d16, __m128i a16) {
            __m128i t =
                _mm_add_epi16(_mm_mullo_epi16(s16, a16), _mm_mullo_epi16(d16, _mm_sub_epi16(full, a16)));
            t = _mm_add_epi16(t, half);
            return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
        };
        const __m128i lo = mix(_mm_unpacklo_epi8(so, zero), _mm_unpacklo_epi8(d, zero), aLo);
        const __m128i hi = mix(_mm_unpackhi_epi8(so, zero), _mm_unpackhi_epi8(d, zero), aHi);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dp + i), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i)
        dp[i] = Over(dp[i], sp[i], Div255((sp[i] >> 24) * op));
}

inline long long FloorMod(long long v, long long m) {
    long long r = v % m;
    return r < 0 ? r + m : r;
}

} // namespace

Rect Rect::intersect(const Rect& o) const {
    if (empty() || o.empty()) return {x, y, 0, 0};
    const long long l = std::max<long long>(x, o.x);
    const long long t = std::max<long long>(y, o.y);
    const long long r = std::min<long long>(static_cast<long long>(x) + w, static_cast<long long>(o.x) + o.w);
    const long long b = std::min<long long>(static_cast<long long>(y) + h, static_cast<long long>(o.y) + o.h);
    if (r <= l || b <= t) return {int(l), int(t), 0, 0};
    return {int(l), int(t), int(r - l), int(b - t)};
}

Canvas::Canvas(int width, int height, Pixel fill) {
    reset(width, height, fill);
}

void Canvas::reset(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0) {
        m_width = m_height = 0;
        m_pixels.clear();
        return;
    }
    m_width = width;
    m_height = height;
    m_pixels.assign(std::size_t(width) * std::size_t(height), fill);
}

Pixel Canvas::pixel(int x, int y) const {
    if (unsigned(x) >= unsigned(m_width) || unsigned(y) >= unsigned(m_height)) return 0;
    return m_pixels[std::size_t(y) * m_width + x];
}

void Canvas::setPixel(int x, int y, Pixel p) {
    if (unsigned(x) >= unsigned(m_width) || unsigned(y) >= unsigned(m_height)) return;
    m_pixels[std::size_t(y) * m_width + x] = p;
}

void Canvas::fill(const Rect& r, Pixel p) {
    const Rect c = r.intersect(bounds());
    if (c.empty()) return;
    for (int y = c.y; y < c.y + c.h; ++y)
        std::fill_n(row(y) + c.x, c.w, p);
}

void Canvas::fillBlended(const Rect& r, Pixel p) {
    const std::uint32_t a = AlphaOf(p);
    if (a == 255) return fill(r, p);
    const Rect c = r.intersect(bounds());
    if (a == 0 || c.empty()) return;
    for (int y = c.y; y < c.y + c.h; ++y) {
        Pixel* d = row(y) + c.x;
        for (int i = 0; i < c.w; ++i)
            d[i] = Over(d[i], p, a);
    }
}

void Canvas::frame(const Rect& r, Pixel p) {
    if (r.empty()) return;
    fill({r.x, r.y, r.w, 1}, p);
    if (r.h > 1) fill({r.x, r.y + r.h - 1, r.w, 1}, p);
    if (r.h > 2) {
        fill({r.x, r.y + 1, 1, r.h - 2}, p);
        if (r.w > 1) fill({r.x + r.w - 1, r.y + 1, 1, r.h - 2}, p);
    }
}

void Canvas::blit(const Canvas& src, const Rect& srcRect, int dx, int dy) {
    Span s;
    if (!ClipSpan(src, srcRect, dx, dy, m_width, m_height, s)) return;
    const std::size_t bytes = std::size_t(s.w) * sizeof(Pixel);
    // Scrolling a canvas onto itself downwards must copy the bottom rows first.
    if (&src == this && s.dy > s.sy) {
        for (int y = s.h - 1; y >= 0; --y)
            std::memmove(row(s.dy + y) + s.dx, src.row(s.sy + y) + s.sx, bytes);
    } else {
        for (int y = 0; y < s.h; ++y)
            std::memmove(row(s.dy + y) + s.dx, src.row(s.sy + y) + s.sx, bytes);
    }
}

void Canvas::blitAlpha(const Canvas& src, const Rect& srcRect, int dx, int dy) {
    Span s;
    if (!ClipSpan(src, srcRect, dx, dy, m_width, m_height, s)) return;
    for (int y = 0; y < s.h; ++y) {
        const Pixel* sp = src.row(s.sy + y) + s.sx;
        Pixel* dp = row(s.dy + y) + s.dx;
        for (int i = 0; i < s.w; ++i) {
            const Pixel p = sp[i];
            const std::uint32_t a = p >> 24;
            if (a == 255)
                dp[i] = p;
            else if (a != 0)
                dp[i] = Over(dp[i], p, a);
        }
    }
}

void Canvas::blitColorKey(const Canvas& src, const Rect& srcRect, int dx, int dy, Pixel key) {
    Span s;
    if (!ClipSpan(src, srcRect, dx, dy, m_width, m_height, s)) return;
    const Pixel rgbKey = key & 0x00FFFFFFu;
    for (int y = 0; y < s.h; ++y) {
        const Pixel* sp = src.row(s.sy + y) + s.sx;
        Pixel* dp = row(s.dy + y) + s.dx;
        for (int i = 0; i < s.w; ++i) {
            const Pixel p = sp[i];
            if ((p & 0x00FFFFFFu) != rgbKey) dp[i] = p;
        }
    }
}

void Canvas::blend(const Canvas& src, const Rect& srcRect, int dx, int dy, std::uint8_t opacity) {
    if (opacity == 0) return;
    Span s;
    if (!ClipSpan(src, srcRect, dx, dy, m_width, m_height, s)) return;
    for (int y = 0; y < s.h; ++y)
        BlendRow(row(s.dy + y) + s.dx, src.row(s.sy + y) + s.sx, s.w, opacity);
}

void Canvas::stretch(const Canvas& src, const Rect& srcRect, const Rect& dstRect) {
    if (srcRect.empty() || dstRect.empty() || src.empty()) return;
    const Rect vis = dstRect.intersect(bounds());
    if (vis.empty()) return;
    // Source column of every visible destination column, sampled at pixel centres. The
    // mapping is monotonic, so the columns that land inside the source form one run.
    std::vector<int> cols(std::size_t(vis.w));
    const long long sw = srcRect.w, dw = dstRect.w, sh = srcRect.h, dh = dstRect.h;
    int first = vis.w, last = -1;
    for (int i = 0; i < vis.w; ++i) {
        const long long off = (2LL * (vis.x + i - dstRect.x) + 1) * sw / (2 * dw);
        const long long sx = srcRect.x + off;
        cols[std::size_t(i)] = int(std::clamp<long long>(sx, -1, src.width()));
        if (sx >= 0 && sx < src.width()) {
            first = std::min(first, i);
            last = i;
        }
    }
    if (last < first) return;
    for (int y = vis.y; y < vis.y + vis.h; ++y) {
        const long long sy = srcRect.y + (2LL * (y - dstRect.y) + 1) * sh / (2 * dh);
        if (sy < 0 || sy >= src.height()) continue;
        const Pixel* sp = src.row(int(sy));
        Pixel* dp = row(y) + vis.x;
        for (int i = first; i <= last; ++i) {
            const Pixel p = sp[cols[std::size_t(i)]];
            const std::uint32_t a = p >> 24;
            if (a == 255)
                dp[i] = p;
            else if (a != 0)
                dp[i] = Over(dp[i], p, a);
        }
    }
}

void Canvas::tile(const Canvas& src, const Rect& area, int originX, int originY) {
    if (src.empty() || &src == this) return;
    const Rect vis = area.intersect(bounds());
    if (vis.empty()) return;
    const int sw = src.width(), sh = src.height();
    const int startX = int(FloorMod(static_cast<long long>(vis.x) - originX, sw));
    long long sy = FloorMod(static_cast<long long>(vis.y) - originY, sh);
    for (int y = vis.y; y < vis.y + vis.h; ++y) {
        const Pixel* sp = src.row(int(sy));
        Pixel* dp = row(y) + vis.x;
        int sx = startX, left = vis.w;
        while (left > 0) {
            const int n = std::min(sw - sx, left);
            std::memcpy(dp, sp + sx, std::size_t(n) * sizeof(Pixel));
            dp += n;
            left -= n;
            sx = 0;
        }
        if (++sy == sh) sy = 0;
    }
}

} // namespace run::platform
