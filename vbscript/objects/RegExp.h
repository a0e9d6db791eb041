#pragma once
// Internal to the RegExp object: the classic pattern syntax translated into
// PCRE2's, and the results of Execute shared by the Matches, Match and
// SubMatches objects (RegExpMatches.cpp).
#include "../Object.h"
#include "../Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

class Interp;

// A classic (ECMAScript 3) pattern rewritten for PCRE2 compiled with
// PCRE2_ALT_BSUX | PCRE2_DOLLAR_ENDONLY | PCRE2_MATCH_UNSET_BACKREF, in
// non-UTF 16-bit mode, plus PCRE2_CASELESS | PCRE2_UCP when ignoreCase.
struct TranslatedPattern {
    std::u16string pcre;
    uint32_t groups = 0; // capturing groups
    int32_t error = 0;   // classic error number (5017..5021), 0 when valid
};
TranslatedPattern translatePattern(std::u16string_view pattern, bool ignoreCase, bool multiline);

// What one Execute found: the subject and, per match, (groups + 1) start/end
// pairs of offsets; kUnset marks a group that took no part.
struct MatchSet {
    static constexpr size_t kUnset = ~size_t(0);
    Value subject; // a String
    uint32_t groups = 0;
    std::vector<size_t> spans;

    size_t count() const { return spans.size() / (2 * (size_t(groups) + 1)); }
    const size_t* match(size_t i) const { return spans.data() + i * 2 * (size_t(groups) + 1); }
    std::u16string_view text() const { return subject.asString(); }
};

// The IMatchCollection2 object over a finished search.
Object* newMatchCollection(Interp& rt, std::shared_ptr<const MatchSet> set);

} // namespace vbs
