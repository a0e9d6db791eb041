#pragma once
// The single road from a script's path to a native one for every file object:
// the host's mapPath, made absolute, symbolic links resolved for every existing
// component, then the host's fileAccess verdict on exactly that path. Also the
// classic errors for failed system calls (wildcards: Wildcard.h).
#include "../Errors.h"
#include "Wildcard.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vbs {

class Interp;

namespace files {

namespace fs = std::filesystem;

// The host's mapping only (unset: backslashes become slashes); raises 52 for
// a path with a NUL character in it.
std::string mapOnly(Interp& rt, std::u16string_view scriptPath);
// A script's path made absolute, resolved and allowed for reading or writing;
// raises 70 when refused, 5 for an empty path.
fs::path resolve(Interp& rt, std::u16string_view scriptPath, bool write);
// The same for a native path the objects already hold (a File's own path, a
// listing entry): every use is checked again.
fs::path resolveNative(Interp& rt, const fs::path& native, bool write);
// resolveNative without raising: the resolved path, or empty when refused or
// broken (listings silently leave such entries out).
fs::path tryResolve(Interp& rt, const fs::path& native, bool write);

// Long copies and folder walks poll the host's time-out and interrupt: a
// stop raises the error number that ends the script.
void checkStop(Interp& rt);

// The classic error for an errno value; ENOENT raises missing.
[[noreturn]] void raiseErrno(int err, Err missing = Err::FileNotFound);

// Native UTF-8 path text to a script string and back.
std::u16string scriptText(const fs::path& p);
inline std::u16string nameOf(const fs::path& p) {
    return scriptText(p.filename());
}

} // namespace files
} // namespace vbs
