// What RegExp.Execute returns: the Matches collection (IMatchCollection2),
// each Match (IMatch2) and its SubMatches (ISubMatches). All three read the
// one MatchSet of the search; Match objects are made when first asked for and
// then kept, so the same item is the same object.
#include "ObjectKit.h"
#include "RegExp.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

#include <new>
#include <stdexcept>

namespace vbs {

namespace {

// The 0-based index argument of Item.
size_t itemIndex(Interp& rt, std::span<Value> args, size_t count) {
    if (args.size() != 1) throwError(Err::WrongArgCount);
    int32_t i = toLong(rt.scalar(args[0]));
    if (i < 0 || size_t(i) >= count) throwError(Err::InvalidCall);
    return size_t(i);
}

// For Each over items 0 .. count-1 of an object that stays alive meanwhile.
class IndexEnumerator final : public Enumerator {
  public:
    using Get = Value (*)(Object*, size_t);
    IndexEnumerator(Object* owner, size_t count, Get get)
        : m_owner(Value::object(owner)), m_count(count), m_get(get) {}
    bool next(Value& out) override {
        if (m_i >= m_count) return false;
        out = m_get(m_owner.asObject(), m_i++);
        return true;
    }

  private:
    Value m_owner;
    size_t m_count;
    Get m_get;
    size_t m_i = 0;
};

std::u16string_view span(const MatchSet& set, size_t match, size_t group) {
    const size_t* m = set.match(match);
    return set.text().substr(m[2 * group], m[2 * group + 1] - m[2 * group]);
}

class SubMatches final : public EngineObject {
  public:
    SubMatches(Interp& rt, std::shared_ptr<const MatchSet> set, size_t match)
        : EngineObject(rt), m_set(std::move(set)), m_match(match) {}
    std::u16string typeName() const override { return u"ISubMatches"; }
    DispId memberId(std::u16string_view name) override {
        if (equalsNoCase(name, u"item")) return kDispValue;
        if (equalsNoCase(name, u"count")) return kCount;
        return kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] {
            if (isPut(kind)) throwError(Err::NoSuchMember);
            if (id == kCount) {
                if (!args.empty()) throwError(Err::WrongArgCount);
                result = Value::longv(int32_t(m_set->groups));
            } else if (id == kDispValue) {
                result = item(itemIndex(m_rt, args, m_set->groups));
            } else {
                throwError(Err::NoSuchMember);
            }
        });
    }
    std::unique_ptr<Enumerator> enumerate() override {
        return std::make_unique<IndexEnumerator>(
            this, m_set->groups, [](Object* o, size_t i) { return static_cast<SubMatches*>(o)->item(i); });
    }

  private:
    static constexpr DispId kCount = 1;
    static const int kKey;

    // A group that took no part in the match is Empty.
    Value item(size_t i) const {
        if (m_set->match(m_match)[2 * (i + 1)] == MatchSet::kUnset) return {};
        return Value::string(span(*m_set, m_match, i + 1));
    }

    std::shared_ptr<const MatchSet> m_set;
    size_t m_match;
};
const int SubMatches::kKey = 0;

class Match final : public EngineObject {
  public:
    Match(Interp& rt, std::shared_ptr<const MatchSet> set, size_t match)
        : EngineObject(rt), m_set(std::move(set)), m_match(match) {}
    std::u16string typeName() const override { return u"IMatch2"; }
    DispId memberId(std::u16string_view name) override {
        if (equalsNoCase(name, u"value")) return kDispValue;
        if (equalsNoCase(name, u"firstindex")) return kFirstIndex;
        if (equalsNoCase(name, u"length")) return kLength;
        if (equalsNoCase(name, u"submatches")) return kSubMatches;
        return kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] {
            if (isPut(kind)) throwError(Err::NoSuchMember);
            if (id == kSubMatches && !args.empty()) {
                // m.SubMatches(i): the index goes to the collection's default member.
                HostError inner;
                if (!subMatches().asObject()->invoke(kDispValue, InvokeKind::Method, args, result, inner))
                    throwError(inner.number, std::move(inner.description), std::move(inner.source));
                return;
            }
            if (!args.empty()) throwError(Err::WrongArgCount);
            const size_t* m = m_set->match(m_match);
            switch (id) {
            case kDispValue:
                result = Value::string(span(*m_set, m_match, 0));
                break;
            case kFirstIndex:
                result = Value::longv(int32_t(m[0]));
                break;
            case kLength:
                result = Value::longv(int32_t(m[1] - m[0]));
                break;
            case kSubMatches:
                result = subMatches();
                break;
            default:
                throwError(Err::NoSuchMember);
            }
        });
    }

  private:
    enum : DispId { kFirstIndex = 1, kLength, kSubMatches };
    static const int kKey;

    const Value& subMatches() {
        if (m_subMatches.isEmpty()) m_subMatches = Value::object(new SubMatches(m_rt, m_set, m_match));
        return m_subMatches;
    }

    std::shared_ptr<const MatchSet> m_set;
    size_t m_match;
    Value m_subMatches;
};
const int Match::kKey = 0;

class MatchCollection final : public EngineObject {
  public:
    MatchCollection(Interp& rt, std::shared_ptr<const MatchSet> set)
        : EngineObject(rt), m_set(std::move(set)) {}
    std::u16string typeName() const override { return u"IMatchCollection2"; }
    DispId memberId(std::u16string_view name) override {
        if (equalsNoCase(name, u"item")) return kDispValue;
        if (equalsNoCase(name, u"count")) return kCount;
        return kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] {
            if (isPut(kind)) throwError(Err::NoSuchMember);
            if (id == kCount) {
                if (!args.empty()) throwError(Err::WrongArgCount);
                result = Value::longv(int32_t(m_set->count()));
            } else if (id == kDispValue) {
                result = item(itemIndex(m_rt, args, m_set->count()));
            } else {
                throwError(Err::NoSuchMember);
            }
        });
    }
    std::unique_ptr<Enumerator> enumerate() override {
        return std::make_unique<IndexEnumerator>(this, m_set->count(), [](Object* o, size_t i) {
            return static_cast<MatchCollection*>(o)->item(i);
        });
    }

  private:
    static constexpr DispId kCount = 1;
    static const int kKey;

    Value item(size_t i) {
        if (m_items.empty()) m_items.resize(m_set->count());
        if (m_items[i].isEmpty()) m_items[i] = Value::object(new Match(m_rt, m_set, i));
        return m_items[i];
    }

    std::shared_ptr<const MatchSet> m_set;
    std::vector<Value> m_items; // made on first use
};
const int MatchCollection::kKey = 0;

} // namespace

Object* newMatchCollection(Interp& rt, std::shared_ptr<const MatchSet> set) {
    return new MatchCollection(rt, std::move(set));
}

} // namespace vbs
