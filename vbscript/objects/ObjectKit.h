#pragma once
// Helpers shared by the classic objects: member tables looked up by name, and
// the guard their invoke runs in, which turns engine errors into a HostError.
#include "../Errors.h"
#include "../Interp.h"
#include "../Object.h"

#include <new>
#include <span>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <vector>

namespace vbs {

struct MemberName {
    const char16_t* name; // lower case
    DispId id;
};

inline DispId findMember(std::span<const MemberName> table, std::u16string_view name) {
    for (const auto& m : table)
        if (equalsNoCase(name, m.name)) return m.id;
    return kDispUnknown;
}

// The body of an invoke of one of the engine's own objects: it passes the
// engine's guard (Interp::guarded), so it may run script code (a Replace
// callback, a default property) even when the host calls it outside a
// script; a file system call that reports by exception fails with error 75.
template <class F> bool engineCall(Interp& rt, HostError& err, F&& body) {
    return rt.objectCall(err, [&] {
        try {
            body();
        } catch (const std::system_error&) {
            throwError(Err::PathFileAccess);
        }
    });
}

// For host objects built on the engine's conversions (the vbs runner's):
// runs body; a ScriptError or an allocation failure becomes err and false,
// as nothing may cross invoke as an exception. A time-out or interrupt keeps
// its number, with which the interpreter stops the script.
template <class F> bool hostCall(HostError& err, F&& body) {
    try {
        body();
        return true;
    } catch (const ScriptError& e) {
        err.number = e.number;
        err.description = e.description;
        err.source = e.source;
    } catch (const Abort& a) {
        err.number = a.number;
    } catch (const std::bad_alloc&) {
        err.number = int32_t(Err::OutOfMemory);
    } catch (const std::length_error&) {
        err.number = int32_t(Err::OutOfMemory);
    } catch (const std::system_error&) { // a file system call reporting by exception
        err.number = int32_t(Err::PathFileAccess);
    }
    return false;
}

// obj(args): a property without parameters given arguments anyway, as in
// folder.Files("a.txt"), hands them to its result's default member.
inline Value applyDefault(const Value& obj, std::span<Value> args) {
    if (args.empty()) return obj;
    if (!obj.isObject() || !obj.asObject()) throwError(Err::WrongArgCount);
    Value result, keep = obj;
    HostError err;
    if (!obj.asObject()->invoke(kDispValue, InvokeKind::Method, args, result, err)) {
        int32_t num = err.number ? err.number : int32_t(Err::ExceptionOccurred);
        throwError(num, err.description.empty() ? std::u16string(errorText(num)) : err.description,
                   err.source);
    }
    return result;
}

} // namespace vbs
