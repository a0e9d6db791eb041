// The rippling water (see RipplingWater.h).
#include "run/frames/RipplingWater.h"

#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/Scaling.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <stdexcept>

namespace run {

using platform::Canvas;
using platform::Element;

namespace {

constexpr int kTickMs = 30;

// The rectangle of the frame picture the water covers, in pixels.
struct WaterRect {
    int left = 0, top = 0, width = 0, height = 0;
};

} // namespace

RipplingWater::RipplingWater(ProjectContext& project, Flags& flags, platform::Form& form)
    : m_project(project), m_flags(flags), m_form(form), m_clock([&project] { return project.ui.now(); }) {}

void RipplingWater::build() {
    platform::TimerElement& timer = m_form.addTimer("TimerRipplingWater");
    timer.setInterval(kTickMs);
    timer.onTimer = [this] { TimerRipplingWater_Timer(); };
}

float RipplingWater::phase() {
    const double dir = m_waveReverse ? -1.0 : 1.0;
    const double t = m_clock.FoxTime(0);
    return static_cast<float>(dir * std::pow((m_waveSpeed + 2) / 10.0, 4) / 300.0 * t);
}

void RipplingWater::draw() {
    const int w = m_shown.width(), h = m_shown.height();
    platform::FoxWave(m_shown, 0, 0, w, h, m_original, 0, 0, m_waveParameter, 4, phase(), 90.0, 0.0);
    platform::FoxFastMask(m_shown, 0, 0, w, h, m_masked, 0, 0, m_mask, 0, 0, 0);
    Element& water = m_form.get("PicRipplingWater");
    auto picture = std::make_shared<platform::Picture>();
    picture->image = m_shown;
    water.picture = std::move(picture);
    m_project.ui.invalidate();
}

bool RipplingWater::LoadWaveEffectIfAny(const std::string& frameName) {
    m_project.trace.note("LoadWaveEffectIfAny " + frameName);
    m_waterActive = false;
    m_waveReverse = false;
    const std::string settings = m_project.paths.frames + frameName + ".rwe";
    const std::string maskFile = m_project.paths.frames + frameName + ".rwm";
    if (!ProjectFileExists(settings) || !ProjectFileExists(maskFile)) return false;
    try {
        WaterRect r;
        {
            RecordReader file = RecordReader::open(ExistingPath(settings));
            for (int i = 1; i <= 6; ++i)
                file.readVariant();
            r.left = file.readInteger();
            r.top = file.readInteger();
            r.width = file.readInteger();
            r.height = file.readInteger();
            m_waveParameter = file.readInteger();
            m_waveSpeed = file.readInteger();
            if (!file.atEnd()) m_waveReverse = file.readBoolean();
        }
        // The water stays inside the frame picture: a rectangle reaching out is cut to it, one
        // wholly outside (or empty) is refused.
        Element& frame = m_form.get("PictureBox");
        const int frameW = platform::TwipsToPixels(frame.width),
                  frameH = platform::TwipsToPixels(frame.height);
        const int left = std::max(0, r.left), top = std::max(0, r.top);
        const int right = std::min(frameW, r.left + std::max(0, r.width));
        const int bottom = std::min(frameH, r.top + std::max(0, r.height));
        if (right <= left || bottom <= top) throw std::runtime_error("The water lies outside the frame.");
        const int w = right - left, h = bottom - top;

        Element& water = m_form.get("PicRipplingWater");
        water.container = &frame;
        water.left = left * 15;
        water.top = top * 15;
        water.width = w * 15;
        water.height = h * 15;
        water.stretch = false;
        // The mask, white (still) where the picture does not reach; a mask that cannot be read
        // leaves the water still.
        m_mask = Canvas(w, h, 0xFFFFFFFF);
        if (platform::PicturePtr mask = platform::LoadPictureFile(ExistingPath(maskFile)).picture)
            m_mask.blit(mask->image, mask->image.bounds(), 0, 0);
        // The still rectangle of the frame picture (the frame's colour where the picture ends).
        m_original = Canvas(w, h, platform::PixelFromColorRef(frame.backColor));
        if (frame.picture) m_original.blit(frame.picture->image, {left, top, w, h}, 0, 0);
        m_shown = m_original;
        // The still copy turned white under black mask pixels (NOT mask OR still).
        m_masked = m_original;
        for (int y = 0; y < h; ++y) {
            platform::Pixel* to = m_masked.row(y);
            const platform::Pixel* m = m_mask.row(y);
            for (int x = 0; x < w; ++x)
                to[x] |= ~m[x] | 0xFF000000;
        }
        m_clock.FoxTime(1);
        draw();
        m_waterActive = true;
        water.visible = true;
        m_form.zOrder(water, 0);
        m_form.findTimer("TimerRipplingWater")->setInterval(kTickMs);
        return true;
    } catch (const std::exception& e) {
        m_form.findTimer("TimerRipplingWater")->setEnabled(false);
        m_project.showErrorBox(" Error initializing the Rippling Water effect. ", e.what());
        return false;
    }
}

void RipplingWater::StartRipplingWater() {
    m_project.trace.note("StartRipplingWater");
    if (!m_waterActive) return;
    m_clock.FoxTime(1);
    m_form.findTimer("TimerRipplingWater")->setEnabled(true);
}

void RipplingWater::TimerRipplingWater_Timer() {
    platform::TimerElement* timer = m_form.findTimer("TimerRipplingWater");
    if (m_flags.Quitting) {
        timer->setEnabled(false);
        return;
    }
    if (timer->enabled && m_waterActive) {
        m_waterTickIdle = false;
        try {
            draw();
            m_form.mousePointer = platform::kPointerDefault;
        } catch (const std::exception& e) {
            m_waterActive = false;
            timer->setEnabled(false);
            m_waterTickIdle = true;
            m_project.showErrorBox(" Error rendering rippling water. ", e.what());
            return;
        }
    }
    if (!m_waterActive) timer->setEnabled(false);
    m_waterTickIdle = true;
}

void RipplingWater::StopRipplingWater() {
    m_project.trace.note("StopRipplingWater");
    platform::TimerElement* timer = m_form.findTimer("TimerRipplingWater");
    if (timer && timer->enabled) {
        const std::uint64_t since = m_project.ui.now();
        timer->setEnabled(false);
        while (!m_waterTickIdle && m_project.ui.now() - since <= 5000)
            m_project.ui.waitWithEvents(10);
    }
    m_waterActive = false;
    m_form.get("PicRipplingWater").visible = false;
}

void RipplingWater::StopRipplingWaterTimer() {
    m_project.trace.note("StopRipplingWaterTimer");
    if (platform::TimerElement* timer = m_form.findTimer("TimerRipplingWater")) timer->setEnabled(false);
}

} // namespace run
