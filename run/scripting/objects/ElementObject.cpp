// One window element as a script object. It holds the element's name and index, not the
// element: every call finds it again, so a member unloaded meanwhile is an error, not freed memory.
#include "run/scripting/objects/ElementBridge.h"
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <optional>

namespace run::scripting {

using namespace platform;

namespace {

enum : vbs::DispId { kZOrder = 200, kRefresh, kMove, kCls };

const vbs::MemberTable kMembers{
#define RUN_ELEMENT_MEMBER(name) {u"" #name, PropertyId(ElementProp::name)},
    RUN_ELEMENT_PROPERTIES(RUN_ELEMENT_MEMBER)
#undef RUN_ELEMENT_MEMBER
        {u"ZOrder", kZOrder},
    {u"Refresh", kRefresh},
    {u"Move", kMove},
    {u"Cls", kCls},
};

// The member a kind answers with when a script uses the element as a value.
std::optional<ElementProp> DefaultProperty(ElementKind kind) {
    switch (kind) {
    case ElementKind::Label:
        return ElementProp::Caption;
    case ElementKind::TextBox:
        return ElementProp::Text;
    case ElementKind::CheckBox:
        return ElementProp::Value;
    case ElementKind::Image:
    case ElementKind::PictureBox:
        return ElementProp::Picture;
    case ElementKind::Timer:
        return ElementProp::Enabled;
    default:
        return std::nullopt;
    }
}

const char16_t* KindName(ElementKind kind) {
    switch (kind) {
    case ElementKind::Form:
        return u"Form";
    case ElementKind::Label:
        return u"Label";
    case ElementKind::TextBox:
        return u"TextBox";
    case ElementKind::Image:
        return u"Image";
    case ElementKind::PictureBox:
        return u"PictureBox";
    case ElementKind::CheckBox:
        return u"CheckBox";
    case ElementKind::Timer:
        return u"Timer";
    case ElementKind::Menu:
        return u"Menu";
    }
    return u"Object";
}

class ElementObject final : public vbs::Object {
  public:
    ElementObject(WindowSystem& ui, Form& form, std::string name, int index)
        : m_ui(ui), m_form(form), m_name(std::move(name)), m_index(index) {}

    const std::string& name() const { return m_name; }
    int index() const { return m_index; }
    Element* element() const { return m_form.find(m_name, m_index); }

    std::u16string typeName() const override {
        const Element* e = m_form.find(m_name, m_index);
        return e ? KindName(e->kind) : u"Object";
    }
    vbs::DispId memberId(std::u16string_view name) override { return kMembers.find(name); }
    const void* dispatchKey() const override { return &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        Element* e = m_form.find(m_name, m_index);
        if (!e) return FailElementGone(err, m_name, m_index);
        if (id == vbs::kDispValue) {
            auto prop = DefaultProperty(e->kind);
            if (!prop) return Fail(err, vbs::error::NoSuchMember);
            id = PropertyId(*prop);
        }
        if (IsPropertyId(id))
            return InvokeElementProperty(m_ui, *e, PropertyOfId(id), kind, args, result, err);
        if (vbs::isPut(kind)) return Fail(err, vbs::error::NoSuchMember);
        switch (id) {
        case kZOrder: {
            vbs::HostArgs in(args, err);
            std::int32_t position = in.whole(0, 0);
            if (!in.ok()) return false;
            if (args.size() > 1) return Fail(err, vbs::error::WrongArgCount);
            if (position != 0 && position != 1) return Fail(err, vbs::error::InvalidCall);
            m_form.zOrder(*e, position);
            m_ui.invalidate();
            return true;
        }
        case kRefresh:
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            m_ui.invalidate();
            return true;
        case kMove:
            return MoveElement(m_ui, *e, args, err);
        case kCls:
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            if (ClearElementPicture(*e) != PropStatus::Ok) return Fail(err, vbs::error::NoSuchMember);
            m_ui.invalidate();
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
    }

  private:
    WindowSystem& m_ui;
    Form& m_form;
    const std::string m_name;
    const int m_index;
};

} // namespace

bool ElementNameOf(vbs::Object* object, std::string& name, int& index) {
    auto* e = dynamic_cast<ElementObject*>(object);
    if (!e) return false;
    name = e->name();
    index = e->index();
    return true;
}

Element* ElementOf(vbs::Object* object) {
    auto* e = dynamic_cast<ElementObject*>(object);
    return e ? e->element() : nullptr;
}

vbs::Object* NewElementObject(WindowSystem& ui, Form& form, std::string name, int index) {
    return new ElementObject(ui, form, std::move(name), index);
}

} // namespace run::scripting
