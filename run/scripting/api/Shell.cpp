// Mail, web addresses, documents and programs through the system: the user's default handlers
// open the first three (xdg-open; the headless backend only records them), and a program of the
// game runs while the game waits for it. Files must lie where the file policy allows.
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/GameWindow.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/process/ChildProcess.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/ScriptFiles.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace run::api {

namespace {

constexpr const char* kOutsideFolders = "The file lies outside the game's folders.";

// Hands a target to the default handler; only a request that cannot be made is a failure.
void openTarget(ScriptContext& s, const std::string& target) {
    if (!s.project.ui.backend().openWithDefaultHandler(target))
        throw std::runtime_error("The system could not hand it to a program (is xdg-open installed?).");
}

// What a game may hand to the desktop: web addresses, plain mail addresses and its own documents.
// Anything else (local files through file://, attachments, programs, launchers) could run code or
// send the user's files away.
bool hasControlCharacters(const std::string& text) {
    for (unsigned char ch : text)
        if (ch < 32 || ch == 127) return true;
    return false;
}

void checkWebAddress(const std::string& url) {
    const std::string lower = platform::LowerCaseWin(url);
    if ((!lower.starts_with("http://") && !lower.starts_with("https://")) || hasControlCharacters(url))
        throw std::runtime_error("Only web addresses (http and https) are handed to the browser.");
}

void checkMailAddress(const std::string& address) {
    bool attachment = false;
    const std::size_t query = address.find('?');
    if (query != std::string::npos) {
        std::size_t start = query + 1;
        while (start <= address.size()) {
            const std::size_t end = std::min(address.find('&', start), address.size());
            const std::string name = platform::LowerCaseWin(address.substr(start, end - start));
            attachment = attachment || name.starts_with("attach");
            start = end + 1;
        }
    }
    if (attachment || hasControlCharacters(address))
        throw std::runtime_error(
            "Only plain mail addresses, without attachments, are handed to the mail program.");
}

bool isProgramOrLauncher(const std::string& path) {
    static const char* const kExtensions[] = {
        ".desktop", ".sh",  ".bash",     ".exe", ".com", ".bat", ".cmd", ".msi", ".jar", ".py", ".pl",
        ".run",     ".bin", ".appimage", ".deb", ".rpm", ".ps1", ".vbs", ".js",  ".so",  ".lnk"};
    const std::string ext = platform::LowerCaseWin(std::filesystem::path(path).extension().string());
    for (const char* e : kExtensions)
        if (ext == e) return true;
    // Scripts and programs by their first bytes, whatever they are called. The permission bits
    // say little: documents unpacked from a downloaded archive are often marked executable.
    char head[4] = {};
    std::ifstream in(path, std::ios::binary);
    in.read(head, sizeof head);
    const std::string_view bytes(head, 4);
    return bytes.starts_with("#!") || bytes.starts_with("MZ") ||
           bytes == "\x7F"
                    "ELF";
}

std::string fileMessage(const std::string& title) {
    return " Error opening the file titled '" + title + "'.\r\n\r\n";
}

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

// A downloaded game runs native programs only with the player's consent, asked once per game and
// kept in the game's settings. The question defaults to No, so a play-through without an answer
// refuses.
constexpr const char* kProgramsSetting = "AllowGamePrograms";

bool programsAllowed(ScriptContext& s, const std::string& path) {
    const std::string kept = platform::LowerCaseWin(s.project.getUserSetting(kProgramsSetting, ""));
    if (kept == "true") return true;
    if (kept == "false") return false;
    const int answer = s.project.ui.messageBox(
        "This game wants to run a program that came with it:\r\n\r\n" + path +
            "\r\n\r\nA program can do anything your user account can do. "
            "Allow this game to run its programs?",
        platform::kYesNo | platform::kQuestion | platform::kDefaultButton2, s.project.info.AdventureName);
    const bool allowed = answer == platform::kResultYes;
    s.project.saveUserSetting(kProgramsSetting, allowed ? "True" : "False");
    return allowed;
}

void runAndWait(Call& c, const std::string& title) {
    WaitGuard guard(c.game);
    auto path = ScriptFunctionPath(c.s.project, title, false);
    if (!path) throw std::runtime_error(kOutsideFolders);
    if (isWindowsProgram(*path))
        throw std::runtime_error("Windows programs (.exe, .com, .bat) cannot run on this system.");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*path, ec)) throw std::runtime_error("The file does not exist.");
    if (!programsAllowed(c.s, *path))
        throw std::runtime_error("The player did not allow this game to run programs.");
    std::string error;
    platform::ChildProcess child =
        platform::ChildProcess::start(*path, std::filesystem::path(*path).parent_path().string(), error);
    if (!child.started()) throw std::runtime_error(error);
    // Every 100 ms: is it still running? Meanwhile the game's timers and repaints go on. The
    // rest of each pass is waited out on the program itself, so a virtual clock does not spin.
    while (child.running() && !c.s.project.ui.quitRequested()) {
        auto before = std::chrono::steady_clock::now();
        c.s.project.ui.waitWithEvents(100);
        auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - before);
        if (spent.count() < 100) child.waitFor(100 - static_cast<int>(spent.count()));
    }
}

const ApiFunction kFunctions[] = {
    {u"SendEmail", 1, 1,
     [](Call& c) {
         std::string address = c.in.utf8(0);
         if (!c.ok() || address.empty()) return c.ok();
         return Caught(c, " Error opening the default mail client to send email to: " + address, [&] {
             checkMailAddress(address);
             openTarget(c.s, "mailto:" + address);
         });
     }},
    {u"OpenURL", 1, 1,
     [](Call& c) {
         std::string url = c.in.utf8(0);
         if (!c.ok() || url.empty()) return c.ok();
         return Caught(c, " Error opening the following URL with the default browser:\r\n\r\n" + url, [&] {
             checkWebAddress(url);
             openTarget(c.s, url);
         });
     }},
    {u"OpenFile", 1, 1,
     [](Call& c) {
         std::string title = c.in.utf8(0);
         if (!c.ok() || title.empty()) return c.ok();
         return Caught(c, fileMessage(title), [&] {
             auto path = ScriptFunctionPath(c.s.project, title, false);
             if (!path) throw std::runtime_error(kOutsideFolders);
             // A missing document is the shell's own failure, which goes unreported.
             std::error_code ec;
             if (!std::filesystem::is_regular_file(*path, ec)) return;
             if (isProgramOrLauncher(*path))
                 throw std::runtime_error(
                     "Programs and launchers are not opened for a game; only its documents.");
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

std::span<const ApiFunction> ShellFunctions() {
    return kFunctions;
}

} // namespace run::api
