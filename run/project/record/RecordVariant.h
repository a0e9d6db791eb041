// A tagged value read from or written to a record file when the reader does not know
// the field's type in advance.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace run {

class RecordVariant {
  public:
    enum class Kind { Empty, Null, Boolean, Number, String };

    RecordVariant() = default; // Empty
    static RecordVariant null() { return RecordVariant(Kind::Null); }
    static RecordVariant boolean(bool b) {
        RecordVariant v(Kind::Boolean);
        v.m_number = b ? -1 : 0;
        return v;
    }
    static RecordVariant number(double d) {
        RecordVariant v(Kind::Number);
        v.m_number = d;
        return v;
    }
    static RecordVariant string(std::string s) {
        RecordVariant v(Kind::String);
        v.m_string = std::move(s);
        return v;
    }

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isNull() const { return m_kind == Kind::Null; }

    // Empty and Null give "", booleans "True"/"False", numbers their shortest decimal text
    // (integral values without ".0", e.g. "12", "-0.5", "1e+300"), strings themselves.
    std::string text() const;
    // Numbers and booleans (-1/0) as they are; Empty and Null 0; strings parsed as a
    // number field. Throws RecordError TypeMismatch for text that is not a number.
    double toNumber() const;
    // Non-zero numbers and True are true; Empty, Null, False and 0 false; strings as a
    // Boolean field reads them. Throws RecordError TypeMismatch otherwise.
    bool toBoolean() const;
    // toNumber() as a 16-bit Integer or 32-bit Long: rounded half to even; Overflow outside
    // the type's range.
    std::int16_t toInteger() const;
    std::int32_t toLong() const;

    const std::string& stringValue() const { return m_string; }

    friend bool operator==(const RecordVariant& a, const RecordVariant& b) {
        return a.m_kind == b.m_kind && a.m_number == b.m_number && a.m_string == b.m_string;
    }

  private:
    explicit RecordVariant(Kind kind) : m_kind(kind) {}

    Kind m_kind = Kind::Empty;
    double m_number = 0;
    std::string m_string;
};

} // namespace run
