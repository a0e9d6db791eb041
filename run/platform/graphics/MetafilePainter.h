// The device context a metafile plays into: GDI-style pens, brushes and fonts, coordinate
// mapping, and shapes rasterised onto a canvas, with a bound on the work one file may ask for.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace run::platform::metafile {

// Output coordinates are clamped to this: far outside any canvas, yet safe to turn into ints.
constexpr double kFar = 1e7;

// A coordinate made safe to rasterise: NaN becomes 0, and values are clamped and snapped to
// 1/16 pixel so that integer coordinates scaled by a frame's rounding error still land exactly
// on pixel edges.
inline double Tame(double v) {
    if (v != v) return 0;
    return std::round(std::clamp(v, -kFar, kFar) * 16) / 16;
}

inline int Floor(double v) {
    return int(std::floor(Tame(v)));
}

inline Rect Normalised(Rect r) {
    if (r.w < 0) r = {r.x + r.w, r.y, -r.w, r.h};
    if (r.h < 0) r = {r.x, r.y + r.h, r.w, -r.h};
    return r;
}

struct PointF {
    double x = 0, y = 0;
};

struct Pen {
    std::uint32_t style = 0; // PS_SOLID; only PS_NULL changes the drawing
    double width = 0;        // logical units; 0 is one pixel whatever the scale
    ColorRef color = 0;
    bool null() const { return (style & 0xF) == 5; }
};

struct Brush {
    std::uint32_t style = 0; // BS_SOLID, BS_NULL (1), BS_HATCHED (2) or a pattern
    ColorRef color = 0xFFFFFF;
    std::uint32_t hatch = 0;
    std::shared_ptr<const Canvas> pattern; // pattern brushes: the bitmap tiled from the origin
    bool null() const { return style == 1 || ((style == 3 || style >= 5) && !pattern); }
};

struct Font {
    double height = 0; // logical units; negative: character height, positive: cell height
    int weight = 400;
    bool italic = false, underline = false, strikeout = false;
    std::string face = "Arial";
};

// What an object slot holds; palettes and regions keep their slot but draw nothing.
struct GdiObject {
    enum class Kind { Empty, Pen, Brush, Font, Other } kind = Kind::Empty;
    Pen pen;
    Brush brush;
    Font font;
};

// Row-vector affine map, as GDI's XFORM: x' = x*m11 + y*m21 + dx, y' = x*m12 + y*m22 + dy.
struct Xform {
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
    PointF apply(PointF p) const { return {p.x * m11 + p.y * m21 + dx, p.x * m12 + p.y * m22 + dy}; }
    Xform then(const Xform& b) const; // this map, then b
};

struct DcState {
    int mapMode = 1; // MM_TEXT
    double winOrgX = 0, winOrgY = 0, winExtX = 1, winExtY = 1;
    double vpOrgX = 0, vpOrgY = 0, vpExtX = 1, vpExtY = 1;
    Xform world;
    Pen pen;
    Brush brush;
    Font font;
    ColorRef textColor = 0, bkColor = 0xFFFFFF;
    int bkMode = 2;   // OPAQUE
    int fillMode = 1; // ALTERNATE (even-odd); 2 is WINDING
    std::uint32_t textAlign = 0;
    bool clockwise = false;
    PointF current; // logical
    Rect clip;      // output pixels
};

struct Figure {
    std::vector<PointF> points; // output pixels
    bool closed = false;
};
using Figures = std::vector<Figure>;

class Painter {
  public:
    // Draws onto `canvas` (already sized and cleared) spending at most `workBudget` pixel and
    // edge operations; past it every call does nothing and exhausted() is true.
    Painter(Canvas& canvas, long long workBudget);

    DcState& dc() { return m_dc; }
    // Maps the context's device pixels onto the canvas (EMF frames, WMF bounding boxes).
    void setDeviceToOutput(double sx, double sy, double ox, double oy);
    // Physical mapping modes use this many device pixels per millimetre.
    void setPixelsPerMm(double x, double y);
    void save();
    void restore(int which); // negative: that many levels back; positive: that saved level
    bool exhausted() const { return m_exhausted; }
    // Counts work done outside the painter (decoding bitmaps); false once the budget is spent.
    bool spend(long long work);

    PointF toOutput(PointF logical) const;
    // The output rectangle of a logical one; a negative width or height says it is mirrored.
    Rect outputRect(double l, double t, double r, double b) const;
    // The same for a rectangle in device pixels (clip regions), normalised.
    Rect deviceRectToOutput(double l, double t, double r, double b) const;
    // Narrows the clip rectangle (output pixels), or with `reset` sets it to the whole canvas
    // first.
    void clipTo(const Rect& r, bool reset = false);

    // Shapes in logical coordinates, drawn with the selected pen and brush (or added to the
    // path while one is open).
    void moveTo(PointF p);
    void lineTo(PointF p);
    void polyline(const std::vector<PointF>& points, bool fromCurrent = false);
    void polygons(const std::vector<std::vector<PointF>>& polys);
    void bezier(const std::vector<PointF>& points, bool fromCurrent = false);
    void rectangle(double l, double t, double r, double b);
    void roundRect(double l, double t, double r, double b, double cw, double ch);
    void ellipse(double l, double t, double r, double b);
    enum class ArcKind { Arc, Chord, Pie };
    void arc(ArcKind kind, double l, double t, double r, double b, PointF start, PointF end);
    void setPixel(PointF p, ColorRef color);

    void beginPath();
    void endPath() { m_pathOpen = false; }
    void closeFigure();
    void abortPath();
    void fillPath(bool stroke, bool fill);

    // Fills an output rectangle with the brush (pattern blits) or a colour.
    void fillRect(const Rect& r, const Brush& brush);
    // Copies `src` (its rectangle) stretched onto the output rectangle `dst` (mirrored when its
    // width or height is negative) with a raster operation of the source.
    void drawBitmap(const Canvas& src, Rect srcRect, Rect dst, std::uint32_t rop);
    // One line of UTF-8 text at logical point p with the selected font and colours; `opaque`
    // is an output rectangle to fill with the background colour first.
    void text(PointF p, const std::string& utf8, const Rect* opaque);

  private:
    Xform logicalToOutput() const;
    double pixelsPerLogical() const;
    void output(Figures figures, bool fill, bool stroke, bool continues = false);
    void fillFigures(const Figures& figures, const Brush& brush, bool winding);
    void strokeFigures(const Figures& figures);
    void thinLine(PointF a, PointF b, Pixel color, bool lastPixel);
    void span(int y, int x0, int x1, const Brush& brush);
    Rect clipArea() const;
    Figure transformed(const std::vector<PointF>& logical, bool closed) const;
    template <class Make> void boxShape(double l, double t, double r, double b, bool fill, Make make);

    Canvas& m_canvas;
    long long m_budget;
    long long m_work = 0;
    bool m_exhausted = false;
    DcState m_dc;
    std::vector<DcState> m_saved;
    double m_outSx = 1, m_outSy = 1, m_outOx = 0, m_outOy = 0;
    double m_pxPerMmX = 96 / 25.4, m_pxPerMmY = 96 / 25.4;
    std::size_t m_lostSaves = 0; // saves past the stack's limit, undone first by restores
    bool m_pathOpen = false;
    bool m_figureOpen = false; // the path's last figure continues at the current point
    std::size_t m_pathPoints = 0;
    Figures m_path;
};

} // namespace run::platform::metafile
