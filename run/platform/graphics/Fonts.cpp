#include "run/platform/graphics/Fonts.h"
#include "run/platform/graphics/PixelMath.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <tuple>

namespace run::platform {

namespace {

// Catalogues alive; fontconfig's global state is released when the last one goes.
int g_catalogues = 0;

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Windows names whose fonts are not here, by their metric-compatible equivalents.
std::string LiberationFamilyFor(const std::string& windowsName) {
    static const std::map<std::string, std::string> families = {
        {"arial", "Liberation Sans"},
        {"ms sans serif", "Liberation Sans"},
        {"microsoft sans serif", "Liberation Sans"},
        {"tahoma", "Liberation Sans"},
        {"verdana", "Liberation Sans"},
        {"segoe ui", "Liberation Sans"},
        {"system", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
        {"ms serif", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
        {"courier", "Liberation Mono"},
        {"fixedsys", "Liberation Mono"},
        {"terminal", "Liberation Mono"},
    };
    auto it = families.find(Lower(windowsName));
    return it == families.end() ? std::string() : it->second;
}

struct Match {
    std::string file;
    bool familyMatches = false;
    bool isBold = false;
    bool isItalic = false;
};

bool MatchFont(const std::string& family, bool bold, bool italic, Match& out) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;

    bool ok = false;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        out.file = reinterpret_cast<const char*>(file);
        ok = true;
    }
    const std::string wanted = Lower(family);
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (Lower(reinterpret_cast<const char*>(name)) == wanted) out.familyMatches = true;
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    out.isBold = weight >= FC_WEIGHT_DEMIBOLD;
    out.isItalic = slant != FC_SLANT_ROMAN;
    FcPatternDestroy(match);
    return ok;
}

// Bad bytes become U+FFFD and NULs are dropped, so SDL_ttf always sees valid C strings.
std::string SanitizeUtf8(const std::string& in) {
    std::string out;
    out.reserve(in.size());
    const auto* s = reinterpret_cast<const unsigned char*>(in.data());
    const std::size_t n = in.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            if (c != 0) out.push_back(char(c));
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            len = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        }
        bool valid = len != 0 && i + len <= n;
        for (std::size_t k = 1; valid && k < len; ++k) {
            const unsigned char b = s[i + k];
            valid = k == 1 ? (b >= lo && b <= hi) : (b >= 0x80 && b <= 0xBF);
        }
        if (valid) {
            out.append(in, i, len);
            i += len;
        } else {
            out.append("\xEF\xBF\xBD");
            ++i;
        }
    }
    return out;
}

int PixelSize(double points) {
    // Zero means the default size, as it does for Windows fonts; negative heights are sizes too.
    double p = std::isfinite(points) ? std::fabs(points) : 0.0;
    if (p == 0.0) p = 8.25;
    return int(std::clamp(std::lround(p * 96.0 / 72.0), 1L, 1000L));
}

} // namespace

struct FontCatalog::Impl {
    struct Resolved {
        std::string file;
        bool syntheticBold = false;
        bool syntheticItalic = false;
    };

    bool ttfReady = false;
    std::map<std::tuple<std::string, bool, bool>, Resolved> resolved;
    std::map<std::tuple<std::string, int, int>, TTF_Font*> open;
    std::map<std::tuple<std::string, double, int>, TTF_Font*> bySpec;

    ~Impl() {
        for (auto& [key, font] : open)
            if (font) TTF_CloseFont(font);
        if (ttfReady) TTF_Quit();
    }

    const Resolved& resolve(const std::string& name, bool bold, bool italic) {
        auto key = std::make_tuple(Lower(name), bold, italic);
        if (auto it = resolved.find(key); it != resolved.end()) return it->second;
        std::string family = LiberationFamilyFor(name);
        if (family.empty()) family = name;
        Match m;
        if (!MatchFont(family, bold, italic, m) || !m.familyMatches) {
            m = Match{};
            MatchFont("Liberation Sans", bold, italic, m);
        }
        Resolved r{m.file, bold && !m.isBold, italic && !m.isItalic};
        return resolved.emplace(std::move(key), std::move(r)).first->second;
    }

    TTF_Font* openFont(const std::string& file, int pixels, int style) {
        auto key = std::make_tuple(file, pixels, style);
        if (auto it = open.find(key); it != open.end()) return it->second;
        TTF_Font* font = file.empty() ? nullptr : TTF_OpenFont(file.c_str(), pixels);
        if (font) TTF_SetFontStyle(font, style);
        open.emplace(std::move(key), font); // failures are remembered too, not retried per frame
        return font;
    }

    TTF_Font* font(const FontSpec& spec) {
        if (!ttfReady) return nullptr;
        const int flags =
            (spec.bold ? 1 : 0) | (spec.italic ? 2 : 0) | (spec.underline ? 4 : 0) | (spec.strikeout ? 8 : 0);
        auto key = std::make_tuple(spec.name, spec.sizePoints, flags);
        if (auto it = bySpec.find(key); it != bySpec.end()) return it->second;
        const Resolved& r = resolve(spec.name, spec.bold, spec.italic);
        int style = TTF_STYLE_NORMAL;
        if (r.syntheticBold) style |= TTF_STYLE_BOLD;
        if (r.syntheticItalic) style |= TTF_STYLE_ITALIC;
        if (spec.underline) style |= TTF_STYLE_UNDERLINE;
        if (spec.strikeout) style |= TTF_STYLE_STRIKETHROUGH;
        TTF_Font* f = openFont(r.file, PixelSize(spec.sizePoints), style);
        bySpec.emplace(std::move(key), f);
        return f;
    }
};

FontCatalog::FontCatalog() : m_impl(std::make_unique<Impl>()) {
    m_impl->ttfReady = TTF_Init() == 0;
    ++g_catalogues;
}

FontCatalog::~FontCatalog() {
    m_impl.reset();
    if (--g_catalogues == 0) FcFini();
}

std::string FontCatalog::resolveFile(const std::string& windowsName, bool bold, bool italic) {
    return m_impl->resolve(windowsName, bold, italic).file;
}

int FontCatalog::lineHeight(const FontSpec& font) {
    TTF_Font* f = m_impl->font(font);
    return f ? TTF_FontHeight(f) : 0;
}

TextExtent FontCatalog::measure(const FontSpec& font, const std::string& utf8) {
    TTF_Font* f = m_impl->font(font);
    if (!f) return {};
    TextExtent extent{0, TTF_FontHeight(f)};
    const std::string text = SanitizeUtf8(utf8);
    int w = 0, h = 0;
    if (!text.empty() && TTF_SizeUTF8(f, text.c_str(), &w, &h) == 0) extent.width = w;
    return extent;
}

void FontCatalog::draw(Canvas& canvas, const FontSpec& font, const std::string& utf8, int x, int y,
                       Pixel color, const Rect& clip) {
    const Rect area = clip.intersect(canvas.bounds());
    if (area.empty() || utf8.empty()) return;
    TTF_Font* f = m_impl->font(font);
    if (!f) return;
    if (x >= area.x + area.w || y >= area.y + area.h || y + TTF_FontHeight(f) <= area.y) return;
    const std::string text = SanitizeUtf8(utf8);
    if (text.empty()) return;

    // Rendered white: the surface's alpha is the glyph coverage, the colour is applied here.
    SDL_Surface* surface = TTF_RenderUTF8_Blended(f, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!surface) return;
    if (surface->format->format != SDL_PIXELFORMAT_ARGB8888) {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(surface);
        if (!converted) return;
        surface = converted;
    }
    const Rect target = Rect{x, y, surface->w, surface->h}.intersect(area);
    if (!target.empty()) {
        if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
        // The colour's own alpha byte is ignored: text is opaque where the glyphs cover.
        const Pixel ink = color | 0xFF000000u;
        for (int row = target.y; row < target.y + target.h; ++row) {
            const auto* src =
                reinterpret_cast<const Pixel*>(static_cast<const std::uint8_t*>(surface->pixels) +
                                               std::size_t(row - y) * surface->pitch) +
                (target.x - x);
            Pixel* dst = canvas.row(row) + target.x;
            for (int i = 0; i < target.w; ++i) {
                const std::uint32_t a = src[i] >> 24;
                if (a == 255)
                    dst[i] = ink;
                else if (a != 0)
                    dst[i] = detail::Over(dst[i], ink, a);
            }
        }
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    }
    SDL_FreeSurface(surface);
}

} // namespace run::platform
