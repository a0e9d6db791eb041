#include "run/platform/files/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace run::platform {
namespace {

std::string errnoText(const char* what, const std::filesystem::path& p, int err) {
    return std::string(what) + " '" + p.string() + "': " + std::strerror(err);
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

// Makes the rename itself durable; failure here is not worth reporting.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    if (file.empty() || !file.has_filename())
        return "Cannot write a file without a name: '" + file.string() + "'";
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) return "Cannot create the folder '" + folder.string() + "': " + ec.message();
    }

    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp = file;
    temp += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);

    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errnoText("Cannot create", temp, errno);

    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);

    std::string error;
    if (!writeAll(fd, bytes))
        error = errnoText("Cannot write", temp, errno);
    else if (::fsync(fd) != 0)
        error = errnoText("Cannot flush", temp, errno);
    if (::close(fd) != 0 && error.empty()) error = errnoText("Cannot close", temp, errno);
    if (error.empty() && ::rename(temp.c_str(), file.c_str()) != 0)
        error = errnoText("Cannot replace", file, errno);
    if (!error.empty()) {
        ::unlink(temp.c_str());
        return error;
    }
    syncFolder(folder);
    return {};
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string data;
    data.reserve(std::size_t(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return data;
}

} // namespace run::platform
