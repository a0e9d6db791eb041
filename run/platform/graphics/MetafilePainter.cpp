#include "run/platform/graphics/MetafilePainter.h"

#include <numbers>

namespace run::platform::metafile {

namespace {

constexpr std::size_t kMaxSaved = 1024;
constexpr std::size_t kMaxPathPoints = 1 << 20;
constexpr double kTwoPi = 2 * std::numbers::pi;

// Segments for a curve of this radius in output pixels: smooth, yet bounded.
int CurveSegments(double radius) {
    if (!(radius < 1e6)) radius = 1e6; // also NaN
    return std::clamp(int(radius * 1.5), 12, 256);
}

// Points on the ellipse inside the box from angle a0 to a1 (counterclockwise on screen).
void AppendArc(std::vector<PointF>& out, double cx, double cy, double rx, double ry, double a0, double a1,
               int segments) {
    for (int i = 0; i <= segments; ++i) {
        const double a = a0 + (a1 - a0) * i / segments;
        out.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
    }
}

} // namespace

Xform Xform::then(const Xform& b) const {
    return {m11 * b.m11 + m12 * b.m21, m11 * b.m12 + m12 * b.m22,      m21 * b.m11 + m22 * b.m21,
            m21 * b.m12 + m22 * b.m22, dx * b.m11 + dy * b.m21 + b.dx, dx * b.m12 + dy * b.m22 + b.dy};
}

Painter::Painter(Canvas& canvas, long long workBudget) : m_canvas(canvas), m_budget(workBudget) {
    m_dc.clip = canvas.bounds();
}

void Painter::setDeviceToOutput(double sx, double sy, double ox, double oy) {
    m_outSx = sx;
    m_outSy = sy;
    m_outOx = ox;
    m_outOy = oy;
}

void Painter::setPixelsPerMm(double x, double y) {
    m_pxPerMmX = x;
    m_pxPerMmY = y;
}

void Painter::save() {
    if (m_saved.size() < kMaxSaved)
        m_saved.push_back(m_dc);
    else
        ++m_lostSaves;
}

void Painter::restore(int which) {
    if (which < 0) {
        std::size_t levels = std::size_t(-(long long)which);
        const std::size_t lost = std::min(levels, m_lostSaves);
        m_lostSaves -= lost;
        levels -= lost;
        if (levels == 0 || levels > m_saved.size()) return;
        m_dc = m_saved[m_saved.size() - levels];
        m_saved.resize(m_saved.size() - levels);
    } else if (which > 0 && std::size_t(which) <= m_saved.size()) {
        m_dc = m_saved[std::size_t(which) - 1];
        m_saved.resize(std::size_t(which) - 1);
        m_lostSaves = 0;
    }
}

Xform Painter::logicalToOutput() const {
    double sx = 1, sy = 1;
    switch (m_dc.mapMode) {
    case 2: // tenths of a millimetre, y up
        sx = m_pxPerMmX * 0.1, sy = -m_pxPerMmY * 0.1;
        break;
    case 3: // hundredths of a millimetre
        sx = m_pxPerMmX * 0.01, sy = -m_pxPerMmY * 0.01;
        break;
    case 4: // hundredths of an inch
        sx = m_pxPerMmX * 0.254, sy = -m_pxPerMmY * 0.254;
        break;
    case 5: // thousandths of an inch
        sx = m_pxPerMmX * 0.0254, sy = -m_pxPerMmY * 0.0254;
        break;
    case 6: // twips
        sx = m_pxPerMmX * 25.4 / 1440, sy = -m_pxPerMmY * 25.4 / 1440;
        break;
    case 7:
    case 8: {
        sx = m_dc.vpExtX / (m_dc.winExtX == 0 ? 1 : m_dc.winExtX);
        sy = m_dc.vpExtY / (m_dc.winExtY == 0 ? 1 : m_dc.winExtY);
        if (m_dc.mapMode == 7) { // isotropic: the smaller scale both ways
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        break;
    }
    default:
        break;
    }
    const Xform page{sx, 0, 0, sy, m_dc.vpOrgX - m_dc.winOrgX * sx, m_dc.vpOrgY - m_dc.winOrgY * sy};
    const Xform out{m_outSx, 0, 0, m_outSy, m_outOx, m_outOy};
    return m_dc.world.then(page).then(out);
}

double Painter::pixelsPerLogical() const {
    const Xform x = logicalToOutput();
    const double s = std::sqrt(std::abs(x.m11 * x.m22 - x.m12 * x.m21));
    return std::isfinite(s) ? s : 0;
}

PointF Painter::toOutput(PointF logical) const {
    const PointF p = logicalToOutput().apply(logical);
    return {Tame(p.x), Tame(p.y)};
}

Rect Painter::outputRect(double l, double t, double r, double b) const {
    const PointF a = toOutput({l, t}), c = toOutput({r, b});
    const int x0 = int(std::lround(a.x)), y0 = int(std::lround(a.y));
    return {x0, y0, int(std::lround(c.x)) - x0, int(std::lround(c.y)) - y0};
}

Rect Painter::deviceRectToOutput(double l, double t, double r, double b) const {
    const int x0 = int(std::lround(Tame(l * m_outSx + m_outOx))),
              y0 = int(std::lround(Tame(t * m_outSy + m_outOy)));
    const int x1 = int(std::lround(Tame(r * m_outSx + m_outOx))),
              y1 = int(std::lround(Tame(b * m_outSy + m_outOy)));
    return Normalised({x0, y0, x1 - x0, y1 - y0});
}

void Painter::clipTo(const Rect& r, bool reset) {
    if (reset) m_dc.clip = m_canvas.bounds();
    m_dc.clip = m_dc.clip.intersect(Normalised(r));
}

Rect Painter::clipArea() const {
    return m_dc.clip.intersect(m_canvas.bounds());
}

bool Painter::spend(long long work) {
    if (m_exhausted) return false;
    m_work += std::max(0LL, work);
    if (m_work > m_budget) m_exhausted = true;
    return !m_exhausted;
}

Figure Painter::transformed(const std::vector<PointF>& logical, bool closed) const {
    const Xform x = logicalToOutput();
    Figure f;
    f.closed = closed;
    f.points.reserve(logical.size());
    for (PointF p : logical) {
        const PointF o = x.apply(p);
        f.points.push_back({Tame(o.x), Tame(o.y)});
    }
    return f;
}

void Painter::output(Figures figures, bool fill, bool stroke, bool continues) {
    if (m_pathOpen) {
        for (Figure& f : figures) {
            if (m_pathPoints + f.points.size() > kMaxPathPoints) return;
            m_pathPoints += f.points.size();
            if (continues && m_figureOpen && !m_path.empty() && !f.points.empty()) {
                auto& into = m_path.back().points;
                into.insert(into.end(), f.points.begin() + 1, f.points.end());
            } else {
                m_path.push_back(std::move(f));
            }
        }
        m_figureOpen = continues;
        return;
    }
    if (fill && !m_dc.brush.null()) fillFigures(figures, m_dc.brush, m_dc.fillMode == 2);
    if (stroke && !m_dc.pen.null()) strokeFigures(figures);
}

void Painter::moveTo(PointF p) {
    m_dc.current = p;
    m_figureOpen = false;
}

void Painter::lineTo(PointF p) {
    output({transformed({m_dc.current, p}, false)}, false, true, true);
    m_dc.current = p;
}

void Painter::polyline(const std::vector<PointF>& points, bool fromCurrent) {
    if (points.empty()) return;
    std::vector<PointF> all;
    if (fromCurrent) all.push_back(m_dc.current);
    all.insert(all.end(), points.begin(), points.end());
    output({transformed(all, false)}, false, true, fromCurrent);
    if (fromCurrent) m_dc.current = points.back();
}

void Painter::polygons(const std::vector<std::vector<PointF>>& polys) {
    Figures figures;
    for (const auto& p : polys)
        if (!p.empty()) figures.push_back(transformed(p, true));
    output(std::move(figures), true, true);
}

void Painter::bezier(const std::vector<PointF>& points, bool fromCurrent) {
    std::vector<PointF> ctrl;
    if (fromCurrent) ctrl.push_back(m_dc.current);
    ctrl.insert(ctrl.end(), points.begin(), points.end());
    if (ctrl.size() < 4) return;
    std::vector<PointF> flat{ctrl[0]};
    constexpr int kSteps = 16;
    for (std::size_t i = 0; i + 3 < ctrl.size(); i += 3) {
        const PointF p0 = ctrl[i], p1 = ctrl[i + 1], p2 = ctrl[i + 2], p3 = ctrl[i + 3];
        for (int s = 1; s <= kSteps; ++s) {
            const double t = double(s) / kSteps, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            flat.push_back(
                {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
        }
    }
    if (!spend((long long)flat.size())) return;
    output({transformed(flat, false)}, false, true, fromCurrent);
    if (fromCurrent) m_dc.current = flat.back();
}

// Box shapes are built in output pixels when the mapping keeps axes (so that, as in GDI, the
// outline lies on the box's last pixels, not one past them), else in logical units.
template <class Make> void Painter::boxShape(double l, double t, double r, double b, bool fill, Make make) {
    const Xform x = logicalToOutput();
    const bool axes = x.m12 == 0 && x.m21 == 0;
    if (axes) {
        const PointF a = toOutput({l, t}), c = toOutput({r, b});
        l = std::min(a.x, c.x), r = std::max(a.x, c.x), t = std::min(a.y, c.y), b = std::max(a.y, c.y);
    } else {
        if (l > r) std::swap(l, r);
        if (t > b) std::swap(t, b);
    }
    auto finish = [&](std::vector<PointF> points, bool closed) {
        if (!axes) return transformed(points, closed);
        for (PointF& p : points)
            p = {Tame(p.x), Tame(p.y)};
        return Figure{std::move(points), closed};
    };
    if (!axes || m_pathOpen) return output({finish(make(l, t, r, b), fill)}, fill, true);
    // The outline runs through the centres of the box's first and last pixels; the inside
    // fills what lies within it, so a shape without a pen is a pixel smaller, as in GDI.
    const double r1 = std::max(l, r - 1), b1 = std::max(t, b - 1);
    if (fill && !m_dc.brush.null())
        fillFigures({finish(make(l + 0.5, t + 0.5, r1 + 0.5, b1 + 0.5), true)}, m_dc.brush,
                    m_dc.fillMode == 2);
    if (!m_dc.pen.null()) strokeFigures({finish(make(l, t, r1, b1), fill)});
}

void Painter::rectangle(double l, double t, double r, double b) {
    boxShape(l, t, r, b, true, [](double l, double t, double r, double b) {
        return std::vector<PointF>{{l, t}, {r, t}, {r, b}, {l, b}};
    });
}

void Painter::roundRect(double l, double t, double r, double b, double cw, double ch) {
    // The corner ellipse is given in logical units; box shapes may be built in output pixels.
    const Xform x = logicalToOutput();
    if (x.m12 == 0 && x.m21 == 0) cw *= x.m11, ch *= x.m22;
    boxShape(l, t, r, b, true, [&](double l, double t, double r, double b) {
        const double rx = std::min(std::abs(cw) / 2, (r - l) / 2),
                     ry = std::min(std::abs(ch) / 2, (b - t) / 2);
        const int seg = CurveSegments(std::max(rx, ry)) / 4 + 2;
        std::vector<PointF> p;
        constexpr double q = std::numbers::pi / 2;
        AppendArc(p, r - rx, t + ry, rx, ry, 0, q, seg);
        AppendArc(p, l + rx, t + ry, rx, ry, q, 2 * q, seg);
        AppendArc(p, l + rx, b - ry, rx, ry, 2 * q, 3 * q, seg);
        AppendArc(p, r - rx, b - ry, rx, ry, 3 * q, 4 * q, seg);
        return p;
    });
}

void Painter::ellipse(double l, double t, double r, double b) {
    boxShape(l, t, r, b, true, [](double l, double t, double r, double b) {
        std::vector<PointF> p;
        const double rx = (r - l) / 2, ry = (b - t) / 2;
        const int n = CurveSegments(std::max(rx, ry));
        AppendArc(p, l + rx, t + ry, rx, ry, 0, kTwoPi * (n - 1) / n, n - 1);
        return p;
    });
}

void Painter::arc(ArcKind kind, double l, double t, double r, double b, PointF start, PointF end) {
    const Xform x = logicalToOutput();
    if (x.m12 == 0 && x.m21 == 0) start = toOutput(start), end = toOutput(end);
    const bool clockwise = m_dc.clockwise != (x.m11 * x.m22 < 0);
    boxShape(l, t, r, b, kind != ArcKind::Arc, [&](double l, double t, double r, double b) {
        const double cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
        const double a0 = std::atan2(-(start.y - cy) * rx, (start.x - cx) * ry);
        double a1 = std::atan2(-(end.y - cy) * rx, (end.x - cx) * ry);
        if (!clockwise && a1 <= a0) a1 += kTwoPi;
        if (clockwise && a1 >= a0) a1 -= kTwoPi;
        const double sweep = std::isfinite(a1 - a0) ? std::abs(a1 - a0) : 0;
        const int n = std::max(2, int(CurveSegments(std::max(rx, ry)) * sweep / kTwoPi));
        std::vector<PointF> p;
        AppendArc(p, cx, cy, rx, ry, a0, a1, n);
        if (kind == ArcKind::Pie) p.push_back({cx, cy});
        return p;
    });
}

void Painter::setPixel(PointF p, ColorRef color) {
    const PointF o = toOutput(p);
    const int x = Floor(o.x), y = Floor(o.y);
    if (clipArea().contains(x, y) && spend(1)) m_canvas.row(y)[x] = PixelFromColorRef(color);
}

void Painter::beginPath() {
    m_path.clear();
    m_pathPoints = 0;
    m_pathOpen = true;
    m_figureOpen = false;
}

void Painter::closeFigure() {
    if (!m_path.empty()) m_path.back().closed = true;
    m_figureOpen = false;
}

void Painter::abortPath() {
    m_path.clear();
    m_pathPoints = 0;
    m_pathOpen = false;
}

void Painter::fillPath(bool stroke, bool fill) {
    Figures figures = std::move(m_path);
    abortPath();
    if (fill && !m_dc.brush.null()) fillFigures(figures, m_dc.brush, m_dc.fillMode == 2);
    if (stroke && !m_dc.pen.null()) strokeFigures(figures);
}

} // namespace run::platform::metafile
