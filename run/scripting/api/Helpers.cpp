// Timed events, small text and number helpers, variable objects by name, the dialogue's end
// and the action object's own CreateObject, which never creates anything.
#include "run/frames/Dialogues.h"
#include "run/frames/Scripts.h"
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/GameWindow.h"
#include "run/frames/TimedEvents.h"
#include "run/media/ChannelRequests.h"
#include "run/scripting/ScriptContext.h"

#include <limits>

namespace run::api {

namespace {

const ApiFunction kFunctions[] = {
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
         if (!c.ok()) return false;
         c.result =
             vbs::Value::integer(Short16(c.game.timedEvents().CreateTimedEvent(seconds, code, repeat)));
         return true;
     }},
    {u"RemoveTimedEvent", 1, 1,
     [](Call& c) {
         std::int32_t k = c.in.whole(0);
         if (c.ok()) c.game.timedEvents().RemoveTimedEvent(k);
         return c.ok();
     }},
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
         return c.ok();
     }},
    {u"ConvertToNumber", 1, 1,
     [](Call& c) {
         std::string text = c.in.utf8(0);
         c.result = vbs::Value::dbl(LeadingNumber(text));
         return c.ok();
     }},
    {u"GetVariableReferenceFromName", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         c.result = vbs::Value::nothing();
         if (vbs::Object* o = c.s.scripts.VariableObject(name)) c.result = vbs::Value::object(o);
         return true;
     }},
    {u"CreateObject", 0, 1,
     [](Call& c) {
         if (c.s.project.readProjectSetting("AllowCreateObject") != "1") {
             c.s.project.ui.messageBox(
                 "For security reasons, the \"CreateObject\" function is disabled in this version of "
                 "VBScript.",
                 platform::kInformation, "Unavailable Function");
         }
         return true;
     }},
    {u"QuitDialogue", 0, 0,
     [](Call& c) {
         c.s.dialogues.QuitDialogue();
         return true;
     }},
};

} // namespace

std::span<const ApiFunction> HelperFunctions() {
    return kFunctions;
}

} // namespace run::api
