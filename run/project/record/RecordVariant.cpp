#include "run/project/record/RecordVariant.h"

#include "run/project/record/RecordError.h"
#include "run/project/record/RecordNumber.h"
#include "run/project/record/WholeNumber.h"

#include <string_view>

namespace run {

using namespace record_detail;

std::string RecordVariant::text() const {
    switch (m_kind) {
    case Kind::Empty:
    case Kind::Null:
        return {};
    case Kind::Boolean:
        return m_number != 0 ? "True" : "False";
    case Kind::Number:
        return FormatNumber(m_number);
    case Kind::String:
        return m_string;
    }
    return {};
}

double RecordVariant::toNumber() const {
    if (m_kind != Kind::String) return m_number;
    const std::string_view s = m_string;
    const auto first = s.find_first_not_of(" \t");
    const std::string_view trimmed =
        first == s.npos ? std::string_view() : s.substr(first, s.find_last_not_of(" \t") - first + 1);
    if (trimmed.empty()) return 0;
    switch (ParseKeyword(trimmed)) {
    case Keyword::True:
        return -1;
    case Keyword::False:
        return 0;
    default:
        break;
    }
    double value = 0;
    switch (ParseNumber(trimmed, value)) {
    case NumberParse::Ok:
        return value;
    case NumberParse::Overflow:
        throw RecordError(RecordError::Kind::Overflow, "'" + m_string + "' is too large");
    case NumberParse::NotNumber:
        break;
    }
    throw RecordError(RecordError::Kind::TypeMismatch, "'" + m_string + "' is not a number");
}

bool RecordVariant::toBoolean() const {
    return toNumber() != 0;
}

std::int16_t RecordVariant::toInteger() const {
    return WholeNumber<std::int16_t>(toNumber());
}
std::int32_t RecordVariant::toLong() const {
    return WholeNumber<std::int32_t>(toNumber());
}

} // namespace run
