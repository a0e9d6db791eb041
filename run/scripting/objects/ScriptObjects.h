// The script objects of the game window and the platform, made by the script host and added to
// the engine as named objects: window elements and element arrays (held by name, never by
// pointer), the game window itself, pictures, Screen, App, Clipboard, Printer and Printers.
//
// Each factory returns a new object without references: the first vbs::Value or
// Runtime::addObject that holds it owns it. The form and window system given must outlive
// every object made for them.
#pragma once

#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/WindowSystem.h"
#include "vbscript/vbscript.h"

#include <string>

namespace run::scripting {

// What App reports about the running game.
struct AppInfo {
    std::string path;  // the game's folder
    std::string title; // the game's title
    int major = 1, minor = 0, revision = 0;
};

// One element of a form, found again by name and array index (-1: not in an array) at every
// use; an element unloaded meanwhile gives error 424 instead of touching freed memory.
vbs::Object* NewElementObject(platform::WindowSystem& ui, platform::Form& form, std::string name,
                              int index = -1);
// The element an element object names: its name and index (-1 outside arrays), whether or not
// it is loaded now. False for any other object.
bool ElementNameOf(vbs::Object* object, std::string& name, int& index);
// That element when it is loaded now; null otherwise and for any other object.
platform::Element* ElementOf(vbs::Object* object);
// The name of the array an element array object stands for; false for any other object.
bool ElementArrayNameOf(vbs::Object* object, std::string& name);
// An element array (Area, Text, TimerObject …): Item(i), (i), Count, LBound, UBound, For Each.
vbs::Object* NewElementArrayObject(platform::WindowSystem& ui, platform::Form& form, std::string name);
// The array object when `name` is an element array of the form, else the element object; null
// when the form has no element of that name.
vbs::Object* NewNamedElementObject(platform::WindowSystem& ui, platform::Form& form, const std::string& name);
// The form itself; with elementsByName every element name of the form is also a member that
// returns its element or array object.
vbs::Object* NewFormObject(platform::WindowSystem& ui, platform::Form& form, bool elementsByName);
// A picture (null: the empty picture); what Picture properties take and give.
vbs::Object* NewPictureObject(platform::PicturePtr picture);
// The picture a picture object holds; null for any other object (and for Nothing).
const platform::PicturePtr* PictureOf(vbs::Object* object);

vbs::Object* NewScreenObject(platform::WindowSystem& ui);
vbs::Object* NewAppObject(AppInfo info);
vbs::Object* NewClipboardObject(platform::IBackend& backend);
// There is no printer here: Printer accepts everything and prints nothing, Printers is empty.
vbs::Object* NewPrinterObject();
vbs::Object* NewPrintersCollection();

} // namespace run::scripting
