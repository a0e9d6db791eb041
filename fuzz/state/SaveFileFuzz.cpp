// libFuzzer target for the saved-game reader: any bytes either read into a state or fail with a
// record error, and a state that was read writes back to bytes that read to the same state.
#include "run/project/record/RecordError.h"
#include "run/state/SaveFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool sameState(const run::GameState& a, const run::GameState& b) {
    auto sameVars = [](const auto& x, const auto& y) {
        if (x.Count() != y.Count()) return false;
        for (int i = 1; i <= x.Count(); ++i)
            if (x.Item(i).Name != y.Item(i).Name || !(x.Item(i).Value == y.Item(i).Value)) return false;
        return true;
    };
    const run::GameVariables &u = a.variables, &v = b.variables;
    return a.frame == b.frame && sameVars(u.Variables, v.Variables) && sameVars(u.Disappear, v.Disappear) &&
           a.items == b.items && a.history == b.history && sameVars(u.VariablesVariant, v.VariablesVariant);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    run::SaveContents contents;
    try {
        contents = run::ReadSaveBytes(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const run::RecordError&) {
        return 0;
    }
    // Only complete saves round-trip: an older save writes back in today's longer form.
    if (!contents.hasHistory || !contents.hasVariants) return 0;
    const run::GameState& state = contents.state;
    std::string bytes;
    try {
        bytes = run::SaveFileBytes(state, {"p", "t", "01/01/2026"});
    } catch (const run::RecordError&) {
        return 0; // a value the record format cannot write (a non-finite number read back)
    }
    if (!sameState(run::ReadSaveBytes(bytes).state, state)) std::abort();
    return 0;
}
