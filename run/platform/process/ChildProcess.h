// A program the game starts and waits for: started without a shell (the path is the program),
// watched without blocking, and reaped once it has ended so no zombie is left.
#pragma once

#include <string>
#include <sys/types.h>

namespace run::platform {

class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    // A process still running when its owner goes is left to run; it is reaped by init.
    ~ChildProcess() = default;

    // Starts `path` (no arguments) in `workingFolder`; on failure returns an empty process and
    // the reason in `error`.
    static ChildProcess start(const std::string& path, const std::string& workingFolder, std::string& error);

    bool started() const { return m_pid > 0; }
    // True while the program runs; checks without waiting.
    bool running();
    // Waits up to `ms` milliseconds for the end; true when it has ended.
    bool waitFor(int ms);
    int exitCode() const { return m_exitCode; }

  private:
    pid_t m_pid = -1;
    bool m_ended = false;
    int m_exitCode = 0;
};

} // namespace run::platform
