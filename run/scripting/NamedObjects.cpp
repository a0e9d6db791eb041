#include "run/scripting/NamedObjects.h"
#include "run/project/ProjectContext.h"

#include "run/frames/GameWindow.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/ScriptObjects.h"

namespace run {

namespace {

enum class Kind {
    Element,
    Array,
    Screen,
    App,
    Printer,
    Printers,
    Clipboard,
    Window,
    Execution,
    Catalogue,
    Audio,
    MediaPlayer,
    History,
    Menu
};

struct Row {
    const char* name;
    const char* element; // the game window's element (or element array) it stands for
    bool membersGlobal;
    Kind kind = Kind::Element;
};

// The order is part of what scripts see: among objects whose members are global, the first
// one added that has a member answers to it.
const Row kRows[] = {
    {"Hotspot", "Area", true},
    {"Text", "Text", true},
    // An element array, empty until a frame plays videos: its global members are the array's,
    // so Width, Caption and the like reach the objects after it.
    {"LoopingVideo", "VideoPlayer", true, Kind::Array},
    {"ScreenObject", nullptr, true, Kind::Screen},
    {"AppObject", nullptr, true, Kind::App},
    {"PrinterObject", nullptr, true, Kind::Printer},
    {"PrintersCollection", nullptr, true, Kind::Printers},
    {"ClipboardObject", nullptr, true, Kind::Clipboard},
    {"TimerObject", "TimerObject", true},
    {"CheckBoxObject", "CheckBox", false},
    {"LineObject", "LineObject", false},
    {"ShapeObject", "Shape", false},
    {"TextBoxObject", "TextBox", false},
    {"PictureBoxObject", "PicBox", false},
    {"ListBoxObject", "ListBox", false},
    {"ImageBoxObject", "ImgBox", false},
    {"FileBoxObject", "FileBox", false},
    {"DirBoxObject", "DirBox", false},
    {"DriveBoxObject", "DriveBox", false},
    {"MediaPlayerObject", "CustomMediaPlayer", false, Kind::MediaPlayer},
    {"MessageObject", "LabelMessageBox", false},
    {"MessageCanvasObject", "FrameMessageBox", false},
    {"MessageTimerObject", "TimerMessageBox", false},
    {"DialogueObject", "lblDialogue", false},
    {"DialogueCanvasObject", "fmeDialogue", false},
    {"BackgroundObject", "PictureBox", false},
    {"BackgroundHotspotObject", "BackImage", false},
    {"AudioPlayerObject", "MPlayer", false, Kind::Audio},
    {"InventoryItemObject", "PickedObject", false},
    {"InventoryButtonObject", "Inventory2", false},
    {"InventoryCanvasObject", "Inventory1", false},
    {"InventoryBackgroundObject", "Inventory_Background", false},
    {"InventoryTimerObject", "TimerInventory", false},
    {"FramesHistoryObject", "FramesHistory", false, Kind::History},
    {"RipplingWaterObject", "PicRipplingWater", false},
    {"AnimatedGifObject", "AniGif", false},
    {"AnimatedGifCanvasObject", "AniGifBox", false, Kind::Array},
    {"ScriptControlObject", nullptr, false, Kind::Execution},
    {"ScriptControl2Object", nullptr, false, Kind::Catalogue},
    {"TimedEventObject", "TimedEvent", false},
    {"WindowObject", nullptr, false, Kind::Window},
    {"ExitMenuObject", "mnuExit", false, Kind::Menu},
    {"SaveMenuObject", "mnuSaveGame", false, Kind::Menu},
    {"LoadMenuObject", "mnuLoadGame", false, Kind::Menu},
    {"OptionsMenuObject", "mnuOptions", false, Kind::Menu},
    {"DebugMenuObject", "mnuDebug", false, Kind::Menu},
    {"DisableEffectsMenuObject", "mnuDisableEffects", false, Kind::Menu},
    {"TransitionsMenuObject", "mnuDisableTransitions", false, Kind::Menu},
};

// An element the game window does not have yet (spare controls, players that arrive with
// media) still gets its name: using it is a clear run-time error.
vbs::Object* elementObject(ScriptContext& s, platform::Form& form, const char* name) {
    if (vbs::Object* o = scripting::NewNamedElementObject(s.project.ui, form, name)) return o;
    return scripting::NewElementObject(s.project.ui, form, name);
}

// The objects of the platform rather than the game; null for the other kinds.
vbs::Object* platformObject(Kind kind, platform::WindowSystem& ui, const scripting::AppInfo& app) {
    switch (kind) {
    case Kind::Screen:
        return scripting::NewScreenObject(ui);
    case Kind::App:
        return scripting::NewAppObject(app);
    case Kind::Printer:
        return scripting::NewPrinterObject();
    case Kind::Printers:
        return scripting::NewPrintersCollection();
    case Kind::Clipboard:
        return scripting::NewClipboardObject(ui.backend());
    default:
        return nullptr;
    }
}

} // namespace

std::vector<NamedObject> MakeNamedObjects(ScriptContext& s, GameWindow& game, HostEngines engines) {
    platform::Form& form = game.form();
    std::vector<NamedObject> out;
    out.reserve(std::size(kRows));
    for (const Row& r : kRows) {
        vbs::Object* o = nullptr;
        switch (r.kind) {
        case Kind::Element:
            o = elementObject(s, form, r.element);
            break;
        case Kind::Array:
            o = scripting::NewElementArrayObject(s.project.ui, form, r.element);
            break;
        case Kind::Screen:
        case Kind::App:
        case Kind::Printer:
        case Kind::Printers:
        case Kind::Clipboard:
            o = platformObject(r.kind, s.project.ui,
                               scripting::AppInfo{s.project.projectFolder, s.project.info.AdventureName});
            break;
        case Kind::Window:
            o = scripting::NewFormObject(s.project.ui, form, false);
            break;
        case Kind::Execution:
            o = NewScriptControlObject(engines.execution);
            break;
        case Kind::Catalogue:
            o = NewScriptControlObject(engines.catalogue);
            break;
        case Kind::Audio:
            o = NewAudioPlayersObject(s);
            break;
        case Kind::MediaPlayer:
            o = NewCustomMediaPlayerObject(s);
            break;
        case Kind::History:
            o = NewFramesHistoryObject(s);
            break;
        case Kind::Menu:
            o = NewMenuObject(s, game, r.element);
            break;
        }
        out.push_back({r.name, o, r.membersGlobal});
    }
    return out;
}

std::vector<NamedObject> MakeNamedObjectsForChecking(platform::WindowSystem& ui, platform::Form& form,
                                                     const scripting::AppInfo& app) {
    std::vector<NamedObject> out;
    for (const Row& r : kRows) {
        vbs::Object* o = nullptr;
        if (r.membersGlobal) {
            // The game window's elements these rows name are arrays.
            o = r.kind == Kind::Element || r.kind == Kind::Array
                    ? scripting::NewElementArrayObject(ui, form, r.element)
                    : platformObject(r.kind, ui, app);
        }
        out.push_back({r.name, o, r.membersGlobal});
    }
    return out;
}

} // namespace run
