// The game window's switches, menus and pointer, and the display.
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/project/DisplayResolution.h"
#include "run/scripting/ScriptContext.h"

namespace run::api {

namespace {

const ApiFunction kFunctions[] = {
    {u"GetTransitionsStatus", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::boolean(!c.s.flags.transitionsDisabled);
         return true;
     }},
    {u"GetEffectsStatus", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::boolean(!c.s.flags.effectsDisabled);
         return true;
     }},
    {u"InvertTransitionsStatus", 0, 0,
     [](Call& c) {
         c.game.menus().InvertTransitions();
         return true;
     }},
    {u"InvertEffectsStatus", 0, 0,
     [](Call& c) {
         c.game.EnableOrDisableEffects();
         return true;
     }},
    {u"ShowMenu", 0, 0,
     [](Call& c) {
         c.game.menus().ShowMenus();
         return true;
     }},
    {u"HideMenu", 0, 0,
     [](Call& c) {
         c.game.menus().HideMenus();
         return true;
     }},
    {u"RefreshWindow", 0, 0,
     [](Call& c) {
         c.s.project.ui.invalidate();
         c.s.project.ui.pump();
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
    {u"GetProjectWidth", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.s.project.info.FrameWidth));
         return true;
     }},
    {u"GetProjectHeight", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.s.project.info.FrameHeight));
         return true;
     }},
    {u"GetDisplayResolutionX", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::longv(c.s.project.ui.backend().desktopMode().width);
         return true;
     }},
    {u"GetDisplayResolutionY", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::longv(c.s.project.ui.backend().desktopMode().height);
         return true;
     }},
    {u"GetLFVersion", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8("Version 4.1.0");
         return true;
     }},
    {u"ChangeDefaultCursor", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         return Caught(c, " Unable to change the default cursor. ",
                       [&] { c.game.hotspots().ChangeDefaultCursor(name); });
     }},
    {u"ChangeDisplayResolution", 1, 1,
     [](Call& c) {
         std::int32_t request = c.in.whole(0);
         if (!c.ok()) return false;
         return Caught(c, " Error changing display resolution. ", [&] {
             SwitchResolution(c.s.project, request, [&c] { c.game.CenterWindowAndPictureBox(); });
         });
     }},
    {u"ChangeDisplayResolutionOnLoadGame", 1, 1,
     [](Call& c) {
         std::int32_t request = c.in.whole(0);
         if (c.ok()) c.s.flags.pendingLoadGameResolution = Short16(request);
         return c.ok();
     }},
};

} // namespace

std::span<const ApiFunction> WindowFunctions() {
    return kFunctions;
}

} // namespace run::api
