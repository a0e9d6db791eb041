#include "run/platform/media/VideoDecoder.h"

#include "run/platform/media/MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace run::platform {

namespace {

bool sizeAllowed(std::int64_t w, std::int64_t h) {
    return w > 0 && h > 0 && w <= VideoDecoder::kMaxSide && h <= VideoDecoder::kMaxSide &&
           w * h <= VideoDecoder::kMaxPixels;
}

} // namespace

struct VideoDecoder::Impl {
    MediaInput input;
    AVFormatContext* format = nullptr; // the input's
    AVCodecContext* codec = nullptr;
    SwsContext* scaler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* pending = nullptr;   // the next picture, decoded, not shown yet
    AVFrame* current = nullptr;   // the picture chosen to show
    AVFrame* converted = nullptr; // its pixels in the canvas's layout, rows padded as swscale needs
    int stream = -1;
    double timeBase = 0;
    std::int64_t startPts = 0;
    double pictureSeconds = 1.0 / 25; // a picture's length when the file does not say
    int naturalW = 0, naturalH = 0, outW = 0, outH = 0;
    Canvas out;
    bool pendingValid = false;
    double pendingTime = 0, pendingLength = 0;
    double shownTime = 0, shownLength = 0;
    bool shownAny = false;
    bool draining = false; // the file is read to its end; the codec gives what it holds
    bool atEnd = false;    // nothing more to decode
    std::uint64_t shown = 0, dropped = 0;

    ~Impl() {
        sws_freeContext(scaler);
        av_frame_free(&pending);
        av_frame_free(&current);
        av_frame_free(&converted);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
    }

    std::string openInput(const std::string* path, std::string bytes) {
        if (std::string error = path ? input.openFile(*path) : input.openMemory(std::move(bytes));
            !error.empty())
            return input.format() ? error : "Not a video file this player can read (" + error + ")";
        format = input.format();
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
        if (stream < 0 || !decoder) return "The file holds no video";
        AVStream* s = format->streams[stream];
        const AVCodecParameters* par = s->codecpar;
        if (par->width != 0 || par->height != 0) {
            if (!sizeAllowed(par->width, par->height))
                return "The video is too large to play (" + std::to_string(par->width) + " x " +
                       std::to_string(par->height) + " pixels)";
        }
        codec = avcodec_alloc_context3(decoder);
        if (!codec) return "Out of memory";
        if (int rc = avcodec_parameters_to_context(codec, par); rc < 0) return AvErrorText(rc);
        codec->thread_count = 1; // pictures come in order, one per call, with no extra delay
        if (int rc = avcodec_open2(codec, decoder, nullptr); rc < 0) return AvErrorText(rc);
        timeBase = av_q2d(s->time_base);
        if (!(timeBase > 0) || !std::isfinite(timeBase)) timeBase = 1.0 / 90000;
        startPts = s->start_time != AV_NOPTS_VALUE ? s->start_time : 0;
        const AVRational rate = av_guess_frame_rate(format, s, nullptr);
        if (rate.num > 0 && rate.den > 0) {
            const double seconds = av_q2d(av_inv_q(rate));
            if (seconds >= 0.001 && seconds <= 10) pictureSeconds = seconds;
        }
        setNaturalSize(par->width, par->height,
                       s->sample_aspect_ratio.num ? s->sample_aspect_ratio : par->sample_aspect_ratio);
        packet = av_packet_alloc();
        pending = av_frame_alloc();
        current = av_frame_alloc();
        converted = av_frame_alloc();
        if (!packet || !pending || !current || !converted) return "Out of memory";
        // A file that states no size is sized by its first picture.
        if (naturalW == 0 && !decodeNext()) return "The video holds no picture";
        return {};
    }

    // The shown size: a stated pixel aspect widens the picture (or makes it taller).
    void setNaturalSize(int w, int h, AVRational aspect) {
        naturalW = w;
        naturalH = h;
        if (w > 0 && h > 0 && aspect.num > 0 && aspect.den > 0 && aspect.num != aspect.den) {
            const double ratio = av_q2d(aspect);
            if (ratio > 1)
                naturalW = static_cast<int>(std::lround(w * ratio));
            else
                naturalH = static_cast<int>(std::lround(h / ratio));
            if (!sizeAllowed(naturalW, naturalH)) {
                naturalW = w;
                naturalH = h;
            }
        }
    }

    double timeOf(const AVFrame* f, double previous) const {
        const std::int64_t ts =
            f->best_effort_timestamp != AV_NOPTS_VALUE ? f->best_effort_timestamp : f->pts;
        if (ts == AV_NOPTS_VALUE) return shownAny || pendingValid ? previous + pictureSeconds : 0;
        const double t = static_cast<double>(ts - startPts) * timeBase;
        // Damaged stamps never send the pictures back in time, nor far into the future.
        if (!std::isfinite(t) || t < previous) return previous;
        return t;
    }

    // Decodes the next picture into `pending`; false when there is none left.
    bool decodeNext() {
        while (!atEnd) {
            if (ReceiveNextFrame(format, codec, stream, packet, pending, draining)) {
                if (!sizeAllowed(pending->width, pending->height) || pending->format < 0) {
                    av_frame_unref(pending);
                    continue;
                }
                if (naturalW == 0)
                    setNaturalSize(pending->width, pending->height, pending->sample_aspect_ratio);
                const double previous = pendingValid ? pendingTime : shownTime;
                pendingTime = timeOf(pending, previous);
                const double length = pending->pkt_duration > 0 ? pending->pkt_duration * timeBase : 0;
                pendingLength = length > 0 && length <= 10 ? length : pictureSeconds;
                pendingValid = true;
                return true;
            }
            atEnd = true;
        }
        return false;
    }

    bool convert() {
        const int w = outW > 0 ? outW : naturalW, h = outH > 0 ? outH : naturalH;
        if (w <= 0 || h <= 0) return false;
        scaler = sws_getCachedContext(scaler, current->width, current->height,
                                      static_cast<AVPixelFormat>(current->format), w, h, AV_PIX_FMT_BGRA,
                                      SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!scaler) return false;
        // swscale may write past the end of a row of odd width, so it writes into a frame with
        // padded rows and the rows are copied into the canvas after.
        if (converted->width != w || converted->height != h || !converted->data[0]) {
            av_frame_unref(converted);
            converted->format = AV_PIX_FMT_BGRA;
            converted->width = w;
            converted->height = h;
            if (av_frame_get_buffer(converted, 0) < 0) return false;
        }
        const int rows = sws_scale(scaler, current->data, current->linesize, 0, current->height,
                                   converted->data, converted->linesize);
        if (rows <= 0) return false;
        if (out.width() != w || out.height() != h) out = Canvas(w, h, 0xFF000000);
        // BGRA bytes are the canvas's 0xAARRGGBB pixels on the little-endian machines we run on.
        for (int y = 0; y < h; ++y)
            std::memcpy(out.row(y), converted->data[0] + std::size_t(y) * std::size_t(converted->linesize[0]),
                        std::size_t(w) * sizeof(Pixel));
        // A source without alpha is opaque whatever the conversion left in the alpha byte.
        const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(current->format));
        if (!d || !(d->flags & AV_PIX_FMT_FLAG_ALPHA)) {
            Pixel* p = out.row(0);
            for (std::size_t i = 0, n = std::size_t(w) * std::size_t(h); i < n; ++i)
                p[i] |= 0xFF000000u;
        }
        return true;
    }
};

VideoDecoder::VideoDecoder(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
VideoDecoder::~VideoDecoder() = default;

std::unique_ptr<VideoDecoder> VideoDecoder::open(const std::string& path, std::string& error) {
    auto impl = std::make_unique<Impl>();
    error = impl->openInput(&path, {});
    if (!error.empty()) return nullptr;
    return std::unique_ptr<VideoDecoder>(new VideoDecoder(std::move(impl)));
}

std::unique_ptr<VideoDecoder> VideoDecoder::openMemory(std::string bytes, std::string& error) {
    auto impl = std::make_unique<Impl>();
    error = impl->openInput(nullptr, std::move(bytes));
    if (!error.empty()) return nullptr;
    return std::unique_ptr<VideoDecoder>(new VideoDecoder(std::move(impl)));
}

int VideoDecoder::width() const {
    return m_impl->naturalW;
}
int VideoDecoder::height() const {
    return m_impl->naturalH;
}

double VideoDecoder::durationSeconds() const {
    const AVFormatContext* f = m_impl->format;
    return f && f->duration != AV_NOPTS_VALUE && f->duration > 0
               ? static_cast<double>(f->duration) / AV_TIME_BASE
               : 0.0;
}

void VideoDecoder::setOutputSize(int width, int height) {
    Impl& d = *m_impl;
    const bool keep = width <= 0 || height <= 0 || !sizeAllowed(width, height);
    d.outW = keep ? 0 : width;
    d.outH = keep ? 0 : height;
    if (d.shownAny) d.convert();
}

bool VideoDecoder::advanceTo(double seconds) {
    Impl& d = *m_impl;
    bool chosen = false;
    while (d.pendingValid || d.decodeNext()) {
        // The first picture shows at once; the others when their time has come.
        if (d.shownAny && d.pendingTime > seconds) break;
        if (chosen) ++d.dropped;
        std::swap(d.current, d.pending);
        av_frame_unref(d.pending);
        d.pendingValid = false;
        d.shownTime = d.pendingTime;
        d.shownLength = d.pendingLength;
        d.shownAny = true;
        chosen = true;
    }
    if (!chosen) return false;
    ++d.shown;
    return d.convert();
}

bool VideoDecoder::ended() const {
    return m_impl->atEnd && !m_impl->pendingValid;
}

double VideoDecoder::endSeconds() const {
    return m_impl->shownTime + m_impl->shownLength;
}

double VideoDecoder::nextPictureSeconds() const {
    const Impl& d = *m_impl;
    if (d.pendingValid) return d.pendingTime;
    if (d.atEnd) return -1;
    return d.shownAny ? d.shownTime + d.shownLength : 0;
}

const Canvas& VideoDecoder::picture() const {
    return m_impl->out;
}

bool VideoDecoder::rewind() {
    Impl& d = *m_impl;
    if (avformat_seek_file(d.format, -1, INT64_MIN, 0, INT64_MAX, 0) < 0 &&
        av_seek_frame(d.format, d.stream, d.startPts, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(d.codec);
    av_frame_unref(d.pending);
    d.pendingValid = false;
    d.shownAny = false;
    d.shownTime = d.shownLength = 0;
    d.draining = false;
    d.atEnd = false;
    return true;
}

std::uint64_t VideoDecoder::picturesShown() const {
    return m_impl->shown;
}
std::uint64_t VideoDecoder::picturesDropped() const {
    return m_impl->dropped;
}

} // namespace run::platform
