// Small helpers every script object here uses to fail a call and to tell puts from reads.
#pragma once

#include "vbscript/Object.h"
#include "vbscript/Value.h"

#include <memory>
#include <string_view>
#include <vector>

namespace run::scripting {

// Fails an invoke with a classic error number; an empty description takes the classic text.
inline bool Fail(vbs::HostError& err, int number, std::string_view description = {}) {
    err.number = number;
    err.description = vbs::fromUtf8(description);
    return false;
}

inline bool IsPut(vbs::InvokeKind kind) {
    return kind == vbs::InvokeKind::PropertyPut || kind == vbs::InvokeKind::PropertyPutRef;
}

// The classic numbers these objects fail with.
enum HostErrorNumber : int {
    kInvalidCall = 5,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kInvalidPropertyValue = 380,
    kReadOnly = 383,
    kObjectRequired = 424,
    kNoSuchMember = 438,
    kWrongArgCount = 450,
};

inline bool FailReadOnly(vbs::HostError& err) {
    return Fail(err, kReadOnly, "Set not supported (read-only property)");
}

// For Each over values listed when the loop starts.
class ListEnumerator final : public vbs::Enumerator {
  public:
    explicit ListEnumerator(std::vector<vbs::Value> items) : m_items(std::move(items)) {}
    bool next(vbs::Value& out) override {
        if (m_next >= m_items.size()) return false;
        out = m_items[m_next++];
        return true;
    }

  private:
    std::vector<vbs::Value> m_items;
    std::size_t m_next = 0;
};

} // namespace run::scripting
