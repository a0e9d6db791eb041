#include "run/project/record/RecordWriter.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordNumber.h"

#include <charconv>
#include <cmath>

namespace run {

using Kind = RecordError::Kind;

RecordWriter RecordWriter::create(const std::filesystem::path& file) {
    if (file.empty() || !file.has_filename())
        throw RecordError(Kind::BadFileName, "cannot write to '" + file.string() + "'");
    RecordWriter writer;
    writer.m_file = file;
    return writer;
}

void RecordWriter::beginField() {
    if (m_inRecord) m_bytes += ',';
    m_inRecord = true;
}

void RecordWriter::writeInteger(std::int16_t value) {
    beginField();
    m_bytes += std::to_string(value);
}

void RecordWriter::writeLong(std::int32_t value) {
    beginField();
    m_bytes += std::to_string(value);
}

void RecordWriter::writeDouble(double value) {
    if (!std::isfinite(value))
        throw RecordError(Kind::Unwritable, "a record file cannot hold an infinite or undefined number");
    beginField();
    // A negative zero keeps its sign, so what was written reads back as it was.
    m_bytes += value == 0 && std::signbit(value) ? "-0" : record_detail::FormatNumber(value);
}

void RecordWriter::writeString(std::string_view utf8) {
    // Nothing escapes these inside a quoted field; writing them would corrupt the file.
    if (utf8.find('"') != std::string_view::npos)
        throw RecordError(Kind::Unwritable, "a string field cannot hold a double quote");
    if (utf8.find_first_of("\r\n") != std::string_view::npos)
        throw RecordError(Kind::Unwritable, "a string field cannot hold a line break");
    std::string bytes;
    if (!platform::Utf8ToCp1252(utf8, bytes))
        throw RecordError(Kind::Unwritable,
                          "the string '" + std::string(utf8) +
                              "' holds malformed UTF-8 or a character without a Windows-1252 form");
    beginField();
    m_bytes += '"';
    m_bytes += bytes;
    m_bytes += '"';
}

void RecordWriter::writeBoolean(bool value) {
    beginField();
    m_bytes += value ? "#TRUE#" : "#FALSE#";
}

void RecordWriter::writeVariant(const RecordVariant& value) {
    switch (value.kind()) {
    case RecordVariant::Kind::Empty:
        beginField();
        break;
    case RecordVariant::Kind::Null:
        beginField();
        m_bytes += "#NULL#";
        break;
    case RecordVariant::Kind::Boolean:
        writeBoolean(value.toBoolean());
        break;
    case RecordVariant::Kind::Number:
        writeDouble(value.toNumber());
        break;
    case RecordVariant::Kind::String:
        writeString(value.stringValue());
        break;
    }
}

void RecordWriter::endRecord() {
    m_bytes += "\r\n";
    m_inRecord = false;
}

void RecordWriter::commit() {
    if (m_file.empty()) throw RecordError(Kind::BadFileName, "this record writer has no file");
    if (m_inRecord) endRecord();
    const std::string error = platform::WriteFileAtomically(m_file, m_bytes);
    if (!error.empty()) throw RecordError(Kind::Unwritable, error);
}

} // namespace run
