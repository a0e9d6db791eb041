// An FFmpeg demuxer over a file or over bytes in memory, shared by the sound and video decoders.
#pragma once

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;

namespace run::platform {

// FFmpeg's text for an error code.
std::string AvErrorText(int code);
// Damaged files make the libraries talk; the player reports failures itself.
void QuietMediaLibraries();

// Decodes the next frame of `stream` into `frame`: packets are read as the codec asks for them
// (damaged ones skipped, so the rest may still play), and at the file's end the codec gives what
// it holds (`draining` is then set). False when no frame is left.
bool ReceiveNextFrame(AVFormatContext* format, AVCodecContext* codec, int stream, AVPacket* packet,
                      AVFrame* frame, bool& draining);

class MediaInput {
  public:
    MediaInput() = default;
    ~MediaInput();
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    // Opens the file and reads its stream information; the empty string, or FFmpeg's reason.
    std::string openFile(const std::string& path);
    // The same over bytes in memory (tests, fuzzing).
    std::string openMemory(std::string bytes);
    AVFormatContext* format() const { return m_format; }

  private:
    std::string open(const char* path);
    static int readMemory(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t seekMemory(void* opaque, std::int64_t offset, int whence);

    std::string m_memory; // the file's bytes when reading from memory
    std::size_t m_memoryPos = 0;
    AVIOContext* m_io = nullptr;
    AVFormatContext* m_format = nullptr;
};

} // namespace run::platform
