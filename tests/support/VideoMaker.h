// Writes small video files for tests, benchmarks and the demo: pictures painted by the caller
// and, if asked, a steady tone, encoded with FFmpeg's own MPEG-1 video and MPEG audio layer 2
// encoders into an MPEG program stream (".mpg"), which every player reads.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <functional>
#include <string>

namespace run::testing {

struct VideoSpec {
    int width = 160, height = 120;
    int picturesPerSecond = 25;
    int pictures = 25;
    double toneHz = 0;      // 0: no sound track
    double toneLevel = 0.5; // of full scale
    int bitRate = 2'000'000;
};

// Writes the video; `paint` draws picture i (0-based) on a canvas of the video's size. Returns
// the empty string, or the failure's description.
std::string WriteVideo(const std::string& path, const VideoSpec& spec,
                       const std::function<void(int, platform::Canvas&)>& paint);

} // namespace run::testing
