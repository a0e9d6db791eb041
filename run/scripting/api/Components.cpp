// Components placed on the frame by scripts: the doors to the game window's component list.
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/Components.h"
#include "run/frames/GameWindow.h"
#include "run/scripting/ComponentObjects.h"
#include "run/scripting/ScriptContext.h"

namespace run::api {

namespace {

const ApiFunction kFunctions[] = {
    {u"AddComponent", 2, 4,
     [](Call& c) {
         std::string progId = c.in.utf8(0), name = c.in.utf8(1);
         const bool appear = c.in.truth(2, false), disappear = c.in.truth(3, false);
         if (!c.ok()) return false;
         c.game.components().AddAdditionalComponent(progId, name, appear, disappear);
         return true;
     }},
    {u"RemoveComponent", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         c.game.components().RemoveAdditionalComponent(name);
         return true;
     }},
    {u"Component", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         if (!c.game.components().GetComponentRef(name)) {
             c.result = vbs::Value::nothing();
             return true;
         }
         c.result = vbs::Value::object(NewComponentObject(c.s, name));
         return true;
     }},
    {u"DoesComponentExist", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         c.result = vbs::Value::boolean(c.game.components().DoesComponentExist(name));
         return true;
     }},
    {u"IsComponentInstalled", 1, 1,
     [](Call& c) {
         std::string progId = c.in.utf8(0);
         if (!c.ok()) return false;
         c.result = vbs::Value::boolean(c.game.components().DoesProgIDExist(progId));
         return true;
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
