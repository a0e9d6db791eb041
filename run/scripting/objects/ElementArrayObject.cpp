// An element array as a script object: members by index, their count and bounds, and For Each
// over the members loaded when the loop starts, in index order.
#include "run/scripting/objects/ElementBridge.h"
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

namespace run::scripting {

using namespace platform;

namespace {

enum : vbs::DispId { kItem = 1, kCount, kLBound, kUBound };

const vbs::MemberTable kMembers{
    {u"Item", kItem}, {u"Count", kCount}, {u"LBound", kLBound}, {u"UBound", kUBound}};

class ElementArrayObject final : public vbs::Object {
  public:
    ElementArrayObject(WindowSystem& ui, Form& form, std::string name)
        : m_ui(ui), m_form(form), m_name(std::move(name)) {}

    const std::string& name() const { return m_name; }
    vbs::DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id == vbs::kDispValue) id = kItem;
        if (id == kItem) return item(kind, args, result, err);
        if (vbs::isPut(kind)) return FailReadOnly(err);
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        std::vector<Element*> members = m_form.arrayMembers(m_name);
        switch (id) {
        case kCount:
            result = vbs::Value::longv(static_cast<std::int32_t>(members.size()));
            return true;
        case kLBound:
            result = vbs::Value::longv(members.empty() ? 0 : members.front()->index);
            return true;
        case kUBound:
            result = vbs::Value::longv(members.empty() ? -1 : members.back()->index);
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

    std::unique_ptr<vbs::Enumerator> enumerate() override {
        std::vector<vbs::Value> items;
        for (Element* e : m_form.arrayMembers(m_name))
            items.push_back(vbs::Value::object(NewElementObject(m_ui, m_form, e->name, e->index)));
        return std::make_unique<vbs::ListEnumerator>(std::move(items));
    }

  private:
    // Area(3) reads member 3; Area(3) = x writes member 3's default member.
    bool item(vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result, vbs::HostError& err) {
        std::size_t indexCount = vbs::isPut(kind) ? args.size() - 1 : args.size();
        if (args.empty() || indexCount != 1) return Fail(err, vbs::error::WrongArgCount);
        vbs::HostArgs in(args, err);
        if (!in.given(0)) return Fail(err, vbs::error::WrongArgCount);
        std::int32_t index = in.whole(0);
        if (!in.ok()) return false;
        Element* e = index >= 0 ? m_form.find(m_name, index) : nullptr;
        if (!e) return Fail(err, vbs::error::SubscriptOutOfRange);
        vbs::Value member = vbs::Value::object(NewElementObject(m_ui, m_form, e->name, index));
        if (!vbs::isPut(kind)) {
            result = std::move(member);
            return true;
        }
        return member.asObject()->invoke(vbs::kDispValue, kind, args.subspan(1), result, err);
    }

    WindowSystem& m_ui;
    Form& m_form;
    const std::string m_name;
};

} // namespace

bool ElementArrayNameOf(vbs::Object* object, std::string& name) {
    auto* a = dynamic_cast<ElementArrayObject*>(object);
    if (!a) return false;
    name = a->name();
    return true;
}

vbs::Object* NewElementArrayObject(WindowSystem& ui, Form& form, std::string name) {
    return new ElementArrayObject(ui, form, std::move(name));
}

vbs::Object* NewNamedElementObject(WindowSystem& ui, Form& form, const std::string& name) {
    std::vector<Element*> members = form.arrayMembers(name);
    if (!members.empty()) return NewElementArrayObject(ui, form, members.front()->name);
    if (Element* e = form.find(name)) return NewElementObject(ui, form, e->name);
    return nullptr;
}

} // namespace run::scripting
