// File and folder operations on resolved paths, with the classic errors.
#include "FileOps.h"
#include "FileAccess.h"

#include "../Errors.h"
#include "../Interp.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vbs::files {

namespace {

constexpr int kMaxDepth = 128; // folder nesting followed by copies and walks

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

bool lexicallyWithin(const fs::path& p, const fs::path& root) {
    const std::string s = p.string(), r = root.string();
    return s == r ||
           (s.size() > r.size() && s.compare(0, r.size(), r) == 0 && (r == "/" || s[r.size()] == '/'));
}

void copyTree(Interp& rt, const fs::path& src, const fs::path& dst, bool overwrite, int depth) {
    if (depth > kMaxDepth) throwError(Err::PathFileAccess);
    std::error_code ec;
    if (!fs::is_directory(dst, ec)) {
        if (fs::exists(dst, ec)) throwError(Err::FileAlreadyExists);
        if (!fs::create_directory(dst, ec) && ec) raiseErrno(ec.value(), Err::PathNotFound);
    }
    std::vector<fs::path> names;
    for (fs::directory_iterator it(src, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename());
    if (ec) raiseErrno(ec.value(), Err::PathNotFound);
    for (const auto& name : names) {
        checkStop(rt);
        // Folder links are not followed (no loops); entries the policy refuses are left out.
        if (fs::is_symlink(fs::symlink_status(src / name, ec)) && fs::is_directory(src / name, ec)) continue;
        fs::path from = tryResolve(rt, src / name, false);
        if (from.empty()) continue;
        fs::path to = resolveNative(rt, dst / name, true);
        if (isFolder(from))
            copyTree(rt, from, to, overwrite, depth + 1);
        else if (isFile(from))
            copyFile(rt, from, to, overwrite);
    }
}

// Everything a removal or a move of folder p would take along must be writable
// for the host (a policy may protect a folder inside an allowed one) and, without
// force, carry no read-only file. Links are checked as themselves, not followed.
void checkTree(Interp& rt, const fs::path& p, bool force, int depth) {
    if (depth > kMaxDepth) throwError(Err::PathFileAccess);
    const auto& allow = rt.config().fileAccess;
    std::error_code ec;
    for (fs::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec)) {
        checkStop(rt);
        if (allow && !allow(it->path().string(), true)) throwError(Err::PermissionDenied);
        auto st = it->symlink_status(ec);
        if (fs::is_directory(st))
            checkTree(rt, it->path(), force, depth + 1);
        else if (!force && fs::is_regular_file(st) && isReadOnly(it->path()))
            throwError(Err::PermissionDenied);
    }
    if (ec) raiseErrno(ec.value(), Err::PathNotFound);
}

} // namespace

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool isReadOnly(const fs::path& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR);
}

bool endsWithSeparator(std::u16string_view s) {
    return !s.empty() && (s.back() == u'\\' || s.back() == u'/');
}

std::vector<fs::path> expand(Interp& rt, std::u16string_view spec, bool folders, bool write, bool* wild) {
    const Err missing = folders ? Err::PathNotFound : Err::FileNotFound;
    if (wild) *wild = false;
    if (spec.empty()) throwError(Err::InvalidCall);
    std::string native = mapOnly(rt, spec);
    size_t slash = native.rfind('/');
    std::u16string pattern = fromUtf8(slash == std::string::npos ? native : native.substr(slash + 1));
    std::vector<fs::path> found;
    if (!hasWildcard(pattern)) {
        fs::path p = resolve(rt, spec, write);
        if (folders ? !isFolder(p) : !isFile(p)) throwError(missing);
        found.push_back(p);
        return found;
    }
    if (wild) *wild = true;
    std::string parentNative = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
    fs::path parent = resolveNative(rt, parentNative, false);
    if (!isFolder(parent)) throwError(Err::PathNotFound);
    std::error_code ec;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        if (!wildcardMatch(pattern, nameOf(it->path()))) continue;
        fs::path p = tryResolve(rt, it->path(), write);
        if (p.empty() || (folders ? !isFolder(p) : !isFile(p))) continue;
        found.push_back(p);
    }
    if (found.empty()) throwError(missing);
    return found;
}

fs::path destination(Interp& rt, const fs::path& src, std::u16string_view dst, bool intoFolder) {
    if (dst.empty()) throwError(Err::InvalidCall);
    if (intoFolder || endsWithSeparator(dst)) {
        fs::path folder = resolve(rt, dst, false);
        if (!isFolder(folder)) throwError(Err::PathNotFound);
        return resolveNative(rt, folder / src.filename(), true);
    }
    return resolve(rt, dst, true);
}

void copyFile(Interp& rt, const fs::path& src, const fs::path& dst, bool overwrite) {
    if (src == dst) throwError(Err::PermissionDenied);
    if (isFolder(dst)) throwError(Err::PermissionDenied);
    if (isFile(dst)) {
        if (!overwrite) throwError(Err::FileAlreadyExists);
        if (isReadOnly(dst)) throwError(Err::PermissionDenied);
    }
    Fd in{::open(src.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK)};
    if (in.fd < 0) raiseErrno(errno);
    struct stat st;
    if (::fstat(in.fd, &st) != 0) raiseErrno(errno);
    if (!S_ISREG(st.st_mode)) throwError(Err::PermissionDenied);
    Fd out{::open(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, st.st_mode & 0777)};
    if (out.fd < 0) raiseErrno(errno, Err::PathNotFound);
    char buf[65536];
    while (true) {
        ssize_t n = ::read(in.fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) raiseErrno(errno);
        if (n == 0) break;
        checkStop(rt);
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(out.fd, buf + done, size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) raiseErrno(errno);
            done += w;
        }
    }
}

void copyFolder(Interp& rt, const fs::path& src, const fs::path& dst, bool overwrite) {
    // A copy into its own source would never end.
    if (lexicallyWithin(dst, src)) throwError(Err::PermissionDenied);
    copyTree(rt, src, dst, overwrite, 0);
}

void moveEntry(Interp& rt, const fs::path& src, const fs::path& dst) {
    if (src == src.root_path() || lexicallyWithin(dst, src)) throwError(Err::PermissionDenied);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(dst, ec))) throwError(Err::FileAlreadyExists);
    if (isFolder(src)) checkTree(rt, src, true, 0);
    if (::renameat2(AT_FDCWD, src.c_str(), AT_FDCWD, dst.c_str(), RENAME_NOREPLACE) == 0) return;
    int e = errno;
    if (e == EINVAL || e == ENOSYS) { // a file system without no-replace renames
        if (::rename(src.c_str(), dst.c_str()) == 0) return;
        e = errno;
    }
    if (e != EXDEV) raiseErrno(e, Err::PathNotFound);
    if (isFolder(src)) {
        copyFolder(rt, src, dst, false);
        deleteFolder(rt, src, true);
    } else {
        copyFile(rt, src, dst, false);
        deleteFile(src, true);
    }
}

void deleteFile(const fs::path& p, bool force) {
    if (!force && isReadOnly(p)) throwError(Err::PermissionDenied);
    if (::unlink(p.c_str()) != 0) raiseErrno(errno);
}

void deleteFolder(Interp& rt, const fs::path& p, bool force) {
    if (p == p.root_path()) throwError(Err::PermissionDenied); // a drive's root is never removed
    checkTree(rt, p, force, 0);
    std::error_code ec;
    fs::remove_all(p, ec); // removes links themselves, never what they point at
    if (ec) raiseErrno(ec.value(), Err::PathNotFound);
}

} // namespace vbs::files
