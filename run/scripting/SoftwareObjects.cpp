// The game window as "SoftwareObjects" sees it: every element by its own name, and the window's
// public operations a script can sensibly call (hotspot visibility, frames, the save window,
// menus, messages, timed events, pointers). The load window is only asked for: loading resets
// the engine that runs the calling script, so it opens when the script has ended.
#include "run/project/ProjectContext.h"
#include "run/scripting/NamedObjects.h"

#include "run/frames/FrameTexts.h"
#include "run/frames/FrameTransitions.h"
#include "run/frames/GameActions.h"
#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/frames/TimedEvents.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <exception>

namespace run {

namespace {

using scripting::Fail;

// Between the window object's own member ids and its element ids.
enum : vbs::DispId {
    kShowOrNotShowAreas = 500,
    kOpenFrame,
    kShowSaveGameWindow,
    kShowLoadGameWindow,
    kShowMenus,
    kHideMenus,
    kStartUnloading,
    kCenterWindowAndPictureBox,
    kSaveClickPos,
    kSimulateHotspotClick,
    kShowTextMessage,
    kCreateTimedEvent,
    kRemoveTimedEvent,
    kResetDefaultPointer,
    kSetScreenPointerArrow,
    kSetScreenPointerDefault,
    kChangeDefaultCursor,
    kInvertTransitions,
    kInvertEffects,
};

const vbs::MemberTable kOperations{
    {u"ShowOrNotShowAreas", kShowOrNotShowAreas},
    {u"OpenFrame", kOpenFrame},
    {u"ShowSaveGameWindow", kShowSaveGameWindow},
    {u"ShowLoadGameWindow", kShowLoadGameWindow},
    {u"ShowMenus", kShowMenus},
    {u"HideMenus", kHideMenus},
    {u"StartUnloading", kStartUnloading},
    {u"CenterWindowAndPictureBox", kCenterWindowAndPictureBox},
    {u"SaveClickPos", kSaveClickPos},
    {u"SimulateHotspotClick", kSimulateHotspotClick},
    {u"ShowTextMessage", kShowTextMessage},
    {u"CreateTimedEvent", kCreateTimedEvent},
    {u"RemoveTimedEvent", kRemoveTimedEvent},
    {u"ResetDefaultPointer", kResetDefaultPointer},
    {u"SetScreenPointerArrow", kSetScreenPointerArrow},
    {u"SetScreenPointerDefault", kSetScreenPointerDefault},
    {u"ChangeDefaultCursor", kChangeDefaultCursor},
    {u"InvertTransitions", kInvertTransitions},
    {u"InvertEffects", kInvertEffects},
};

// How many arguments each operation takes at least and at most.
struct Arity {
    vbs::DispId id;
    std::size_t least, most;
};
constexpr Arity kArity[] = {
    {kOpenFrame, 1, 4},        {kShowLoadGameWindow, 0, 1},
    {kSaveClickPos, 2, 2},     {kSimulateHotspotClick, 1, 1},
    {kShowTextMessage, 1, 3},  {kCreateTimedEvent, 2, 3},
    {kRemoveTimedEvent, 1, 1}, {kChangeDefaultCursor, 1, 1},
};

class SoftwareObjects final : public vbs::Object {
  public:
    SoftwareObjects(ScriptContext& s, GameWindow& game)
        : m_s(s), m_game(game),
          m_window(vbs::Value::object(scripting::NewFormObject(s.project.ui, game.form(), true))) {}

    std::u16string typeName() const override { return u"Game"; }
    vbs::DispId memberId(std::u16string_view name) override {
        vbs::DispId id = kOperations.find(name);
        return id != vbs::kDispUnknown ? id : m_window.asObject()->memberId(name);
    }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id < kShowOrNotShowAreas || id > kInvertEffects)
            return m_window.asObject()->invoke(id, kind, args, result, err);
        if (vbs::isPut(kind)) return Fail(err, vbs::error::NoSuchMember);
        std::size_t least = 0, most = 0;
        for (const Arity& a : kArity) {
            if (a.id == id) least = a.least, most = a.most;
        }
        if (args.size() < least || args.size() > most) return Fail(err, vbs::error::WrongArgCount);
        try {
            return operation(id, args, result, err);
        } catch (const std::exception& e) {
            return Fail(err, vbs::error::InvalidCall, e.what());
        }
    }

  private:
    bool operation(vbs::DispId id, std::span<vbs::Value> args, vbs::Value& result, vbs::HostError& err) {
        vbs::HostArgs in(args, err);
        GameWindow& g = m_game;
        switch (id) {
        case kShowOrNotShowAreas:
            g.hotspots().ShowOrNotShowAreas();
            break;
        case kOpenFrame: {
            const std::string frame = in.utf8(0);
            const bool withTransition = in.truth(1, false);
            const std::int32_t number = in.whole(2, 1);
            const double seconds = in.number(3, 0);
            if (!in.ok()) return false;
            // A transition starts from a picture of the old frame, as the consequence step takes it.
            if (withTransition) g.transitions().TransitionStep1(number);
            g.OpenFrame(frame, withTransition, number, seconds);
            break;
        }
        case kShowSaveGameWindow:
            m_s.actions.ShowSaveGameWindow();
            break;
        case kShowLoadGameWindow:
            m_s.action.bPopupLoadGame = true;
            break;
        case kShowMenus:
            g.menus().ShowMenus();
            break;
        case kHideMenus:
            g.menus().HideMenus();
            break;
        case kStartUnloading:
            g.StartUnloading();
            break;
        case kCenterWindowAndPictureBox:
            g.CenterWindowAndPictureBox();
            break;
        case kSaveClickPos: {
            const std::int32_t left = in.whole(0), top = in.whole(1);
            if (!in.ok()) return false;
            g.hotspots().SaveClickPos(left, top);
            break;
        }
        case kSimulateHotspotClick: {
            const std::int32_t n = in.whole(0);
            if (!in.ok()) return false;
            g.hotspots().SimulateHotspotClick(n);
            break;
        }
        case kShowTextMessage: {
            const std::string text = in.utf8(0);
            const bool inFrame = in.truth(1, true), noTimeout = in.truth(2, false);
            if (!in.ok()) return false;
            g.texts().ShowTextMessage(text, inFrame, noTimeout);
            break;
        }
        case kCreateTimedEvent: {
            const double seconds = in.number(0);
            const std::string code = in.utf8(1);
            const bool repeat = in.truth(2, false);
            if (!in.ok()) return false;
            result = vbs::Value::longv(g.timedEvents().CreateTimedEvent(seconds, code, repeat));
            break;
        }
        case kRemoveTimedEvent: {
            const std::int32_t n = in.whole(0);
            if (!in.ok()) return false;
            g.timedEvents().RemoveTimedEvent(n);
            break;
        }
        case kResetDefaultPointer:
            g.hotspots().ResetDefaultPointer();
            break;
        case kSetScreenPointerArrow:
            g.hotspots().SetScreenPointerArrow();
            break;
        case kSetScreenPointerDefault:
            g.hotspots().SetScreenPointerDefault();
            break;
        case kChangeDefaultCursor: {
            const std::string name = in.utf8(0);
            if (!in.ok()) return false;
            g.hotspots().ChangeDefaultCursor(name);
            break;
        }
        case kInvertTransitions:
            g.menus().InvertTransitions();
            break;
        case kInvertEffects:
            g.EnableOrDisableEffects();
            break;
        default:
            return Fail(err, vbs::error::NoSuchMember);
        }
        m_s.project.ui.invalidate();
        return true;
    }

    ScriptContext& m_s;
    GameWindow& m_game;
    vbs::Value m_window; // the window and its elements by name
};

} // namespace

vbs::Object* MakeSoftwareObjects(ScriptContext& s, GameWindow& game) {
    return new SoftwareObjects(s, game);
}

} // namespace run
