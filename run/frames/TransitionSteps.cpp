// The two halves of a frame change (see FrameTransitions.h).
#include "run/frames/FrameTransitions.h"

#include "run/frames/Components.h"
#include "run/frames/FrameTexts.h"
#include "run/frames/GameWindow.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include "run/media/AudioChannels.h"
#include "run/media/Transitions.h"
#include "run/media/Video.h"

#include <exception>
#include <filesystem>
#include <memory>

namespace run {

using platform::Element;

void FrameTransitions::TransitionStep1(int n) {
    if (m_flags.Quitting || m_flags.transitionsDisabled) return;
    try {
        Element& frame = m_form.get("PictureBox");
        Element& where = m_form.get("picWhere");
        Element& start = m_form.get("picStart");
        Element& end = m_form.get("picEnd");
        where.left = frame.left;
        where.top = frame.top;
        where.width = frame.width;
        where.height = frame.height;
        for (Element* e : {&start, &end}) {
            e->left = e->top = 0;
            e->width = frame.width;
            e->height = frame.height;
            e->visible = false;
        }
        // Components stand still while the frame changes.
        PutComponentsBack(); // a change whose second half never came leaves none behind
        m_game.components().PauseComponents();
        const auto& rows = m_game.components().rows();
        // Those that disappear before a blend leave the frame before it is captured.
        if (n < 2)
            for (const Components::Row& row : rows)
                if (row.appearDuringTransitions && row.disappearBeforeAlphablending)
                    MoveComponentInto(row.name, where);
        // Until the slide starts, the double-size cover shows the old frame in the half that is
        // in view.
        CaptureActualFrame(start);
        const platform::PicturePtr old = start.picture;
        m_transitionStart = old;
        // The others ride on the cover (a blend) or on the picture of the half they belong to:
        // the new frame's when it slides in, the old frame's when it is pushed out.
        for (const Components::Row& row : rows) {
            if (!row.appearDuringTransitions) continue;
            if (n < 2 && !row.disappearBeforeAlphablending)
                MoveComponentInto(row.name, where);
            else if (n == 2 || n == 4)
                MoveComponentInto(row.name, end);
            else if (n == 3 || n == 5)
                MoveComponentInto(row.name, start);
        }
        const int W = where.width, H = where.height;
        where.picture.reset();
        switch (n) {
        case 2:
            end.width = 2 * W;
            end.left = -W;
            end.picture = DoubleFramePicture(nullptr, &old->image, true);
            end.visible = true;
            break;
        case 3:
            start.width = 2 * W;
            start.picture = DoubleFramePicture(&old->image, nullptr, true);
            start.visible = true;
            break;
        case 4:
            end.height = 2 * H;
            end.top = -H;
            end.picture = DoubleFramePicture(nullptr, &old->image, false);
            end.visible = true;
            break;
        case 5:
            start.height = 2 * H;
            start.picture = DoubleFramePicture(&old->image, nullptr, false);
            start.visible = true;
            break;
        case 0:
        case 1:
            where.picture = old;
            break;
        default:
            return;
        }
        // The cover lies over the frame area while the new frame is built behind it.
        where.visible = true;
        m_form.zOrder(where, 0);
        m_project.ui.invalidate();
        m_project.ui.pump();
    } catch (const std::exception& e) {
        if (!m_flags.Quitting) m_project.showErrorBox(" Error in \"TransitionStep1\". ", e.what());
    }
}

void FrameTransitions::TransitionStep2(int n, double seconds) {
    if (m_flags.Quitting) return;
    if (m_flags.transitionsDisabled) {
        // The frame changes at once; the fades that would have run with the transition end
        // with it, so no fading stop or cross-fade is left half-done.
        m_audio.CompleteChannelFades();
        PutComponentsBack(); // switched off between the two halves
        return;
    }
    try {
        platform::TimerElement& frameTimer = *m_form.findTimer("Timer1");
        const bool timerRan = frameTimer.enabled;
        // A message waiting for its timer is finished first.
        if (m_form.findTimer("TimerMessageBox")->isEnabled()) m_game.texts().hideTextMessage();
        frameTimer.setEnabled(false);
        Element& where = m_form.get("picWhere");
        Element& start = m_form.get("picStart");
        Element& end = m_form.get("picEnd");
        // On a picture that pushes the old frame out, a component sits on the new frame's half.
        for (const MovedComponent& moved : m_movedComponents) {
            Element* e = m_form.find(moved.name);
            if (!e || e->container == &m_form.get("PictureBox")) continue;
            if (n == 3) e->left += platform::PixelsToTwips(m_project.info.FrameWidth);
            if (n == 5) e->top += platform::PixelsToTwips(m_project.info.FrameHeight);
        }
        // The new frame's picture: the one a script named, once, or the frame composed.
        Element* destination = m_transitionDestination ? m_form.find(m_transitionDestination->first,
                                                                     m_transitionDestination->second)
                                                       : nullptr;
        if (destination && destination->picture) {
            end.picture = destination->picture;
        } else {
            CaptureCurrentFrame(end);
        }
        m_transitionDestination.reset();
        start.picture = m_transitionStart;
        m_transitionStart.reset();
        PlayTransition(
            m_project, m_flags,
            {[this](double f) { m_audio.StepChannelFades(f); }, [this] { m_audio.CompleteChannelFades(); }},
            n, where, start, end, seconds);
        m_game.videos().animations().RestartVisibleAnimations();
        if (timerRan) frameTimer.setEnabled(true);
        where.visible = false;
        PutComponentsBack();
        where.picture.reset();
        start.picture.reset();
        end.picture.reset();
        m_project.ui.invalidate();
        if (n == 0 || n == 1) {
            std::error_code ec;
            std::filesystem::remove(std::filesystem::path(m_project.paths.project) / "Temp001.dat", ec);
        }
        m_game.components().ResumeComponents();
    } catch (const std::exception& e) {
        if (!m_flags.Quitting) m_project.showErrorBox(" Error in \"TransitionStep2\". ", e.what());
    }
}

void FrameTransitions::MoveComponentInto(const std::string& name, Element& into) {
    Element* e = m_form.find(name);
    if (!e) return; // a single component's failure leaves the others moving
    m_movedComponents.push_back({name, e->left, e->top});
    e->container = &into;
}

void FrameTransitions::PutComponentsBack() {
    Element* frame = m_form.find("PictureBox");
    for (const MovedComponent& moved : m_movedComponents) {
        // A component removed while the new frame opened is simply gone.
        // (A component of the same name added meanwhile already stands in the frame.)
        Element* e = m_form.find(moved.name);
        if (!e || !frame || e->container == frame) continue;
        e->container = frame;
        e->left = moved.left;
        e->top = moved.top;
    }
    m_movedComponents.clear();
}

} // namespace run
