#include "run/platform/graphics/Metafile.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/graphics/MetafileRecords.h"
#include "run/platform/graphics/Picture.h"

#include <algorithm>
#include <vector>

namespace run::platform {

namespace metafile {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::size_t kWmfHeader = 18;
constexpr std::size_t kEmfHeader = 88;

} // namespace

bool IsPlaceable(const Fields& f) {
    return f.n >= kPlaceableHeader + kWmfHeader && f.u32(0) == kPlaceableKey;
}

bool IsPlainWmf(const Fields& f) {
    return f.n >= kWmfHeader && (f.u16(0) == 1 || f.u16(0) == 2) && f.u16(2) == 9;
}

bool IsEmf(const Fields& f) {
    return f.n >= kEmfHeader && f.u32(0) == 1 && f.u32(40) == kEmfSignature;
}

std::string Utf16ToUtf8(const Fields& f, std::size_t chars) {
    std::string out;
    for (std::size_t i = 0; i < chars; ++i) {
        std::uint32_t c = f.u16(2 * i);
        if (c == 0) break;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < chars) {
            const std::uint32_t low = f.u16(2 * i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6), out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12), out += char(0x80 | ((c >> 6) & 0x3F)),
                out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | c >> 18), out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F)), out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string AnsiToUtf8(const Fields& f, std::size_t chars) {
    chars = std::min(chars, f.n);
    std::size_t len = 0;
    while (len < chars && f.d[len] != 0)
        ++len;
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(f.d), len));
}

// A device-independent bitmap (its header and colour table, then its pixels) decoded through
// the BMP reader, the file header being all it lacks.
std::shared_ptr<const Canvas> DecodeDib(Painter& painter, const Fields& info, const Fields& bits) {
    const std::size_t headerSize = info.u32(0);
    if (headerSize < 12 || headerSize > info.n || bits.n == 0) return nullptr;
    long long w, h, bpp;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        w = info.u16(4), h = info.u16(6), bpp = info.u16(10);
    } else {
        w = info.i32(4), h = std::abs((long long)info.i32(8)), bpp = info.u16(14), compression = info.u32(16);
    }
    if (w <= 0 || h <= 0 || bpp <= 0 || bpp > 32) return nullptr;
    // Uncompressed pixels must all be there; compressed ones cannot expand without bound.
    const long long stride = (w * bpp + 31) / 32 * 4;
    if ((compression == 0 || compression == 3) && (long long)bits.n < stride * h) return nullptr;
    if (w * h > 1024LL * (long long)bits.n + 65536) return nullptr;
    if (!painter.spend(w * h)) return nullptr;
    std::vector<std::uint8_t> file(14 + info.n + bits.n);
    const std::size_t offBits = 14 + info.n;
    file[0] = 'B', file[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        file[2 + i] = std::uint8_t(file.size() >> (8 * i));
        file[10 + i] = std::uint8_t(offBits >> (8 * i));
    }
    std::memcpy(file.data() + 14, info.d, info.n);
    std::memcpy(file.data() + offBits, bits.d, bits.n);
    const PictureResult decoded = LoadPictureMemory(file.data(), file.size());
    if (!decoded.picture) return nullptr;
    return std::make_shared<const Canvas>(decoded.picture->image);
}

// A packed bitmap (WMF records): the colour table's size says where the pixels start.
std::shared_ptr<const Canvas> DecodePackedDib(Painter& painter, const Fields& dib) {
    const std::size_t headerSize = dib.u32(0);
    std::size_t table = 0;
    if (headerSize == 12) {
        const std::uint32_t bpp = dib.u16(10);
        table = bpp <= 8 ? (std::size_t(3) << bpp) : 0;
    } else if (headerSize >= 40) {
        const std::uint32_t bpp = dib.u16(14), used = dib.u32(32);
        if (used > 256) return nullptr;
        table = 4 * (used ? used : bpp <= 8 ? 1u << bpp : 0);
        if (dib.u32(16) == 3 && headerSize == 40) table += 12;
    }
    const std::size_t at = headerSize + table;
    if (headerSize < 12 || at >= dib.n) return nullptr;
    return DecodeDib(painter, Fields{dib.d, at}, dib.from(at));
}

Brush SolidBrush(ColorRef color) {
    Brush b;
    b.color = color & 0xFFFFFF;
    return b;
}

// What a raster operation without a source does to a rectangle: the brush, black, white or
// (for anything else) nothing we draw.
void PatternBlit(Painter& painter, std::uint32_t rop, const Rect& r) {
    if (rop == 0xF00021) painter.fillRect(r, painter.dc().brush);
    if (rop == 0x000042) painter.fillRect(r, SolidBrush(0));
    if (rop == 0xFF0062) painter.fillRect(r, SolidBrush(0xFFFFFF));
}

void Select(DcState& dc, const GdiObject& o) {
    if (o.kind == GdiObject::Kind::Pen) dc.pen = o.pen;
    if (o.kind == GdiObject::Kind::Brush) dc.brush = o.brush;
    if (o.kind == GdiObject::Kind::Font) dc.font = o.font;
}

} // namespace metafile

using namespace metafile;

namespace {

constexpr long long kBaseWork = 32LL * 1024 * 1024;

Fields Whole(const void* data, std::size_t size) {
    return {static_cast<Bytes>(data), size};
}

} // namespace

bool IsMetafile(const void* data, std::size_t size) {
    const Fields f = Whole(data, size);
    return data && (IsPlaceable(f) || IsPlainWmf(f) || IsEmf(f));
}

MetafileSize MetafilePictureSize(const void* data, std::size_t size) {
    const Fields f = Whole(data, size);
    MetafileSize s;
    if (IsPlaceable(f)) {
        const long long inch = f.u16(14);
        if (inch == 0) return {0, 0, "the metafile gives no units per inch"};
        s.width = std::llround(std::abs(f.i16(10) - f.i16(6)) * 96.0 / double(inch));
        s.height = std::llround(std::abs(f.i16(12) - f.i16(8)) * 96.0 / double(inch));
    } else if (IsPlainWmf(f)) {
        if (!FirstWindowExtent(f, s.width, s.height)) return {0, 0, "the metafile states no size"};
    } else if (IsEmf(f)) {
        const long long fw = (long long)f.i32(32) - f.i32(24), fh = (long long)f.i32(36) - f.i32(28);
        if (fw > 0 && fh > 0) {
            s.width = std::llround(double(fw) * 96 / 2540), s.height = std::llround(double(fh) * 96 / 2540);
        } else {
            s.width = (long long)f.i32(16) - f.i32(8) + 1, s.height = (long long)f.i32(20) - f.i32(12) + 1;
        }
    } else {
        return {0, 0, "not a metafile"};
    }
    return s;
}

std::string DrawMetafile(const void* data, std::size_t size, Canvas& canvas) {
    const Fields f = Whole(data, size);
    Painter painter(canvas, kBaseWork + 8LL * canvas.width() * canvas.height());
    if (IsPlaceable(f) || IsPlainWmf(f)) return PlayWmf(f, painter, canvas.width(), canvas.height());
    if (IsEmf(f)) return PlayEmf(f, painter, canvas.width(), canvas.height());
    return "not a metafile";
}

} // namespace run::platform
