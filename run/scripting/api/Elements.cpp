// Loading and unloading members of the game window's element arrays: a script names the member
// (an element object, loaded or not) or the array (a new member after the last one). Every
// failure answers false, without a message.
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/GameWindow.h"
#include "run/scripting/objects/ScriptObjects.h"

namespace run::api {

namespace {

const ApiFunction kFunctions[] = {
    {u"LoadControl", 1, 1,
     [](Call& c) {
         vbs::Object* object = c.in.object(0);
         if (!c.ok()) return false;
         std::string name;
         int index = -1;
         bool loaded = false;
         if (scripting::ElementNameOf(object, name, index)) {
             loaded = index >= 0 && c.game.LoadControl(name, index);
         } else if (scripting::ElementArrayNameOf(object, name)) {
             int last = -1;
             for (const platform::Element* e : c.game.form().arrayMembers(name))
                 last = std::max(last, e->index);
             loaded = last >= 0 && c.game.LoadControl(name, last + 1);
         }
         c.result = vbs::Value::boolean(loaded);
         return true;
     }},
    {u"UnloadControl", 1, 1,
     [](Call& c) {
         vbs::Object* object = c.in.object(0);
         if (!c.ok()) return false;
         std::string name;
         int index = -1;
         bool unloaded = scripting::ElementNameOf(object, name, index) && c.game.UnloadControl(name, index);
         c.result = vbs::Value::boolean(unloaded);
         return true;
     }},
};

} // namespace

std::span<const ApiFunction> ElementFunctions() {
    return kFunctions;
}

} // namespace run::api
