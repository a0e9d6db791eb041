// GetLocale and SetLocale.
#include "Builtins.h"

namespace vbs {

namespace {
const BuiltinInfo kTable[] = {{u"getlocale", 0, 0, nullptr}};
} // namespace

std::span<const BuiltinInfo> localeBuiltins() {
    return std::span<const BuiltinInfo>(kTable, 0);
}

} // namespace vbs
