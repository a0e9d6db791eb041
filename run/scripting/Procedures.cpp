#include "run/scripting/Procedures.h"

#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordError.h"
#include "run/project/record/Scrambling.h"

#include <limits>
#include <stdexcept>

namespace run {

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
