#include "Classic.h"

#include "../Value.h"

namespace vbs {

Object* createClassicObject(Interp& rt, std::u16string_view progId) {
    if (equalsNoCase(progId, u"VBScript.RegExp")) return newRegExp(rt);
    if (equalsNoCase(progId, u"Scripting.Dictionary")) return newDictionary(rt);
    if (equalsNoCase(progId, u"Scripting.FileSystemObject")) return newFileSystemObject(rt);
    return nullptr;
}

} // namespace vbs
