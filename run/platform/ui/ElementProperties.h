// The properties of window elements by the names games use (Left, Caption, BackColor …): one
// table of names, value types, getters and setters with the classic checks, shared by the
// script bridge and the engine so each property is written once.
#pragma once

#include "run/platform/ui/Element.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace run::platform {

class FontCatalog;

// Every property, once. X(name) is expanded into the enumeration below and, by the script
// bridge, into its member table, so the names are spelled in this one place.
// clang-format off
#define RUN_ELEMENT_PROPERTIES(X)                                                                         \
    X(Left) X(Top) X(Width) X(Height) X(Visible) X(Enabled) X(Caption) X(Text) X(Picture) X(Tag)          \
    X(ForeColor) X(BackColor) X(BackStyle) X(BorderStyle) X(FontName) X(FontSize) X(FontBold)             \
    X(FontItalic) X(FontUnderline) X(FontStrikethru) X(Alignment) X(AutoSize) X(WordWrap)                 \
    X(Stretch) X(Value) X(ToolTipText) X(MousePointer) X(MouseIcon) X(WhatsThisHelpID) X(Index)           \
    X(Name) X(Interval)

enum class ElementProp : int {
#define RUN_ELEMENT_PROP_ENUM(name) name,
    RUN_ELEMENT_PROPERTIES(RUN_ELEMENT_PROP_ENUM)
#undef RUN_ELEMENT_PROP_ENUM
    Count
};
// clang-format on

// What a property holds. The alternatives of PropValue are in this order.
enum class PropType { Whole, Real, Truth, Text, Picture };
using PropValue = std::variant<std::int32_t, double, bool, std::string, PicturePtr>;

// The outcome of a get or set, numbered as the classic run-time errors.
enum class PropStatus {
    Ok = 0,
    TypeMismatch = 13,  // the value cannot become the property's type
    InvalidValue = 380, // out of the property's range
    ReadOnly = 383,
    NotSupported = 438, // this kind of element has no such property
};
// The classic text of a failed status ("Invalid property value" …).
const char* PropStatusText(PropStatus status);

struct ElementProperty {
    ElementProp id;
    const char* name;
    PropType type;
    unsigned kinds; // bit (1 << ElementKind) for each kind that has it
    bool seen;      // writing it changes what the player sees
    PropValue (*get)(const Element&);
    PropStatus (*set)(Element&, const PropValue&, FontCatalog&); // null: read-only
};

const ElementProperty& ElementPropertyInfo(ElementProp id);
// Looks a property up by name, ignoring case.
std::optional<ElementProp> FindElementProperty(std::string_view name);
// Whether this element has the property (Index only for members of an element array).
bool ElementHasProperty(const Element& e, ElementProp id);

PropStatus GetElementProperty(const Element& e, ElementProp id, PropValue& out);
// Numbers and truth values are converted to the property's type (truth as -1/0); text and
// pictures are not. Auto-sizing labels are resized after changes to their text or font.
PropStatus SetElementProperty(Element& e, ElementProp id, const PropValue& value, FontCatalog& fonts);

// Clears what was painted on an element: a picture box's picture, a form's drawing layer.
PropStatus ClearElementPicture(Element& e);

// A colour number as scripts give it: 0x00BBGGRR, or a system colour (0x80000000 + index)
// turned into its classic value; nothing for any other number.
std::optional<ColorRef> ColorFromNumber(std::int32_t number);

// Geometry is bounded so that no value a script sets can ask the painter for a huge canvas.
constexpr int kMaxElementExtentTwips = 16384 * kTwipsPerPixel;
constexpr int kMaxElementOffsetTwips = 4 * kMaxElementExtentTwips;

} // namespace run::platform
