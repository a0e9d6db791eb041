#include "run/platform/media/AudioDecoder.h"

#include "run/platform/media/MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <vector>

namespace run::platform {

namespace {

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
    MediaInput input;
    AVFormatContext* format = nullptr; // the input's
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
    }

    // Opens the input (a file, or the bytes given) and its sound stream's decoder.
    std::string openInput(const std::string* path, std::string bytes) {
        if (std::string error = path ? input.openFile(*path) : input.openMemory(std::move(bytes));
            !error.empty())
            return input.format() ? error : "Not a sound file this player can read (" + error + ")";
        format = input.format();
        const AVCodec* decoder = nullptr;
        stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (stream < 0 || !decoder) return "The file holds no sound";
        codec = avcodec_alloc_context3(decoder);
        if (!codec) return "Out of memory";
        if (int rc = avcodec_parameters_to_context(codec, format->streams[stream]->codecpar); rc < 0)
            return AvErrorText(rc);
        if (int rc = avcodec_open2(codec, decoder, nullptr); rc < 0) return AvErrorText(rc);
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
        if (rc < 0 || !resampler) return "Cannot convert the sound (" + AvErrorText(rc) + ")";
        if ((rc = swr_init(resampler)) < 0) {
            swr_free(&resampler);
            return "Cannot convert the sound (" + AvErrorText(rc) + ")";
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
            if (ReceiveNextFrame(format, codec, stream, packet, frame, draining)) {
                if (acceptFrame(frame)) convert(frame);
                av_frame_unref(frame);
                if (!pending.empty()) return true;
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
    auto impl = std::make_unique<Impl>();
    error = impl->openInput(&path, {});
    if (!error.empty()) return nullptr;
    return std::unique_ptr<AudioDecoder>(new AudioDecoder(std::move(impl)));
}

std::unique_ptr<AudioDecoder> AudioDecoder::openMemory(std::string bytes, std::string& error) {
    auto impl = std::make_unique<Impl>();
    error = impl->openInput(nullptr, std::move(bytes));
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
