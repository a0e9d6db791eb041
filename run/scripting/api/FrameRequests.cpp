// Requests the consequence step carries out after the script, and what a script
// reads about the hotspots, the last click and the open frame.
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/FrameTexts.h"
#include "run/frames/GameHalt.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/project/FileLookup.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/objects/HostKit.h"
#include "run/state/VBScriptActionModule.h"

namespace run::api {

namespace {

using scripting::Fail;

const ApiFunction kFunctions[] = {
    {u"GoToFrame", 1, 3,
     [](Call& c) {
         VBScriptActionModule& a = c.s.action;
         std::string frame = c.in.utf8(0);
         double duration = c.in.number(1);
         std::int32_t number = c.in.whole(2);
         if (!c.ok()) return false;
         if (number < -32768 || number > 32767) return Fail(c.err, 6);
         a.sFrameToLoad = frame;
         a.dTransitionDuration = duration;
         a.iTransitionNumber = number;
         a.iHotspotNumber = 0;
         return true;
     }},
    {u"Quit", 0, 0, [](Call& c) { return c.s.action.bStopGame = true; }},
    {u"PopupSaveGame", 0, 0, [](Call& c) { return c.s.action.bPopupSaveGame = true; }},
    {u"PopupLoadGame", 0, 0, [](Call& c) { return c.s.action.bPopupLoadGame = true; }},
    {u"ResetModule", 0, 0,
     [](Call& c) {
         c.s.action.ResetModule();
         return true;
     }},
    {u"StopEverything", 0, 0,
     [](Call& c) {
         c.s.halt.StopEverything();
         return true;
     }},
    {u"GetHotspotNumber", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.s.action.iHotspotNumber));
         return true;
     }},
    {u"GetClickPositionX", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.game.hotspots().clickX()));
         return true;
     }},
    {u"GetClickPositionY", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.game.hotspots().clickY()));
         return true;
     }},
    {u"SimulateHotspotClick", 1, 1,
     [](Call& c) {
         std::int32_t n = c.in.whole(0);
         if (c.ok()) c.game.hotspots().SimulateHotspotClick(n);
         return c.ok();
     }},
    {u"UpdateHotspotsState", 0, 0,
     [](Call& c) {
         c.game.hotspots().ShowOrNotShowAreas();
         return true;
     }},
    {u"GetMergedHotspotIndex", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.game.hotspots().firstMergedHotspot()));
         return true;
     }},
    {u"GetMergedTextIndex", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::integer(Short16(c.game.texts().mergedTextIndex()));
         return true;
     }},
    {u"GetCurrentFrameName", 0, 0,
     [](Call& c) {
         c.result = vbs::Value::fromUtf8(c.game.frameName());
         return true;
     }},
};

} // namespace

std::span<const ApiFunction> FrameRequestFunctions() {
    return kFunctions;
}

} // namespace run::api
