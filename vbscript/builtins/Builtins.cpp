#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

#include <unordered_map>

namespace vbs {

const BuiltinInfo* findBuiltin(std::u16string_view lowerName) {
    static const std::unordered_map<std::u16string_view, const BuiltinInfo*> table = [] {
        std::unordered_map<std::u16string_view, const BuiltinInfo*> t;
        for (auto group : {conversionBuiltins(), inspectionBuiltins(), stringBuiltins(), mathBuiltins(),
                           arrayBuiltins(), dateTimeBuiltins(), scriptingBuiltins(), formatBuiltins(),
                           byteStringBuiltins(), localeBuiltins()})
            for (const auto& b : group)
                t.emplace(b.name, &b);
        return t;
    }();
    auto it = table.find(lowerName);
    return it == table.end() ? nullptr : it->second;
}

bool hasArg(std::span<Value> args, size_t i) {
    return i < args.size() && args[i].type() != VarType::Error;
}

bool textCompare(Interp& rt, std::span<Value> args, size_t i) {
    if (!hasArg(args, i)) return false;
    int32_t mode = argLong(rt, args, i);
    if (mode != 0 && mode != 1) throwError(Err::InvalidCall);
    return mode == 1;
}

void rejectNull(std::span<Value> args, std::initializer_list<size_t> which) {
    for (size_t i : which)
        if (i < args.size() && args[i].deref().isNull()) throwError(Err::InvalidNull);
}

Value argScalar(Interp& rt, std::span<Value> args, size_t i) {
    if (i >= args.size()) return {};
    return rt.scalar(args[i]);
}

std::u16string argString(Interp& rt, std::span<Value> args, size_t i) {
    Value v = argScalar(rt, args, i);
    if (v.isString()) return v.asString();
    return toString(v);
}

int32_t argLong(Interp& rt, std::span<Value> args, size_t i) {
    return toLong(argScalar(rt, args, i));
}

} // namespace vbs
