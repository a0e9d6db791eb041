// The frames history as scripts see it (FramesHistoryObject): the game window's hidden list of
// visited frames, with the members of a list box. It shows the game state's history itself, so
// what a script changes is what "last visited frame" and a saved game find.
#include "run/scripting/NamedObjects.h"
#include "run/state/GameState.h"

#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/HostKit.h"
#include "vbscript/vbscript.h"

namespace run {

namespace {

using scripting::Fail;

enum : vbs::DispId {
    kListCount = 1,
    kList,
    kListIndex,
    kText,
    kAddItem,
    kRemoveItem,
    kClear,
    kNewIndex,
    kName
};

const vbs::MemberTable kMembers{
    {u"ListCount", kListCount}, {u"List", kList},         {u"ListIndex", kListIndex},
    {u"Text", kText},           {u"AddItem", kAddItem},   {u"RemoveItem", kRemoveItem},
    {u"Clear", kClear},         {u"NewIndex", kNewIndex}, {u"Name", kName},
};

// A list box holds at most this many entries (its count is a 16-bit number).
constexpr std::size_t kMaxEntries = 32767;
constexpr int kInvalidArrayIndex = 381;

class FramesHistoryObject final : public vbs::Object {
  public:
    explicit FramesHistoryObject(ScriptContext& s) : m_s(s) {}
    std::u16string typeName() const override { return u"ListBox"; }
    vbs::DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        std::vector<std::string>& list = m_s.state.history;
        // The game changes the list too: a selection past its end is no selection.
        if (m_selected >= static_cast<int>(list.size())) m_selected = -1;
        vbs::HostArgs in(args, err);
        const bool put = vbs::isPut(kind);
        const std::size_t given = put ? args.size() - 1 : args.size();
        if (id == vbs::kDispValue) id = kText;
        switch (id) {
        case kList: {
            if (given != 1) return Fail(err, vbs::error::WrongArgCount);
            const std::int32_t i = in.whole(0);
            if (!in.ok()) return false;
            if (i < 0 || i >= static_cast<std::int32_t>(list.size())) return Fail(err, kInvalidArrayIndex);
            if (!put) {
                result = vbs::Value::fromUtf8(list[static_cast<std::size_t>(i)]);
                return true;
            }
            std::string text = in.utf8(1);
            if (!in.ok()) return false;
            list[static_cast<std::size_t>(i)] = std::move(text);
            return true;
        }
        case kAddItem: {
            if (put) return Fail(err, vbs::error::NoSuchMember);
            if (args.empty() || args.size() > 2) return Fail(err, vbs::error::WrongArgCount);
            std::string text = in.utf8(0);
            const std::int32_t at = in.given(1) ? in.whole(1) : static_cast<std::int32_t>(list.size());
            if (!in.ok()) return false;
            if (at < 0 || at > static_cast<std::int32_t>(list.size()))
                return Fail(err, vbs::error::InvalidCall);
            if (list.size() >= kMaxEntries) return Fail(err, 7);
            list.insert(list.begin() + at, std::move(text));
            if (m_selected >= at) ++m_selected;
            m_newIndex = at;
            return true;
        }
        case kRemoveItem: {
            if (put) return Fail(err, vbs::error::NoSuchMember);
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            const std::int32_t at = in.whole(0);
            if (!in.ok()) return false;
            if (at < 0 || at >= static_cast<std::int32_t>(list.size()))
                return Fail(err, vbs::error::InvalidCall);
            list.erase(list.begin() + at);
            if (m_selected == at)
                m_selected = -1;
            else if (m_selected > at)
                --m_selected;
            m_newIndex = -1;
            return true;
        }
        case kClear:
            if (put) return Fail(err, vbs::error::NoSuchMember);
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            list.clear();
            m_selected = m_newIndex = -1;
            return true;
        default:
            break;
        }
        if (given != 0) return Fail(err, vbs::error::WrongArgCount);
        switch (id) {
        case kListIndex:
            if (put) {
                const std::int32_t i = in.whole(0);
                if (!in.ok()) return false;
                if (i < -1 || i >= static_cast<std::int32_t>(list.size()))
                    return Fail(err, vbs::error::InvalidPropertyValue);
                m_selected = i;
                return true;
            }
            result = vbs::Value::longv(m_selected);
            return true;
        case kText:
            if (put) {
                // Choosing a text selects its entry, as in a list box; an unknown text selects none.
                const std::u16string text = in.text(0);
                if (!in.ok()) return false;
                m_selected = -1;
                for (std::size_t i = 0; i < list.size(); ++i) {
                    if (vbs::equalsNoCase(vbs::fromUtf8(list[i]), text)) {
                        m_selected = static_cast<int>(i);
                        break;
                    }
                }
                return true;
            }
            result = vbs::Value::fromUtf8(m_selected < 0 ? std::string()
                                                         : list[static_cast<std::size_t>(m_selected)]);
            return true;
        case kListCount:
            if (put) return scripting::FailReadOnly(err);
            result = vbs::Value::longv(static_cast<std::int32_t>(list.size()));
            return true;
        case kNewIndex:
            if (put) return scripting::FailReadOnly(err);
            result = vbs::Value::longv(m_newIndex);
            return true;
        case kName:
            if (put) return scripting::FailReadOnly(err);
            result = vbs::Value::fromUtf8("FramesHistory");
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    ScriptContext& m_s;
    int m_selected = -1;
    int m_newIndex = -1;
};

} // namespace

vbs::Object* NewFramesHistoryObject(ScriptContext& s) {
    return new FramesHistoryObject(s);
}

} // namespace run
