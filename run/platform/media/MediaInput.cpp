#include "run/platform/media/MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <cstring>
#include <mutex>

namespace run::platform {

std::string AvErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void QuietMediaLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

bool ReceiveNextFrame(AVFormatContext* format, AVCodecContext* codec, int stream, AVPacket* packet,
                      AVFrame* frame, bool& draining) {
    for (;;) {
        int rc = avcodec_receive_frame(codec, frame);
        if (rc == 0) return true;
        if (rc != AVERROR(EAGAIN) || draining) return false; // empty, or failed
        rc = av_read_frame(format, packet);
        if (rc < 0) {
            draining = true;
            avcodec_send_packet(codec, nullptr);
            continue;
        }
        if (packet->stream_index == stream) avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
    }
}

MediaInput::~MediaInput() {
    avformat_close_input(&m_format);
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
}

int MediaInput::readMemory(void* opaque, std::uint8_t* buffer, int size) {
    auto* self = static_cast<MediaInput*>(opaque);
    const std::size_t left = self->m_memory.size() - self->m_memoryPos;
    if (left == 0) return AVERROR_EOF;
    const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(size));
    std::memcpy(buffer, self->m_memory.data() + self->m_memoryPos, n);
    self->m_memoryPos += n;
    return static_cast<int>(n);
}

std::int64_t MediaInput::seekMemory(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<MediaInput*>(opaque);
    const auto size = static_cast<std::int64_t>(self->m_memory.size());
    if (whence & AVSEEK_SIZE) return size;
    std::int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
        base = 0;
        break;
    case SEEK_CUR:
        base = static_cast<std::int64_t>(self->m_memoryPos);
        break;
    case SEEK_END:
        base = size;
        break;
    default:
        return -1;
    }
    const std::int64_t to = base + offset;
    if (to < 0 || to > size) return -1;
    self->m_memoryPos = static_cast<std::size_t>(to);
    return to;
}

std::string MediaInput::openFile(const std::string& path) {
    return open(path.c_str());
}

std::string MediaInput::openMemory(std::string bytes) {
    m_memory = std::move(bytes);
    m_memoryPos = 0;
    return open(nullptr);
}

std::string MediaInput::open(const char* path) {
    QuietMediaLibraries();
    m_format = avformat_alloc_context();
    if (!m_format) return "Out of memory";
    if (!path) {
        constexpr int kBuffer = 32768;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kBuffer));
        m_io = buffer ? avio_alloc_context(buffer, kBuffer, 0, this, &readMemory, nullptr, &seekMemory)
                      : nullptr;
        if (!m_io) {
            av_free(buffer);
            return "Out of memory";
        }
        m_format->pb = m_io;
        m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    if (int rc = avformat_open_input(&m_format, path ? path : "", nullptr, nullptr); rc < 0) {
        m_format = nullptr; // freed by the failed open
        return AvErrorText(rc);
    }
    if (int rc = avformat_find_stream_info(m_format, nullptr); rc < 0) return AvErrorText(rc);
    return {};
}

} // namespace run::platform
