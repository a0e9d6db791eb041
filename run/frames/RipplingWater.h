// The rippling water of a frame: a rectangle of the frame picture redrawn every 30 ms with a wave
// (run/platform/graphics/WaterEffect.h), shown only where the frame's mask is black. The frame's
// ".rwe" file gives the rectangle and the wave, its ".rwm" picture the mask. A part of the game
// window; it owns the effect's state and pictures.
#pragma once

#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/WaterEffect.h"
#include "run/platform/ui/Form.h"

#include <string>

namespace run {

struct Flags;
struct ProjectContext;

class RipplingWater {
  public:
    RipplingWater(ProjectContext& project, Flags& flags, platform::Form& form);

    // Creates the timer TimerRipplingWater (30 ms) on the form.
    void build();
    // Prepares the frame's effect when it has both files; true when the effect may animate.
    bool LoadWaveEffectIfAny(const std::string& frameName);
    // Restarts the effect's clock and starts the timer (the end of a frame opening).
    void StartRipplingWater();
    // Stops a running effect, letting a tick in progress finish, and hides the water.
    void StopRipplingWater();
    // Only the timer stops (the game is being left or reset).
    void StopRipplingWaterTimer();
    // One step of the wave.
    void TimerRipplingWater_Timer();

    bool WaterActive() const { return m_waterActive; }

  private:
    // The phase of the wave now: dir × ((WaveSpeed + 2) ÷ 10)⁴ ÷ 300 × t.
    float phase();
    // Draws the wave into the shown picture through the mask.
    void draw();

    ProjectContext& m_project;
    Flags& m_flags;
    platform::Form& m_form;
    platform::EffectClock m_clock;
    bool m_waterActive = false;
    bool m_waterTickIdle = true;
    int m_waveParameter = 0;
    int m_waveSpeed = 0;
    bool m_waveReverse = false;
    // The still copy of the rectangle (the wave's source), the mask, and the still copy with the
    // pixels under black mask pixels turned white. The shown picture is PicRipplingWater's.
    platform::Canvas m_original, m_mask, m_masked, m_shown;
};

} // namespace run
