#include "run/platform/media/AudioDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace run::platform {

namespace {

std::string avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// Damaged files make the libraries talk; the player reports failures itself.
void quietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

// Rates and channel counts no sound card has come from damaged headers; converting from them
// would take memory in proportion.
bool playableRate(int rate) {
    return rate >= 1000 && rate <= 768000;
}
bool playableChannels(int channels) {
    return channels > 0 && channels <= 64;
}

} // namespace

struct AudioDecoder::Impl {
    std::string memory; // the file's bytes when decoding from memory
    std::size_t memoryPos = 0;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* resampler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int stream = -1;
    std::vector<float> pending; // converted frames not handed out yet
    std::size_t pendingPos = 0; // in floats
    bool draining = false;      // the file is read to its end; the codec gives what it holds
    bool ended = false;
    bool mono = false;                             // converted as one channel, then copied to both sides
    int inFormat = -1, inRate = 0, inChannels = 0; // what the resampler was made for

    ~Impl() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&resampler);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
        if (io) {
            av_freep(&io->buffer);
            avio_context_free(&io);
        }
    }

    static int readMemory(void* opaque, std::uint8_t* buffer, int size) {
        auto* self = static_cast<Impl*>(opaque);
        const std::size_t left = self->memory.size() - self->memoryPos;
        if (left == 0) return AVERROR_EOF;
        const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(size));
        std::memcpy(buffer, self->memory.data() + self->memoryPos, n);
        self->memoryPos += n;
        return static_cast<int>(n);
    }

    static std::int64_t seekMemory(void* opaque, std::int64_t offset, int whence) {
        auto* self = static_cast<Impl*>(opaque);
        const auto size = static_cast<std::int64_t>(self->memory.size());
        if (whence & AVSEEK_SIZE) return size;
        std::int64_t base = 0;
        switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET:
            base = 0;
            break;
        case SEEK_CUR:
            base = static_cast<std::int64_t>(self->memoryPos);
            break;
        case SEEK_END:
            base = size;
            break;
        default:
            return -1;
        }
        const std::int64_t to = base + offset;
        if (to < 0 || to > size) return -1;
        self->memoryPos = static_cast<std::size_t>(to);
        return to;
    }

    std::string openInput(const char* path) {
        format = avformat_alloc_context();
        if (!format) return "Out of memory";
        if (!path) {
            constexpr int kBuffer = 32768;
            auto* buffer = static_cast<unsigned char*>(av_malloc(kBuffer));
            io = buffer ? avio_alloc_context(buffer, kBuffer, 0, this, &readMemory, nullptr, &seekMemory)
                        : nullptr;
            if (!io) {
                av_free(buffer);
                return "Out of memory";
            }
            format->pb = io;
            format->flags |= AVFMT_FLAG_CUSTOM_IO;
        }
        if (int rc = avformat_open_input(&format, path ? path : "", nullptr, nullptr); rc < 0) {
            format = nullptr; // freed by the failed open
            return "Not a sound file this player can read (" + avError(rc) + ")";
        }
        if (int rc = avformat_find_stream_info(format, nullptr); rc < 0) return avError(rc);
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (stream < 0 || !decoder) return "The file holds no sound";
        codec = avcodec_alloc_context3(decoder);
        if (!codec) return "Out of memory";
        if (int rc = avcodec_parameters_to_context(codec, format->streams[stream]->codecpar); rc < 0)
            return avError(rc);
        if (int rc = avcodec_open2(codec, decoder, nullptr); rc < 0) return avError(rc);
        if (!playableRate(codec->sample_rate)) return "The sound's rate is not one that plays";
        if (!playableChannels(codec->ch_layout.nb_channels))
            return "The sound's channels are not ones that play";
        packet = av_packet_alloc();
        frame = av_frame_alloc();
        if (!packet || !frame) return "Out of memory";
        return openResampler();
    }

    std::string openResampler() {
        return openResampler(codec->ch_layout, codec->sample_fmt, codec->sample_rate);
    }

    // A resampler from what the decoder gives: its layout, sample format and rate.
    std::string openResampler(const AVChannelLayout& layout, int sampleFormat, int sampleRate) {
        swr_free(&resampler);
        AVChannelLayout in{};
        if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&in, layout.nb_channels);
        else
            av_channel_layout_copy(&in, &layout);
        // A mono sound stays mono here and is copied to both sides afterwards: heard at its full
        // level on each, as the system plays it (a mix would lower it by 3 dB).
        mono = in.nb_channels == 1;
        AVChannelLayout out{};
        av_channel_layout_default(&out, mono ? 1 : 2);
        int rc = swr_alloc_set_opts2(&resampler, &out, AV_SAMPLE_FMT_FLT, kRate, &in,
                                     static_cast<AVSampleFormat>(sampleFormat), sampleRate, 0, nullptr);
        av_channel_layout_uninit(&in);
        if (rc < 0 || !resampler) return "Cannot convert the sound (" + avError(rc) + ")";
        if ((rc = swr_init(resampler)) < 0) {
            swr_free(&resampler);
            return "Cannot convert the sound (" + avError(rc) + ")";
        }
        inFormat = sampleFormat;
        inRate = sampleRate;
        inChannels = layout.nb_channels;
        return {};
    }

    // A damaged file may change its format between frames; the resampler follows, and a frame
    // with a format no card plays is skipped. False when the frame cannot be converted.
    bool acceptFrame(const AVFrame* f) {
        if (f->nb_samples <= 0 || !f->extended_data) return false;
        if (f->format == inFormat && f->sample_rate == inRate && f->ch_layout.nb_channels == inChannels &&
            resampler)
            return true;
        if (!playableRate(f->sample_rate) || !playableChannels(f->ch_layout.nb_channels)) return false;
        if (f->format < 0 || f->format >= AV_SAMPLE_FMT_NB) return false;
        return openResampler(f->ch_layout, f->format, f->sample_rate).empty();
    }

    // Converts one decoded frame (or, with none, what the resampler still holds) to pending.
    void convert(const AVFrame* from) {
        const int inSamples = from ? from->nb_samples : 0;
        const int room = swr_get_out_samples(resampler, inSamples);
        pending.assign(static_cast<std::size_t>(std::max(room, 0)) * kChannels, 0.0f);
        pendingPos = 0;
        if (room <= 0) {
            pending.clear();
            return;
        }
        auto* outData = reinterpret_cast<std::uint8_t*>(pending.data());
        const int n =
            swr_convert(resampler, &outData, room,
                        from ? const_cast<const std::uint8_t**>(from->extended_data) : nullptr, inSamples);
        const std::size_t frames = static_cast<std::size_t>(std::max(n, 0));
        if (mono) {
            // Spread in place from the end: frame i moves from i to 2i and 2i+1.
            for (std::size_t i = frames; i-- > 0;)
                pending[2 * i] = pending[2 * i + 1] = pending[i];
        }
        pending.resize(frames * kChannels);
    }

    // Decodes until some converted frames are pending; false at the end of the sound.
    bool decodeMore() {
        while (!ended) {
            int rc = avcodec_receive_frame(codec, frame);
            if (rc == 0) {
                if (acceptFrame(frame)) convert(frame);
                av_frame_unref(frame);
                if (!pending.empty()) return true;
                continue;
            }
            if (rc == AVERROR(EAGAIN) && !draining) {
                rc = av_read_frame(format, packet);
                if (rc < 0) {
                    draining = true;
                    avcodec_send_packet(codec, nullptr);
                    continue;
                }
                // A damaged packet is skipped: the rest of the sound may still play.
                if (packet->stream_index == stream) avcodec_send_packet(codec, packet);
                av_packet_unref(packet);
                continue;
            }
            // The codec is empty (or failed): what the resampler still holds ends the sound.
            ended = true;
            if (resampler) convert(nullptr);
            return !pending.empty();
        }
        return false;
    }
};

AudioDecoder::AudioDecoder(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
AudioDecoder::~AudioDecoder() = default;

std::unique_ptr<AudioDecoder> AudioDecoder::open(const std::string& path, std::string& error) {
    quietLibraries();
    auto impl = std::make_unique<Impl>();
    error = impl->openInput(path.c_str());
    if (!error.empty()) return nullptr;
    return std::unique_ptr<AudioDecoder>(new AudioDecoder(std::move(impl)));
}

std::unique_ptr<AudioDecoder> AudioDecoder::openMemory(std::string bytes, std::string& error) {
    quietLibraries();
    auto impl = std::make_unique<Impl>();
    impl->memory = std::move(bytes);
    error = impl->openInput(nullptr);
    if (!error.empty()) return nullptr;
    return std::unique_ptr<AudioDecoder>(new AudioDecoder(std::move(impl)));
}

std::size_t AudioDecoder::read(float* out, std::size_t frames) {
    Impl& d = *m_impl;
    std::size_t done = 0;
    while (done < frames) {
        if (d.pendingPos >= d.pending.size() && !d.decodeMore()) break;
        const std::size_t available = (d.pending.size() - d.pendingPos) / kChannels;
        const std::size_t n = std::min(available, frames - done);
        std::copy_n(d.pending.data() + d.pendingPos, n * kChannels, out + done * kChannels);
        d.pendingPos += n * kChannels;
        done += n;
    }
    return done;
}

bool AudioDecoder::rewind() {
    Impl& d = *m_impl;
    if (avformat_seek_file(d.format, -1, INT64_MIN, 0, INT64_MAX, 0) < 0 &&
        av_seek_frame(d.format, d.stream, 0, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) < 0)
        return false;
    avcodec_flush_buffers(d.codec);
    if (!d.openResampler().empty()) return false;
    d.pending.clear();
    d.pendingPos = 0;
    d.draining = false;
    d.ended = false;
    return true;
}

double AudioDecoder::durationSeconds() const {
    const AVFormatContext* f = m_impl->format;
    return f && f->duration != AV_NOPTS_VALUE && f->duration > 0
               ? static_cast<double>(f->duration) / AV_TIME_BASE
               : 0.0;
}

} // namespace run::platform
