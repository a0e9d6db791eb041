#include "run/project/record/RecordReader.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordNumber.h"
#include "run/project/record/WholeNumber.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace run {

using namespace record_detail;
using Kind = RecordError::Kind;

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// "'text' at byte N" with the text shortened, for error messages.
std::string describe(std::string_view text, std::size_t start) {
    constexpr std::size_t kMax = 40;
    std::string shown = platform::Cp1252ToUtf8(text.substr(0, kMax));
    if (text.size() > kMax) shown += "...";
    return "'" + shown + "' at byte " + std::to_string(start);
}

double fieldNumber(std::string_view raw, std::size_t start) {
    const std::string_view text = trimBlanks(raw);
    if (text.empty()) return 0;
    switch (ParseKeyword(text)) {
    case Keyword::True:
        return -1;
    case Keyword::False:
        return 0;
    case Keyword::Null:
        throw RecordError(Kind::TypeMismatch, describe(text, start) + " is not a number");
    case Keyword::None:
        break;
    }
    double value = 0;
    switch (ParseNumber(text, value)) {
    case NumberParse::Ok:
        return value;
    case NumberParse::Overflow:
        throw RecordError(Kind::Overflow, describe(text, start) + " is too large");
    case NumberParse::NotNumber:
        break;
    }
    throw RecordError(Kind::TypeMismatch, describe(text, start) + " is not a number");
}

template <typename T> T fieldWhole(std::string_view raw, std::size_t start) {
    const double value = fieldNumber(raw, start);
    try {
        return WholeNumber<T>(value);
    } catch (const RecordError&) {
        // The same error, naming the field and where it stands.
        throw RecordError(Kind::Overflow, describe(trimBlanks(raw), start) + " does not fit in " +
                                              std::to_string(sizeof(T) * 8) + " bits");
    }
}

} // namespace

RecordReader RecordReader::open(const std::filesystem::path& file) {
    if (file.empty()) throw RecordError(Kind::BadFileName, "no file name given");
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!std::filesystem::exists(status)) throw RecordError(Kind::FileNotFound, file.string());
    if (std::filesystem::is_directory(status))
        throw RecordError(Kind::BadFileName, file.string() + " is a folder");
    auto bytes = platform::ReadWholeFile(file);
    if (!bytes) throw RecordError(Kind::BadFileName, file.string() + " cannot be read");
    return RecordReader(std::move(*bytes));
}

RecordReader RecordReader::fromBytes(std::string bytes) {
    return RecordReader(std::move(bytes));
}

RecordReader::Field RecordReader::nextField() {
    if (atEnd()) throw RecordError(Kind::EndOfFile, "at byte " + std::to_string(m_pos));
    const char* const begin = m_data.data();
    const char* const end = begin + m_data.size();
    const char* p = begin + m_pos;
    while (p < end && isBlank(*p))
        ++p;

    Field field;
    field.start = std::size_t(p - begin);
    if (p < end && *p == '"') {
        const char* text = ++p;
        const void* close = std::memchr(p, '"', std::size_t(end - p));
        // An unclosed quote takes the rest of the file rather than failing the whole read.
        p = close ? static_cast<const char*>(close) : end;
        field.text = std::string_view(text, std::size_t(p - text));
        field.quoted = true;
        if (p < end) ++p;
        while (p < end && *p != ',' && *p != '\r' && *p != '\n')
            ++p;
    } else {
        const char* text = p;
        while (p < end && *p != ',' && *p != '\r' && *p != '\n')
            ++p;
        const char* last = p;
        while (last > text && isBlank(last[-1]))
            --last;
        field.text = std::string_view(text, std::size_t(last - text));
    }

    if (p < end) {
        if (*p == '\r') {
            ++p;
            if (p < end && *p == '\n') ++p;
        } else {
            ++p; // ',' or '\n'
        }
    }
    m_pos = std::size_t(p - begin);
    return field;
}

std::int16_t RecordReader::readInteger() {
    const Field f = nextField();
    return fieldWhole<std::int16_t>(f.text, f.start);
}

std::int32_t RecordReader::readLong() {
    const Field f = nextField();
    return fieldWhole<std::int32_t>(f.text, f.start);
}

double RecordReader::readDouble() {
    const Field f = nextField();
    return fieldNumber(f.text, f.start);
}

std::string RecordReader::readString() {
    return platform::Cp1252ToUtf8(nextField().text);
}

bool RecordReader::readBoolean() {
    const Field f = nextField();
    return fieldNumber(f.text, f.start) != 0;
}

RecordVariant RecordReader::readVariant() {
    const Field f = nextField();
    if (f.quoted) return RecordVariant::string(platform::Cp1252ToUtf8(f.text));
    if (f.text.empty()) return RecordVariant();
    switch (ParseKeyword(f.text)) {
    case Keyword::True:
        return RecordVariant::boolean(true);
    case Keyword::False:
        return RecordVariant::boolean(false);
    case Keyword::Null:
        return RecordVariant::null();
    case Keyword::None:
        break;
    }
    double value = 0;
    switch (ParseNumber(f.text, value)) {
    case NumberParse::Ok:
        return RecordVariant::number(value);
    case NumberParse::Overflow:
        throw RecordError(Kind::Overflow, describe(f.text, f.start) + " is too large");
    case NumberParse::NotNumber:
        break;
    }
    return RecordVariant::string(platform::Cp1252ToUtf8(f.text));
}

std::string RecordReader::readLine() {
    if (atEnd()) throw RecordError(Kind::EndOfFile, "at byte " + std::to_string(m_pos));
    const std::size_t lineEnd = m_data.find_first_of("\r\n", m_pos);
    const std::size_t stop = lineEnd == std::string::npos ? m_data.size() : lineEnd;
    std::string line = platform::Cp1252ToUtf8(std::string_view(m_data).substr(m_pos, stop - m_pos));
    m_pos = stop;
    if (m_pos < m_data.size()) {
        if (m_data[m_pos++] == '\r' && m_pos < m_data.size() && m_data[m_pos] == '\n') ++m_pos;
    }
    return line;
}

bool RecordReader::atBlockEnd() {
    if (atEnd()) return true;
    const std::size_t saved = m_pos;
    // Comparing the raw text is the same as comparing the field's Variant text: no number
    // or keyword has the separator's text, and the separator is plain ASCII.
    const bool separator = nextField().text == kRecordSeparator;
    m_pos = saved;
    return separator;
}

void RecordReader::skipToBlockEnd() {
    while (nextField().text != kRecordSeparator) {
    }
}

void RecordReader::seek(std::size_t position) {
    if (position > m_data.size())
        throw std::out_of_range("record seek to byte " + std::to_string(position) + " beyond the end (" +
                                std::to_string(m_data.size()) + " bytes)");
    m_pos = position;
}

} // namespace run
