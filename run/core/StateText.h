// How the play script's state lines write a text that may hold anything.
#pragma once

#include <string>

namespace run {

// A text in double quotes as the state lines show it: a double quote or a backslash inside gets
// a backslash before it, a line break is \n and a lone carriage return \r.
std::string QuotedStateText(const std::string& text);

} // namespace run
