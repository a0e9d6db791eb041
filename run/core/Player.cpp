// Wiring of the player's windows.
#include "run/core/Player.h"

#include "run/core/StateText.h"

#include "run/frames/TimedEvents.h"
#include "run/project/StartUp.h"

#include "run/media/Transitions.h"

#include "run/frames/Inventory.h"
#include "run/frames/KeyboardPlay.h"
#include "run/frames/RipplingWater.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/files/UserFolders.h"
#include "run/platform/files/WindowsPath.h"
#include "run/platform/media/MidiSource.h"

#include <cstdio>
#include <filesystem>
#include <malloc.h>

namespace run {

namespace {

// Every frame decodes its pictures afresh, a few megabytes each; keeping freed memory for the
// next frame instead of returning it to the system halves the time a frame takes to open.
void keepPictureMemory() {
    static const bool done = [] {
        mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
        return true;
    }();
    static_cast<void>(done);
}

// Whether the game's Areas folder holds a ".mid" file (any letter case).
bool HasMidiFiles(const std::string& projectFolder) {
    std::error_code ec;
    const std::filesystem::path folder =
        platform::FindPathNoCase((std::filesystem::path(projectFolder) / "Areas").string())
            .value_or(std::filesystem::path());
    if (folder.empty()) return false;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (platform::LowerCaseWin(entry.path().extension().string()) == ".mid") return true;
    }
    return false;
}

} // namespace

Player::Player(platform::IBackend& backend, PlayerOptions options)
    : m_backend(backend), m_ui(backend, m_fonts),
      m_settings(options.settingsFile.empty() ? platform::SettingsStore::DefaultFile()
                                              : options.settingsFile),
      m_game({m_project, m_flags, m_files, m_state, m_audio, m_videos, m_dialogues, m_plugins, m_components,
              m_halt, m_scripts, m_play},
             [this] { onGameUnloaded(); }),
      m_welcome(m_project, m_flags, {[this] { startGame(); }, [this] { m_play.ShowLoadGameWindow(false); }}) {
    keepPictureMemory();
    m_installedComponents = options.installedComponents;
    m_project.componentRegistry = &m_componentRegistry;
    m_project.projectFolder = options.projectFolder;
    m_project.documentsFolder =
        options.documentsFolder.empty() ? platform::DocumentsFolder() : options.documentsFolder.string();
    // The General MIDI font takes a fraction of a second to load: a game with tunes gets it
    // loaded while its welcome window shows, so its first tune starts at once.
    if (HasMidiFiles(m_project.projectFolder))
        m_tunesReady = std::thread([] { platform::MidiSource::preload(); });
    std::string audioError;
    if (!m_backend.audioOutput().open([this](float* out, std::size_t frames) { m_mixer.pull(out, frames); },
                                      audioError)) {
        std::fprintf(stderr, "run: no sound device (%s); the game plays without sound.\n",
                     audioError.c_str());
    }
    m_play.setWelcomeHooks([this] { m_ui.hide(m_welcome.form()); },
                           [this] {
                               const platform::Element& box = m_welcome.form().get("chkResolution");
                               return m_ui.isLoaded(m_welcome.form()) && box.visible && box.value == 1;
                           });
}

// The windows are members destroyed before the window system: it lets go of them while they
// still exist.
Player::~Player() {
    if (m_tunesReady.joinable()) m_tunesReady.join();
    m_backend.audioOutput().close();
    m_ui.forgetAll();
}

void Player::start() {
    RegisterInstalledComponents(m_installedComponents, m_componentRegistry);
    m_welcome.load();
}

void Player::run() {
    m_ui.runUntil([this] { return m_flags.programEnded; });
}

void Player::startGame() {
    m_game.load();
    m_game.ResetAll();
    m_ui.hide(m_welcome.form());
    m_game.StartNewGame();
    m_game.show();
}

void Player::onGameUnloaded() {
    if (m_welcome.skipped()) {
        m_welcome.unload();
    } else if (m_ui.isLoaded(m_welcome.form())) {
        m_ui.show(m_welcome.form());
    }
}

std::vector<std::string> Player::describeState() {
    std::vector<std::string> out;
    platform::Form* active = m_ui.activeForm();
    out.push_back(std::string("window: ") +
                  (active ? active->name : (m_flags.programEnded ? "(ended)" : "(none)")));
    if (active == &m_welcome.form()) {
        for (const auto& e : active->elements()) {
            if (!e->visible || e->caption.empty()) continue;
            if (e->kind == platform::ElementKind::Timer || e->kind == platform::ElementKind::Image) continue;
            std::string name = e->name + (e->index >= 0 ? "(" + std::to_string(e->index) + ")" : "");
            out.push_back("element: " + name + " = " + e->caption);
        }
        if (const std::string f = m_welcome.focused(); !f.empty()) out.push_back("highlight: " + f);
    }
    if (m_game.loaded()) {
        platform::Form& g = m_game.form();
        out.push_back("frame: " + m_game.frameName());
        // Hotspots by number with their rectangle in frame pixels; animated ones by their box.
        for (const platform::Element* a : g.arrayMembers("Area")) {
            if (a->index == 0) continue;
            const platform::Element* shown = a;
            if (a->whatsThisHelpID > 0) shown = g.find("AniGifBox", a->whatsThisHelpID);
            if (!shown || !shown->visible) continue;
            out.push_back("hotspot: " + std::to_string(a->index) + " at " +
                          std::to_string(platform::TwipsToPixels(shown->left)) + "," +
                          std::to_string(platform::TwipsToPixels(shown->top)) + " size " +
                          std::to_string(platform::TwipsToPixels(shown->width)) + "x" +
                          std::to_string(platform::TwipsToPixels(shown->height)));
        }
        for (const platform::Element* t : g.arrayMembers("Text")) {
            if (t->index > 0 && t->visible)
                out.push_back("text: " + std::to_string(t->index) + " = " + t->caption);
        }
        const platform::Element& box = g.get("LabelMessageBox");
        if (box.visible) out.push_back("message: " + box.caption);
        // The menu bar as the player sees it: the visible top-level menus, in bar order.
        std::string menus;
        for (const auto& e : g.elements()) {
            if (e->kind != platform::ElementKind::Menu || e->container || !e->visible) continue;
            menus += (menus.empty() ? "" : ", ") + e->name;
        }
        if (!menus.empty()) out.push_back("menus: " + menus);
        for (int i = 1; i <= m_game.inventory().ObjectsCount(); ++i) {
            out.push_back("item: " + std::to_string(i) + " = " + m_game.inventory().itemName(i));
        }
        for (const auto& v : m_state.variables.Variables) {
            out.push_back("variable: " + v.Name + " = " + std::to_string(v.Value));
        }
        for (const auto& v : m_state.variables.VariablesVariant) {
            out.push_back("variable: " + v.Name + " = " + v.Value.text());
        }
        // The components scripts added: name, ProgID, where they lie and whether they show.
        for (const ComponentShown& c : m_components.shown())
            out.push_back("component: " + c.name + " = " + c.progId + " at " + std::to_string(c.left) + "," +
                          std::to_string(c.top) + " size " + std::to_string(c.width) + "x" +
                          std::to_string(c.height) + (c.visible ? " (visible)" : " (hidden)"));
        for (const ComponentShown& c : m_components.shown())
            if (!c.doing.empty()) out.push_back("component state: " + c.name + " = " + c.doing);
        // Keyboard play: what Tab highlights, and the item Enter has taken.
        if (const std::string h = m_game.keyboard().highlighted(); !h.empty())
            out.push_back("highlight: " + h);
        if (const std::string h = m_game.keyboard().holding(); !h.empty()) out.push_back("holding: " + h);
        // The running dialogue and the questions it offers, top to bottom.
        if (m_dialogues.active()) {
            const bool panel = g.get("fmeDialogue").visible;
            out.push_back("dialogue: " + m_dialogues.dialogueFrame() + (panel ? "" : " (waiting)"));
            for (const DialogueLine& q : m_dialogues.shownLines())
                out.push_back("question: " + std::to_string(q.question) + " " + QuotedStateText(q.caption) +
                              " at " + std::to_string(q.left) + "," + std::to_string(q.top) +
                              (q.asked ? " (asked)" : " (not asked)"));
        }
        // The plug-ins loaded at the game's reset, in load order.
        for (const PluginRecord& p : m_plugins.loaded())
            out.push_back("plugin: " + p.identifier + " (" + p.file + ")");
        // The timed events still to come: number, interval, once or repeating, and their code.
        const auto& events = m_game.timedEvents().entries();
        for (std::size_t k = 0; k < events.size(); ++k) {
            if (!events[k].active) continue;
            const int n = static_cast<int>(k) + 1;
            const platform::TimerElement* t = m_game.form().findTimer("TimedEvent", n);
            out.push_back("timed event: " + std::to_string(n) + " = " + events[k].code + " (" +
                          std::to_string(t ? t->interval() : 0) + " ms, " +
                          (events[k].repeatForever ? "repeating" : "once") + ")");
        }
        for (std::string& line : m_audio.describe())
            out.push_back(std::move(line));
        // The players of components, after the game's own seven.
        for (const ComponentSound& c : m_components.sounds())
            out.push_back("sound: " + c.name + " = " + c.file + " (" + std::to_string(c.volume) +
                          (c.balance ? ", balance " + std::to_string(c.balance) : std::string()) +
                          (c.loop ? ", loop)" : ", once)"));
        // The frame's rippling water: where it lies and whether it moves now.
        const platform::Element& water = g.get("PicRipplingWater");
        if (water.visible) {
            const bool moving = m_game.water().WaterActive() && g.findTimer("TimerRipplingWater")->enabled;
            out.push_back("water: " + std::to_string(platform::TwipsToPixels(water.left)) + "," +
                          std::to_string(platform::TwipsToPixels(water.top)) + " size " +
                          std::to_string(platform::TwipsToPixels(water.width)) + "x" +
                          std::to_string(platform::TwipsToPixels(water.height)) +
                          (moving ? " (rippling)" : " (still)"));
        }
        // Videos and animated pictures: the file as the game named it, where each lies in the
        // frame area, and whether it moves.
        auto place = [](int x, int y, int w, int h) {
            return " at " + std::to_string(x) + "," + std::to_string(y) + " size " + std::to_string(w) + "x" +
                   std::to_string(h);
        };
        for (const VideoShown& v : m_videos.shown()) {
            const std::string where = place(v.left, v.top, v.width, v.height);
            if (v.element == "OneTimeVideoPlayer") {
                out.push_back("video: " + v.file + where + (v.playing ? " (playing)" : " (ended)"));
            } else {
                out.push_back("hotspot video: " + std::to_string(v.index) + " = " + v.file + where +
                              (!v.visible  ? " (hidden)"
                               : v.playing ? " (playing)"
                                           : " (stopped)"));
            }
        }
        for (const AnimationShown& a : m_videos.animations().shown()) {
            out.push_back("animation: " + std::to_string(a.index) + " = " + a.file +
                          place(a.left, a.top, a.width, a.height) + ", picture " +
                          std::to_string(a.picture + 1) + "/" + std::to_string(a.pictures) +
                          (!a.visible  ? " (hidden)"
                           : a.playing ? " (playing)"
                                       : " (stopped)"));
        }
        // A transition being drawn: its number and kind, and how far it has come.
        const Flags& flags = m_flags;
        if (flags.TransitionRunning) {
            const int n = flags.TransitionNumber;
            const std::string& kind =
                LoadTransitionNames()[static_cast<std::size_t>(n <= 0 ? 1 : std::min(n, 5))];
            out.push_back("transition: " + std::to_string(n) + " (" + kind + "), " +
                          std::to_string(static_cast<int>(flags.TransitionFraction * 100)) + "%");
        }
    }
    if (active) {
        if (auto tip = m_ui.toolTipOn(*active)) out.push_back("tooltip: " + *tip);
    }
    return out;
}
} // namespace run
