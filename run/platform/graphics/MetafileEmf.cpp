#include "run/platform/graphics/MetafileRecords.h"

#include <algorithm>
#include <vector>

namespace run::platform::metafile {

namespace {

// 32-bit (POINTL) or 16-bit (POINTS) points.
std::vector<PointF> EmfPoints(const Fields& f, std::size_t at, std::size_t count, bool small) {
    const std::size_t size = small ? 4 : 8;
    count = std::min(count, f.fit(at, size));
    std::vector<PointF> p(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t o = at + size * i;
        p[i] = small ? PointF{double(f.i16(o)), double(f.i16(o + 2))}
                     : PointF{double(f.i32(o)), double(f.i32(o + 4))};
    }
    return p;
}

std::vector<std::vector<PointF>> EmfPolyPoints(const Fields& f, bool small) {
    // bounds, number of polygons, number of points, the counts, then every point
    const std::size_t polys = std::min<std::size_t>(f.u32(16), f.fit(24, 4));
    std::vector<std::vector<PointF>> all;
    std::size_t at = 24 + 4 * polys;
    for (std::size_t i = 0; i < polys && at < f.n; ++i) {
        const std::size_t count = std::min<std::size_t>(f.u32(24 + 4 * i), f.fit(at, small ? 4 : 8));
        all.push_back(EmfPoints(f, at, count, small));
        at += count * (small ? 4 : 8);
    }
    return all;
}

GdiObject StockObject(std::uint32_t index) {
    GdiObject o;
    static const ColorRef brushes[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    if (index <= 4 || index == 18) {
        o.kind = GdiObject::Kind::Brush;
        o.brush = SolidBrush(index == 18 ? 0xFFFFFF : brushes[index]);
    } else if (index == 5) {
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = 1;
    } else if ((index >= 6 && index <= 8) || index == 19) {
        o.kind = GdiObject::Kind::Pen;
        o.pen.color = index == 6 ? 0xFFFFFF : 0;
        o.pen.style = index == 8 ? 5 : 0;
    } else if (index >= 10 && index <= 17 && index != 15) {
        o.kind = GdiObject::Kind::Font;
        o.font.face = index == 10 || index == 11 || index == 16 ? "Courier New" : "MS Sans Serif";
        o.font.height = -11;
    }
    return o;
}

Font EmfFont(const Fields& f) { // LOGFONTW
    Font font;
    font.height = f.i32(0);
    font.weight = f.i32(16);
    font.italic = f.u8(20), font.underline = f.u8(21), font.strikeout = f.u8(22);
    const std::string face = Utf16ToUtf8(f.from(28), 32);
    if (!face.empty()) font.face = face;
    return font;
}

Xform EmfXform(const Fields& f, std::size_t at) {
    return {f.f32(at), f.f32(at + 4), f.f32(at + 8), f.f32(at + 12), f.f32(at + 16), f.f32(at + 20)};
}

// Header (at `at` in the record) and pixels of a bitmap whose offsets count from the record's
// start; null when absent.
std::shared_ptr<const Canvas> EmfBitmap(Painter& painter, const Fields& rec, std::size_t at) {
    const std::size_t offBmi = rec.u32(at), cbBmi = rec.u32(at + 4);
    const std::size_t offBits = rec.u32(at + 8), cbBits = rec.u32(at + 12);
    if (cbBmi == 0 || offBmi > rec.n || cbBmi > rec.n - offBmi || offBits > rec.n || cbBits > rec.n - offBits)
        return nullptr;
    return DecodeDib(painter, Fields{rec.d + offBmi, cbBmi}, Fields{rec.d + offBits, cbBits});
}

struct EmfPlayer {
    Painter& painter;
    std::vector<GdiObject> objects;

    GdiObject* slot(std::uint32_t index) { return index < objects.size() ? &objects[index] : nullptr; }

    // Source bitmaps stored bottom-up count their source rows from the bottom.
    void blit(const Fields& rec, std::size_t bitmapAt, int sx, int sy, int sw, int sh, const Rect& dst,
              std::uint32_t rop, std::uint32_t usage) {
        if (rec.u32(bitmapAt + 4) == 0) return PatternBlit(painter, rop, dst);
        if (usage != 0) return; // palette indices: no palette to look them up in
        if (auto bitmap = EmfBitmap(painter, rec, bitmapAt)) {
            const bool bottomUp = rec.i32(rec.u32(bitmapAt) + 8) > 0;
            painter.drawBitmap(*bitmap, {sx, bottomUp ? bitmap->height() - sy - sh : sy, sw, sh}, dst, rop);
        }
    }

    // Returns false at the end of the file.
    bool record(std::uint32_t type, const Fields& rec) {
        const Fields f = rec.from(8);
        DcState& dc = painter.dc();
        auto point = [&](std::size_t at) { return PointF{double(f.i32(at)), double(f.i32(at + 4))}; };
        auto poly = [&](bool small) { return EmfPoints(f, 20, f.u32(16), small); };
        switch (type) {
        case 2: // POLYBEZIER, POLYGON, POLYLINE, POLYBEZIERTO, POLYLINETO and their 16-bit forms
        case 85:
            painter.bezier(poly(type == 85));
            break;
        case 3:
        case 86:
            painter.polygons({poly(type == 86)});
            break;
        case 4:
        case 87:
            painter.polyline(poly(type == 87));
            break;
        case 5:
        case 88:
            painter.bezier(poly(type == 88), true);
            break;
        case 6:
        case 89:
            painter.polyline(poly(type == 89), true);
            break;
        case 7: // POLYPOLYLINE
        case 90:
            for (const auto& p : EmfPolyPoints(f, type == 90))
                painter.polyline(p);
            break;
        case 8: // POLYPOLYGON
        case 91:
            painter.polygons(EmfPolyPoints(f, type == 91));
            break;
        case 9:
            dc.winExtX = f.i32(0), dc.winExtY = f.i32(4);
            break;
        case 10:
            dc.winOrgX = f.i32(0), dc.winOrgY = f.i32(4);
            break;
        case 11:
            dc.vpExtX = f.i32(0), dc.vpExtY = f.i32(4);
            break;
        case 12:
            dc.vpOrgX = f.i32(0), dc.vpOrgY = f.i32(4);
            break;
        case 14: // EOF
            return false;
        case 15: // SETPIXELV
            painter.setPixel(point(0), f.u32(8));
            break;
        case 17:
            dc.mapMode = f.i32(0);
            break;
        case 18:
            dc.bkMode = f.i32(0);
            break;
        case 19:
            dc.fillMode = f.i32(0);
            break;
        case 22:
            dc.textAlign = f.u32(0);
            break;
        case 24:
            dc.textColor = f.u32(0) & 0xFFFFFF;
            break;
        case 25:
            dc.bkColor = f.u32(0) & 0xFFFFFF;
            break;
        case 27:
            painter.moveTo(point(0));
            break;
        case 30: // INTERSECTCLIPRECT
            painter.clipTo(painter.outputRect(f.i32(0), f.i32(4), f.i32(8), f.i32(12)));
            break;
        case 31: // SCALEVIEWPORTEXTEX, SCALEWINDOWEXTEX: xNum, xDenom, yNum, yDenom
        case 32: {
            if (f.i32(4) == 0 || f.i32(12) == 0) break;
            double& ex = type == 31 ? dc.vpExtX : dc.winExtX;
            double& ey = type == 31 ? dc.vpExtY : dc.winExtY;
            ex = ex * f.i32(0) / f.i32(4), ey = ey * f.i32(8) / f.i32(12);
            break;
        }
        case 33:
            painter.save();
            break;
        case 34:
            painter.restore(f.i32(0));
            break;
        case 35:
            dc.world = EmfXform(f, 0);
            break;
        case 36: { // MODIFYWORLDTRANSFORM
            const Xform x = EmfXform(f, 0);
            const std::uint32_t mode = f.u32(24);
            if (mode == 1) dc.world = {};
            if (mode == 2) dc.world = x.then(dc.world);
            if (mode == 3) dc.world = dc.world.then(x);
            if (mode == 4) dc.world = x;
            break;
        }
        case 37: { // SELECTOBJECT
            const std::uint32_t index = f.u32(0);
            if (index & 0x80000000u)
                Select(dc, StockObject(index & 0x7FFFFFFFu));
            else if (GdiObject* o = slot(index))
                Select(dc, *o);
            break;
        }
        case 38: // CREATEPEN: index, style, width (x, y), colour
            if (GdiObject* o = slot(f.u32(0))) {
                o->kind = GdiObject::Kind::Pen;
                o->pen = {f.u32(4), double(f.i32(8)), f.u32(16) & 0xFFFFFF};
            }
            break;
        case 95: // EXTCREATEPEN: index, bitmap offsets and sizes, style, width, brush style, colour
            if (GdiObject* o = slot(f.u32(0))) {
                o->kind = GdiObject::Kind::Pen;
                const std::uint32_t style = f.u32(20);
                o->pen = {f.u32(28) == 1 ? 5 : style, (style & 0x10000) ? double(f.u32(24)) : 0.0,
                          f.u32(32) & 0xFFFFFF};
            }
            break;
        case 39: // CREATEBRUSHINDIRECT: index, style, colour, hatch
            if (GdiObject* o = slot(f.u32(0))) {
                o->kind = GdiObject::Kind::Brush;
                o->brush = SolidBrush(f.u32(8));
                o->brush.style = f.u32(4), o->brush.hatch = f.u32(12);
            }
            break;
        case 93: // CREATEMONOBRUSH, CREATEDIBPATTERNBRUSHPT: index, usage, bitmap
        case 94:
            if (GdiObject* o = slot(f.u32(0))) {
                o->kind = GdiObject::Kind::Brush;
                o->brush = Brush{};
                o->brush.style = 5;
                if (f.u32(4) == 0) o->brush.pattern = EmfBitmap(painter, rec, 16);
            }
            break;
        case 82: // EXTCREATEFONTINDIRECTW
            if (GdiObject* o = slot(f.u32(0))) {
                o->kind = GdiObject::Kind::Font;
                o->font = EmfFont(f.from(4));
            }
            break;
        case 40: // DELETEOBJECT
            if (GdiObject* o = slot(f.u32(0))) *o = {};
            break;
        case 42:
            painter.ellipse(f.i32(0), f.i32(4), f.i32(8), f.i32(12));
            break;
        case 43:
            painter.rectangle(f.i32(0), f.i32(4), f.i32(8), f.i32(12));
            break;
        case 44:
            painter.roundRect(f.i32(0), f.i32(4), f.i32(8), f.i32(12), f.i32(16), f.i32(20));
            break;
        case 45: // ARC, CHORD, PIE: box, start, end
        case 46:
        case 47: {
            const auto kind = type == 45   ? Painter::ArcKind::Arc
                              : type == 46 ? Painter::ArcKind::Chord
                                           : Painter::ArcKind::Pie;
            painter.arc(kind, f.i32(0), f.i32(4), f.i32(8), f.i32(12), point(16), point(24));
            break;
        }
        case 54:
            painter.lineTo(point(0));
            break;
        case 57:
            dc.clockwise = f.u32(0) == 2;
            break;
        case 59:
            painter.beginPath();
            break;
        case 60:
            painter.endPath();
            break;
        case 61:
            painter.closeFigure();
            break;
        case 62:
            painter.fillPath(false, true);
            break;
        case 63:
            painter.fillPath(true, true);
            break;
        case 64:
            painter.fillPath(true, false);
            break;
        case 67: // SELECTCLIPPATH uses the path up; clipping to a path is not drawn
        case 68:
            painter.abortPath();
            break;
        case 75: { // EXTSELECTCLIPRGN: its bounding rectangle stands for the region
            const std::uint32_t bytes = f.u32(0), mode = f.u32(4);
            const Rect bound = painter.deviceRectToOutput(f.i32(24), f.i32(28), f.i32(32), f.i32(36));
            if (mode == 5 && bytes == 0) painter.clipTo({-(1 << 29), -(1 << 29), 1 << 30, 1 << 30}, true);
            if (mode == 5 && bytes >= 32) painter.clipTo(bound, true);
            if (mode == 1 && bytes >= 32) painter.clipTo(bound);
            break;
        }
        case 76: // BITBLT: destination x y w h, rop, source x y, transform, colour, usage, bitmap
        case 77: // STRETCHBLT adds the source size
        {
            const int dx = f.i32(16), dy = f.i32(20), dw = f.i32(24), dh = f.i32(28);
            const Rect dst = painter.outputRect(dx, dy, double(dx) + dw, double(dy) + dh);
            const int sw = type == 77 ? f.i32(92) : dw, sh = type == 77 ? f.i32(96) : dh;
            blit(rec, 84, f.i32(36), f.i32(40), sw, sh, dst, f.u32(32), f.u32(72));
            break;
        }
        case 80: // SETDIBITSTODEVICE: destination x y, source x y w h, bitmap, usage
        case 81: // STRETCHDIBITS: ... bitmap, usage, rop, destination w h
        {
            const int dx = f.i32(16), dy = f.i32(20), sw = f.i32(32), sh = f.i32(36);
            const int dw = type == 81 ? f.i32(64) : sw, dh = type == 81 ? f.i32(68) : sh;
            const Rect dst = painter.outputRect(dx, dy, double(dx) + dw, double(dy) + dh);
            if (rec.u32(52) != 0)
                blit(rec, 48, f.i32(24), f.i32(28), sw, sh, dst, type == 81 ? f.u32(60) : 0xCC0020,
                     f.u32(56));
            break;
        }
        case 83: // EXTTEXTOUTA, EXTTEXTOUTW: bounds, mode, scales, then the text's own record
        case 84: {
            const std::size_t chars = std::min<std::size_t>(f.u32(36), kMaxTextChars);
            const std::size_t at = rec.u32(40 + 8);
            const Fields text = rec.from(at);
            const std::string utf8 = type == 84 ? Utf16ToUtf8(text, chars) : AnsiToUtf8(text, chars);
            const std::uint32_t options = f.u32(44);
            const Rect opaque = painter.outputRect(f.i32(48), f.i32(52), f.i32(56), f.i32(60));
            painter.text(point(28), utf8, (options & 2) ? &opaque : nullptr);
            break;
        }
        default:
            break;
        }
        return true;
    }
};

} // namespace

std::string PlayEmf(const Fields& file, Painter& painter, int width, int height) {
    // Records are drawn on the reference device the file was made for (its pixels per
    // millimetre from the header); its frame, in hundredths of a millimetre, fills the canvas.
    const double devW = file.i32(72), devH = file.i32(76), mmW = file.i32(80), mmH = file.i32(84);
    const double pxX = devW > 0 && mmW > 0 ? devW / mmW : 96 / 25.4,
                 pxY = devH > 0 && mmH > 0 ? devH / mmH : 96 / 25.4;
    painter.setPixelsPerMm(pxX, pxY);
    const double fl = file.i32(24), ft = file.i32(28), fw = double(file.i32(32)) - fl,
                 fh = double(file.i32(36)) - ft;
    if (fw > 0 && fh > 0) {
        const double sx = width / (fw * pxX / 100), sy = height / (fh * pxY / 100);
        painter.setDeviceToOutput(sx, sy, -fl * pxX / 100 * sx, -ft * pxY / 100 * sy);
    } else {
        painter.setDeviceToOutput(1, 1, -double(file.i32(8)), -double(file.i32(12)));
    }
    EmfPlayer player{painter, std::vector<GdiObject>(file.u16(56))};
    std::size_t at = 0;
    for (std::size_t count = 0; count < kMaxRecords && at + 8 <= file.n && !painter.exhausted(); ++count) {
        const std::uint32_t type = file.u32(at);
        const std::size_t size = file.u32(at + 4);
        if (size < 8 || size % 4 != 0 || size > file.n - at) break;
        if (count > 0 && !player.record(type, Fields{file.d + at, size})) break;
        at += size;
    }
    return {};
}

} // namespace run::platform::metafile
