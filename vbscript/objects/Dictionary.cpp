// Scripting.Dictionary: keyed items in insertion order. A hash index over
// normalised keys gives O(1) Add / Exists / Item / Remove; a linked list keeps
// the order Keys, Items and For Each report.
#include "Classic.h"
#include "ObjectKit.h"

#include "../Convert.h"
#include "../Interp.h"

#include <cmath>
#include <functional>
#include <list>
#include <unordered_map>

namespace vbs {

namespace {

// A key reduced to what decides equality: numbers of any subtype compare by
// value, strings exactly or folded (text mode), objects by identity.
struct KeyNorm {
    enum Kind : uint8_t { Empty, Number, String, Boolean, Object, ErrorCode } kind = Empty;
    double num = 0;
    std::u16string text;
    const vbs::Object* obj = nullptr;

    bool operator==(const KeyNorm& o) const {
        return kind == o.kind && num == o.num && obj == o.obj && text == o.text;
    }
};

struct KeyHash {
    size_t operator()(const KeyNorm& k) const {
        size_t h = std::hash<std::u16string>()(k.text);
        h ^= std::hash<double>()(k.num) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
        h ^= std::hash<const void*>()(k.obj) + (h << 6) + (h >> 2);
        return h ^ k.kind;
    }
};

KeyNorm normalise(const Value& v0, bool textMode) {
    const Value& v = v0.deref();
    KeyNorm k;
    switch (v.type()) {
    case VarType::Empty:
        break;
    case VarType::Null:
        throwError(Err::InvalidNull);
    case VarType::Array:
        throwError(Err::TypeMismatch);
    case VarType::String:
        k.kind = KeyNorm::String;
        k.text = v.asString();
        if (textMode) k.text = foldText(k.text); // the letters InStr and StrComp fold too
        break;
    case VarType::Boolean:
        k.kind = KeyNorm::Boolean;
        k.num = v.asBoolean() ? 1 : 0;
        break;
    case VarType::Object:
        k.kind = KeyNorm::Object;
        k.obj = v.asObject();
        break;
    case VarType::Error:
        k.kind = KeyNorm::ErrorCode;
        k.num = v.asError();
        break;
    default:
        k.kind = KeyNorm::Number;
        k.num = toDouble(v);
        if (k.num == 0) k.num = 0; // -0 and 0 are one key
        if (std::isnan(k.num)) throwError(Err::InvalidCall);
        break;
    }
    return k;
}

enum : DispId {
    kItem = kDispValue,
    kAdd,
    kExists,
    kKeys,
    kItems,
    kRemove,
    kRemoveAll,
    kCount,
    kKey,
    kCompareMode,
    kHashVal
};

const MemberName kMembers[] = {
    {u"item", kItem},
    {u"add", kAdd},
    {u"exists", kExists},
    {u"keys", kKeys},
    {u"items", kItems},
    {u"remove", kRemove},
    {u"removeall", kRemoveAll},
    {u"count", kCount},
    {u"key", kKey},
    {u"comparemode", kCompareMode},
    {u"hashval", kHashVal},
};

class Dictionary final : public EngineObject {
  public:
    explicit Dictionary(Interp& rt) : EngineObject(rt) {}

    std::u16string typeName() const override { return u"Dictionary"; }
    DispId memberId(std::u16string_view name) override { return findMember(kMembers, name); }
    const void* dispatchKey() const override { return kMembers; }

    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] { dispatch(id, kind, args, result); });
    }

    std::unique_ptr<Enumerator> enumerate() override {
        // A snapshot: the loop body may add or remove keys safely.
        std::vector<Value> keys;
        keys.reserve(m_order.size());
        for (const auto& en : m_order)
            keys.push_back(en.key);
        return std::make_unique<ListEnumerator>(std::move(keys));
    }

  private:
    struct Entry {
        Value key;
        Value item;
    };
    using Iter = std::list<Entry>::iterator;

    void dispatch(DispId id, InvokeKind kind, std::span<Value> args, Value& result) {
        const bool put = isPut(kind);
        const size_t n = args.size() - (put ? 1 : 0); // arguments besides an assigned value
        auto need = [&](size_t count) {
            if (n != count) throwError(Err::WrongArgCount);
        };
        if (put && id != kItem && id != kKey && id != kCompareMode) throwError(Err::WrongArgCount);
        switch (id) {
        case kItem: {
            need(1);
            Iter it = findOrAdd(args[0]);
            if (put)
                it->item = args[1].deref();
            else
                result = it->item;
            return;
        }
        case kAdd: {
            need(2);
            KeyNorm k = normalise(args[0], textMode());
            if (find(k) != m_index.end()) throwError(Err::KeyAlreadyExists);
            insert(std::move(k), args[0].deref(), args[1].deref());
            return;
        }
        case kExists:
            need(1);
            result = Value::boolean(find(normalise(args[0], textMode())) != m_index.end());
            return;
        case kKeys:
        case kItems: {
            need(0);
            m_rt.checkMemory(m_order.size() * sizeof(Value));
            auto* arr = new Array;
            result = Value::array(arr);
            arr->dims.push_back({0, int32_t(m_order.size())});
            arr->data.reserve(m_order.size());
            for (const auto& e : m_order)
                arr->data.push_back(id == kKeys ? e.key : e.item);
            return;
        }
        case kRemove: {
            need(1);
            auto found = find(normalise(args[0], textMode()));
            if (found == m_index.end()) throwError(Err::ElementNotFound);
            Iter it = found->second;
            m_index.erase(found);
            Entry gone = std::move(*it); // released after the list is consistent again
            m_order.erase(it);
            return;
        }
        case kRemoveAll: {
            need(0);
            std::list<Entry> gone;
            gone.swap(m_order);
            m_index.clear();
            return;
        }
        case kCount:
            need(0);
            result = Value::longv(int32_t(m_order.size()));
            return;
        case kKey: {
            // Only assignable: d.Key(old) = new renames a key in place.
            if (!put) throwError(Err::WrongArgCount);
            need(1);
            auto found = find(normalise(args[0], textMode()));
            if (found == m_index.end()) throwError(Err::ElementNotFound);
            KeyNorm fresh = normalise(args[1], textMode());
            auto clash = find(fresh);
            if (clash != m_index.end() && clash != found) throwError(Err::KeyAlreadyExists);
            Iter it = found->second;
            if (!(found->first == fresh)) { // else the same key by value: only its spelling changes
                m_index.erase(found);
                m_index.emplace(std::move(fresh), it);
            }
            it->key = args[1].deref();
            return;
        }
        case kCompareMode: {
            need(0);
            if (!put) {
                result = Value::longv(m_compareMode);
                return;
            }
            int32_t mode = toLong(m_rt.scalar(args[0]));
            if (mode < 0 || !m_order.empty()) throwError(Err::InvalidCall);
            m_compareMode = mode;
            return;
        }
        case kHashVal: {
            need(1);
            // The classic table has 1201 buckets; scripts only ever see the number.
            result = Value::longv(int32_t(KeyHash()(normalise(args[0], textMode())) % 1201));
            return;
        }
        }
        throwError(Err::NoSuchMember);
    }

    bool textMode() const { return m_compareMode != 0; }

    // Empty finds a "" or 0 key and they find an Empty one, as the classic
    // object compares them; "" and 0 stay apart.
    std::unordered_map<KeyNorm, Iter, KeyHash>::iterator find(const KeyNorm& k) {
        auto it = m_index.find(k);
        if (it != m_index.end()) return it;
        if (k.kind == KeyNorm::Empty) {
            KeyNorm alias;
            alias.kind = KeyNorm::String;
            it = m_index.find(alias);
            if (it != m_index.end()) return it;
            alias.kind = KeyNorm::Number;
            return m_index.find(alias);
        }
        if ((k.kind == KeyNorm::String && k.text.empty()) || (k.kind == KeyNorm::Number && k.num == 0))
            return m_index.find(KeyNorm());
        return it;
    }

    Iter insert(KeyNorm k, Value key, Value item) {
        m_order.push_back(Entry{std::move(key), std::move(item)});
        Iter it = std::prev(m_order.end());
        try {
            m_index.emplace(std::move(k), it);
        } catch (...) {
            m_order.pop_back();
            throw;
        }
        return it;
    }

    // Reading a missing key adds it with Empty, as the classic object does.
    Iter findOrAdd(const Value& key) {
        KeyNorm k = normalise(key, textMode());
        auto found = find(k);
        if (found != m_index.end()) return found->second;
        return insert(std::move(k), key.deref(), Value());
    }

    std::list<Entry> m_order;
    std::unordered_map<KeyNorm, Iter, KeyHash> m_index;
    int32_t m_compareMode = 0;
};

} // namespace

Object* newDictionary(Interp& rt) {
    return new Dictionary(rt);
}

} // namespace vbs
