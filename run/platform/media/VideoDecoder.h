// The pictures of a video file: whatever libavformat reads (AVI, MPEG-1/2, WMV, MP4 …), decoded
// as the clock asks for them and converted by libswscale into canvas pixels at the size the
// picture is shown. The sound track is not read here: a video player plays it through the
// mixer with its own decoder and takes its clock from it.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <cstdint>
#include <memory>
#include <string>

namespace run::platform {

class VideoDecoder {
  public:
    // Videos above this are refused: their pictures alone would take hundreds of megabytes.
    static constexpr int kMaxSide = 8192;
    static constexpr std::int64_t kMaxPixels = 7680LL * 4320;

    // A decoder for the file, or null with the reason in `error`.
    static std::unique_ptr<VideoDecoder> open(const std::string& path, std::string& error);
    // The same from bytes in memory (tests, fuzzing).
    static std::unique_ptr<VideoDecoder> openMemory(std::string bytes, std::string& error);
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // The video's own size in pixels (square pixels: a stated aspect widens or narrows it).
    int width() const;
    int height() const;
    // The length the file states, in seconds; 0 when it states none.
    double durationSeconds() const;
    // The size pictures are converted to; 0 or less keeps the video's own size.
    void setOutputSize(int width, int height);

    // Decodes up to the picture due at `seconds` into the pass: the latest one whose time has
    // come. Pictures passed over on the way are dropped, never shown late. True when the
    // picture shown changed (it is then in `picture()`).
    bool advanceTo(double seconds);
    // Every picture has been decoded and the last one is shown.
    bool ended() const;
    // The time the last picture stops being shown: the end of the pass.
    double endSeconds() const;
    // The time the next picture is due; a negative number when none is left.
    double nextPictureSeconds() const;
    const Canvas& picture() const;
    // Back to the first picture; false when the file cannot seek.
    bool rewind();

    std::uint64_t picturesShown() const;
    std::uint64_t picturesDropped() const;

  private:
    struct Impl;
    explicit VideoDecoder(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace run::platform
