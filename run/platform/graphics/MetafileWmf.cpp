#include "run/platform/graphics/MetafileRecords.h"

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace run::platform::metafile {

namespace {

std::vector<PointF> WmfPoints(const Fields& f, std::size_t at, std::size_t count) {
    count = std::min(count, f.fit(at, 4));
    std::vector<PointF> p(count);
    for (std::size_t i = 0; i < count; ++i)
        p[i] = {double(f.i16(at + 4 * i)), double(f.i16(at + 4 * i + 2))};
    return p;
}

Font WmfFont(const Fields& f) {
    Font font;
    font.height = f.i16(0);
    font.weight = f.i16(8);
    font.italic = f.u8(10), font.underline = f.u8(11), font.strikeout = f.u8(12);
    const std::string face = AnsiToUtf8(f.from(18), 32);
    if (!face.empty()) font.face = face;
    return font;
}

// The object table: a new object takes the lowest free slot, which is how later records name
// it; the free slots are kept sorted so that a full table of 65535 costs no scan per record.
struct WmfObjects {
    std::vector<GdiObject> slots;
    std::set<std::size_t> free;
    explicit WmfObjects(std::size_t count) : slots(count) {
        for (std::size_t i = 0; i < count; ++i)
            free.insert(free.end(), i);
    }
    void create(GdiObject o) {
        if (free.empty()) return;
        slots[*free.begin()] = std::move(o);
        free.erase(free.begin());
    }
    void remove(std::size_t i) {
        if (i >= slots.size()) return;
        slots[i] = {};
        free.insert(i);
    }
};

void WmfRecord(Painter& painter, WmfObjects& table, std::uint32_t function, const Fields& f) {
    DcState& dc = painter.dc();
    const std::vector<GdiObject>& objects = table.slots;
    auto create = [&](GdiObject o) { table.create(std::move(o)); };
    auto box = [&](std::size_t at) { // bottom, right, top, left
        return std::array<double, 4>{double(f.i16(at)), double(f.i16(at + 2)), double(f.i16(at + 4)),
                                     double(f.i16(at + 6))};
    };
    auto blit = [&](std::uint32_t rop, const Fields& dib, int sx, int sy, int sw, int sh, int dx, int dy,
                    int dw, int dh) {
        const Rect dst = painter.outputRect(dx, dy, double(dx) + dw, double(dy) + dh);
        if (dib.n == 0) return PatternBlit(painter, rop, dst);
        if (auto bitmap = DecodePackedDib(painter, dib)) {
            // Source rows of a bitmap stored bottom-up count from its bottom.
            const bool bottomUp = dib.u32(0) == 12 || dib.i32(8) > 0;
            painter.drawBitmap(*bitmap, {sx, bottomUp ? bitmap->height() - sy - sh : sy, sw, sh}, dst, rop);
        }
    };
    switch (function) {
    case 0x0102:
        dc.bkMode = f.i16(0);
        break;
    case 0x0103:
        dc.mapMode = f.i16(0);
        break;
    case 0x0106:
        dc.fillMode = f.i16(0);
        break;
    case 0x012E:
        dc.textAlign = f.u16(0);
        break;
    case 0x0201:
        dc.bkColor = f.u32(0) & 0xFFFFFF;
        break;
    case 0x0209:
        dc.textColor = f.u32(0) & 0xFFFFFF;
        break;
    case 0x020B:
        dc.winOrgY = f.i16(0), dc.winOrgX = f.i16(2);
        break;
    case 0x020C:
        dc.winExtY = f.i16(0), dc.winExtX = f.i16(2);
        break;
    case 0x020D:
        dc.vpOrgY = f.i16(0), dc.vpOrgX = f.i16(2);
        break;
    case 0x020E:
        dc.vpExtY = f.i16(0), dc.vpExtX = f.i16(2);
        break;
    case 0x020F:
        dc.winOrgY += f.i16(0), dc.winOrgX += f.i16(2);
        break;
    case 0x0211:
        dc.vpOrgY += f.i16(0), dc.vpOrgX += f.i16(2);
        break;
    case 0x0410: // SCALEWINDOWEXT: yDenom, yNum, xDenom, xNum
        if (f.i16(0) && f.i16(4))
            dc.winExtY = dc.winExtY * f.i16(2) / f.i16(0), dc.winExtX = dc.winExtX * f.i16(6) / f.i16(4);
        break;
    case 0x0412:
        if (f.i16(0) && f.i16(4))
            dc.vpExtY = dc.vpExtY * f.i16(2) / f.i16(0), dc.vpExtX = dc.vpExtX * f.i16(6) / f.i16(4);
        break;
    case 0x001E:
        painter.save();
        break;
    case 0x0127:
        painter.restore(f.i16(0));
        break;
    case 0x0416: { // INTERSECTCLIPRECT
        const auto b = box(0);
        painter.clipTo(painter.outputRect(b[3], b[2], b[1], b[0]));
        break;
    }
    case 0x02FA: { // CREATEPENINDIRECT
        GdiObject o;
        o.kind = GdiObject::Kind::Pen;
        o.pen = {f.u16(0), double(f.i16(2)), f.u32(6) & 0xFFFFFF};
        create(o);
        break;
    }
    case 0x02FC: { // CREATEBRUSHINDIRECT
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = f.u16(0), o.brush.color = f.u32(2) & 0xFFFFFF, o.brush.hatch = f.u16(6);
        create(o);
        break;
    }
    case 0x0142: { // DIBCREATEPATTERNBRUSH
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = 5;
        o.brush.pattern = DecodePackedDib(painter, f.from(4));
        create(o);
        break;
    }
    case 0x02FB: { // CREATEFONTINDIRECT
        GdiObject o;
        o.kind = GdiObject::Kind::Font;
        o.font = WmfFont(f);
        create(o);
        break;
    }
    case 0x00F7: // CREATEPALETTE, CREATEPATTERNBRUSH, CREATEREGION: slots we do not draw with
    case 0x01F9:
    case 0x06FF: {
        GdiObject o;
        o.kind = GdiObject::Kind::Other;
        create(o);
        break;
    }
    case 0x012D: // SELECTOBJECT
        if (f.u16(0) < objects.size()) Select(dc, objects[f.u16(0)]);
        break;
    case 0x01F0: // DELETEOBJECT
        table.remove(f.u16(0));
        break;
    case 0x0214:
        painter.moveTo({double(f.i16(2)), double(f.i16(0))});
        break;
    case 0x0213:
        painter.lineTo({double(f.i16(2)), double(f.i16(0))});
        break;
    case 0x041F:
        painter.setPixel({double(f.i16(6)), double(f.i16(4))}, f.u32(0));
        break;
    case 0x041B: {
        const auto b = box(0);
        painter.rectangle(b[3], b[2], b[1], b[0]);
        break;
    }
    case 0x0418: {
        const auto b = box(0);
        painter.ellipse(b[3], b[2], b[1], b[0]);
        break;
    }
    case 0x061C: {
        const auto b = box(4);
        painter.roundRect(b[3], b[2], b[1], b[0], f.i16(2), f.i16(0));
        break;
    }
    case 0x0817: // ARC, PIE, CHORD: yEnd, xEnd, yStart, xStart, then the box
    case 0x081A:
    case 0x0830: {
        const auto b = box(8);
        const auto kind = function == 0x0817   ? Painter::ArcKind::Arc
                          : function == 0x081A ? Painter::ArcKind::Pie
                                               : Painter::ArcKind::Chord;
        painter.arc(kind, b[3], b[2], b[1], b[0], {double(f.i16(6)), double(f.i16(4))},
                    {double(f.i16(2)), double(f.i16(0))});
        break;
    }
    case 0x0324:
        painter.polygons({WmfPoints(f, 2, f.u16(0))});
        break;
    case 0x0325:
        painter.polyline(WmfPoints(f, 2, f.u16(0)));
        break;
    case 0x0538: { // POLYPOLYGON: count, point counts, points
        const std::size_t polys = std::min<std::size_t>(f.u16(0), f.fit(2, 2));
        std::vector<std::vector<PointF>> all;
        std::size_t at = 2 + 2 * polys;
        for (std::size_t i = 0; i < polys; ++i) {
            all.push_back(WmfPoints(f, at, f.u16(2 + 2 * i)));
            at += 4 * std::size_t(f.u16(2 + 2 * i));
        }
        painter.polygons(all);
        break;
    }
    case 0x0521: { // TEXTOUT: length, string (even), y, x
        const std::size_t len = f.u16(0), at = 2 + (len + 1) / 2 * 2;
        painter.text({double(f.i16(at + 2)), double(f.i16(at))},
                     AnsiToUtf8(f.from(2), std::min(len, kMaxTextChars)), nullptr);
        break;
    }
    case 0x0A32: { // EXTTEXTOUT: y, x, length, options, [rectangle], string
        const std::uint32_t options = f.u16(6);
        const bool hasRect = options & 6;
        const std::size_t at = hasRect ? 16 : 8;
        Rect opaque;
        if (hasRect) opaque = painter.outputRect(f.i16(8), f.i16(10), f.i16(12), f.i16(14));
        painter.text({double(f.i16(2)), double(f.i16(0))},
                     AnsiToUtf8(f.from(at), std::min<std::size_t>(f.u16(4), kMaxTextChars)),
                     (options & 2) ? &opaque : nullptr);
        break;
    }
    case 0x061D: // PATBLT: rop, height, width, y, x
        PatternBlit(painter, f.u32(0),
                    painter.outputRect(f.i16(10), f.i16(8), f.i16(10) + f.i16(6), f.i16(8) + f.i16(4)));
        break;
    case 0x0F43: // STRETCHDIB: rop, usage, source h w y x, destination h w y x, bitmap
        if (f.u16(4) == 0)
            blit(f.u32(0), f.from(22), f.i16(12), f.i16(10), f.i16(8), f.i16(6), f.i16(20), f.i16(18),
                 f.i16(16), f.i16(14));
        break;
    case 0x0B41: // DIBSTRETCHBLT: rop, source h w y x, destination h w y x, [bitmap]
        if (f.n <= 22)
            blit(f.u32(0), {}, 0, 0, 0, 0, f.i16(f.n - 2), f.i16(f.n - 4), f.i16(f.n - 6), f.i16(f.n - 8));
        else
            blit(f.u32(0), f.from(20), f.i16(10), f.i16(8), f.i16(6), f.i16(4), f.i16(18), f.i16(16),
                 f.i16(14), f.i16(12));
        break;
    case 0x0940: // DIBBITBLT: rop, source y x, height, width, destination y x, [bitmap]
        if (f.n <= 18)
            blit(f.u32(0), {}, 0, 0, 0, 0, f.i16(f.n - 2), f.i16(f.n - 4), f.i16(f.n - 6), f.i16(f.n - 8));
        else
            blit(f.u32(0), f.from(16), f.i16(6), f.i16(4), f.i16(10), f.i16(8), f.i16(14), f.i16(12),
                 f.i16(10), f.i16(8));
        break;
    case 0x0D33: // SETDIBTODEV: usage, scans, first scan, source y x, height, width, destination y x
        if (f.u16(0) == 0)
            blit(0xCC0020, f.from(18), f.i16(8), f.i16(6), f.i16(12), f.i16(10), f.i16(16), f.i16(14),
                 f.i16(12), f.i16(10));
        break;
    default:
        break;
    }
}

} // namespace

bool FirstWindowExtent(const Fields& f, long long& w, long long& h) {
    std::size_t at = std::size_t(f.u16(2)) * 2;
    for (std::size_t i = 0; i < 4096 && at + 6 <= f.n; ++i) {
        const std::size_t len = std::size_t(f.u32(at)) * 2;
        if (len < 6 || len > f.n - at || f.u16(at + 4) == 0) break;
        if (f.u16(at + 4) == 0x020C) {
            h = std::abs(f.i16(at + 6)), w = std::abs(f.i16(at + 8));
            return true;
        }
        at += len;
    }
    return false;
}

std::string PlayWmf(const Fields& file, Painter& painter, int width, int height) {
    DcState& dc = painter.dc();
    dc.mapMode = 8;
    dc.vpExtX = width, dc.vpExtY = height;
    Fields f = file;
    if (IsPlaceable(file)) {
        dc.winOrgX = file.i16(6), dc.winOrgY = file.i16(8);
        dc.winExtX = file.i16(10) - file.i16(6), dc.winExtY = file.i16(12) - file.i16(8);
        f = file.from(kPlaceableHeader);
    } else {
        dc.winExtX = width, dc.winExtY = height;
    }
    if (!IsPlainWmf(f)) return "the metafile header is damaged";
    WmfObjects objects(f.u16(10));
    std::size_t at = std::size_t(f.u16(2)) * 2;
    for (std::size_t count = 0; count < kMaxRecords && at + 6 <= f.n && !painter.exhausted(); ++count) {
        const std::size_t len = std::size_t(f.u32(at)) * 2;
        const std::uint32_t function = f.u16(at + 4);
        if (len < 6 || len > f.n - at || function == 0) break;
        WmfRecord(painter, objects, function, Fields{f.d + at + 6, len - 6});
        at += len;
    }
    return {};
}

} // namespace run::platform::metafile
