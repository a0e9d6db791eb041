// The errors of record-file reading and writing, with the classic descriptions and
// numbers that scripts and error boxes show.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace run {

class RecordError : public std::runtime_error {
  public:
    enum class Kind { EndOfFile, Overflow, TypeMismatch, FileNotFound, BadFileName, Unwritable };

    // what() is the description, followed by ": detail" when a detail is given.
    explicit RecordError(Kind kind, std::string_view detail = {});

    Kind kind() const { return m_kind; }
    // The classic wording only, e.g. "Input past end of file".
    std::string_view description() const { return Description(m_kind); }
    // The classic error number (62, 6, 13, 53, 52; 5 for Unwritable).
    int number() const { return Number(m_kind); }

    static std::string_view Description(Kind kind);
    static int Number(Kind kind);

  private:
    Kind m_kind;
};

} // namespace run
