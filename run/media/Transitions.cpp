#include "run/media/Transitions.h"

#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/Scaling.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include <cmath>
#include <exception>
#include <memory>

namespace run {

using platform::Canvas;
using platform::Element;

const std::array<std::string, 6>& LoadTransitionNames() {
    static const std::array<std::string, 6> names{"",         "Alphablending", "Slide Left", "Slide Right",
                                                  "Slide Up", "Slide Down"};
    return names;
}

void BlendStep(const Canvas& from, const Canvas& to, std::uint8_t alpha, Canvas& out) {
    if (out.width() != from.width() || out.height() != from.height()) out.reset(from.width(), from.height());
    out.blit(from, from.bounds(), 0, 0);
    out.blend(to, to.bounds(), 0, 0, alpha);
}

namespace {

const Canvas& imageOf(const Element& e, const Canvas& fallback) {
    return e.picture && !e.picture->image.empty() ? e.picture->image : fallback;
}

} // namespace

platform::PicturePtr DoubleFramePicture(const Canvas* first, const Canvas* second, bool sideBySide) {
    auto p = std::make_shared<platform::Picture>();
    const Canvas* sized = first ? first : second;
    if (!sized) return p;
    const int w = sized->width(), h = sized->height();
    p->image.reset(sideBySide ? 2 * w : w, sideBySide ? h : 2 * h, 0xFF000000);
    if (first) p->image.blit(*first, first->bounds(), 0, 0);
    if (second) p->image.blit(*second, second->bounds(), sideBySide ? w : 0, sideBySide ? 0 : h);
    return p;
}

void PlayTransition(ProjectContext& s, Flags& flags, const TransitionFades& fades, int n, Element& surface,
                    Element& start, Element& end, double seconds) {
    if (n >= 0 && n <= 5 && seconds > 0) {
        try {
            flags.TransitionRunning = true;
            flags.SkipTransitionRequested = false;
            flags.TransitionNumber = n;
            flags.TransitionFraction = 0;
            const int W = surface.width, H = surface.height; // twips
            const Canvas blank(std::max(1, platform::TwipsToPixels(W)),
                               std::max(1, platform::TwipsToPixels(H)));
            const Canvas& from = imageOf(start, blank);
            const Canvas& to = imageOf(end, blank);
            // The slides move one double-size picture holding both frames.
            if (n == 2) end.picture = DoubleFramePicture(&to, &from, true);
            if (n == 3) start.picture = DoubleFramePicture(&from, &to, true);
            if (n == 4) end.picture = DoubleFramePicture(&to, &from, false);
            if (n == 5) start.picture = DoubleFramePicture(&from, &to, false);
            auto buffer = std::make_shared<platform::Picture>();
            const Canvas fromCopy = n <= 1 ? from : Canvas();
            const Canvas toCopy = n <= 1 ? to : Canvas();
            s.ui.invalidate();
            s.ui.pump();
            const std::uint64_t t0 = s.ui.now();
            const double total = seconds * 1000.0;
            bool drawn = false;
            while (true) {
                const double elapsed = static_cast<double>(s.ui.now() - t0);
                if (elapsed > total && drawn) break; // at least one step is drawn
                const double f = elapsed > total ? 1.0 : elapsed / total;
                switch (n) {
                case 0:
                case 1:
                    BlendStep(fromCopy, toCopy, static_cast<std::uint8_t>(std::lround(f * 255)),
                              buffer->image);
                    surface.picture = buffer;
                    break;
                case 2:
                    end.left = static_cast<int>((1 - f) * -W);
                    break;
                case 3:
                    start.left = static_cast<int>(f * -W);
                    break;
                case 4:
                    end.top = static_cast<int>((1 - f) * -H);
                    break;
                case 5:
                    start.top = static_cast<int>(f * -H);
                    break;
                }
                drawn = true;
                flags.TransitionFraction = f;
                s.ui.invalidate();
                if (fades.step) fades.step(f);
                // Blending rests 10 ms between steps; slides go as fast as the display shows them.
                s.ui.waitWithEvents(n <= 1 ? 10 : 1);
                if (flags.SkipTransitionRequested) {
                    flags.SkipTransitionRequested = false;
                    break;
                }
            }
        } catch (const std::exception& e) {
            if (!flags.AlphaBlendErrorReported) {
                s.showErrorBox(
                    " Error rendering the full-screen alphablending transitions. Make sure that the file "
                    "'Msimg32.dll' is in your Windows\\System directory. This message will not reappear "
                    "until you restart the program. ",
                    e.what());
                flags.AlphaBlendErrorReported = true;
            }
        }
    }
    start.visible = false;
    end.visible = false;
    flags.TransitionRunning = false;
    if (fades.complete) fades.complete();
}

} // namespace run
