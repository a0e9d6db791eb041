// GetLocale and SetLocale: the engine's locale for number, currency and date
// texts (Locale.h), kept by each Runtime for itself.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"
#include "../Locale.h"

namespace vbs {

namespace {

int32_t currentLcid(Interp& rt) {
    return rt.locale() ? rt.locale()->lcid : englishUS().lcid;
}

Value getLocale(Interp& rt, std::span<Value>) {
    return Value::longv(currentLcid(rt));
}

// SetLocale(lcid or "de-de"): the previous LCID. 0, "" or no argument go back
// to the default; a locale not offered here is error 447.
Value setLocale(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0});
    const LocaleInfo* chosen = &englishUS();
    if (hasArg(a, 0)) {
        Value v = argScalar(rt, a, 0);
        double number;
        if (v.isString() && v.asString().empty()) {
            // the default
        } else if (v.isString() && !parseNumber(v.asString(), number)) {
            chosen = findLocale(v.asString());
        } else if (int32_t lcid = toLong(v)) {
            chosen = findLocale(lcid);
        }
        if (!chosen) throwError(Err::LocaleNotSupported);
    }
    int32_t previous = currentLcid(rt);
    // The default is kept as nullptr: the conversions' quick path.
    rt.setLocale(chosen == &englishUS() ? nullptr : chosen);
    return Value::longv(previous);
}

const BuiltinInfo kTable[] = {
    {u"getlocale", 0, 0, getLocale},
    {u"setlocale", 0, 1, setLocale},
};

} // namespace

std::span<const BuiltinInfo> localeBuiltins() {
    return kTable;
}

} // namespace vbs
