// Components placed on the frame by scripts. This player cannot host components yet: the list
// of components stays empty, so adding one fails with the adding error (its description says
// why), finding or removing one reports it missing, and the tests answer false. The names,
// arguments and messages are those the component host will keep.
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/GameWindow.h"
#include "run/scripting/ScriptContext.h"

namespace run::api {

namespace {

constexpr const char* kNotAvailable = "Components are not available in this version of the player.";

std::string inQuotes(const std::string& name) {
    return "\"" + name + "\"";
}

const ApiFunction kFunctions[] = {
    {u"AddComponent", 2, 4,
     [](Call& c) {
         std::string progId = c.in.utf8(0), name = c.in.utf8(1);
         c.in.truth(2, false);
         c.in.truth(3, false);
         if (!c.ok()) return false;
         if (name.find(' ') != std::string::npos) {
             c.s.project.showErrorBox(
                 " The component name must not contain spaces or other special characters.", "");
             return true;
         }
         c.s.project.showErrorBox(
             " Error in Game.AddAdditionalComponent. The component is probably not installed properly.  ",
             std::string(kNotAvailable) + " (" + progId + ")");
         return true;
     }},
    {u"RemoveComponent", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         c.s.project.showErrorBox(" The component named " + inQuotes(name) +
                                      " could not be removed because it could not be found.",
                                  "");
         return true;
     }},
    {u"Component", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         c.s.project.showErrorBox(" The component named " + inQuotes(name) + " could not be found.", "");
         c.result = vbs::Value::nothing();
         return true;
     }},
    {u"DoesComponentExist", 1, 1,
     [](Call& c) {
         c.in.utf8(0);
         c.result = vbs::Value::boolean(false);
         return c.ok();
     }},
    {u"IsComponentInstalled", 1, 1,
     [](Call& c) {
         c.in.utf8(0);
         c.result = vbs::Value::boolean(false);
         return c.ok();
     }},
    // Kept for old projects: it never did anything.
    {u"InterceptComponentEvents", 0, 1, [](Call& c) { return c.ok(); }},
    {u"DoComponentsEvents", 0, 0,
     [](Call& c) {
         // Lets the game's events run while the script waits, with the window taking no input.
         platform::Form& form = c.game.form();
         form.enabled = false;
         c.s.project.ui.pump();
         c.s.project.ui.waitWithEvents(5);
         form.enabled = true;
         return true;
     }},
};

} // namespace

std::span<const ApiFunction> ComponentFunctions() {
    return kFunctions;
}

} // namespace run::api
