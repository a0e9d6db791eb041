// Reads the fields of a record file (the 8-bit text format of every game data file and
// saved game) one at a time; the caller's choice of type decides each conversion.
#pragma once

#include "run/project/record/RecordError.h"
#include "run/project/record/RecordVariant.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace run {

// The field that ends a block in files whose blocks may grow.
inline constexpr std::string_view kRecordSeparator = "----- SEPARATOR -----";

// A field is: optional blanks, then either a quoted text (every char up to the next
// double quote, line breaks included; anything after the closing quote up to the
// delimiter is skipped) or an unquoted text up to the next comma or line end (trailing
// blanks trimmed); then one delimiter: a comma or one line end (CRLF, LF or a lone CR).
// A quoted text that never closes runs to the end of the file.
// Every read at the end of the data throws RecordError EndOfFile; conversions throw
// Overflow or TypeMismatch and leave the reader after the offending field.
class RecordReader {
  public:
    // Reads the whole file into memory. Throws RecordError FileNotFound (missing file)
    // or BadFileName (a folder, an empty name, unreadable), naming the path.
    static RecordReader open(const std::filesystem::path& file);
    static RecordReader fromBytes(std::string bytes);

    // Numbers: decimal text, optional exponent; decimals round half-to-even; #TRUE# is -1,
    // #FALSE# and an empty field 0. Out of range → Overflow; other text → TypeMismatch.
    std::int16_t readInteger();
    std::int32_t readLong();
    double readDouble();
    // The field's characters as they are, converted from Windows-1252 to UTF-8.
    std::string readString();
    // #TRUE# or a non-zero number is true; #FALSE#, zero or an empty field false.
    bool readBoolean();
    // Quoted → String; #TRUE#/#FALSE# → Boolean; #NULL# → Null; a number → Number;
    // empty → Empty; any other unquoted text → String.
    RecordVariant readVariant();
    // Every char up to the next line end, commas and quotes included; consumes the line end.
    std::string readLine();

    // True when no character is left (trailing blanks still count as content).
    bool atEnd() const { return m_pos >= m_data.size(); }
    // True at the end, or when the next field is the separator. Consumes nothing.
    bool atBlockEnd();
    // Skips the remaining fields of the block, the separator included.
    void skipToBlockEnd();

    std::size_t position() const { return m_pos; }
    std::size_t size() const { return m_data.size(); }
    // Throws std::out_of_range beyond size().
    void seek(std::size_t position);

  private:
    struct Field {
        std::string_view text; // Windows-1252 bytes, a view into m_data
        bool quoted = false;
        std::size_t start = 0; // byte offset, for error messages
    };

    explicit RecordReader(std::string bytes) : m_data(std::move(bytes)) {}
    Field nextField();

    std::string m_data;
    std::size_t m_pos = 0;
};

} // namespace run
