#include "run/platform/process/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <utility>

extern char** environ;

namespace run::platform {

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : m_pid(std::exchange(other.m_pid, -1)), m_ended(other.m_ended), m_exitCode(other.m_exitCode) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    m_pid = std::exchange(other.m_pid, -1);
    m_ended = other.m_ended;
    m_exitCode = other.m_exitCode;
    return *this;
}

ChildProcess ChildProcess::start(const std::string& path, const std::string& workingFolder,
                                 std::string& error) {
    ChildProcess p;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 29))
    if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
#else
    (void)workingFolder;
#endif
    const char* argv[] = {path.c_str(), nullptr};
    pid_t pid = -1;
    int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        error = std::strerror(rc);
        return p;
    }
    p.m_pid = pid;
    return p;
}

bool ChildProcess::running() {
    if (m_pid <= 0 || m_ended) return false;
    int status = 0;
    pid_t r = waitpid(m_pid, &status, WNOHANG);
    if (r == 0) return true;
    if (r < 0 && errno == EINTR) return true;
    m_ended = true;
    if (r == m_pid) m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

bool ChildProcess::waitFor(int ms) {
    using namespace std::chrono;
    const auto until = steady_clock::now() + milliseconds(std::max(0, ms));
    while (running()) {
        if (steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(milliseconds(5));
    }
    return true;
}

} // namespace run::platform
