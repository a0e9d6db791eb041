#include "run/project/record/RecordError.h"

namespace run {
namespace {

std::string message(RecordError::Kind kind, std::string_view detail) {
    std::string text(RecordError::Description(kind));
    if (!detail.empty()) text.append(": ").append(detail);
    return text;
}

} // namespace

RecordError::RecordError(Kind kind, std::string_view detail)
    : std::runtime_error(message(kind, detail)), m_kind(kind) {}

std::string_view RecordError::Description(Kind kind) {
    switch (kind) {
    case Kind::EndOfFile:
        return "Input past end of file";
    case Kind::Overflow:
        return "Overflow";
    case Kind::TypeMismatch:
        return "Type mismatch";
    case Kind::FileNotFound:
        return "File not found";
    case Kind::BadFileName:
        return "Bad file name or number";
    case Kind::Unwritable:
        return "Invalid procedure call or argument";
    }
    return "Unknown record error";
}

int RecordError::Number(Kind kind) {
    switch (kind) {
    case Kind::EndOfFile:
        return 62;
    case Kind::Overflow:
        return 6;
    case Kind::TypeMismatch:
        return 13;
    case Kind::FileNotFound:
        return 53;
    case Kind::BadFileName:
        return 52;
    case Kind::Unwritable:
        return 5;
    }
    return 0;
}

} // namespace run
