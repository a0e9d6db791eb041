// The painter's pixel work: spans with the brush, polygon fills, thin and wide pen strokes,
// bitmaps with raster operations, and text, each charged to the work budget.
#include "run/platform/graphics/MetafilePainter.h"

#include "run/platform/graphics/Fonts.h"

#include <cmath>
#include <numbers>

namespace run::platform::metafile {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::vector<PointF> Circle(PointF c, double r) {
    const int n = std::clamp(int(r * 2), 8, 64);
    std::vector<PointF> p(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        p[std::size_t(i)] = {c.x + r * std::cos(kTwoPi * i / n), c.y + r * std::sin(kTwoPi * i / n)};
    return p;
}

bool Hatched(std::uint32_t hatch, int x, int y) {
    const bool h = (y & 7) == 0, v = (x & 7) == 0;
    const bool f = ((x - y) & 7) == 0, b = ((x + y) & 7) == 0;
    switch (hatch) {
    case 0:
        return h;
    case 1:
        return v;
    case 2:
        return f;
    case 3:
        return b;
    case 4:
        return h || v;
    case 5:
        return f || b;
    default:
        return true;
    }
}

FontCatalog& Fonts() {
    static FontCatalog catalog;
    return catalog;
}

} // namespace

void Painter::span(int y, int x0, int x1, const Brush& brush) {
    Pixel* row = m_canvas.row(y);
    if (brush.style == 2) {
        const Pixel fg = PixelFromColorRef(brush.color), bg = PixelFromColorRef(m_dc.bkColor);
        for (int x = x0; x < x1; ++x) {
            if (Hatched(brush.hatch, x, y))
                row[x] = fg;
            else if (m_dc.bkMode == 2)
                row[x] = bg;
        }
    } else if (brush.pattern && brush.style != 0) {
        const Canvas& p = *brush.pattern;
        const Pixel* src = p.row(y % p.height());
        for (int x = x0; x < x1; ++x)
            row[x] = src[x % p.width()] | 0xFF000000u;
    } else {
        std::fill(row + x0, row + x1, PixelFromColorRef(brush.color));
    }
}

void Painter::fillFigures(const Figures& figures, const Brush& brush, bool winding) {
    struct Edge {
        double x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    double top = kFar, bottom = -kFar;
    for (const Figure& f : figures) {
        const std::size_t n = f.points.size();
        for (std::size_t i = 0; n >= 2 && i < n; ++i) {
            PointF a = f.points[i], b = f.points[(i + 1) % n];
            if (a.y == b.y) continue;
            const int dir = a.y < b.y ? 1 : -1;
            if (dir < 0) std::swap(a, b);
            edges.push_back({a.x, a.y, b.x, b.y, dir});
            top = std::min(top, a.y);
            bottom = std::max(bottom, b.y);
        }
    }
    if (edges.empty()) return;
    const Rect area = clipArea();
    const int y0 = std::max(area.y, Floor(top)), y1 = std::min(area.y + area.h, Floor(bottom) + 1);
    if (y0 >= y1 || !spend((long long)(y1 - y0) * (long long)(edges.size() + 1))) return;
    std::vector<std::pair<double, int>> xs;
    auto fillBetween = [&](int y, double a, double b) {
        const int x0 = std::max(area.x, int(std::ceil(a - 0.5))),
                  x1 = std::min(area.x + area.w, int(std::ceil(b - 0.5)));
        if (x1 > x0 && spend(x1 - x0)) span(y, x0, x1, brush);
    };
    for (int y = y0; y < y1 && !m_exhausted; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (const Edge& e : edges)
            if (yc >= e.y0 && yc < e.y1)
                xs.push_back({e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
        std::sort(xs.begin(), xs.end());
        if (!winding) {
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
                fillBetween(y, xs[i].first, xs[i + 1].first);
            continue;
        }
        int wind = 0;
        double start = 0;
        for (const auto& [x, dir] : xs) {
            const int before = wind;
            wind += dir;
            if (before == 0 && wind != 0) start = x;
            if (before != 0 && wind == 0) fillBetween(y, start, x);
        }
    }
}

void Painter::thinLine(PointF a, PointF b, Pixel color, bool lastPixel) {
    // Clipped first (Liang-Barsky) so that a far-away segment costs nothing.
    const Rect area = clipArea();
    if (area.empty()) return;
    double x0 = std::floor(a.x), y0 = std::floor(a.y), x1 = std::floor(b.x), y1 = std::floor(b.y);
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - (area.x - 1), (area.x + area.w) - x0, y0 - (area.y - 1),
                         (area.y + area.h) - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return;
    const long long steps = (long long)std::max(std::abs(dx), std::abs(dy));
    const long long from = (long long)std::floor(t0 * double(steps)),
                    to = (long long)std::ceil(t1 * double(steps));
    const long long last = (to == steps && !lastPixel) ? steps - 1 : to;
    if (!spend(last - from + 1)) return;
    for (long long i = from; i <= last; ++i) {
        const double t = steps == 0 ? 0 : double(i) / double(steps);
        const int x = int(std::lround(x0 + dx * t)), y = int(std::lround(y0 + dy * t));
        if (area.contains(x, y)) m_canvas.row(y)[x] = color;
    }
}

void Painter::strokeFigures(const Figures& figures) {
    const Pixel color = PixelFromColorRef(m_dc.pen.color);
    const double width = m_dc.pen.width * pixelsPerLogical();
    if (m_dc.pen.width <= 0 || width < 1.5) {
        for (const Figure& f : figures) {
            const std::size_t n = f.points.size();
            if (n == 1) thinLine(f.points[0], f.points[0], color, true);
            for (std::size_t i = 0; i + 1 < n; ++i)
                thinLine(f.points[i], f.points[i + 1], color, false);
            if (f.closed && n > 2) thinLine(f.points[n - 1], f.points[0], color, false);
        }
        return;
    }
    // Wide pens: each segment a quadrilateral and each joint or end a disc (round joins and
    // caps, GDI's default), filled one by one so that no part's cost depends on the others.
    const double r = std::min(width, kFar) / 2;
    Brush ink;
    ink.color = m_dc.pen.color;
    for (const Figure& f : figures) {
        const std::size_t n = f.points.size();
        auto at = [&](std::size_t i) { return PointF{f.points[i % n].x + 0.5, f.points[i % n].y + 0.5}; };
        const std::size_t segments = f.closed ? n : (n ? n - 1 : 0);
        // Parts outside the canvas cost their set-up all the same.
        if (!spend((long long)segments * 4 + (long long)n * 64)) return;
        for (std::size_t i = 0; i < segments && !m_exhausted; ++i) {
            const PointF a = at(i), b = at(i + 1);
            const double len = std::hypot(b.x - a.x, b.y - a.y);
            if (len == 0) continue;
            const double nx = -(b.y - a.y) / len * r, ny = (b.x - a.x) / len * r;
            fillFigures(
                {Figure{
                    {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}},
                    true}},
                ink, true);
        }
        for (std::size_t i = 0; i < n && !m_exhausted; ++i)
            fillFigures({Figure{Circle(at(i), r), true}}, ink, true);
    }
}

void Painter::fillRect(const Rect& r, const Brush& brush) {
    const Rect area = Normalised(r).intersect(clipArea());
    if (area.empty() || brush.null() || !spend((long long)area.w * area.h)) return;
    for (int y = area.y; y < area.y + area.h; ++y)
        span(y, area.x, area.x + area.w, brush);
}

void Painter::drawBitmap(const Canvas& src, Rect srcRect, Rect dst, std::uint32_t rop) {
    srcRect = srcRect.intersect(src.bounds());
    if (srcRect.empty() || dst.w == 0 || dst.h == 0) return;
    const bool flipX = dst.w < 0, flipY = dst.h < 0;
    dst = Normalised(dst);
    const Rect area = dst.intersect(clipArea());
    if (area.empty() || !spend((long long)area.w * area.h)) return;
    for (int y = area.y; y < area.y + area.h; ++y) {
        long long v = ((long long)(y - dst.y) * 2 + 1) * srcRect.h / (2LL * dst.h);
        if (flipY) v = srcRect.h - 1 - v;
        const Pixel* from = src.row(srcRect.y + int(v));
        Pixel* row = m_canvas.row(y);
        for (int x = area.x; x < area.x + area.w; ++x) {
            long long u = ((long long)(x - dst.x) * 2 + 1) * srcRect.w / (2LL * dst.w);
            if (flipX) u = srcRect.w - 1 - u;
            const Pixel s = from[srcRect.x + int(u)] & 0xFFFFFFu, d = row[x];
            Pixel rgb;
            switch (rop) {
            case 0x8800C6: // SRCAND
                rgb = d & s;
                break;
            case 0xEE0086: // SRCPAINT
                rgb = (d | s) & 0xFFFFFFu;
                break;
            case 0x660046: // SRCINVERT
                rgb = (d ^ s) & 0xFFFFFFu;
                break;
            case 0x330008: // NOTSRCCOPY
                rgb = ~s & 0xFFFFFFu;
                break;
            default:
                row[x] = s | 0xFF000000u;
                continue;
            }
            // A mask operation that leaves a pixel as it was keeps it transparent, so masked
            // sprites over an empty background stay cut out.
            row[x] = rgb == (d & 0xFFFFFFu) ? d : rgb | 0xFF000000u;
        }
    }
}

void Painter::text(PointF p, const std::string& utf8, const Rect* opaque) {
    Brush background;
    background.color = m_dc.bkColor;
    if (opaque) fillRect(*opaque, background);
    if (utf8.empty() || m_exhausted) return;
    const Font& font = m_dc.font;
    double px = std::abs(font.height) * pixelsPerLogical();
    if (font.height > 0) px /= 1.15; // a cell height holds the em and the line gap
    if (font.height == 0) px = 16;
    if (!(px >= 2 && px <= 1000)) return;
    const FontSpec spec{font.face,   px * 72 / 96,   font.weight >= 600,
                        font.italic, font.underline, font.strikeout};
    FontCatalog& fonts = Fonts();
    const TextExtent extent = fonts.measure(spec, utf8);
    // Text far larger than any picture is left out before the renderer allocates for it.
    const long long area = (long long)extent.width * extent.height;
    if (area > (16LL << 20) || !spend(area + (long long)utf8.size() * 64)) return;
    const bool fromCurrent = (m_dc.textAlign & 1) != 0;
    const PointF at = toOutput(fromCurrent ? m_dc.current : p);
    double x = at.x, y = at.y;
    switch (m_dc.textAlign & 6) {
    case 2:
        x -= extent.width;
        break;
    case 6:
        x -= extent.width / 2.0;
        break;
    }
    switch (m_dc.textAlign & 24) {
    case 8:
        y -= extent.height;
        break;
    case 24: // baseline: the ascent is about four fifths of the line for the fonts used here
        y -= extent.height * 0.8;
        break;
    }
    const Rect box{Floor(x), Floor(y), extent.width, extent.height};
    if (m_dc.bkMode == 2) fillRect(box, background);
    fonts.draw(m_canvas, spec, utf8, box.x, box.y, PixelFromColorRef(m_dc.textColor), clipArea());
}

} // namespace run::platform::metafile
