#include "HostArgs.h"

#include "Convert.h"
#include "Errors.h"

namespace vbs {

bool HostArgs::given(size_t i) const {
    if (i >= m_args.size()) return false;
    const Value& v = m_args[i].deref();
    return !(v.type() == VarType::Error && v.asError() == int32_t(0x80020004u)); // DISP_E_PARAMNOTFOUND
}

void HostArgs::fail(int32_t number, std::u16string description) {
    if (!m_ok) return; // the first failure is the one reported
    m_ok = false;
    m_err.number = number;
    m_err.description = std::move(description);
}

Value HostArgs::value(size_t i) {
    if (!m_ok || i >= m_args.size()) return {};
    Value v = m_args[i].deref();
    // A default member may itself return an object: reduce a few times, not forever.
    for (int depth = 0; v.isObject() && depth < 8; ++depth) {
        Object* o = v.asObject();
        if (!o) {
            fail(int32_t(Err::ObjectNotSet));
            return {};
        }
        Value keep = v, out;
        HostError e;
        if (!o->invoke(kDispValue, InvokeKind::PropertyGet, {}, out, e)) {
            fail(e.number ? e.number : int32_t(Err::NoSuchMember), std::move(e.description));
            return {};
        }
        v = std::move(out);
    }
    if (v.isObject()) fail(int32_t(Err::NoSuchMember));
    return v;
}

template <class F> auto HostArgs::convert(size_t i, F&& f, decltype(f(Value())) fallback) {
    if (!given(i)) return fallback;
    Value v = value(i);
    if (!m_ok) return fallback;
    try {
        return f(v);
    } catch (ScriptError& e) {
        fail(e.number, std::move(e.description));
        return fallback;
    }
}

std::u16string HostArgs::text(size_t i, std::u16string_view fallback) {
    return convert(
        i,
        [](const Value& v) {
            if (v.isNull()) throwError(Err::InvalidNull);
            return v.isString() ? v.asString() : toString(v);
        },
        std::u16string(fallback));
}

std::string HostArgs::utf8(size_t i, std::string_view fallback) {
    if (!given(i)) return std::string(fallback);
    return toUtf8(text(i));
}

int32_t HostArgs::whole(size_t i, int32_t fallback) {
    return convert(
        i, [](const Value& v) { return toLong(v); }, fallback);
}

double HostArgs::number(size_t i, double fallback) {
    return convert(
        i, [](const Value& v) { return toDouble(v); }, fallback);
}

bool HostArgs::truth(size_t i, bool fallback) {
    return convert(
        i, [](const Value& v) { return toBool(v); }, fallback);
}

Object* HostArgs::object(size_t i) {
    if (!m_ok || !given(i)) return nullptr;
    const Value& v = m_args[i].deref();
    if (!v.isObject()) {
        fail(int32_t(Err::ObjectRequired));
        return nullptr;
    }
    return v.asObject();
}

} // namespace vbs
