#pragma once
// A case-insensitive name -> DispId table for host objects: list a class's
// members once, answer Object::memberId from it, and return the table's
// address from Object::dispatchKey so call sites cache the lookups.
//
//     static const vbs::MemberTable kMembers{{u"Value", 0}, {u"Name", 1}};
//     DispId memberId(std::u16string_view n) override { return kMembers.find(n); }
//     const void* dispatchKey() const override { return &kMembers; }
#include "Object.h"
#include "Value.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>

namespace vbs {

class MemberTable {
  public:
    MemberTable(std::initializer_list<std::pair<const char16_t*, DispId>> members) {
        for (const auto& [name, id] : members)
            m_ids.emplace(lowerName(name), id);
    }
    // Adds a member to a table built in steps (a host's own list of functions).
    void add(std::u16string_view name, DispId id) { m_ids.emplace(lowerName(name), id); }

    DispId find(std::u16string_view name) const {
        char16_t buf[64];
        if (name.size() <= 64) {
            // Most lookups: lower-case into a stack buffer, no allocation.
            for (size_t i = 0; i < name.size(); ++i) {
                char16_t c = name[i];
                buf[i] = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
            }
            auto it = m_ids.find(std::u16string_view(buf, name.size()));
            return it == m_ids.end() ? kDispUnknown : it->second;
        }
        auto it = m_ids.find(lowerName(name));
        return it == m_ids.end() ? kDispUnknown : it->second;
    }

  private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>{}(s); }
    };
    std::unordered_map<std::u16string, DispId, Hash, std::equal_to<>> m_ids;
};

} // namespace vbs
