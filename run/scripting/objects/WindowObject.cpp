// The game window as a script object: its own properties, showing and hiding it, and on request
// every element of the form as a member named after the element.
#include "run/scripting/objects/ElementBridge.h"
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <vector>

namespace run::scripting {

using namespace platform;

namespace {

enum : vbs::DispId { kVisible = 200, kRefresh, kCls, kScaleWidth, kScaleHeight, kFirstElement = 1000 };

const vbs::MemberTable kMembers{
    {u"Caption", PropertyId(ElementProp::Caption)},
    {u"Left", PropertyId(ElementProp::Left)},
    {u"Top", PropertyId(ElementProp::Top)},
    {u"Width", PropertyId(ElementProp::Width)},
    {u"Height", PropertyId(ElementProp::Height)},
    {u"BackColor", PropertyId(ElementProp::BackColor)},
    {u"ForeColor", PropertyId(ElementProp::ForeColor)},
    {u"MousePointer", PropertyId(ElementProp::MousePointer)},
    {u"MouseIcon", PropertyId(ElementProp::MouseIcon)},
    {u"Enabled", PropertyId(ElementProp::Enabled)},
    {u"Tag", PropertyId(ElementProp::Tag)},
    {u"Name", PropertyId(ElementProp::Name)},
    {u"Visible", kVisible},
    {u"Refresh", kRefresh},
    {u"Cls", kCls},
    {u"ScaleWidth", kScaleWidth},
    {u"ScaleHeight", kScaleHeight},
};

bool SameName(const std::string& a, const std::string& b) {
    return vbs::equalsNoCase(vbs::fromUtf8(a), vbs::fromUtf8(b));
}

class WindowObject final : public vbs::Object {
  public:
    WindowObject(WindowSystem& ui, Form& form, bool elementsByName)
        : m_ui(ui), m_form(form), m_elementsByName(elementsByName) {}

    std::u16string typeName() const override { return vbs::fromUtf8(m_form.name); }

    vbs::DispId memberId(std::u16string_view name) override {
        vbs::DispId id = kMembers.find(name);
        if (id != vbs::kDispUnknown || !m_elementsByName) return id;
        std::string wanted = vbs::toUtf8(name);
        if (!m_form.find(wanted) && m_form.arrayMembers(wanted).empty()) return vbs::kDispUnknown;
        // Ids stay fixed for this object's life: call sites may have kept them.
        for (std::size_t i = 0; i < m_elementNames.size(); ++i)
            if (SameName(m_elementNames[i], wanted)) return kFirstElement + static_cast<vbs::DispId>(i);
        m_elementNames.push_back(wanted);
        return kFirstElement + static_cast<vbs::DispId>(m_elementNames.size() - 1);
    }
    // Element names differ from form to form, so only a plain window object shares its lookups.
    const void* dispatchKey() const override { return m_elementsByName ? nullptr : &kMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id >= kFirstElement) {
            std::size_t i = static_cast<std::size_t>(id - kFirstElement);
            if (i >= m_elementNames.size()) return Fail(err, vbs::error::NoSuchMember);
            return element(m_elementNames[i], kind, args, result, err);
        }
        if (IsPropertyId(id)) {
            if (!InvokeElementProperty(m_ui, m_form, PropertyOfId(id), kind, args, result, err)) return false;
            bool moved = id == PropertyId(ElementProp::Left) || id == PropertyId(ElementProp::Top);
            if (vbs::isPut(kind) && moved && m_form.visible && m_ui.isLoaded(m_form))
                m_ui.backend().move(m_form);
            return true;
        }
        if (id == kVisible) return visible(kind, args, result, err);
        if (vbs::isPut(kind))
            return id == kScaleWidth || id == kScaleHeight ? FailReadOnly(err)
                                                           : Fail(err, vbs::error::NoSuchMember);
        if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
        switch (id) {
        case kRefresh:
            m_ui.invalidate();
            return true;
        case kCls:
            ClearElementPicture(m_form);
            m_ui.invalidate();
            return true;
        case kScaleWidth:
            result = vbs::Value::longv(m_form.scaleWidth());
            return true;
        case kScaleHeight:
            result = vbs::Value::longv(m_form.scaleHeight());
            return true;
        default:
            return Fail(err, vbs::error::NoSuchMember); // the window has no default member
        }
    }

  private:
    bool visible(vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result, vbs::HostError& err) {
        if (!vbs::isPut(kind)) {
            if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
            result = vbs::Value::boolean(m_form.visible);
            return true;
        }
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        vbs::HostArgs in(args, err);
        bool show = in.truth(0);
        if (!in.ok()) return false;
        if (show && !m_form.visible)
            m_ui.show(m_form);
        else if (!show && m_form.visible)
            m_ui.hide(m_form);
        return true;
    }

    // An element reached by its own name: the object itself, or its default member applied to
    // the arguments and assigned values (Area(3), lblTitle = "x").
    bool element(const std::string& name, vbs::InvokeKind kind, std::span<vbs::Value> args,
                 vbs::Value& result, vbs::HostError& err) {
        vbs::Object* made = NewNamedElementObject(m_ui, m_form, name);
        if (!made) return FailElementGone(err, name, -1);
        vbs::Value object = vbs::Value::object(made);
        if (args.empty() && !vbs::isPut(kind)) {
            result = std::move(object);
            return true;
        }
        return made->invoke(vbs::kDispValue, kind, args, result, err);
    }

    WindowSystem& m_ui;
    Form& m_form;
    const bool m_elementsByName;
    std::vector<std::string> m_elementNames; // element members by id - kFirstElement
};

} // namespace

vbs::Object* NewFormObject(WindowSystem& ui, Form& form, bool elementsByName) {
    return new WindowObject(ui, form, elementsByName);
}

} // namespace run::scripting
