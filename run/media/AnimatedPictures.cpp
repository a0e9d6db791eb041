// The animated pictures of the frame (see AnimatedPictures.h).
#include "run/media/AnimatedPictures.h"

#include "run/platform/ui/Form.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/ProjectPaths.h"

#include <algorithm>
#include <stdexcept>

namespace run {

using platform::Element;
using platform::PixelsToTwips;
using platform::TwipsToPixels;

namespace {

constexpr const char* kBox = "AniGifBox";
constexpr const char* kGif = "AniGif";
constexpr int kTickMs = 10;

} // namespace

AnimatedPictures::AnimatedPictures(ProjectContext& project, Flags& flags)
    : m_project(project), m_flags(flags) {}

void AnimatedPictures::build(platform::Form& form) {
    m_form = &form;
    if (!form.find(kBox, 0)) {
        Element& box = form.addElement(platform::ElementKind::Image, kBox, 0);
        box.container = form.find("PictureBox");
        box.visible = false;
    }
    if (!form.find(kGif, 0)) form.addElement(platform::ElementKind::Image, kGif, 0).visible = false;
    platform::TimerElement& timer = form.addTimer("TimerAniGif");
    timer.setInterval(kTickMs);
    timer.onTimer = [this] { TimerAniGif_Timer(); };
}

int AnimatedPictures::AniGifNewWithIndex(int i, const std::string& file, int x, int y, int speed,
                                         const std::string& named) {
    if (file.empty() || i <= 0 || !m_form) return 0;
    platform::Form& form = *m_form;
    Element& box = form.find(kBox, i) ? form.get(kBox, i) : form.loadArrayMember(kBox, i);
    Element& gif = form.find(kGif, i) ? form.get(kGif, i) : form.loadArrayMember(kGif, i);
    box.container = &form.get("PictureBox");
    gif.container = &box;
    gif.visible = false; // the box shows the pictures; the animation is kept with it
    box.left = x;
    box.top = y;
    form.zOrder(box, 0);
    AniGifUpdate(i, file, speed, named);
    return i;
}

void AnimatedPictures::AniGifUpdate(int i, const std::string& file, int speed, const std::string& named) {
    if (m_flags.Quitting || !m_form) return;
    try {
        if (file.empty() || !ProjectFileExists(file)) {
            destroy(i);
            return;
        }
        Element* box = m_form->find(kBox, i);
        Element* gif = m_form->find(kGif, i);
        if (!box || !gif) return;
        platform::AnimatedPictureResult loaded = platform::LoadAnimatedPictureFile(ExistingPath(file));
        if (!loaded.animation) throw std::runtime_error(loaded.error);
        Animation& a = m_animations[i];
        a.pictures = loaded.animation;
        a.named = named.empty() ? file : named;
        a.speed = speed < 1 ? kDefaultSpeed : speed;
        a.shown = 0;
        gif->tag = a.named;
        gif->left = gif->top = 0;
        gif->width = box->width = PixelsToTwips(a.pictures->width());
        gif->height = box->height = PixelsToTwips(a.pictures->height());
        showPicture(i, a);
        StartAnimation(i);
        box->visible = true;
    } catch (const std::exception&) {
        m_project.showErrorBox(" Unable to load '" + file + "'.");
    }
}

void AnimatedPictures::destroy(int i) {
    m_animations.erase(i);
    if (!m_form) return;
    if (m_form->find(kGif, i)) m_form->unloadArrayMember(kGif, i);
    if (m_form->find(kBox, i)) m_form->unloadArrayMember(kBox, i);
    updateTimer();
}

void AnimatedPictures::showPicture(int i, Animation& a) {
    Element* box = m_form->find(kBox, i);
    if (!box || !a.pictures) return;
    a.shown = std::clamp(a.shown, 0, static_cast<int>(a.pictures->pictures.size()) - 1);
    box->picture = a.pictures->pictures[static_cast<std::size_t>(a.shown)];
    if (box->visible) m_project.ui.invalidate();
}

void AnimatedPictures::StopAnimation(int i) {
    auto it = m_animations.find(i);
    if (it == m_animations.end()) return;
    it->second.playing = false;
    updateTimer();
}

void AnimatedPictures::StartAnimation(int i) {
    auto it = m_animations.find(i);
    if (it == m_animations.end()) return;
    Animation& a = it->second;
    a.playing = a.pictures && a.pictures->pictures.size() > 1;
    a.nextAt = m_project.ui.now() + static_cast<std::uint64_t>(a.speed);
    updateTimer();
}

void AnimatedPictures::RestartVisibleAnimations() {
    if (!m_form) return;
    for (auto& [i, a] : m_animations) {
        const Element* box = m_form->find(kBox, i);
        if (!box || !box->visible) continue;
        StopAnimation(i);
        StartAnimation(i);
    }
}

void AnimatedPictures::UnloadAnimations() {
    if (!m_form) return;
    auto gifs = m_form->arrayMembers(kGif);
    for (auto it = gifs.rbegin(); it != gifs.rend(); ++it) {
        const int i = (*it)->index;
        if (i <= 0) continue;
        if (Element* box = m_form->find(kBox, i)) box->visible = false;
        m_animations.erase(i);
        m_form->unloadArrayMember(kGif, i);
    }
    auto boxes = m_form->arrayMembers(kBox);
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
        if ((*it)->index > 0) m_form->unloadArrayMember(kBox, (*it)->index);
    }
    m_animations.clear();
    updateTimer();
}

void AnimatedPictures::TimerAniGif_Timer() {
    const std::uint64_t now = m_project.ui.now();
    for (auto it = m_animations.begin(); it != m_animations.end();) {
        // An animation whose box a script unloaded goes with it.
        if (!m_form->find(kBox, it->first)) {
            it = m_animations.erase(it);
            continue;
        }
        Animation& a = it->second;
        if (a.playing && now >= a.nextAt) {
            // Late ticks skip pictures: the animation keeps its pace.
            const std::uint64_t steps = 1 + (now - a.nextAt) / static_cast<std::uint64_t>(a.speed);
            const auto count = static_cast<std::uint64_t>(a.pictures->pictures.size());
            a.shown = static_cast<int>((static_cast<std::uint64_t>(a.shown) + steps) % count);
            a.nextAt += steps * static_cast<std::uint64_t>(a.speed);
            showPicture(it->first, a);
        }
        ++it;
    }
    updateTimer();
}

void AnimatedPictures::updateTimer() {
    if (!m_form) return;
    platform::TimerElement* t = m_form->findTimer("TimerAniGif");
    if (!t) return;
    const bool any =
        std::any_of(m_animations.begin(), m_animations.end(), [](const auto& e) { return e.second.playing; });
    if (any != t->enabled) t->setEnabled(any);
}

std::vector<AnimationShown> AnimatedPictures::shown() const {
    std::vector<AnimationShown> out;
    if (!m_form) return out;
    for (const auto& [i, a] : m_animations) {
        const Element* box = m_form->find(kBox, i);
        if (!box || !a.pictures) continue;
        AnimationShown s;
        s.index = i;
        s.file = a.named;
        s.left = TwipsToPixels(box->left);
        s.top = TwipsToPixels(box->top);
        s.width = TwipsToPixels(box->width);
        s.height = TwipsToPixels(box->height);
        s.picture = a.shown;
        s.pictures = static_cast<int>(a.pictures->pictures.size());
        s.visible = box->visible;
        s.playing = a.playing;
        out.push_back(s);
    }
    return out;
}

} // namespace run
