#include "run/scripting/Procedures.h"

#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordError.h"
#include "run/project/record/Scrambling.h"

#include <limits>
#include <stdexcept>

namespace run {

namespace {

std::int32_t checked(std::int64_t v) {
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("Overflow");
    return static_cast<std::int32_t>(v);
}

} // namespace

std::int32_t ProjectKeyNumber(std::string_view registryNameUtf8) {
    std::int64_t sum = 0;
    for (unsigned char c : platform::Utf8ToCp1252Lossy(registryNameUtf8))
        sum = checked(sum + c);
    return static_cast<std::int32_t>(sum);
}

std::string ReadProceduresText(std::string_view bytes, bool scrambled, std::int32_t key) {
    std::size_t pos = 0;
    auto atEnd = [&] { return pos >= bytes.size(); };
    // A line ends at CR LF, CR or LF.
    auto nextLine = [&] {
        if (atEnd()) throw RecordError(RecordError::Kind::EndOfFile);
        std::size_t stop = bytes.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) stop = bytes.size();
        std::string_view line = bytes.substr(pos, stop - pos);
        pos = stop;
        if (pos < bytes.size() && bytes[pos++] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
        return line;
    };
    for (int i = 0; i < 3 && !atEnd(); ++i)
        nextLine();
    // At least one line follows the header: a file that ends before it cannot be read.
    std::string text;
    bool first = true;
    do {
        std::string_view line = nextLine();
        std::string decoded = scrambled ? DecodeProceduresLine(line, key) : std::string(line);
        if (!first) text += "\r\n";
        first = false;
        text += platform::Cp1252ToUtf8(decoded);
    } while (!atEnd());
    return text;
}

} // namespace run
