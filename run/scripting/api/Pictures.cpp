// Pictures for elements: loading a picture file of the Areas folder into an element or into a
// picture object, saving an element's picture as a bitmap, capturing the frame into an element,
// and naming the element whose picture the next transition shows.
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/frames/FrameTransitions.h"
#include "run/frames/GameWindow.h"
#include "run/platform/ui/ElementProperties.h"
#include "run/project/FileLookup.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/ScriptFiles.h"
#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"

#include <filesystem>
#include <stdexcept>

namespace run::api {

namespace {

using scripting::Fail;

// A picture file of the Areas folder: null when there is none (silently ignored), the picture,
// or a failure when the file cannot be read as a picture.
platform::PicturePtr areasPicture(ScriptContext& s, const std::string& name) {
    std::string file = s.files.ResolveProjectFile(s.project.paths.areas + name);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return nullptr;
    platform::PictureResult loaded = platform::LoadPictureFile(file);
    if (!loaded.picture) throw std::runtime_error(loaded.error);
    return loaded.picture;
}

void setPicture(ScriptContext& s, platform::Element& e, platform::PicturePtr picture) {
    platform::PropStatus st = platform::SetElementProperty(e, platform::ElementProp::Picture,
                                                           std::move(picture), s.project.ui.fonts());
    if (st != platform::PropStatus::Ok) throw std::runtime_error(platform::PropStatusText(st));
    s.project.ui.invalidate();
}

// The element argument of the functions that are not caught: a script error when it is none.
platform::Element* elementArgument(Call& c, vbs::Object* object) {
    platform::Element* e = scripting::ElementOf(object);
    if (!e) Fail(c.err, vbs::error::ObjectRequired);
    return e;
}

const ApiFunction kFunctions[] = {
    {u"LoadAPicture", 2, 2,
     [](Call& c) {
         vbs::Object* target = c.in.object(0);
         std::string name = c.in.utf8(1);
         if (!c.ok()) return false;
         return Caught(c, " Error loading the following picture:'\r\n" + name + "'.\r\n\r\n", [&] {
             platform::Element* e = scripting::ElementOf(target);
             if (!e) throw std::runtime_error("Object required");
             if (name.empty()) return setPicture(c.s, *e, nullptr);
             if (platform::PicturePtr picture = areasPicture(c.s, name)) setPicture(c.s, *e, picture);
         });
     }},
    {u"LoadGraphicFile", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         c.result = vbs::Value::nothing();
         return Caught(c, " Error loading the following graphic file:'\r\n" + name + "'.\r\n\r\n", [&] {
             if (name.empty()) {
                 c.result = vbs::Value::object(scripting::NewPictureObject(nullptr));
             } else if (platform::PicturePtr picture = areasPicture(c.s, name)) {
                 c.result = vbs::Value::object(scripting::NewPictureObject(picture));
             }
         });
     }},
    {u"SaveAPicture", 2, 2,
     [](Call& c) {
         vbs::Object* source = c.in.object(0);
         std::string name = c.in.utf8(1);
         if (!c.ok()) return false;
         platform::Element* e = elementArgument(c, source);
         if (!e) return false;
         if (!e->picture || e->picture->image.empty()) return Fail(c.err, vbs::error::InvalidPropertyValue);
         // Saved only where the game may write: its own folders, its saves, its settings.
         auto path = ScriptFunctionPath(c.s.project, name, true);
         if (!path) return Fail(c.err, 70, "Permission denied: " + name + " lies outside the game's folders");
         std::string error = platform::SaveBmp(e->picture->image, *path);
         if (!error.empty()) return Fail(c.err, 75, "Path/File access error: " + error);
         return true;
     }},
    {u"CaptureFrame", 1, 2,
     [](Call& c) {
         vbs::Object* targetObject = c.in.object(0);
         bool composed = c.in.truth(1, false);
         if (!c.ok()) return false;
         platform::Element* target = elementArgument(c, targetObject);
         if (!target) return false;
         if (composed)
             c.game.transitions().CaptureCurrentFrame(*target);
         else
             c.game.transitions().CaptureActualFrame(*target);
         return true;
     }},
    {u"SetTransitionDestination", 1, 1,
     [](Call& c) {
         vbs::Object* object = c.in.object(0);
         if (!c.ok()) return false;
         std::string name;
         int index = -1;
         if (!scripting::ElementNameOf(object, name, index)) return Fail(c.err, vbs::error::ObjectRequired);
         c.game.transitions().SetTransitionDestination(name, index);
         return true;
     }},
};

} // namespace

std::span<const ApiFunction> PictureFunctions() {
    return kFunctions;
}

} // namespace run::api
