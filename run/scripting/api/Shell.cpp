// Mail, web addresses, documents and programs through the system: the user's default handlers
// open the first three (xdg-open; the headless backend only records them), and a program of the
// game runs while the game waits for it. Files must lie where the file policy allows.
#include "run/scripting/api/ApiFunction.h"

#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/process/ChildProcess.h"
#include "run/scripting/ScriptFiles.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>

namespace run::api {

namespace {

constexpr const char* kOutsideFolders = "The file lies outside the game's folders.";

// Hands a target to the default handler; only a request that cannot be made is a failure.
void openTarget(Session& s, const std::string& target) {
    if (!s.ui.backend().openWithDefaultHandler(target))
        throw std::runtime_error("The system could not hand it to a program (is xdg-open installed?).");
}

std::string fileMessage(const std::string& title) { return " Error opening the file titled '" + title + "'.\r\n\r\n"; }

bool isWindowsProgram(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    return platform::EqualsNoCase(ext, ".exe") || platform::EqualsNoCase(ext, ".com") ||
           platform::EqualsNoCase(ext, ".bat");
}

// While a program of the game runs, the window takes no input and the frame timer is held; both
// come back however the wait ends.
class WaitGuard {
  public:
    explicit WaitGuard(GameWindow& game) : m_form(game.form()), m_timer(m_form.findTimer("Timer1")) {
        m_wasEnabled = m_form.enabled;
        m_timerRan = m_timer && m_timer->enabled;
        m_form.enabled = false;
        if (m_timer) m_timer->setEnabled(false);
    }
    ~WaitGuard() {
        m_form.enabled = m_wasEnabled;
        if (m_timer && m_timerRan) m_timer->setEnabled(true);
    }

  private:
    platform::Form& m_form;
    platform::TimerElement* m_timer;
    bool m_wasEnabled = true;
    bool m_timerRan = false;
};

void runAndWait(Call& c, const std::string& title) {
    WaitGuard guard(c.game);
    auto path = ScriptFunctionPath(c.s, title, false);
    if (!path) throw std::runtime_error(kOutsideFolders);
    if (isWindowsProgram(*path))
        throw std::runtime_error("Windows programs (.exe, .com, .bat) cannot run on this system.");
    std::string error;
    platform::ChildProcess child =
        platform::ChildProcess::start(*path, std::filesystem::path(*path).parent_path().string(), error);
    if (!child.started()) throw std::runtime_error(error);
    // Every 100 ms: is it still running? Meanwhile the game's timers and repaints go on. The
    // rest of each pass is waited out on the program itself, so a virtual clock does not spin.
    while (child.running() && !c.s.ui.quitRequested()) {
        auto before = std::chrono::steady_clock::now();
        c.s.ui.waitWithEvents(100);
        auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - before);
        if (spent.count() < 100) child.waitFor(100 - static_cast<int>(spent.count()));
    }
}

const ApiFunction kFunctions[] = {
    {u"SendEmail", 1, 1,
     [](Call& c) {
         std::string address = c.in.utf8(0);
         if (!c.ok() || address.empty()) return c.ok();
         return Caught(c, " Error opening the default mail client to send email to: " + address,
                       [&] { openTarget(c.s, "mailto:" + address); });
     }},
    {u"OpenURL", 1, 1,
     [](Call& c) {
         std::string url = c.in.utf8(0);
         if (!c.ok() || url.empty()) return c.ok();
         return Caught(c, " Error opening the following URL with the default browser:\r\n\r\n" + url,
                       [&] { openTarget(c.s, url); });
     }},
    {u"OpenFile", 1, 1,
     [](Call& c) {
         std::string title = c.in.utf8(0);
         if (!c.ok() || title.empty()) return c.ok();
         return Caught(c, fileMessage(title), [&] {
             auto path = ScriptFunctionPath(c.s, title, false);
             if (!path) throw std::runtime_error(kOutsideFolders);
             openTarget(c.s, *path);
         });
     }},
    {u"OpenExeFileAndWait", 1, 1,
     [](Call& c) {
         std::string title = c.in.utf8(0);
         if (!c.ok() || title.empty()) return c.ok();
         return Caught(c, fileMessage(title), [&] { runAndWait(c, title); });
     }},
};

} // namespace

std::span<const ApiFunction> ShellFunctions() { return kFunctions; }

} // namespace run::api
