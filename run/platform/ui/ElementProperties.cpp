// The element property table: which kinds have each property, how it reads, and the checks a
// write passes before it changes the element.
#include "run/platform/ui/ElementProperties.h"

#include "run/platform/ui/Form.h"
#include "run/platform/ui/FormPainter.h"

#include <array>
#include <cctype>
#include <cmath>

namespace run::platform {

namespace {

using K = ElementKind;
constexpr unsigned bit(K k) {
    return 1u << static_cast<unsigned>(k);
}
constexpr unsigned kAll = bit(K::Form) | bit(K::Label) | bit(K::TextBox) | bit(K::Image) |
                          bit(K::PictureBox) | bit(K::CheckBox) | bit(K::Timer) | bit(K::Menu);
constexpr unsigned kPlaced =
    bit(K::Label) | bit(K::TextBox) | bit(K::Image) | bit(K::PictureBox) | bit(K::CheckBox);
constexpr unsigned kTextual = bit(K::Label) | bit(K::TextBox) | bit(K::CheckBox);
constexpr unsigned kPainted = kTextual | bit(K::PictureBox) | bit(K::Form);

using S = PropStatus;

std::int32_t whole(const PropValue& v) {
    return std::get<std::int32_t>(v);
}
bool truth(const PropValue& v) {
    return std::get<bool>(v);
}
const std::string& text(const PropValue& v) {
    return std::get<std::string>(v);
}
const PicturePtr& picture(const PropValue& v) {
    return std::get<PicturePtr>(v);
}

// Keeps an auto-sizing element fitted to what it shows after a change to it.
void refit(Element& e, FontCatalog& fonts) {
    if (!e.autoSize) return;
    if (e.kind == K::Label || e.kind == K::CheckBox) {
        AutoSizeToCaption(e, fonts);
    } else if (e.kind == K::PictureBox && e.picture) {
        e.width = PixelsToTwips(e.picture->width());
        e.height = PixelsToTwips(e.picture->height());
    }
}

S setWithin(int& field, const PropValue& v, int low, int high) {
    if (whole(v) < low || whole(v) > high) return S::InvalidValue;
    field = whole(v);
    return S::Ok;
}

S setColor(ColorRef& field, const PropValue& v) {
    auto c = ColorFromNumber(whole(v));
    if (!c) return S::InvalidValue;
    field = *c;
    return S::Ok;
}

S setFlag(bool& field, const PropValue& v) {
    field = truth(v);
    return S::Ok;
}

bool validPointer(int shape) {
    return (shape >= 0 && shape <= 15) || shape == kPointerCustom;
}

// One font change: applied, then the element refitted.
template <class F> S changeFont(Element& e, FontCatalog& fonts, F&& change) {
    change(e.font);
    refit(e, fonts);
    return S::Ok;
}

PropValue boolValue(bool b) {
    return PropValue{b};
}

constexpr ElementProperty kProperties[] = {
    {ElementProp::Left, "Left", PropType::Whole, kPlaced | bit(K::Timer) | bit(K::Form), true,
     [](const Element& e) { return PropValue{e.left}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         return setWithin(e.left, v, -kMaxElementOffsetTwips, kMaxElementOffsetTwips);
     }},
    {ElementProp::Top, "Top", PropType::Whole, kPlaced | bit(K::Timer) | bit(K::Form), true,
     [](const Element& e) { return PropValue{e.top}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         return setWithin(e.top, v, -kMaxElementOffsetTwips, kMaxElementOffsetTwips);
     }},
    {ElementProp::Width, "Width", PropType::Whole, kPlaced | bit(K::Form), true,
     [](const Element& e) { return PropValue{e.width}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         return setWithin(e.width, v, 0, kMaxElementExtentTwips);
     }},
    {ElementProp::Height, "Height", PropType::Whole, kPlaced | bit(K::Form), true,
     [](const Element& e) { return PropValue{e.height}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         return setWithin(e.height, v, 0, kMaxElementExtentTwips);
     }},
    // A form is shown and hidden through the window system, so the table leaves it out here.
    {ElementProp::Visible, "Visible", PropType::Truth, kPlaced | bit(K::Menu), true,
     [](const Element& e) { return boolValue(e.visible); },
     [](Element& e, const PropValue& v, FontCatalog&) { return setFlag(e.visible, v); }},
    {ElementProp::Enabled, "Enabled", PropType::Truth, kAll, true,
     [](const Element& e) { return boolValue(e.enabled); },
     [](Element& e, const PropValue& v, FontCatalog&) {
         if (auto* timer = dynamic_cast<TimerElement*>(&e))
             timer->setEnabled(truth(v)); // restarts the count
         else
             e.enabled = truth(v);
         return S::Ok;
     }},
    {ElementProp::Caption, "Caption", PropType::Text, kTextual | bit(K::Menu) | bit(K::Form), true,
     [](const Element& e) { return PropValue{e.caption}; },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         e.caption = text(v);
         refit(e, fonts);
         return S::Ok;
     }},
    {ElementProp::Text, "Text", PropType::Text, bit(K::Label) | bit(K::TextBox), true,
     [](const Element& e) { return PropValue{e.caption}; },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         e.caption = text(v);
         refit(e, fonts);
         return S::Ok;
     }},
    {ElementProp::Picture, "Picture", PropType::Picture, bit(K::Image) | bit(K::PictureBox), true,
     [](const Element& e) { return PropValue{e.picture}; },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         e.picture = picture(v);
         refit(e, fonts);
         return S::Ok;
     }},
    {ElementProp::Tag, "Tag", PropType::Text, kAll, false, [](const Element& e) { return PropValue{e.tag}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         e.tag = text(v);
         return S::Ok;
     }},
    {ElementProp::ForeColor, "ForeColor", PropType::Whole, kPainted, true,
     [](const Element& e) { return PropValue{static_cast<std::int32_t>(e.foreColor)}; },
     [](Element& e, const PropValue& v, FontCatalog&) { return setColor(e.foreColor, v); }},
    {ElementProp::BackColor, "BackColor", PropType::Whole, kPainted, true,
     [](const Element& e) { return PropValue{static_cast<std::int32_t>(e.backColor)}; },
     [](Element& e, const PropValue& v, FontCatalog&) { return setColor(e.backColor, v); }},
    {ElementProp::BackStyle, "BackStyle", PropType::Whole, bit(K::Label), true,
     [](const Element& e) { return PropValue{std::int32_t{e.backTransparent ? 0 : 1}}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         if (whole(v) != 0 && whole(v) != 1) return S::InvalidValue;
         e.backTransparent = whole(v) == 0;
         return S::Ok;
     }},
    {ElementProp::BorderStyle, "BorderStyle", PropType::Whole,
     bit(K::Label) | bit(K::TextBox) | bit(K::Image) | bit(K::PictureBox), true,
     [](const Element& e) { return PropValue{std::int32_t{e.border ? 1 : 0}}; },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         if (whole(v) != 0 && whole(v) != 1) return S::InvalidValue;
         e.border = whole(v) == 1;
         refit(e, fonts);
         return S::Ok;
     }},
    {ElementProp::FontName, "FontName", PropType::Text, kPainted, true,
     [](const Element& e) { return PropValue{e.font.name}; },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         if (text(v).empty()) return S::InvalidValue;
         return changeFont(e, fonts, [&](FontSpec& f) { f.name = text(v); });
     }},
    {ElementProp::FontSize, "FontSize", PropType::Real, kPainted, true,
     [](const Element& e) { return PropValue{e.font.sizePoints}; },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         double size = std::get<double>(v);
         if (!(size > 0 && size <= 2048)) return S::InvalidValue; // also refuses NaN
         return changeFont(e, fonts, [&](FontSpec& f) { f.sizePoints = size; });
     }},
    {ElementProp::FontBold, "FontBold", PropType::Truth, kPainted, true,
     [](const Element& e) { return boolValue(e.font.bold); },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         return changeFont(e, fonts, [&](FontSpec& f) { f.bold = truth(v); });
     }},
    {ElementProp::FontItalic, "FontItalic", PropType::Truth, kPainted, true,
     [](const Element& e) { return boolValue(e.font.italic); },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         return changeFont(e, fonts, [&](FontSpec& f) { f.italic = truth(v); });
     }},
    {ElementProp::FontUnderline, "FontUnderline", PropType::Truth, kPainted, true,
     [](const Element& e) { return boolValue(e.font.underline); },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         return changeFont(e, fonts, [&](FontSpec& f) { f.underline = truth(v); });
     }},
    {ElementProp::FontStrikethru, "FontStrikethru", PropType::Truth, kPainted, true,
     [](const Element& e) { return boolValue(e.font.strikeout); },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         return changeFont(e, fonts, [&](FontSpec& f) { f.strikeout = truth(v); });
     }},
    {ElementProp::Alignment, "Alignment", PropType::Whole, kTextual, true,
     [](const Element& e) { return PropValue{static_cast<std::int32_t>(e.alignment)}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         if (whole(v) < 0 || whole(v) > 2) return S::InvalidValue;
         e.alignment = static_cast<Alignment>(whole(v));
         return S::Ok;
     }},
    {ElementProp::AutoSize, "AutoSize", PropType::Truth,
     bit(K::Label) | bit(K::CheckBox) | bit(K::PictureBox), true,
     [](const Element& e) { return boolValue(e.autoSize); },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         e.autoSize = truth(v);
         refit(e, fonts);
         return S::Ok;
     }},
    {ElementProp::WordWrap, "WordWrap", PropType::Truth, bit(K::Label), true,
     [](const Element& e) { return boolValue(e.wordWrap); },
     [](Element& e, const PropValue& v, FontCatalog& fonts) {
         e.wordWrap = truth(v);
         refit(e, fonts);
         return S::Ok;
     }},
    {ElementProp::Stretch, "Stretch", PropType::Truth, bit(K::Image), true,
     [](const Element& e) { return boolValue(e.stretch); },
     [](Element& e, const PropValue& v, FontCatalog&) { return setFlag(e.stretch, v); }},
    {ElementProp::Value, "Value", PropType::Whole, bit(K::CheckBox), true,
     [](const Element& e) { return PropValue{std::int32_t{e.value}}; },
     [](Element& e, const PropValue& v, FontCatalog&) { return setWithin(e.value, v, 0, 2); }},
    {ElementProp::ToolTipText, "ToolTipText", PropType::Text, kPlaced, false,
     [](const Element& e) { return PropValue{e.toolTipText}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         e.toolTipText = text(v);
         return S::Ok;
     }},
    {ElementProp::MousePointer, "MousePointer", PropType::Whole, kPlaced | bit(K::Form), false,
     [](const Element& e) { return PropValue{std::int32_t{e.mousePointer}}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         if (!validPointer(whole(v))) return S::InvalidValue;
         e.mousePointer = whole(v);
         return S::Ok;
     }},
    {ElementProp::MouseIcon, "MouseIcon", PropType::Picture, kPlaced | bit(K::Form), false,
     [](const Element& e) { return PropValue{e.mouseIcon}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         e.mouseIcon = picture(v);
         return S::Ok;
     }},
    {ElementProp::WhatsThisHelpID, "WhatsThisHelpID", PropType::Whole, kPlaced | bit(K::Form), false,
     [](const Element& e) { return PropValue{std::int32_t{e.whatsThisHelpID}}; },
     [](Element& e, const PropValue& v, FontCatalog&) {
         e.whatsThisHelpID = whole(v);
         return S::Ok;
     }},
    {ElementProp::Index, "Index", PropType::Whole, kAll, false,
     [](const Element& e) { return PropValue{std::int32_t{e.index}}; }, nullptr},
    {ElementProp::Name, "Name", PropType::Text, kAll, false,
     [](const Element& e) { return PropValue{e.name}; }, nullptr},
    {ElementProp::Interval, "Interval", PropType::Whole, bit(K::Timer), false,
     [](const Element& e) {
         return PropValue{std::int32_t{dynamic_cast<const TimerElement&>(e).interval()}};
     },
     [](Element& e, const PropValue& v, FontCatalog&) {
         if (whole(v) < 0 || whole(v) > 65535) return S::InvalidValue;
         dynamic_cast<TimerElement&>(e).setInterval(whole(v)); // restarts the count
         return S::Ok;
     }},
};

static_assert(std::size(kProperties) == static_cast<std::size_t>(ElementProp::Count),
              "every property has one row, in the order of the enumeration");

constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < std::size(kProperties); ++i)
        if (static_cast<std::size_t>(kProperties[i].id) != i) return false;
    return true;
}
static_assert(rowsInOrder(), "rows are indexed by their property");

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Brings a value to the property's type: numbers and truth values convert among themselves.
PropStatus coerce(const PropValue& in, PropType type, PropValue& out) {
    double number = 0;
    bool numeric = true;
    if (auto* i = std::get_if<std::int32_t>(&in))
        number = *i;
    else if (auto* d = std::get_if<double>(&in))
        number = *d;
    else if (auto* b = std::get_if<bool>(&in))
        number = *b ? -1 : 0;
    else
        numeric = false;

    switch (type) {
    case PropType::Whole:
        if (!numeric) return S::TypeMismatch;
        if (!std::isfinite(number)) return S::InvalidValue;
        number = std::nearbyint(number); // halves to even, as the classic conversion rounds
        if (number < -2147483648.0 || number > 2147483647.0) return S::InvalidValue;
        out = static_cast<std::int32_t>(number);
        return S::Ok;
    case PropType::Real:
        if (!numeric) return S::TypeMismatch;
        out = number;
        return S::Ok;
    case PropType::Truth:
        if (!numeric) return S::TypeMismatch;
        out = number != 0;
        return S::Ok;
    case PropType::Text:
        if (!std::holds_alternative<std::string>(in)) return S::TypeMismatch;
        out = in;
        return S::Ok;
    case PropType::Picture:
        if (!std::holds_alternative<PicturePtr>(in)) return S::TypeMismatch;
        out = in;
        return S::Ok;
    }
    return S::TypeMismatch;
}

// The classic system colours (the 3-D face as forms here paint it).
constexpr std::array<ColorRef, 25> kSystemColors = {
    0xC8C8C8, 0xA56E3A, 0x6A240A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x6A240A, 0xFFFFFF, 0xD4D0C8, 0x808080, 0x808080,
    0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000, 0xE1FFFF,
};

} // namespace

const char* PropStatusText(PropStatus status) {
    switch (status) {
    case S::Ok:
        return "";
    case S::TypeMismatch:
        return "Type mismatch";
    case S::InvalidValue:
        return "Invalid property value";
    case S::ReadOnly:
        return "Set not supported (read-only property)";
    case S::NotSupported:
        return "Object doesn't support this property or method";
    }
    return "";
}

const ElementProperty& ElementPropertyInfo(ElementProp id) {
    return kProperties[static_cast<std::size_t>(id)];
}

std::optional<ElementProp> FindElementProperty(std::string_view name) {
    for (const auto& p : kProperties)
        if (sameName(p.name, name)) return p.id;
    return std::nullopt;
}

bool ElementHasProperty(const Element& e, ElementProp id) {
    if (id == ElementProp::Index && !e.isArrayMember()) return false;
    // Interval lives in the timer's own class; an element merely marked as a timer has none.
    if (id == ElementProp::Interval && !dynamic_cast<const TimerElement*>(&e)) return false;
    return (ElementPropertyInfo(id).kinds & bit(e.kind)) != 0;
}

PropStatus GetElementProperty(const Element& e, ElementProp id, PropValue& out) {
    if (!ElementHasProperty(e, id)) return S::NotSupported;
    out = ElementPropertyInfo(id).get(e);
    return S::Ok;
}

PropStatus SetElementProperty(Element& e, ElementProp id, const PropValue& value, FontCatalog& fonts) {
    if (!ElementHasProperty(e, id)) return S::NotSupported;
    const ElementProperty& p = ElementPropertyInfo(id);
    if (!p.set) return S::ReadOnly;
    PropValue v;
    if (PropStatus s = coerce(value, p.type, v); s != S::Ok) return s;
    return p.set(e, v, fonts);
}

PropStatus ClearElementPicture(Element& e) {
    if (e.kind == K::PictureBox) {
        e.picture.reset();
        return S::Ok;
    }
    if (auto* form = dynamic_cast<Form*>(&e)) {
        form->clearDrawingLayer();
        return S::Ok;
    }
    return S::NotSupported;
}

std::optional<ColorRef> ColorFromNumber(std::int32_t number) {
    auto bits = static_cast<std::uint32_t>(number);
    if (bits <= 0xFFFFFF) return bits;
    if (bits >= 0x80000000u && bits - 0x80000000u < kSystemColors.size())
        return kSystemColors[bits - 0x80000000u];
    return std::nullopt;
}

} // namespace run::platform
