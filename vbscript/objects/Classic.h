#pragma once
// The classic helper objects every VBScript host offers: RegExp (also made by
// `New RegExp`), Scripting.Dictionary and Scripting.FileSystemObject. They are
// ordinary Objects (see Object.h); file access goes through the host's
// Config::mapPath / Config::fileAccess policy.
#include "../Object.h"

#include <string_view>

namespace vbs {

class Interp;

Object* newRegExp(Interp& rt);
Object* newDictionary(Interp& rt);
Object* newFileSystemObject(Interp& rt);

// The classic object for a ProgID ("VBScript.RegExp", "Scripting.Dictionary",
// "Scripting.FileSystemObject", any letter case), or nullptr.
Object* createClassicObject(Interp& rt, std::u16string_view progId);

} // namespace vbs
