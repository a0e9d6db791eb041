// What the WMF and EMF players share: bounds-checked record fields, bitmaps and text found in
// records, and the two players themselves. Private to the graphics library.
#pragma once

#include "run/platform/graphics/MetafilePainter.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace run::platform::metafile {

using Bytes = const std::uint8_t*;

// Past these a file is broken or hostile, not a picture: the drawing ends there.
constexpr std::size_t kMaxRecords = 1 << 20;
constexpr std::size_t kMaxTextChars = 1024;
constexpr std::size_t kPlaceableHeader = 22;

// Little-endian fields of one record; reads past its end give 0, so a short record draws
// garbage at worst, never outside its bytes.
struct Fields {
    Bytes d = nullptr;
    std::size_t n = 0;
    std::uint32_t u8(std::size_t o) const { return o < n ? d[o] : 0; }
    std::uint32_t u16(std::size_t o) const {
        return o < n && n - o >= 2 ? std::uint32_t(d[o] | d[o + 1] << 8) : 0;
    }
    std::uint32_t u32(std::size_t o) const { return o < n && n - o >= 4 ? u16(o) | u16(o + 2) << 16 : 0; }
    int i16(std::size_t o) const { return std::int16_t(u16(o)); }
    int i32(std::size_t o) const { return std::int32_t(u32(o)); }
    double f32(std::size_t o) const {
        const std::uint32_t bits = u32(o);
        float f;
        std::memcpy(&f, &bits, 4);
        return std::isfinite(f) ? f : 0.0;
    }
    // How many items of `size` bytes fit from offset o on.
    std::size_t fit(std::size_t o, std::size_t size) const { return o < n ? (n - o) / size : 0; }
    Fields from(std::size_t o) const { return o <= n ? Fields{d + o, n - o} : Fields{}; }
};

bool IsPlaceable(const Fields& f);
bool IsPlainWmf(const Fields& f);
bool IsEmf(const Fields& f);

// Text of records: UTF-16 (wide records) or Windows-1252, up to `chars` characters or a NUL.
std::string Utf16ToUtf8(const Fields& f, std::size_t chars);
std::string AnsiToUtf8(const Fields& f, std::size_t chars);

// A device-independent bitmap from its header with colour table and its pixels, or from one
// packed block; null when it is unreadable, uses palette indices, or the work budget is spent.
std::shared_ptr<const Canvas> DecodeDib(Painter& painter, const Fields& info, const Fields& bits);
std::shared_ptr<const Canvas> DecodePackedDib(Painter& painter, const Fields& dib);

Brush SolidBrush(ColorRef color);
// A raster operation without a source bitmap over an output rectangle.
void PatternBlit(Painter& painter, std::uint32_t rop, const Rect& r);
void Select(DcState& dc, const GdiObject& o);

// Play the records onto a painter whose canvas is width x height.
std::string PlayWmf(const Fields& file, Painter& painter, int width, int height);
std::string PlayEmf(const Fields& file, Painter& painter, int width, int height);
// A plain WMF states no size: its first window extent stands for it.
bool FirstWindowExtent(const Fields& f, long long& w, long long& h);

} // namespace run::platform::metafile
