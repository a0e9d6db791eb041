// Writes record files in memory and saves them atomically, refusing any value that
// would not read back identically through RecordReader.
#pragma once

#include "run/project/record/RecordError.h"
#include "run/project/record/RecordVariant.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace run {

// Fields of one record are separated by commas; endRecord() ends the line with CRLF.
// The runtime's own files use writeField(), one field per line.
class RecordWriter {
  public:
    RecordWriter() = default; // memory only: commit() throws BadFileName
    static RecordWriter create(const std::filesystem::path& file);

    void writeInteger(std::int16_t value);
    void writeLong(std::int32_t value);
    // Shortest text that reads back to the same double, e.g. "0.1", "1e+308".
    // NaN and infinities throw Unwritable.
    void writeDouble(double value);
    // UTF-8 in, Windows-1252 in the file. Throws Unwritable for a double quote, CR, LF,
    // malformed UTF-8 or a character without a Windows-1252 form.
    void writeString(std::string_view utf8);
    void writeBoolean(bool value);
    // Empty writes an empty field, Null #NULL#, numbers as writeDouble.
    void writeVariant(const RecordVariant& value);
    void endRecord();

    void writeField(std::int16_t v) { writeInteger(v), endRecord(); }
    void writeField(std::int32_t v) { writeLong(v), endRecord(); }
    void writeField(double v) { writeDouble(v), endRecord(); }
    void writeField(bool v) { writeBoolean(v), endRecord(); }
    void writeField(std::string_view v) { writeString(v), endRecord(); }
    void writeField(const char* v) { writeString(v), endRecord(); }
    void writeField(const RecordVariant& v) { writeVariant(v), endRecord(); }

    // Ends an open record, then writes the file atomically (temporary file + rename), so
    // a failed save leaves the previous file intact. Throws RecordError Unwritable
    // (or BadFileName without a file) with the system's reason.
    void commit();

    const std::string& bytes() const { return m_bytes; }
    const std::filesystem::path& file() const { return m_file; }

  private:
    void beginField();

    std::filesystem::path m_file;
    std::string m_bytes;
    bool m_inRecord = false;
};

} // namespace run
