// Element properties through the script bridge.
#include "run/scripting/objects/ElementBridge.h"

#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/PictureObject.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <array>

namespace run::scripting {

using namespace platform;

namespace {

bool FailStatus(vbs::HostError& err, PropStatus status) {
    return Fail(err, static_cast<int>(status), PropStatusText(status));
}

bool ReadValue(PropType type, std::span<vbs::Value> args, std::size_t i, PropValue& out,
               vbs::HostError& err) {
    if (type == PropType::Picture) {
        PicturePtr picture;
        if (!ReadPictureValue(args[i], picture, err)) return false;
        out = std::move(picture);
        return true;
    }
    vbs::HostArgs in(args, err);
    switch (type) {
    case PropType::Whole:
        out = in.whole(i);
        break;
    case PropType::Real:
        out = in.number(i);
        break;
    case PropType::Truth:
        out = in.truth(i);
        break;
    default:
        out = in.utf8(i);
        break;
    }
    return in.ok();
}

vbs::Value ToScript(const PropValue& v) {
    if (auto* i = std::get_if<std::int32_t>(&v)) return vbs::Value::longv(*i);
    if (auto* d = std::get_if<double>(&v)) return vbs::Value::dbl(*d);
    if (auto* b = std::get_if<bool>(&v)) return vbs::Value::boolean(*b);
    if (auto* s = std::get_if<std::string>(&v)) return vbs::Value::fromUtf8(*s);
    return vbs::Value::object(NewPictureObject(std::get<PicturePtr>(v)));
}

} // namespace

bool InvokeElementProperty(WindowSystem& ui, Element& e, ElementProp prop, vbs::InvokeKind kind,
                           std::span<vbs::Value> args, vbs::Value& result, vbs::HostError& err) {
    const ElementProperty& info = ElementPropertyInfo(prop);
    if (!ElementHasProperty(e, prop)) return FailStatus(err, PropStatus::NotSupported);
    if (vbs::isPut(kind)) {
        if (args.size() != 1) return Fail(err, vbs::error::WrongArgCount);
        if (!info.set) return FailStatus(err, PropStatus::ReadOnly);
        PropValue v;
        if (!ReadValue(info.type, args, 0, v, err)) return false;
        if (PropStatus s = SetElementProperty(e, prop, v, ui.fonts()); s != PropStatus::Ok)
            return FailStatus(err, s);
        if (info.seen) ui.invalidate();
        return true;
    }
    if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
    PropValue v;
    if (PropStatus s = GetElementProperty(e, prop, v); s != PropStatus::Ok) return FailStatus(err, s);
    result = ToScript(v);
    return true;
}

bool MoveElement(WindowSystem& ui, Element& e, std::span<vbs::Value> args, vbs::HostError& err) {
    static constexpr std::array kPlace{ElementProp::Left, ElementProp::Top, ElementProp::Width,
                                       ElementProp::Height};
    if (args.empty() || args.size() > kPlace.size()) return Fail(err, vbs::error::WrongArgCount);
    vbs::HostArgs in(args, err);
    if (!in.given(0)) return Fail(err, vbs::error::WrongArgCount);
    const Rect before = e.rectTwips();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!in.given(i)) continue;
        std::int32_t twips = in.whole(i);
        PropStatus s =
            in.ok() ? SetElementProperty(e, kPlace[i], PropValue{twips}, ui.fonts()) : PropStatus::Ok;
        if (!in.ok() || s != PropStatus::Ok) {
            e.left = before.x;
            e.top = before.y;
            e.width = before.w;
            e.height = before.h;
            return in.ok() ? FailStatus(err, s) : false;
        }
    }
    ui.invalidate();
    return true;
}

std::string ElementLabel(const std::string& name, int index) {
    return index >= 0 ? name + "(" + std::to_string(index) + ")" : name;
}

bool FailElementGone(vbs::HostError& err, const std::string& name, int index) {
    return Fail(err, vbs::error::ObjectRequired,
                "The element " + ElementLabel(name, index) + " no longer exists");
}

} // namespace run::scripting
