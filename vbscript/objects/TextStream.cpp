// TextStream over a POSIX file descriptor. Reading streams decode the whole
// file when opened; writing streams write through on every call, so another
// stream on the same file sees the text at once.
#include "TextStream.h"
#include "FileAccess.h"
#include "ObjectKit.h"

#include "../Convert.h"
#include "../Interp.h"
#include "../builtins/Builtins.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vbs::files {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 controls.
const char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::u16string decode1252(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes)
        out.push_back(b >= 0x80 && b < 0xA0 ? k1252High[b - 0x80] : char16_t(b));
    return out;
}

bool encode1252(std::u16string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(char(c));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i)
            if (k1252High[i] == c) found = i;
        if (found < 0) return false;
        out.push_back(char(0x80 + found));
    }
    return true;
}

namespace {

enum : DispId {
    kRead = 1,
    kReadLine,
    kReadAll,
    kSkip,
    kSkipLine,
    kWrite,
    kWriteLine,
    kWriteBlankLines,
    kAtEndOfStream,
    kAtEndOfLine,
    kLine,
    kColumn,
    kClose,
};

const MemberName kMembers[] = {
    {u"read", kRead},
    {u"readline", kReadLine},
    {u"readall", kReadAll},
    {u"skip", kSkip},
    {u"skipline", kSkipLine},
    {u"write", kWrite},
    {u"writeline", kWriteLine},
    {u"writeblanklines", kWriteBlankLines},
    {u"atendofstream", kAtEndOfStream},
    {u"atendofline", kAtEndOfLine},
    {u"line", kLine},
    {u"column", kColumn},
    {u"close", kClose},
};

class TextStream final : public EngineObject {
  public:
    TextStream(Interp& rt, int fd, bool reading, bool unicode, std::u16string text)
        : EngineObject(rt), m_fd(fd), m_reading(reading), m_unicode(unicode), m_text(std::move(text)) {}
    ~TextStream() override { closeFile(); }

    std::u16string typeName() const override { return u"TextStream"; }
    DispId memberId(std::u16string_view name) override { return findMember(kMembers, name); }
    const void* dispatchKey() const override { return kMembers; }

    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] { dispatch(id, kind, args, result); });
    }

  private:
    void dispatch(DispId id, InvokeKind kind, std::span<Value> args, Value& result) {
        if (isPut(kind) || id == kDispValue)
            throwError(id == kDispValue ? Err::NoSuchMember : Err::WrongArgCount);
        auto arity = [&](size_t lo, size_t hi) {
            if (args.size() < lo || args.size() > hi) throwError(Err::WrongArgCount);
        };
        switch (id) {
        case kLine:
            arity(0, 0);
            result = Value::longv(m_line);
            return;
        case kColumn:
            arity(0, 0);
            result = Value::longv(m_column);
            return;
        case kClose:
            arity(0, 0);
            closeFile();
            return;
        default:
            break;
        }
        if (m_fd < 0) throwError(Err::BadFileNameOrNumber);
        const bool reading = id <= kSkipLine || id == kAtEndOfStream || id == kAtEndOfLine;
        if (reading != m_reading) throwError(Err::BadFileMode);
        switch (id) {
        case kRead: {
            arity(1, 1);
            int32_t n = argLong(m_rt, args, 0);
            if (n < 0) throwError(Err::InvalidCall);
            if (n > 0 && atEnd()) throwError(Err::InputPastEnd);
            result = Value::string(take(std::min(size_t(n), m_text.size() - m_pos)));
            return;
        }
        case kReadLine: {
            arity(0, 0);
            if (atEnd()) throwError(Err::InputPastEnd);
            result = Value::string(readLine());
            return;
        }
        case kReadAll:
            arity(0, 0);
            if (atEnd()) throwError(Err::InputPastEnd);
            result = Value::string(take(m_text.size() - m_pos));
            return;
        case kSkip: {
            arity(1, 1);
            int32_t n = argLong(m_rt, args, 0);
            if (n < 0) throwError(Err::InvalidCall);
            if (size_t(n) > m_text.size() - m_pos) throwError(Err::InputPastEnd);
            take(size_t(n));
            return;
        }
        case kSkipLine:
            arity(0, 0);
            if (atEnd()) throwError(Err::InputPastEnd);
            readLine();
            return;
        case kAtEndOfStream:
            arity(0, 0);
            result = Value::boolean(atEnd());
            return;
        case kAtEndOfLine:
            arity(0, 0);
            result = Value::boolean(atEnd() || m_text[m_pos] == u'\n' || m_text[m_pos] == u'\r');
            return;
        case kWrite:
            arity(1, 1);
            write(argString(m_rt, args, 0));
            return;
        case kWriteLine:
            arity(0, 1);
            write((args.empty() ? std::u16string() : argString(m_rt, args, 0)) + u"\r\n");
            return;
        case kWriteBlankLines: {
            arity(1, 1);
            int32_t n = argLong(m_rt, args, 0);
            if (n < 0) throwError(Err::InvalidCall);
            m_rt.checkMemory(size_t(n) * 4);
            std::u16string lines;
            for (int32_t i = 0; i < n; ++i)
                lines += u"\r\n";
            write(lines);
            return;
        }
        }
        throwError(Err::NoSuchMember);
    }

    bool atEnd() const { return m_pos >= m_text.size(); }

    void advance(std::u16string_view s) {
        for (char16_t c : s) {
            if (c == u'\n') {
                ++m_line;
                m_column = 1;
            } else {
                ++m_column;
            }
        }
    }

    std::u16string take(size_t n) {
        std::u16string s = m_text.substr(m_pos, n);
        m_pos += n;
        advance(s);
        return s;
    }

    // A line ends at LF; the CR of a CRLF pair is dropped with it.
    std::u16string readLine() {
        size_t nl = m_text.find(u'\n', m_pos);
        size_t end = nl == std::u16string::npos ? m_text.size() : nl;
        std::u16string line = m_text.substr(m_pos, end - m_pos);
        m_pos = nl == std::u16string::npos ? m_text.size() : nl + 1;
        if (!line.empty() && line.back() == u'\r') line.pop_back();
        if (nl != std::u16string::npos) {
            ++m_line;
            m_column = 1;
        } else {
            advance(line);
        }
        return line;
    }

    void write(const std::u16string& text) {
        std::string bytes;
        if (m_unicode) {
            bytes.reserve(text.size() * 2);
            for (char16_t c : text) {
                bytes.push_back(char(c & 0xFF));
                bytes.push_back(char(c >> 8));
            }
        } else if (!encode1252(text, bytes)) {
            throwError(Err::InvalidCall); // the classic answer to a character ASCII cannot hold
        }
        writeBytes(m_fd, bytes);
        advance(text);
    }

  public:
    static void writeBytes(int fd, std::string_view bytes) {
        while (!bytes.empty()) {
            ssize_t n = ::write(fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                raiseErrno(errno);
            }
            bytes.remove_prefix(size_t(n));
        }
    }

  private:
    void closeFile() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

    int m_fd;
    bool m_reading;
    bool m_unicode;
    std::u16string m_text; // the whole file, when reading
    size_t m_pos = 0;
    int32_t m_line = 1;
    int32_t m_column = 1;
};

// Closes the descriptor unless released to a TextStream.
struct FdGuard {
    int fd;
    ~FdGuard() {
        if (fd >= 0) ::close(fd);
    }
};

std::string readAllBytes(Interp& rt, int fd, off_t sizeHint) {
    rt.checkMemory(size_t(sizeHint) * 3);
    std::string bytes;
    bytes.reserve(size_t(sizeHint));
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            raiseErrno(errno);
        }
        if (n == 0) break;
        bytes.append(buf, size_t(n));
        rt.checkMemory(bytes.size() * 3);
    }
    return bytes;
}

std::u16string decodeUtf16(std::string_view bytes) {
    if (bytes.size() >= 2 && (unsigned char)bytes[0] == 0xFF && (unsigned char)bytes[1] == 0xFE)
        bytes.remove_prefix(2);
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = char16_t((unsigned char)bytes[2 * i] | ((unsigned char)bytes[2 * i + 1] << 8));
    return out;
}

} // namespace

Object* openTextStream(Interp& rt, const std::filesystem::path& resolved, int ioMode, Create create,
                       int format) {
    if (ioMode != ForReading && ioMode != ForWriting && ioMode != ForAppending) throwError(Err::InvalidCall);
    if (format != 0 && format != -1 && format != -2) throwError(Err::InvalidCall);
    const bool unicode = format == -1;
    // O_NOFOLLOW: the path was resolved, so a link here appeared since; O_NONBLOCK
    // keeps a FIFO from blocking the open (it is refused below).
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    if (ioMode == ForReading)
        flags |= O_RDONLY;
    else
        flags |= O_WRONLY | (ioMode == ForAppending ? O_APPEND : O_TRUNC);
    if (create == Create::IfMissing || create == Create::Always) flags |= O_CREAT;
    if (create == Create::New) flags |= O_CREAT | O_EXCL;
    if (ioMode == ForReading && create != Create::Never) flags |= O_CREAT;
    FdGuard fd{::open(resolved.c_str(), flags, 0666)};
    if (fd.fd < 0) {
        int e = errno;
        std::error_code ec;
        if (e == ENOENT && !std::filesystem::is_directory(resolved.parent_path(), ec))
            throwError(Err::PathNotFound);
        raiseErrno(e);
    }
    struct stat st;
    if (::fstat(fd.fd, &st) != 0) raiseErrno(errno);
    if (!S_ISREG(st.st_mode)) throwError(Err::PermissionDenied);
    ::fcntl(fd.fd, F_SETFL, ::fcntl(fd.fd, F_GETFL) & ~O_NONBLOCK);

    std::u16string text;
    if (ioMode == ForReading) {
        std::string bytes = readAllBytes(rt, fd.fd, st.st_size);
        text = unicode ? decodeUtf16(bytes) : decode1252(bytes);
    } else if (unicode && (ioMode == ForWriting || st.st_size == 0)) {
        TextStream::writeBytes(fd.fd, "\xFF\xFE");
    }
    auto* ts = new TextStream(rt, fd.fd, ioMode == ForReading, unicode, std::move(text));
    fd.fd = -1;
    return ts;
}

} // namespace vbs::files
