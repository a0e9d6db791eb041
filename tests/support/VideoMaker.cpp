#include "tests/support/VideoMaker.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <memory>
#include <numbers>

namespace run::testing {

namespace {

std::string avText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct Writer {
    AVFormatContext* out = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;

    ~Writer() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        if (out) {
            if (out->pb) avio_closep(&out->pb);
            avformat_free_context(out);
        }
    }

    // Sends a frame (null: the end) and writes every packet the encoder gives back.
    std::string encode(AVCodecContext* codec, AVStream* stream, AVFrame* f) {
        int rc = avcodec_send_frame(codec, f);
        if (rc < 0) return avText(rc);
        while ((rc = avcodec_receive_packet(codec, packet)) == 0) {
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if ((rc = av_interleaved_write_frame(out, packet)) < 0) return avText(rc);
        }
        return rc == AVERROR(EAGAIN) || rc == AVERROR_EOF ? std::string() : avText(rc);
    }
};

} // namespace

std::string WriteVideo(const std::string& path, const VideoSpec& spec,
                       const std::function<void(int, platform::Canvas&)>& paint) {
    av_log_set_level(AV_LOG_ERROR);
    Writer w;
    int rc = avformat_alloc_output_context2(&w.out, nullptr, "mpeg", path.c_str());
    if (rc < 0 || !w.out) return avText(rc);
    const AVCodec* vc = avcodec_find_encoder(AV_CODEC_ID_MPEG1VIDEO);
    if (!vc) return "no MPEG-1 video encoder";
    w.video = avcodec_alloc_context3(vc);
    w.video->width = spec.width;
    w.video->height = spec.height;
    w.video->time_base = AVRational{1, spec.picturesPerSecond};
    w.video->framerate = AVRational{spec.picturesPerSecond, 1};
    w.video->pix_fmt = AV_PIX_FMT_YUV420P;
    w.video->bit_rate = spec.bitRate;
    w.video->rc_buffer_size = 4 * 1024 * 1024;
    w.video->rc_max_rate = 2 * spec.bitRate;
    w.video->gop_size = 12;
    w.video->max_b_frames = 0;
    if ((rc = avcodec_open2(w.video, vc, nullptr)) < 0) return avText(rc);
    w.videoStream = avformat_new_stream(w.out, nullptr);
    w.videoStream->time_base = w.video->time_base;
    avcodec_parameters_from_context(w.videoStream->codecpar, w.video);

    if (spec.toneHz > 0) {
        const AVCodec* ac = avcodec_find_encoder(AV_CODEC_ID_MP2);
        if (!ac) return "no MPEG audio encoder";
        w.audio = avcodec_alloc_context3(ac);
        w.audio->sample_rate = 44100;
        w.audio->sample_fmt = AV_SAMPLE_FMT_S16;
        w.audio->bit_rate = 192000;
        av_channel_layout_default(&w.audio->ch_layout, 2);
        w.audio->time_base = AVRational{1, 44100};
        if ((rc = avcodec_open2(w.audio, ac, nullptr)) < 0) return avText(rc);
        w.audioStream = avformat_new_stream(w.out, nullptr);
        w.audioStream->time_base = w.audio->time_base;
        avcodec_parameters_from_context(w.audioStream->codecpar, w.audio);
    }
    if ((rc = avio_open(&w.out->pb, path.c_str(), AVIO_FLAG_WRITE)) < 0) return avText(rc);
    if ((rc = avformat_write_header(w.out, nullptr)) < 0) return avText(rc);

    w.frame = av_frame_alloc();
    w.packet = av_packet_alloc();
    platform::Canvas canvas(spec.width, spec.height);
    w.scaler = sws_getContext(spec.width, spec.height, AV_PIX_FMT_BGRA, spec.width, spec.height,
                              AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    // The sound is written ahead of the pictures it goes with, so the two interleave evenly.
    std::int64_t samplesWritten = 0;
    const std::int64_t totalSamples = std::int64_t(spec.pictures) * 44100 / spec.picturesPerSecond;
    auto writeSound = [&](std::int64_t upTo) -> std::string {
        if (!w.audio) return {};
        const int chunk = w.audio->frame_size > 0 ? w.audio->frame_size : 1152;
        while (samplesWritten < upTo) {
            AVFrame* f = av_frame_alloc();
            f->format = AV_SAMPLE_FMT_S16;
            f->sample_rate = 44100;
            av_channel_layout_copy(&f->ch_layout, &w.audio->ch_layout);
            f->nb_samples = chunk;
            av_frame_get_buffer(f, 0);
            auto* s = reinterpret_cast<std::int16_t*>(f->data[0]);
            for (int i = 0; i < chunk; ++i) {
                const double t = double(samplesWritten + i) / 44100.0;
                const bool inside = samplesWritten + i < totalSamples;
                const auto v = static_cast<std::int16_t>(
                    inside ? 32767 * spec.toneLevel * std::sin(2 * std::numbers::pi * spec.toneHz * t) : 0);
                s[2 * i] = s[2 * i + 1] = v;
            }
            f->pts = samplesWritten;
            samplesWritten += chunk;
            std::string error = w.encode(w.audio, w.audioStream, f);
            av_frame_free(&f);
            if (!error.empty()) return error;
        }
        return {};
    };
    for (int i = 0; i < spec.pictures; ++i) {
        if (std::string e = writeSound(std::int64_t(i + 1) * 44100 / spec.picturesPerSecond); !e.empty())
            return e;
        canvas.fill({0, 0, spec.width, spec.height}, 0xFF000000);
        paint(i, canvas);
        av_frame_unref(w.frame);
        w.frame->format = AV_PIX_FMT_YUV420P;
        w.frame->width = spec.width;
        w.frame->height = spec.height;
        if ((rc = av_frame_get_buffer(w.frame, 0)) < 0) return avText(rc);
        const std::uint8_t* src[1] = {reinterpret_cast<const std::uint8_t*>(canvas.row(0))};
        const int srcStride[1] = {spec.width * 4};
        sws_scale(w.scaler, src, srcStride, 0, spec.height, w.frame->data, w.frame->linesize);
        w.frame->pts = i;
        if (std::string e = w.encode(w.video, w.videoStream, w.frame); !e.empty()) return e;
    }
    if (std::string e = w.encode(w.video, w.videoStream, nullptr); !e.empty()) return e;
    if (w.audio) {
        if (std::string e = w.encode(w.audio, w.audioStream, nullptr); !e.empty()) return e;
    }
    if ((rc = av_write_trailer(w.out)) < 0) return avText(rc);
    return {};
}

} // namespace run::testing
