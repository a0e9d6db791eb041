#pragma once
// Windows-style wildcards in file names (* and ?), as the file objects match
// them; hosts listing a game's files match the same way.
#include <string_view>

namespace vbs::files {

bool hasWildcard(std::u16string_view name);
// * and ? matched case-insensitively; "*.*" matches every name.
bool wildcardMatch(std::u16string_view pattern, std::u16string_view name);

} // namespace vbs::files
