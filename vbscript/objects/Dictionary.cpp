// PLACEHOLDER: being written; until then the object cannot be created.
#include "Classic.h"

namespace vbs {

Object* newDictionary(Interp&) { return nullptr; }

}  // namespace vbs
