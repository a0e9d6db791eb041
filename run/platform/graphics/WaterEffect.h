// The water effect's drawing routines: a clock, a wave that displaces the rows of a picture, and
// the mask combination that shows the wave only where a mask marks water. The game's rippling
// water redraws its rectangle with these on every tick.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <cstdint>
#include <functional>

namespace run::platform {

// The effect's clock, in milliseconds: mode 1 restarts it (and gives 0), mode 0 gives the time
// since the last restart.
class EffectClock {
  public:
    explicit EffectClock(std::function<std::uint64_t()> nowMs) : m_now(std::move(nowMs)) {}
    std::int32_t FoxTime(int mode);

  private:
    std::function<std::uint64_t()> m_now;
    std::uint64_t m_start = 0;
};

// Draws into dest's rectangle (dx, dy, w, h) src's rectangle at (sx, sy) with every row shifted
// sideways by a sine wave: row y moves by amplitude × sin(angle° × y ÷ rowsPerStep + phase)
// pixels, the amplitude being |waveParameter| ÷ rowsPerStep pixels (at most 16). The phase moves
// the wave along the rows as time passes; `extra` is accepted and not used. Pixels the shift
// brings in from beyond the source's sides repeat its edge. Parts of either rectangle outside its
// canvas are left out.
void FoxWave(Canvas& dest, int dx, int dy, int w, int h, const Canvas& src, int sx, int sy, int waveParameter,
             int rowsPerStep, float phase, double angle, double extra);

// Combines dest's rectangle (dx, dy, w, h) through the mask: bit by bit, dest where the mask is
// black and the masked still picture where the mask is white, so that only the pixels the mask
// marks show the wave. `flags` is accepted and not used.
void FoxFastMask(Canvas& dest, int dx, int dy, int w, int h, const Canvas& masked, int mx, int my,
                 const Canvas& mask, int kx, int ky, int flags);

} // namespace run::platform
