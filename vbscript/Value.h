#pragma once
// The Variant: a 16-byte tagged union with every classic subtype.
// Strings, arrays and objects are intrusively reference counted, so copying a
// Value is cheap; arrays keep value semantics through copy-on-write.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The hot handful of Value's members are inlined even into the machine's one big function,
// where the compiler's own budget would give up on them.
#define VBS_INLINE __attribute__((always_inline)) inline

namespace vbs {

enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Variant = 12,
    Byte = 17,
    Array = 8192 + 12, // vbArray + vbVariant, the only array kind scripts make
    Ref = 0x4000,      // internal: a ByRef parameter slot pointing at the caller's Value
};

class Object;
struct Array;

struct StrBuf {
    uint32_t refs = 1;
    // A byte string of odd length (ChrB, LeftB ...): the last character holds
    // only its low byte. Anything that changes the text clears it.
    bool oddBytes = false;
    std::u16string text;
};

class Value {
  public:
    VBS_INLINE Value() noexcept : m_type(VarType::Empty) { m_u.i64 = 0; }
    VBS_INLINE ~Value() {
        if (needsRelease()) releaseSlow();
    }
    VBS_INLINE Value(const Value& o) noexcept : m_type(o.m_type), m_u(o.m_u) {
        if (needsRelease()) addRefSlow();
    }
    VBS_INLINE Value(Value&& o) noexcept : m_type(o.m_type), m_u(o.m_u) { o.m_type = VarType::Empty; }
    // Assignments store the new value before releasing the old one: the release
    // may run a Class_Terminate that must already see the new contents.
    VBS_INLINE Value& operator=(const Value& o) noexcept {
        if (this == &o) return *this;
        if (o.needsRelease()) o.addRefSlow();
        Value old;
        old.m_type = m_type;
        old.m_u = m_u;
        m_type = o.m_type;
        m_u = o.m_u;
        return *this;
    }
    VBS_INLINE Value& operator=(Value&& o) noexcept {
        if (this == &o) return *this;
        if (!needsRelease()) {
            m_type = o.m_type;
            m_u = o.m_u;
            o.m_type = VarType::Empty;
            return *this;
        }
        Value old;
        old.m_type = m_type;
        old.m_u = m_u;
        m_type = o.m_type;
        m_u = o.m_u;
        o.m_type = VarType::Empty;
        return *this;
    }
    void swap(Value& o) noexcept {
        std::swap(m_type, o.m_type);
        std::swap(m_u, o.m_u);
    }

    static Value null() {
        Value v;
        v.m_type = VarType::Null;
        return v;
    }
    // The small kinds fill all 8 bytes of the payload in one store: a value written in parts
    // and then copied whole stalls the processor on every copy.
    static Value integer(int16_t x) { return Value(VarType::Integer, int64_t(x)); }
    static Value longv(int32_t x) { return Value(VarType::Long, int64_t(x)); }
    static Value single(float x) {
        uint32_t bits;
        __builtin_memcpy(&bits, &x, sizeof bits);
        return Value(VarType::Single, int64_t(bits));
    }
    static Value dbl(double x) {
        int64_t bits;
        __builtin_memcpy(&bits, &x, sizeof bits);
        return Value(VarType::Double, bits);
    }
    // Currency is a 64-bit integer scaled by 10 000.
    static Value currency(int64_t scaled) {
        Value v;
        v.m_type = VarType::Currency;
        v.m_u.i64 = scaled;
        return v;
    }
    static Value date(double x) {
        int64_t bits;
        __builtin_memcpy(&bits, &x, sizeof bits);
        return Value(VarType::Date, bits);
    }
    static Value boolean(bool x) { return Value(VarType::Boolean, x ? 1 : 0); }
    static Value byte(uint8_t x) { return Value(VarType::Byte, int64_t(x)); }
    static Value error(int32_t code) { return Value(VarType::Error, int64_t(code)); }
    static Value string(std::u16string s);
    static Value string(std::u16string_view s) { return string(std::u16string(s)); }
    static Value fromUtf8(std::string_view s);
    static Value object(Object* o); // adds a reference; nullptr is Nothing
    static Value nothing() { return object(nullptr); }
    static Value array(Array* a); // takes over the caller's reference
    static Value ref(Value* target) {
        Value v;
        v.m_type = VarType::Ref;
        v.m_u.ref = target;
        return v;
    }

    VarType type() const { return m_type; }
    bool isEmpty() const { return m_type == VarType::Empty; }
    bool isNull() const { return m_type == VarType::Null; }
    bool isString() const { return m_type == VarType::String; }
    bool isObject() const { return m_type == VarType::Object; }
    bool isNothing() const { return m_type == VarType::Object && !m_u.obj; }
    bool isArray() const { return m_type == VarType::Array; }
    bool isRef() const { return m_type == VarType::Ref; }
    bool isNumeric() const; // Integer..Currency, Date, Boolean, Byte, Empty

    // Checked accessors: each asserts the subtype (a mismatch is a bug in the engine).
    int16_t asInteger() const {
        check(VarType::Integer);
        return m_u.i16;
    }
    int32_t asLong() const {
        check(VarType::Long);
        return m_u.i32;
    }
    float asSingle() const {
        check(VarType::Single);
        return m_u.f32;
    }
    double asDouble() const {
        check(VarType::Double);
        return m_u.f64;
    }
    int64_t asCurrency() const {
        check(VarType::Currency);
        return m_u.i64;
    }
    double asDate() const {
        check(VarType::Date);
        return m_u.f64;
    }
    bool asBoolean() const {
        check(VarType::Boolean);
        return m_u.b;
    }
    uint8_t asByte() const {
        check(VarType::Byte);
        return m_u.u8;
    }
    int32_t asError() const {
        check(VarType::Error);
        return m_u.i32;
    }
    const std::u16string& asString() const {
        check(VarType::String);
        return m_u.str->text;
    }
    Object* asObject() const {
        check(VarType::Object);
        return m_u.obj;
    }
    Array* asArray() const {
        check(VarType::Array);
        return m_u.arr;
    }
    Value* refTarget() const {
        check(VarType::Ref);
        return m_u.ref;
    }
    StrBuf* strBuf() const {
        check(VarType::String);
        return m_u.str;
    }

    // Array storage safe to write: clones it first when shared (copy-on-write).
    Array* mutableArray();

    // Appends in place when this string is not shared: makes `s = s & x` linear.
    void appendString(std::u16string_view tail);

    // Follows a Ref to the Value it designates.
    VBS_INLINE Value& deref() { return m_type == VarType::Ref ? *m_u.ref : *this; }
    VBS_INLINE const Value& deref() const { return m_type == VarType::Ref ? *m_u.ref : *this; }

  private:
    VBS_INLINE Value(VarType t, int64_t bits) noexcept : m_type(t) { m_u.i64 = bits; }
    bool needsRelease() const {
        return m_type == VarType::String || m_type == VarType::Object || m_type == VarType::Array;
    }
    void addRefSlow() const noexcept;
    void releaseSlow() noexcept;
    void check(VarType t) const {
        if (m_type != t) [[unlikely]]
            wrongType();
    }
    [[noreturn]] static void wrongType();

    VarType m_type;
    union U {
        int16_t i16;
        int32_t i32;
        int64_t i64;
        float f32;
        double f64;
        bool b;
        uint8_t u8;
        StrBuf* str;
        Object* obj;
        Array* arr;
        Value* ref;
    } m_u;
};

struct ArrayDim {
    int32_t lbound = 0;
    int32_t count = 0;
};

// A Variant array in row-major order with the first index varying slowest.
struct Array {
    uint32_t refs = 1;
    uint32_t locks = 0; // held while an element is passed ByRef or For Each runs
    bool fixed = false; // declared with bounds by Dim: ReDim is refused
    std::vector<ArrayDim> dims;
    std::vector<Value> data;

    static constexpr int kMaxDims = 60;
    size_t size() const { return data.size(); }
    int rank() const { return int(dims.size()); }
};

// The UTF-16 <-> UTF-8 bridge; invalid UTF-8 decodes to U+FFFD.
std::u16string fromUtf8(std::string_view s);
std::string toUtf8(std::u16string_view s);

// Case-insensitive name handling (VBScript names are ASCII-case-insensitive).
std::u16string lowerName(std::u16string_view s);
bool equalsNoCase(std::u16string_view a, std::u16string_view b);

} // namespace vbs
