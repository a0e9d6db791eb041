// The script functions, one table: each entry names a function, its argument counts and the
// code that runs it. Functions that only request something set the action object's fields;
// the others call the game window. A function whose failure has a message catches it and shows
// the error box; the script goes on after the call.
#include "run/scripting/ScriptApi.h"

#include "run/core/Scripts.h"
#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/media/ChannelRequests.h"
#include "run/project/FileLookup.h"
#include "run/project/ProjectPaths.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/files/IniFile.h"
#include "run/scripting/HostObjects.h"
#include "run/scripting/ScriptFiles.h"
#include "run/scripting/ScriptSteps.h"
#include "run/scripting/objects/HostKit.h"
#include "run/state/Inventory.h"
#include "vbscript/HostArgs.h"
#include "vbscript/MemberTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <limits>
#include <string>

namespace run {

namespace {

using scripting::Fail;

class ActionObject;

struct Call {
    ActionObject& self;
    Session& s;
    GameWindow& game;
    vbs::HostArgs& in;
    std::span<vbs::Value> args;
    vbs::Value& result;
    vbs::HostError& err;
};

using Handler = bool (*)(Call&);

struct Function {
    const char16_t* name;
    int minArgs, maxArgs;
    Handler run;
};

bool ok(Call& c) { return c.in.ok(); }

// Runs `body`, showing the row's message with the failure's description when it throws.
template <class F> bool caught(Call& c, const std::string& message, F&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        c.s.showErrorBox(message, e.what());
    }
    return ok(c);
}

std::int16_t short16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

std::string pathFor(const Session& s, int number) {
    const ProjectPaths& p = s.paths;
    switch (number) {
    case 0:
    case 1: return p.project;
    case 3: return p.config;
    case 4: return p.areas;
    case 5: return p.frames;
    case 6: return p.framesData;
    case 7: return p.icons;
    default: return p.external;
    }
}

// --- The table ---

const Function kFunctions[] = {
    // Requests for the consequence step.
    {u"GoToFrame", 1, 3,
     [](Call& c) {
         VBScriptActionModule& a = c.s.VBScriptAction;
         std::string frame = c.in.utf8(0);
         double duration = c.in.number(1);
         std::int32_t number = c.in.whole(2);
         if (!ok(c)) return false;
         if (number < -32768 || number > 32767) return Fail(c.err, 6);
         a.sFrameToLoad = frame;
         a.dTransitionDuration = duration;
         a.iTransitionNumber = number;
         a.iHotspotNumber = 0;
         return true;
     }},
    {u"Quit", 0, 0, [](Call& c) { return c.s.VBScriptAction.bStopGame = true; }},
    {u"PopupSaveGame", 0, 0, [](Call& c) { return c.s.VBScriptAction.bPopupSaveGame = true; }},
    {u"PopupLoadGame", 0, 0, [](Call& c) { return c.s.VBScriptAction.bPopupLoadGame = true; }},
    {u"ResetModule", 0, 0,
     [](Call& c) {
         c.s.VBScriptAction.ResetModule();
         return true;
     }},
    {u"StopEverything", 0, 0,
     [](Call& c) {
         StopEverything(c.s);
         return true;
     }},

    // Messages and the inventory.
    {u"Message", 1, 1,
     [](Call& c) {
         std::string text = c.in.utf8(0);
         if (ok(c)) c.game.ShowTextMessage(text, true, false);
         return ok(c);
     }},
    {u"AddItem", 1, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         bool doNotPopup = c.in.truth(1, false);
         if (ok(c)) c.game.inventory().AddPickedObject(name, doNotPopup);
         return ok(c);
     }},
    {u"RemoveItem", 1, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         bool all = c.in.truth(1, false);
         if (!ok(c)) return false;
         return caught(c, " Error removing from the inventory the item named '" + name + "'. ", [&] {
             // From the last item to the first, so a removal does not shift what is still to see.
             Inventory& inv = c.game.inventory();
             for (int i = inv.ObjectsCount(); i >= 1; --i) {
                 if (!platform::EqualsNoCase(inv.itemName(i), name)) continue;
                 inv.RemovePickedObject(i);
                 if (!all) break;
             }
         });
     }},
    {u"RemoveAllItems", 0, 0,
     [](Call& c) {
         return caught(c, " Error removing all the inventory items. ", [&] {
             Inventory& inv = c.game.inventory();
             for (int guard = inv.ObjectsCount(); inv.ObjectsCount() > 0 && guard > 0; --guard) inv.RemovePickedObject(1);
         });
     }},
    {u"HideInventoryButton", 0, 0,
     [](Call& c) {
         return caught(c, " Error hiding inventory. ", [&] {
             if (!c.s.info.InventoryEnabled) return;
             platform::Element& panel = c.game.form().get("Inventory1");
             panel.top = -panel.height;
             c.game.form().get("Inventory2").visible = false;
             c.s.ui.invalidate();
         });
     }},
    {u"ShowInventoryButton", 0, 0,
     [](Call& c) {
         return caught(c, " Error displaying inventory. ", [&] {
             if (!c.s.info.InventoryEnabled) return;
             c.game.form().get("Inventory2").visible = true;
             c.s.ui.invalidate();
         });
     }},

    // Hotspots, clicks and the frame.
    {u"GetHotspotNumber", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.s.VBScriptAction.iHotspotNumber));
         return true;
     }},
    {u"GetClickPositionX", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.game.clickX()));
         return true;
     }},
    {u"GetClickPositionY", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.game.clickY()));
         return true;
     }},
    {u"SimulateHotspotClick", 1, 1,
     [](Call& c) {
         std::int32_t n = c.in.whole(0);
         if (ok(c)) c.game.SimulateHotspotClick(n);
         return ok(c);
     }},
    {u"UpdateHotspotsState", 0, 0,
     [](Call& c) {
         c.game.ShowOrNotShowAreas();
         return true;
     }},
    {u"GetMergedHotspotIndex", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.game.firstMergedHotspot()));
         return true;
     }},
    {u"GetMergedTextIndex", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.game.mergedTextIndex()));
         return true;
     }},
    {u"GetCurrentFrameName", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8(c.game.currentFrame().Name);
         return true;
     }},

    // Paths and the player's own settings.
    {u"GetPath", 1, 1,
     [](Call& c) {
         std::int32_t n = c.in.whole(0);
         if (!ok(c)) return false;
         // In the form games were written for: backslashes, one at the end.
         std::string path = pathFor(c.s, n);
         std::replace(path.begin(), path.end(), '/', '\\');
         c.result = vbs::Value::fromUtf8(path);
         return ok(c);
     }},
    {u"SaveParameter", 2, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         std::string value = c.in.utf8(1);
         if (!ok(c)) return false;
         return caught(c, " Unable to save the parameter named \"" + name + "\". ",
                       [&] { c.s.saveUserSetting("_" + name, value); });
     }},
    {u"LoadParameter", 1, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         std::string fallback = c.in.utf8(1);
         if (!ok(c)) return false;
         c.result = vbs::Value::fromUtf8("");
         return caught(c, " Unable to load the parameter named \"" + name + "\". ", [&] {
             c.result = vbs::Value::fromUtf8(c.s.getUserSetting("_" + name, fallback));
         });
     }},

    // INI files: a bare file title lies in the External folder; any other path must be one the
    // file policy allows (elsewhere ReadINI gives "" and WriteINI writes nothing).
    {u"ReadINI", 3, 3,
     [](Call& c) {
         std::string file = c.in.utf8(0), section = c.in.utf8(1), key = c.in.utf8(2);
         if (!ok(c)) return false;
         std::string value;
         if (!file.empty() && !section.empty() && !key.empty()) {
             if (auto path = ScriptFunctionPath(c.s, file, false); path && ProjectFileExists(*path))
                 value = platform::GetPrivateProfileString(*path, section, key, "", 255);
         }
         c.result = vbs::Value::fromUtf8(value);
         return true;
     }},
    {u"WriteINI", 4, 4,
     [](Call& c) {
         std::string file = c.in.utf8(0), section = c.in.utf8(1), key = c.in.utf8(2), value = c.in.utf8(3);
         if (!ok(c) || file.empty() || section.empty() || key.empty()) return ok(c);
         if (auto path = ScriptFunctionPath(c.s, file, true)) platform::WritePrivateProfileString(*path, section, key, value);
         return true;
     }},
    {u"GetEncryptedFileName", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!ok(c)) return false;
         std::string hidden = ProjectFileExists(name) ? HiddenPath(name, true) : name;
         c.result = vbs::Value::fromUtf8(hidden);
         return true;
     }},
    {u"DoComponentsEvents", 0, 0,
     [](Call& c) {
         // Lets the game's events run while the script waits, with the window taking no input.
         platform::Form& form = c.game.form();
         form.enabled = false;
         c.s.ui.pump();
         c.s.ui.waitWithEvents(5);
         form.enabled = true;
         return true;
     }},
    {u"QuitDialogue", 0, 0,
     [](Call& c) {
         EndDialogue(c.s);
         return true;
     }},

    // The game window's switches.
    {u"GetTransitionsStatus", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::boolean(!c.s.transitionsDisabled);
         return true;
     }},
    {u"GetEffectsStatus", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::boolean(!c.s.effectsDisabled);
         return true;
     }},
    {u"InvertTransitionsStatus", 0, 0,
     [](Call& c) {
         c.game.InvertTransitions();
         return true;
     }},
    {u"InvertEffectsStatus", 0, 0,
     [](Call& c) {
         c.game.InvertEffects();
         return true;
     }},
    {u"ShowMenu", 0, 0,
     [](Call& c) {
         c.game.ShowMenus();
         return true;
     }},
    {u"HideMenu", 0, 0,
     [](Call& c) {
         c.game.HideMenus();
         return true;
     }},
    {u"RefreshWindow", 0, 0,
     [](Call& c) {
         c.s.ui.invalidate();
         c.s.ui.pump();
         return true;
     }},
    {u"AllowControlsReferencesNextTime", 0, 0,
     [](Call& c) {
         c.game.setControlsReferenceMode(2);
         return true;
     }},
    {u"DoNotAllowControlsReferencesNextTime", 0, 0,
     [](Call& c) {
         c.game.setControlsReferenceMode(1);
         return true;
     }},

    // The display and the project's size.
    {u"GetProjectWidth", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.s.info.FrameWidth));
         return true;
     }},
    {u"GetProjectHeight", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(short16(c.s.info.FrameHeight));
         return true;
     }},
    {u"GetDisplayResolutionX", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::longv(c.s.ui.backend().desktopMode().width);
         return true;
     }},
    {u"GetDisplayResolutionY", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::longv(c.s.ui.backend().desktopMode().height);
         return true;
     }},
    {u"GetLFVersion", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8("Version 4.1.0");
         return true;
     }},

    // Timed events.
    {u"CreateTimedEvent", 2, 3,
     [](Call& c) {
         // A duration that is no number is one the timer refuses: the creation box, not a
         // script error.
         vbs::HostError ignored;
         vbs::HostArgs probe(c.args.subspan(0, 1), ignored);
         double seconds = probe.number(0);
         if (!probe.ok()) seconds = std::numeric_limits<double>::quiet_NaN();
         std::string code = c.in.utf8(1);
         bool repeat = c.in.truth(2, false);
         if (!ok(c)) return false;
         c.result = vbs::Value::integer(short16(c.game.CreateTimedEvent(seconds, code, repeat)));
         return true;
     }},
    {u"RemoveTimedEvent", 1, 1,
     [](Call& c) {
         std::int32_t k = c.in.whole(0);
         if (ok(c)) c.game.RemoveTimedEvent(k);
         return ok(c);
     }},

    // Helpers.
    {u"DOUBLEQUOTES", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8("\"");
         return true;
     }},
    {u"NEWLINE", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8("\r\n");
         return true;
     }},
    {u"NO_FILE_SELECTED", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8("");
         return true;
     }},
    {u"ConvertQuotesIntoDoubleQuotes", 1, 1,
     [](Call& c) {
         std::u16string text = c.in.text(0), out;
         for (char16_t ch : text) {
             out += ch;
             if (ch == u'"') out += ch;
         }
         c.result = vbs::Value::string(out);
         return ok(c);
     }},
    {u"ConvertToNumber", 1, 1,
     [](Call& c) {
         std::string text = c.in.utf8(0);
         c.result = vbs::Value::dbl(LeadingNumber(text));
         return ok(c);
     }},
    {u"GetVariableReferenceFromName", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!ok(c)) return false;
         c.result = vbs::Value::nothing();
         if (vbs::Object* o = c.s.scripts ? c.s.scripts->VariableObject(name) : nullptr) c.result = vbs::Value::object(o);
         return true;
     }},
    {u"CreateObject", 0, 1,
     [](Call& c) {
         if (c.s.readProjectSetting("AllowCreateObject") != "1") {
             c.s.ui.messageBox("For security reasons, the \"CreateObject\" function is disabled in this version of "
                               "VBScript.",
                               platform::kInformation, "Unavailable Function");
         }
         return true;
     }},
};

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

const vbs::MemberTable& Members() {
    static const vbs::MemberTable table = [] {
        vbs::MemberTable t{{u"sFrameToLoad", kFrameToLoad},       {u"dTransitionDuration", kTransitionDuration},
                           {u"iTransitionNumber", kTransitionNumber}, {u"iHotspotNumber", kHotspotNumber},
                           {u"bStopGame", kStopGame},             {u"bPopupLoadGame", kPopupLoadGame},
                           {u"bPopupSaveGame", kPopupSaveGame}};
        vbs::DispId id = kFirstFunction;
        for (const Function& f : kFunctions) t.add(f.name, id++);
        return t;
    }();
    return table;
}

class ActionObject : public vbs::Object {
  public:
    ActionObject(Session& s, GameWindow& game) : m_s(s), m_game(game) {}

    std::u16string typeName() const override { return u"VBScriptActionModule"; }
    vbs::DispId memberId(std::u16string_view name) override { return Members().find(name); }
    const void* dispatchKey() const override { return &Members(); }

    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override {
        if (id >= kFirstFunction && id < kFirstFunction + vbs::DispId(std::size(kFunctions))) {
            const Function& f = kFunctions[id - kFirstFunction];
            if (kind == vbs::InvokeKind::PropertyPut || kind == vbs::InvokeKind::PropertyPutRef) return Fail(err, 438);
            if (int(args.size()) < f.minArgs || int(args.size()) > f.maxArgs) return Fail(err, 450);
            vbs::HostArgs in(args, err);
            Call c{*this, m_s, m_game, in, args, result, err};
            return f.run(c);
        }
        return field(id, kind, args, result, err);
    }

  private:
    bool field(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
               vbs::HostError& err) {
        VBScriptActionModule& a = m_s.VBScriptAction;
        if (id < kFrameToLoad || id > kPopupSaveGame) return Fail(err, 438);
        if (kind == vbs::InvokeKind::PropertyPutRef) return Fail(err, 424);
        if (kind == vbs::InvokeKind::PropertyPut) {
            if (args.size() != 1) return Fail(err, 450);
            vbs::HostArgs in(args, err);
            switch (id) {
            case kFrameToLoad: a.sFrameToLoad = in.utf8(0); break;
            case kTransitionDuration: a.dTransitionDuration = in.number(0); break;
            case kTransitionNumber:
            case kHotspotNumber: {
                std::int32_t v = in.whole(0);
                if (in.ok() && (v < -32768 || v > 32767)) return Fail(err, 6);
                (id == kTransitionNumber ? a.iTransitionNumber : a.iHotspotNumber) = v;
                break;
            }
            case kStopGame: a.bStopGame = in.truth(0); break;
            case kPopupLoadGame: a.bPopupLoadGame = in.truth(0); break;
            case kPopupSaveGame: a.bPopupSaveGame = in.truth(0); break;
            }
            return in.ok();
        }
        if (!args.empty()) return Fail(err, 450);
        switch (id) {
        case kFrameToLoad: result = vbs::Value::fromUtf8(a.sFrameToLoad); break;
        case kTransitionDuration: result = vbs::Value::dbl(a.dTransitionDuration); break;
        case kTransitionNumber: result = vbs::Value::integer(short16(a.iTransitionNumber)); break;
        case kHotspotNumber: result = vbs::Value::integer(short16(a.iHotspotNumber)); break;
        case kStopGame: result = vbs::Value::boolean(a.bStopGame); break;
        case kPopupLoadGame: result = vbs::Value::boolean(a.bPopupLoadGame); break;
        case kPopupSaveGame: result = vbs::Value::boolean(a.bPopupSaveGame); break;
        }
        return true;
    }

    Session& m_s;
    GameWindow& m_game;
};

} // namespace

vbs::Object* NewActionObject(Session& s, GameWindow& game) { return new ActionObject(s, game); }

} // namespace run
