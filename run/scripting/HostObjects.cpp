#include "run/scripting/HostObjects.h"

#include "run/scripting/objects/HostKit.h"
#include "vbscript/vbscript.h"

#include <cmath>
#include <limits>

namespace run {

namespace {

// A plain value of the argument list (a ByRef slot followed).
vbs::Value plain(const vbs::Value& v) {
    return v.isRef() ? *v.refTarget() : v;
}

using scripting::Fail;

// --- Variables ---

enum : vbs::DispId { kValue = vbs::kDispValue, kName = 1 };
const vbs::MemberTable kVariableMembers{{u"Value", kValue}, {u"Name", kName}};

} // namespace

const vbs::MemberTable& VariableMembers() {
    return kVariableMembers;
}

namespace {

// A number as the game's lists keep it, read back with the smallest fitting subtype.
vbs::Value fromRecord(const RecordVariant& r) {
    switch (r.kind()) {
    case RecordVariant::Kind::Empty:
        return {};
    case RecordVariant::Kind::Null:
        return vbs::Value::null();
    case RecordVariant::Kind::Boolean:
        return vbs::Value::boolean(r.toNumber() != 0);
    case RecordVariant::Kind::String:
        return vbs::Value::fromUtf8(r.stringValue());
    case RecordVariant::Kind::Number: {
        double d = r.toNumber();
        if (d == std::trunc(d) && d >= -32768 && d <= 32767)
            return vbs::Value::integer(static_cast<std::int16_t>(d));
        if (d == std::trunc(d) && d >= -2147483648.0 && d <= 2147483647.0)
            return vbs::Value::longv(static_cast<std::int32_t>(d));
        return vbs::Value::dbl(d);
    }
    }
    return {};
}

// What the game's list can hold of a script value: arrays and objects stay with the host.
RecordVariant toRecord(const vbs::Value& v) {
    switch (v.type()) {
    case vbs::VarType::Null:
        return RecordVariant::null();
    case vbs::VarType::Boolean:
        return RecordVariant::boolean(v.asBoolean());
    case vbs::VarType::Integer:
        return RecordVariant::number(v.asInteger());
    case vbs::VarType::Long:
        return RecordVariant::number(v.asLong());
    case vbs::VarType::Single:
        return RecordVariant::number(v.asSingle());
    case vbs::VarType::Double:
        return RecordVariant::number(v.asDouble());
    case vbs::VarType::Currency:
        return RecordVariant::number(double(v.asCurrency()) / 10000.0);
    case vbs::VarType::Date:
        return RecordVariant::number(v.asDate());
    case vbs::VarType::Byte:
        return RecordVariant::number(v.asByte());
    case vbs::VarType::String:
        return RecordVariant::string(vbs::toUtf8(v.asString()));
    case vbs::VarType::Object: {
        // The game's own list (and so a saved game) keeps what an object stands for: its
        // default value when it has a plain one, else nothing.
        vbs::Object* o = v.asObject();
        vbs::Value value;
        vbs::HostError err;
        if (o && o->invoke(vbs::kDispValue, vbs::InvokeKind::PropertyGet, {}, value, err) &&
            !value.isObject())
            return toRecord(value);
        return {};
    }
    default:
        return {};
    }
}

// name(i, j) on a variable holding an array: the element, as indexing the value would give.
bool indexInto(const vbs::Value& v, std::span<vbs::Value> args, vbs::Value& result, vbs::HostError& err) {
    if (!v.isArray()) return Fail(err, 450);
    const vbs::Array& a = *v.asArray();
    if (static_cast<int>(args.size()) != a.rank()) return Fail(err, 9);
    vbs::HostArgs in(args, err);
    std::size_t offset = 0;
    for (std::size_t d = 0; d < args.size(); ++d) {
        std::int64_t i = std::int64_t(in.whole(d)) - a.dims[d].lbound;
        if (!in.ok()) return false;
        if (i < 0 || i >= a.dims[d].count) return Fail(err, 9);
        offset = offset * static_cast<std::size_t>(a.dims[d].count) + static_cast<std::size_t>(i);
    }
    result = a.data[offset];
    return true;
}

class IntegerVariableObject : public vbs::Object {
  public:
    IntegerVariableObject(GameVariables& v, int position) : m_v(v), m_position(position) {}
    std::u16string typeName() const override { return u"ClassVariable"; }
    vbs::DispId memberId(std::u16string_view name) override { return kVariableMembers.find(name); }
    const void* dispatchKey() const override { return &kVariableMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        // The list may have been rebuilt by a game reset since this object was made.
        if (m_position > m_v.Variables.Count()) return Fail(err, 424);
        ClassVariable& var = m_v.Variables.Item(m_position);
        vbs::HostArgs in(args, err);
        if (kind == vbs::InvokeKind::PropertyPut || kind == vbs::InvokeKind::PropertyPutRef) {
            if (args.size() != 1 || kind == vbs::InvokeKind::PropertyPutRef) return Fail(err, 424);
            if (id == kName) {
                var.Name = in.utf8(0);
                return in.ok();
            }
            if (id != kValue) return Fail(err, 438);
            std::int32_t v = in.whole(0);
            if (!in.ok()) return false;
            if (v < -32768 || v > 32767) return Fail(err, 6);
            var.Value = static_cast<std::int16_t>(v);
            return true;
        }
        if (!args.empty()) return Fail(err, 450);
        if (id == kValue)
            result = vbs::Value::integer(var.Value);
        else if (id == kName)
            result = vbs::Value::fromUtf8(var.Name);
        else
            return Fail(err, 438);
        return true;
    }

  private:
    GameVariables& m_v;
    int m_position;
};

class VariantVariableObject : public vbs::Object {
  public:
    VariantVariableObject(GameVariables& v, std::vector<VariantSlot>& slots, int position)
        : m_v(v), m_slots(slots), m_position(position) {}
    std::u16string typeName() const override { return u"ClassVariableVariant"; }
    vbs::DispId memberId(std::u16string_view name) override { return kVariableMembers.find(name); }
    const void* dispatchKey() const override { return &kVariableMembers; }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (m_position > m_v.VariablesVariant.Count()) return Fail(err, 424);
        ClassVariableVariant& var = m_v.VariablesVariant.Item(m_position);
        if (m_slots.size() < static_cast<std::size_t>(m_position))
            m_slots.resize(static_cast<std::size_t>(m_position));
        VariantSlot& slot = m_slots[static_cast<std::size_t>(m_position - 1)];
        vbs::HostArgs in(args, err);
        if (kind == vbs::InvokeKind::PropertyPut || kind == vbs::InvokeKind::PropertyPutRef) {
            if (args.size() != 1) return Fail(err, 450);
            if (id == kName) {
                var.Name = in.utf8(0);
                return in.ok();
            }
            if (id != kValue) return Fail(err, 438);
            // Set stores the object itself; a plain assignment its default value.
            vbs::Value v = kind == vbs::InvokeKind::PropertyPutRef ? plain(args[0]) : in.value(0);
            if (!in.ok()) return false;
            var.Value = toRecord(v);
            slot.value = std::move(v);
            slot.mirrored = var.Value;
            slot.set = true;
            return true;
        }
        if (id == kName && args.empty()) {
            result = vbs::Value::fromUtf8(var.Name);
            return true;
        }
        if (id != kValue) return Fail(err, id == kName ? 450 : 438);
        // The host's copy holds the exact value as long as nothing else changed the variable.
        vbs::Value value = slot.set && slot.mirrored == var.Value ? slot.value : fromRecord(var.Value);
        if (!args.empty()) return indexInto(value, args, result, err);
        result = std::move(value);
        return true;
    }

  private:
    GameVariables& m_v;
    std::vector<VariantSlot>& m_slots;
    int m_position;
};

} // namespace

vbs::Object* NewIntegerVariableObject(GameVariables& variables, int position) {
    return new IntegerVariableObject(variables, position);
}
vbs::Object* NewVariantVariableObject(GameVariables& variables, std::vector<VariantSlot>& slots,
                                      int position) {
    return new VariantVariableObject(variables, slots, position);
}

} // namespace run
