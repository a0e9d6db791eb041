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
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i)
            if (x[i].Name != y[i].Name || !(x[i].Value == y[i].Value)) return false;
        return true;
    };
    return a.frame == b.frame && sameVars(a.integers, b.integers) && sameVars(a.disappeared, b.disappeared) &&
           a.items == b.items && a.history == b.history && sameVars(a.variants, b.variants);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    run::GameState state;
    try {
        state = run::ReadSaveBytes(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const run::RecordError&) {
        return 0;
    }
    // Only complete saves round-trip: an older save writes back in today's longer form.
    if (!state.hasHistory || !state.hasVariants) return 0;
    std::string bytes;
    try {
        bytes = run::SaveFileBytes(state, {"p", "t", "01/01/2026"});
    } catch (const run::RecordError&) {
        return 0;   // a value the record format cannot write (a non-finite number read back)
    }
    if (!sameState(run::ReadSaveBytes(bytes), state)) std::abort();
    return 0;
}
