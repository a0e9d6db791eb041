#pragma once
// The late-bound object model shared by script classes and host objects.
// A host object implements Object: member lookup by name (case-insensitive,
// cacheable per call site through dispatchKey()), invoke for get / put /
// put-ref / call, a default member (kDispValue) and an enumerator for For Each.
// Errors cross this interface as return values, never as C++ exceptions.
#include "Value.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vbs {

using DispId = int32_t;
constexpr DispId kDispValue = 0;    // the default member
constexpr DispId kDispUnknown = -1; // no member of that name

enum class InvokeKind : uint8_t { Method, PropertyGet, PropertyPut, PropertyPutRef };

// Property puts carry the assigned value last; everything else is a read or a call.
inline bool isPut(InvokeKind kind) {
    return kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
}

// Error numbers a host meets in ErrorInfo::number and HostError::number, or
// gives in HostError::number itself.
namespace error {
inline constexpr int32_t OutOfMemory = 7;       // a string or array beyond Config::memoryLimit
inline constexpr int32_t CantPerform = 17;      // reset() while a script runs
inline constexpr int32_t OutOfStack = 28;       // recursion beyond Config::stackBytes
inline constexpr int32_t PermissionDenied = 70; // the file policy refused a path
// Also what a script object (class instance, GetRef result) answers once the
// engine that made it was reset or destroyed.
inline constexpr int32_t ObjectRequired = 424;
inline constexpr int32_t CantCreateObject = 429; // CreateObject / GetObject refused or unknown
// Interrupt (Runtime::requestInterrupt, Config::interruptCheck). A host
// object whose invoke fails with it stops the running script at once, beyond
// On Error Resume Next: the way for a host method to end the script.
inline constexpr int32_t Interrupted = 1900;
inline constexpr int32_t TimedOut = 1901; // time-out or step limit; also stops the script when given
// What host objects usually fail a member call with; an empty
// HostError::description gives the script the classic text.
inline constexpr int32_t InvalidCall = 5;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t NoSuchMember = 438;
inline constexpr int32_t WrongArgCount = 450;
// The property errors of window elements. The engine never raises them and
// has no text for them: the host gives the description.
inline constexpr int32_t InvalidPropertyValue = 380;
inline constexpr int32_t ReadOnlyProperty = 383;
} // namespace error

// Filled by a host object when invoke fails.
struct HostError {
    int32_t number = 0;
    std::u16string description; // empty: the classic text for number
    std::u16string source;
    std::u16string helpFile; // Err.HelpFile and Err.HelpContext of the script that sees the error
    int32_t helpContext = 0;
};

class Enumerator {
  public:
    virtual ~Enumerator() = default;
    // Stores the next element in out; false when the sequence is exhausted.
    virtual bool next(Value& out) = 0;
};

// For Each over values gathered when the loop starts: changes to the
// collection during the loop do not disturb it.
class ListEnumerator final : public Enumerator {
  public:
    explicit ListEnumerator(std::vector<Value> items) : m_items(std::move(items)) {}
    bool next(Value& out) override {
        if (m_next >= m_items.size()) return false;
        out = m_items[m_next++];
        return true;
    }

  private:
    std::vector<Value> m_items;
    std::size_t m_next = 0;
};

class Object {
  public:
    virtual ~Object() = default;

    void addRef() noexcept { ++m_refs; }
    void release() noexcept {
        if (--m_refs == 0) lastReleased();
    }
    uint32_t refCount() const { return m_refs; }

    // TypeName() of the object.
    virtual std::u16string typeName() const { return u"Object"; }
    // Member id for a name, or kDispUnknown.
    virtual DispId memberId(std::u16string_view name) {
        (void)name;
        return kDispUnknown;
    }
    // Objects returning the same non-null key resolve names identically, so a
    // call site may cache the DispId it found for that key.
    virtual const void* dispatchKey() const { return nullptr; }
    // Performs a member access. args are in source order; for puts the assigned
    // value is the last argument. Returns false and fills err on failure; never
    // throws. The engine's own objects may be invoked at any time, inside a
    // running script or not.
    virtual bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) {
        (void)id;
        (void)kind;
        (void)args;
        (void)result;
        err.number = 438;
        return false;
    }
    // An enumerator for For Each, or nullptr when the object is not a collection.
    virtual std::unique_ptr<Enumerator> enumerate() { return nullptr; }

    // Internal: true for instances of script classes (fast dispatch path).
    virtual bool isScriptInstance() const { return false; }

  protected:
    virtual void lastReleased() { delete this; }

  private:
    uint32_t m_refs = 0;
};

} // namespace vbs
