// The action object: its fields, which the consequence step reads after the script, and the
// script functions, joined from the tables of run/scripting/api in a fixed order.
#include "run/scripting/ScriptApi.h"
#include "run/project/ProjectContext.h"

#include "run/scripting/ScriptContext.h"
#include "run/scripting/api/ApiFunction.h"
#include "run/scripting/objects/HostKit.h"
#include "vbscript/vbscript.h"

#include <string>
#include <vector>

namespace run {

namespace api {

void ShowCaughtFailure(ScriptContext& s, const std::string& message, const std::string& description) {
    s.project.showErrorBox(message, description);
}

} // namespace api

namespace {

using api::ApiFunction;
using api::Short16;
using scripting::Fail;

const std::vector<ApiFunction>& Functions() {
    static const std::vector<ApiFunction> all = [] {
        std::vector<ApiFunction> v;
        for (auto table : {api::FrameRequestFunctions(), api::InventoryFunctions(), api::PictureFunctions(),
                           api::FileFunctions(), api::ShellFunctions(), api::WindowFunctions(),
                           api::ElementFunctions(), api::ComponentFunctions(), api::HelperFunctions()})
            v.insert(v.end(), table.begin(), table.end());
        return v;
    }();
    return all;
}

// Fields first (ids 1 … 7), then the functions (ids from 100 on, in table order).
enum : vbs::DispId {
    kFrameToLoad = 1,
    kTransitionDuration,
    kTransitionNumber,
    kHotspotNumber,
    kStopGame,
    kPopupLoadGame,
    kPopupSaveGame,
    kFirstFunction = 100
};

} // namespace

const vbs::MemberTable& ActionMembers() {
    static const vbs::MemberTable table = [] {
        vbs::MemberTable t{{u"sFrameToLoad", kFrameToLoad},
                           {u"dTransitionDuration", kTransitionDuration},
                           {u"iTransitionNumber", kTransitionNumber},
                           {u"iHotspotNumber", kHotspotNumber},
                           {u"bStopGame", kStopGame},
                           {u"bPopupLoadGame", kPopupLoadGame},
                           {u"bPopupSaveGame", kPopupSaveGame}};
        vbs::DispId id = kFirstFunction;
        for (const ApiFunction& f : Functions())
            t.add(f.name, id++);
        return t;
    }();
    return table;
}

namespace {

class ActionObject : public vbs::Object {
  public:
    ActionObject(ScriptContext& s, GameWindow& game) : m_s(s), m_game(game) {}

    std::u16string typeName() const override { return u"VBScriptActionModule"; }
    vbs::DispId memberId(std::u16string_view name) override { return ActionMembers().find(name); }
    const void* dispatchKey() const override { return &ActionMembers(); }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        const std::vector<ApiFunction>& functions = Functions();
        if (id >= kFirstFunction && id < kFirstFunction + vbs::DispId(functions.size())) {
            const ApiFunction& f = functions[std::size_t(id - kFirstFunction)];
            if (kind == vbs::InvokeKind::PropertyPut || kind == vbs::InvokeKind::PropertyPutRef)
                return Fail(err, 438);
            if (int(args.size()) < f.minArgs || int(args.size()) > f.maxArgs) return Fail(err, 450);
            vbs::HostArgs in(args, err);
            api::Call c{m_s, m_game, m_state, in, args, result, err};
            return f.run(c);
        }
        return field(id, kind, args, result, err);
    }

  private:
    bool field(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
               vbs::HostError& err) {
        VBScriptActionModule& a = m_s.action;
        if (id < kFrameToLoad || id > kPopupSaveGame) return Fail(err, 438);
        if (kind == vbs::InvokeKind::PropertyPutRef) return Fail(err, 424);
        if (kind == vbs::InvokeKind::PropertyPut) {
            if (args.size() != 1) return Fail(err, 450);
            vbs::HostArgs in(args, err);
            switch (id) {
            case kFrameToLoad:
                a.sFrameToLoad = in.utf8(0);
                break;
            case kTransitionDuration:
                a.dTransitionDuration = in.number(0);
                break;
            case kTransitionNumber:
            case kHotspotNumber: {
                std::int32_t v = in.whole(0);
                if (in.ok() && (v < -32768 || v > 32767)) return Fail(err, 6);
                (id == kTransitionNumber ? a.iTransitionNumber : a.iHotspotNumber) = v;
                break;
            }
            case kStopGame:
                a.bStopGame = in.truth(0);
                break;
            case kPopupLoadGame:
                a.bPopupLoadGame = in.truth(0);
                break;
            case kPopupSaveGame:
                a.bPopupSaveGame = in.truth(0);
                break;
            }
            return in.ok();
        }
        if (!args.empty()) return Fail(err, 450);
        switch (id) {
        case kFrameToLoad:
            result = vbs::Value::fromUtf8(a.sFrameToLoad);
            break;
        case kTransitionDuration:
            result = vbs::Value::dbl(a.dTransitionDuration);
            break;
        case kTransitionNumber:
            result = vbs::Value::integer(Short16(a.iTransitionNumber));
            break;
        case kHotspotNumber:
            result = vbs::Value::integer(Short16(a.iHotspotNumber));
            break;
        case kStopGame:
            result = vbs::Value::boolean(a.bStopGame);
            break;
        case kPopupLoadGame:
            result = vbs::Value::boolean(a.bPopupLoadGame);
            break;
        case kPopupSaveGame:
            result = vbs::Value::boolean(a.bPopupSaveGame);
            break;
        }
        return true;
    }

    ScriptContext& m_s;
    GameWindow& m_game;
    api::ApiState m_state;
};

} // namespace

vbs::Object* NewActionObject(ScriptContext& s, GameWindow& game) {
    return new ActionObject(s, game);
}

} // namespace run
