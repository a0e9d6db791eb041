// Path resolution and the host's file policy for the file objects.
#include "FileAccess.h"

#include "../Interp.h"

#include <cerrno>
#include <sys/stat.h>

namespace vbs::files {

std::string mapOnly(Interp& rt, std::u16string_view scriptPath) {
    if (scriptPath.find(u'\0') != std::u16string_view::npos) throwError(Err::BadFileNameOrNumber);
    std::string native;
    if (rt.config().mapPath) {
        native = rt.config().mapPath(scriptPath);
    } else {
        std::u16string s(scriptPath);
        for (auto& c : s)
            if (c == u'\\') c = u'/';
        native = toUtf8(s);
    }
    if (native.find('\0') != std::string::npos) throwError(Err::BadFileNameOrNumber);
    return native;
}

namespace {

// Resolves without the policy check; raises for broken paths.
fs::path resolvedPath(const fs::path& native) {
    std::error_code ec;
    fs::path abs = native.is_absolute() ? native : fs::current_path(ec) / native;
    if (ec) raiseErrno(ec.value(), Err::PathNotFound);
    fs::path r = fs::weakly_canonical(abs, ec);
    if (ec) raiseErrno(ec.value(), Err::PathNotFound);
    std::string s = r.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    if (s.empty() || s[0] != '/') throwError(Err::PathNotFound);
    // Components that exist are resolved now; the first missing one could
    // still be a dangling link, which a later create would follow.
    for (size_t pos = 1; pos <= s.size(); ++pos) {
        if (pos != s.size() && s[pos] != '/') continue;
        struct stat st;
        if (::lstat(s.substr(0, pos).c_str(), &st) != 0) break;
        if (S_ISLNK(st.st_mode)) throwError(Err::PermissionDenied);
    }
    return fs::path(s);
}

void checkPolicy(Interp& rt, const fs::path& resolved, bool write) {
    const auto& allow = rt.config().fileAccess;
    if (allow && !allow(resolved.string(), write)) throwError(Err::PermissionDenied);
}

} // namespace

fs::path resolve(Interp& rt, std::u16string_view scriptPath, bool write) {
    if (scriptPath.empty()) throwError(Err::InvalidCall);
    std::string native = mapOnly(rt, scriptPath);
    if (native.empty()) throwError(Err::InvalidCall);
    return resolveNative(rt, fs::path(native), write);
}

fs::path resolveNative(Interp& rt, const fs::path& native, bool write) {
    if (native.empty()) throwError(Err::InvalidCall);
    fs::path r = resolvedPath(native);
    checkPolicy(rt, r, write);
    return r;
}

fs::path tryResolve(Interp& rt, const fs::path& native, bool write) {
    try {
        return resolveNative(rt, native, write);
    } catch (const ScriptError&) {
        return {};
    }
}

void checkStop(Interp& rt) {
    int32_t number = 0;
    if (rt.stopRequested(number)) throwError(number, std::u16string(errorText(number)), {});
}

void raiseErrno(int err, Err missing) {
    switch (err) {
    case ENOENT:
        throwError(missing);
    case ENOTDIR:
        throwError(Err::PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ELOOP:
    case ETXTBSY:
    case EBUSY:
    case EXDEV:
        throwError(Err::PermissionDenied);
    case EEXIST:
    case ENOTEMPTY:
        throwError(Err::FileAlreadyExists);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        throwError(Err::DiskFull);
    case ENAMETOOLONG:
    case EINVAL:
        throwError(Err::BadFileNameOrNumber);
    case ENOMEM:
        throwError(Err::OutOfMemory);
    default:
        throwError(Err::PathFileAccess);
    }
}

std::u16string scriptText(const fs::path& p) {
    return fromUtf8(p.string());
}

bool hasWildcard(std::u16string_view name) {
    return name.find_first_of(u"*?") != std::u16string_view::npos;
}

namespace {

char16_t fold(char16_t c) {
    return c >= 'a' && c <= 'z' ? char16_t(c - 32) : c;
}

} // namespace

bool wildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    if (pattern == u"*.*") pattern = u"*";
    // Greedy matching with one backtrack point: linear, no recursion.
    size_t p = 0, n = 0, star = std::u16string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || fold(pattern[p]) == fold(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = n;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace vbs::files
