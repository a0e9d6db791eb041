#include "run/scripting/ComponentObjects.h"

#include "run/frames/Components.h"
#include "run/frames/GameWindow.h"
#include "run/project/ProjectContext.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <cstdint>

namespace run {

using platform::ComponentError;
using platform::ComponentValue;

namespace {

constexpr vbs::DispId kComponentMembers = 100000; // ids from here on name the component's members

bool Fail(vbs::HostError& err, int32_t number, const std::string& description = {}) {
    err.number = number;
    if (!description.empty()) err.description = vbs::Value::fromUtf8(description).asString();
    return false;
}

// The element's members first, then the component's by name.
class ComponentScriptObject final : public vbs::Object {
  public:
    ComponentScriptObject(ScriptContext& s, std::string name)
        : m_s(s), m_name(std::move(name)),
          m_element(vbs::Value::object(scripting::NewElementObject(s.project.ui, s.game.form(), m_name))) {}
    std::u16string typeName() const override { return u"Component"; }

    vbs::DispId memberId(std::u16string_view name) override {
        // Only what the window adds to every control it holds is the element's; every other
        // name (Interval, Caption …) is the component's own.
        static const vbs::MemberTable kExtender{{u"Visible", 1}, {u"Left", 2},    {u"Top", 3},
                                                {u"Width", 4},   {u"Height", 5},  {u"Name", 6},
                                                {u"Tag", 7},     {u"Enabled", 8}, {u"ToolTipText", 9},
                                                {u"Move", 10},   {u"ZOrder", 11}};
        vbs::Object* e = m_element.isObject() ? m_element.asObject() : nullptr;
        if (e && kExtender.find(name) != vbs::kDispUnknown) {
            const vbs::DispId id = e->memberId(name);
            if (id != vbs::kDispUnknown && id < kComponentMembers) return id;
        }
        const std::string key = vbs::toUtf8(name);
        for (std::size_t i = 0; i < m_names.size(); ++i)
            if (m_names[i] == key) return kComponentMembers + static_cast<vbs::DispId>(i);
        m_names.push_back(key);
        return kComponentMembers + static_cast<vbs::DispId>(m_names.size() - 1);
    }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        Components& components = m_s.game.components();
        if (id < kComponentMembers) {
            vbs::Object* e = m_element.isObject() ? m_element.asObject() : nullptr;
            if (!e || !components.find(m_name)) return Fail(err, vbs::error::ObjectRequired);
            const bool ok = e->invoke(id, kind, args, result, err);
            if (vbs::isPut(kind)) components.Refresh(m_name); // a new size is drawn at once
            return ok;
        }
        platform::ComponentObject* c = components.find(m_name);
        if (!c) return Fail(err, vbs::error::ObjectRequired);
        const std::string& member = m_names[static_cast<std::size_t>(id - kComponentMembers)];
        vbs::HostArgs in(args, err);
        // Reading a property changes nothing to draw; a put or a method may.
        bool mayChange = true;
        try {
            if (vbs::isPut(kind)) {
                if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
                c->set(member, ComponentValueOf(in.value(0)));
            } else {
                std::vector<ComponentValue> values;
                for (std::size_t i = 0; i < args.size(); ++i)
                    values.push_back(ComponentValueOf(in.value(i)));
                // A name without arguments is a property, or else a method; with them, a method.
                ComponentValue answer;
                if (values.empty() && kind == vbs::InvokeKind::PropertyGet) {
                    try {
                        answer = c->get(member);
                        mayChange = false;
                    } catch (const ComponentError& e) {
                        if (e.number != PC_E_NOT_FOUND) throw;
                        answer = c->call(member, values);
                    }
                } else {
                    try {
                        answer = c->call(member, values);
                    } catch (const ComponentError& e) {
                        if (e.number != PC_E_NOT_FOUND || !values.empty()) throw;
                        answer = c->get(member);
                    }
                }
                result = ScriptValueOf(answer);
            }
        } catch (const ComponentError& e) {
            components.Refresh(m_name);
            return Fail(err, e.number, e.what());
        }
        if (mayChange) components.Refresh(m_name);
        return true;
    }

  private:
    ScriptContext& m_s;
    std::string m_name;
    vbs::Value m_element;
    std::vector<std::string> m_names;
};

enum : vbs::DispId { kItem = 1, kCount, kName, kValue };
const vbs::MemberTable kParamsMembers{{u"Item", kItem}, {u"Count", kCount}};
const vbs::MemberTable kParamMembers{{u"Name", kName}, {u"Value", kValue}};

// One parameter of an event: its value, which the procedure may change.
class EventParameter final : public vbs::Object {
  public:
    EventParameter(std::vector<ComponentValue>& params, std::size_t index)
        : m_params(params), m_index(index) {}
    std::u16string typeName() const override { return u"EventParameter"; }
    vbs::DispId memberId(std::u16string_view name) override { return kParamMembers.find(name); }
    const void* dispatchKey() const override { return &kParamMembers; }
    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (m_index >= m_params.size()) return Fail(err, vbs::error::ObjectRequired);
        vbs::HostArgs in(args, err);
        if (id == kName) {
            if (vbs::isPut(kind)) return Fail(err, vbs::error::ReadOnlyProperty);
            result = vbs::Value::fromUtf8("");
            return true;
        }
        if (id != kValue && id != vbs::kDispValue) return Fail(err, 438);
        if (vbs::isPut(kind)) {
            if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
            m_params[m_index] = ComponentValueOf(in.value(0));
            return true;
        }
        result = ScriptValueOf(m_params[m_index]);
        return true;
    }

  private:
    std::vector<ComponentValue>& m_params;
    std::size_t m_index;
};

class EventParameters final : public vbs::Object {
  public:
    explicit EventParameters(std::vector<ComponentValue>& params) : m_params(params) {}
    std::u16string typeName() const override { return u"EventParameters"; }
    vbs::DispId memberId(std::u16string_view name) override { return kParamsMembers.find(name); }
    const void* dispatchKey() const override { return &kParamsMembers; }
    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        vbs::HostArgs in(args, err);
        if (id == kCount) {
            if (vbs::isPut(kind) || !args.empty()) return Fail(err, vbs::error::WrongArgCount);
            result = vbs::Value::longv(static_cast<int32_t>(m_params.size()));
            return true;
        }
        if (id != kItem && id != vbs::kDispValue) return Fail(err, 438);
        const std::size_t want = vbs::isPut(kind) ? 2 : 1;
        if (args.size() != want) return Fail(err, vbs::error::WrongArgCount);
        const int32_t index = in.whole(0);
        if (!in.ok()) return false;
        if (index < 0 || static_cast<std::size_t>(index) >= m_params.size()) return Fail(err, 9);
        if (vbs::isPut(kind)) {
            m_params[static_cast<std::size_t>(index)] = ComponentValueOf(in.value(1));
            return true;
        }
        result = vbs::Value::object(new EventParameter(m_params, static_cast<std::size_t>(index)));
        return true;
    }

  private:
    std::vector<ComponentValue>& m_params;
};

} // namespace

vbs::Value ScriptValueOf(const ComponentValue& v) {
    switch (v.kind) {
    case PC_NULL:
        return vbs::Value::null();
    case PC_BOOL:
        return vbs::Value::boolean(v.i != 0);
    case PC_INT:
        if (v.i >= INT32_MIN && v.i <= INT32_MAX) return vbs::Value::longv(static_cast<int32_t>(v.i));
        return vbs::Value::dbl(static_cast<double>(v.i));
    case PC_DOUBLE:
        return vbs::Value::dbl(v.d);
    case PC_STRING:
        return vbs::Value::fromUtf8(v.s);
    default:
        return vbs::Value();
    }
}

ComponentValue ComponentValueOf(const vbs::Value& v) {
    switch (v.type()) {
    case vbs::VarType::Null:
        return {PC_NULL, 0, 0, {}, 0};
    case vbs::VarType::Boolean:
        return ComponentValue::boolean(v.asBoolean());
    case vbs::VarType::Integer:
        return ComponentValue::integer(v.asInteger());
    case vbs::VarType::Long:
        return ComponentValue::integer(v.asLong());
    case vbs::VarType::Byte:
        return ComponentValue::integer(v.asByte());
    case vbs::VarType::Single:
        return ComponentValue::real(v.asSingle());
    case vbs::VarType::Double:
        return ComponentValue::real(v.asDouble());
    case vbs::VarType::Currency:
        return ComponentValue::real(static_cast<double>(v.asCurrency()) / 10000.0);
    case vbs::VarType::Date:
        return ComponentValue::real(v.asDate());
    case vbs::VarType::String:
        return ComponentValue::text(vbs::toUtf8(v.asString()));
    default:
        return {};
    }
}

vbs::Object* NewComponentObject(ScriptContext& s, const std::string& name) {
    return new ComponentScriptObject(s, name);
}

vbs::Object* NewEventParameters(std::vector<ComponentValue>& params) {
    return new EventParameters(params);
}

} // namespace run
