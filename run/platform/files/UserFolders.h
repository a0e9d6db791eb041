// The user's own folders as the desktop names them.
#pragma once

#include <string>

namespace run::platform {

// The documents folder: XDG_DOCUMENTS_DIR, else the one user-dirs.dirs names, else
// $HOME/Documents; "" when there is no home at all.
std::string DocumentsFolder();

} // namespace run::platform
