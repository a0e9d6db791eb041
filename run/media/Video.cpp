// Videos over the frame (see Video.h).
#include "run/media/Video.h"

#include "run/media/AudioChannels.h"
#include "run/platform/ui/Form.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace run {

using platform::Element;
using platform::PixelsToTwips;
using platform::TwipsToPixels;

namespace {

constexpr const char* kOneTime = "OneTimeVideoPlayer";
constexpr const char* kHotspot = "VideoPlayer";
constexpr int kTickMs = 10;
constexpr int kStartPauseMs = 300;

// Pixels times 15 must stay a 32-bit number of twips.
int twipsOf(long pixels) {
    const std::int64_t twips = std::int64_t(pixels) * platform::kTwipsPerPixel;
    if (twips > std::numeric_limits<std::int32_t>::max() || twips < std::numeric_limits<std::int32_t>::min())
        throw std::runtime_error("Overflow");
    return static_cast<int>(twips);
}

} // namespace

struct Videos::Playing {
    Playing(platform::Mixer& mixer, platform::VideoPlayer::Clock clock) : player(mixer, std::move(clock)) {}
    platform::VideoPlayer player;
    std::string named; // the file as the game named it
    // Two pictures taken in turn, so a new one is written while the window may still hold the
    // last; neither is reallocated while the size stays.
    std::shared_ptr<platform::Picture> buffers[2];
};

Videos::Videos(ProjectContext& project, Flags& flags, ProjectFiles& files, platform::Mixer& mixer)
    : m_project(project), m_flags(flags), m_files(files), m_mixer(mixer), m_animations(project, flags) {}

Videos::~Videos() = default;

void Videos::build(platform::Form& form) {
    m_form = &form;
    for (const char* name : {kOneTime, kHotspot}) {
        if (!form.find(name, 0)) form.addElement(platform::ElementKind::Image, name, 0).visible = false;
    }
    platform::TimerElement& timer = form.addTimer("TimerVideo");
    timer.setInterval(kTickMs);
    timer.onTimer = [this] { TimerVideo_Timer(); };
    m_animations.build(form);
}

Videos::Playing* Videos::entry(const std::string& element, int index) const {
    auto it = m_playing.find({element, index});
    return it == m_playing.end() ? nullptr : it->second.get();
}

void Videos::startTimer() {
    if (platform::TimerElement* t = m_form->findTimer("TimerVideo"); t && !t->enabled) t->setEnabled(true);
}

void Videos::unload(const std::string& element, int index) {
    m_playing.erase({element, index});
    if (m_form->find(element, index)) m_form->unloadArrayMember(element, index);
}

void Videos::present(Element& e, Playing& p) {
    // The window may still hold the older of the two pictures; the other one is written.
    std::shared_ptr<platform::Picture>* free = &p.buffers[0];
    for (auto& b : p.buffers) {
        if (!b || b.use_count() == 1) free = &b;
    }
    if (!*free || free->use_count() > 1) *free = std::make_shared<platform::Picture>();
    (*free)->image = p.player.picture();
    (*free)->hasAlpha = false;
    e.picture = *free;
    m_project.ui.invalidate();
}

void Videos::PlayPlacedMovie(const std::string& file, bool unstretchedAtPosition, bool atOrigin, long left,
                             long top, long width, long height) {
    if (unstretchedAtPosition)
        PlayMovieWithStop(file, false, left, top, 0, 0);
    else if (atOrigin)
        PlayMovieWithStop(file, false, 0, 0, 0, 0);
    else
        PlayMovieWithStop(file, true, left, top, width, height);
}

void Videos::PlayMovieWithStop(const std::string& file, bool stretched, long left, long top, long width,
                               long height) {
    if (!m_form) return;
    m_project.trace.note("PlayMovieWithStop " + file);
    try {
        platform::Form& form = *m_form;
        if (!form.visible) m_project.ui.show(form);
        if (form.find(kOneTime, 1)) unload(kOneTime, 1);
        Element& frame = form.get("PictureBox");
        const int x = frame.left + twipsOf(left), y = frame.top + twipsOf(top);
        const int w = stretched ? twipsOf(width) : 0, h = stretched ? twipsOf(height) : 0;
        Element& e = form.loadArrayMember(kOneTime, 1);
        e.container = nullptr;
        e.left = x;
        e.top = y;
        // A click on the video ends the wait for it, as a click on the frame does.
        e.onMouseDown = [this](const platform::MouseArgs&) {
            m_flags.StopMovie = true;
            m_flags.SkipTransitionRequested = true;
        };
        auto p = std::make_unique<Playing>(m_mixer, [this] { return m_project.ui.now(); });
        p->named = file;
        Playing& playing = *p;
        m_playing[{kOneTime, 1}] = std::move(p);
        playing.player.setFileName(m_files.ResolveProjectFile(m_project.paths.frames + file));
        playing.player.setVolume(LevelToVolume(7));
        // Stretched to a rectangle with no area, the video keeps its own size rather than vanish.
        if (stretched && w > 0 && h > 0) {
            e.width = w;
            e.height = h;
            playing.player.setOutputSize(static_cast<int>(width), static_cast<int>(height));
        } else {
            e.width = PixelsToTwips(playing.player.naturalWidth());
            e.height = PixelsToTwips(playing.player.naturalHeight());
        }
        // The video shows over everything of the frame, as the platform's player window did.
        form.zOrder(e, 0);
        e.visible = playing.player.hasPictures();
        if (e.visible) present(e, playing);
        m_videoStarting = true;
        const std::uint64_t until = m_project.ui.now() + kStartPauseMs;
        m_project.ui.pump();
        while (m_project.ui.now() < until && !m_flags.Quitting && !m_project.ui.quitRequested()) {
            m_project.ui.backend().waitForEvent(
                static_cast<int>(m_project.ui.msUntilNextTimer(until - m_project.ui.now())));
            m_project.ui.pump();
        }
        m_videoStarting = false;
        // Events in the pause may have replaced or stopped this video.
        if (Playing* still = entry(kOneTime, 1); still == &playing && !m_flags.Quitting) {
            playing.player.Play();
            startTimer();
        }
        m_project.ui.pump();
        m_flags.StopMovie = false;
    } catch (const std::exception& e) {
        m_videoStarting = false;
        unload(kOneTime, 1);
        m_project.showErrorBox(" Error while attempting to play the following video file: \"" + file + "\". ",
                               e.what());
    }
}

void Videos::StopOneTimeVideoPlayer() {
    m_project.trace.note("StopOneTimeVideoPlayer");
    if (!m_form || !m_form->find(kOneTime, 1)) return;
    unload(kOneTime, 1);
    m_project.ui.invalidate();
}

bool Videos::IsOneTimeVideoPlaying() const {
    const Playing* p = entry(kOneTime, 1);
    return p && p->player.PlayState() == platform::VideoPlayer::kPlaying;
}

void Videos::WaitForVideoEnd(const std::function<void()>& eachTurn) {
    m_flags.VideoWaitRunning = true;
    while (IsOneTimeVideoPlaying() && !m_flags.StopMovie && !m_project.ui.quitRequested()) {
        m_project.ui.pump();
        if (eachTurn) eachTurn();
        if (!IsOneTimeVideoPlaying() || m_flags.StopMovie) break;
        // Sleeps until input or the next timer (the video's own at the latest).
        m_project.ui.backend().waitForEvent(static_cast<int>(m_project.ui.msUntilNextTimer(kTickMs)));
    }
    m_flags.VideoWaitRunning = false;
    m_flags.StopMovie = false;
}

void Videos::LoadVideoPlayer(int n, const HotspotVideo& video, int left, int top, int width, int height) {
    if (!m_form) return;
    platform::Form& form = *m_form;
    if (form.find(kHotspot, n)) unload(kHotspot, n);
    Element& e = form.loadArrayMember(kHotspot, n);
    e.container = &form.get("PictureBox");
    e.left = left;
    e.top = top;
    e.visible = false;
    auto p = std::make_unique<Playing>(m_mixer, [this] { return m_project.ui.now(); });
    p->named = video.file;
    Playing& playing = *p;
    m_playing[{kHotspot, n}] = std::move(p);
    playing.player.setFileName(m_files.ResolveProjectFile(m_project.paths.frames + video.file));
    playing.player.setRate(video.rate == 0 ? 1 : video.rate);
    playing.player.setPlayCount(video.playCount);
    playing.player.setVolume(LevelToVolume(video.level));
    if (video.fitsHotspot && width > 0 && height > 0) {
        e.width = width;
        e.height = height;
        playing.player.setOutputSize(TwipsToPixels(width), TwipsToPixels(height));
    } else {
        e.width = PixelsToTwips(playing.player.naturalWidth());
        e.height = PixelsToTwips(playing.player.naturalHeight());
    }
    form.zOrder(e, 0);
    if (playing.player.hasPictures()) present(e, playing);
}

void Videos::ShowVideoHotspot(int n, bool visible) {
    Element* e = m_form ? m_form->find(kHotspot, n) : nullptr;
    Playing* p = entry(kHotspot, n);
    if (!e || !p) return;
    if (e->visible && !visible) {
        e->visible = false;
        p->player.Stop();
    } else if (!e->visible && visible) {
        const Element* where = m_form->find("picWhere");
        if (!where || !where->visible) PlayVideoControl(n);
        e->visible = true;
    }
    m_project.ui.invalidate();
}

void Videos::RestartHotspotVideos() {
    m_project.trace.note("RestartHotspotVideos");
    if (!m_form) return;
    for (Element* e : m_form->arrayMembers(kHotspot)) {
        if (e->index > 0 && e->visible) PlayVideoControl(e->index);
    }
}

void Videos::UnloadHotspotVideos() {
    if (!m_form) return;
    auto members = m_form->arrayMembers(kHotspot);
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if ((*it)->index > 0) unload(kHotspot, (*it)->index);
    }
}

void Videos::PlayVideoControl(int n) {
    Playing* p = entry(kHotspot, n);
    if (!p) return;
    try {
        p->player.Play();
        startTimer();
    } catch (const std::exception& e) {
        const auto& t = m_project.uiText;
        m_project.ui.messageBox(t[30] + " " + t[31] + "\r\n\r\nUnable to play video file. " + e.what(),
                                platform::kCritical, t[29]);
    }
}

void Videos::TimerVideo_Timer() {
    bool anyPlaying = false;
    for (auto it = m_playing.begin(); it != m_playing.end();) {
        // A player whose element a script unloaded goes with it.
        Element* e = m_form->find(it->first.first, it->first.second);
        if (!e) {
            it = m_playing.erase(it);
            continue;
        }
        Playing& p = *it->second;
        const std::uint64_t shownBefore = p.player.picturesShown(),
                            droppedBefore = p.player.picturesDropped();
        if (p.player.update() && p.player.hasPictures()) present(*e, p);
        m_picturesShown += p.player.picturesShown() - std::min(shownBefore, p.player.picturesShown());
        m_picturesDropped += p.player.picturesDropped() - std::min(droppedBefore, p.player.picturesDropped());
        anyPlaying = anyPlaying || p.player.PlayState() == platform::VideoPlayer::kPlaying;
        ++it;
    }
    if (!anyPlaying) {
        if (platform::TimerElement* t = m_form->findTimer("TimerVideo")) t->setEnabled(false);
    }
}

std::vector<VideoShown> Videos::shown() const {
    std::vector<VideoShown> out;
    if (!m_form) return out;
    const Element* frame = m_form->find("PictureBox");
    for (const auto& [key, p] : m_playing) {
        const Element* e = m_form->find(key.first, key.second);
        if (!e) continue;
        VideoShown v;
        v.element = key.first;
        v.index = key.second;
        v.file = p->named;
        // The one-time player lies on the window; both are told in pixels of the frame area.
        const bool onWindow = e->container == nullptr;
        v.left = TwipsToPixels(e->left - (onWindow && frame ? frame->left : 0));
        v.top = TwipsToPixels(e->top - (onWindow && frame ? frame->top : 0));
        v.width = TwipsToPixels(e->width);
        v.height = TwipsToPixels(e->height);
        v.visible = e->visible;
        v.playing = p->player.PlayState() == platform::VideoPlayer::kPlaying;
        out.push_back(v);
    }
    return out;
}

} // namespace run
