// The plug-in texts that frame and action records store.
#pragma once

#include <string>

namespace run {

// Plug-in parameter texts store character 254 and '~' for double quotes; the text comes back
// with each of them (and each double quote) written as a doubled double quote.
std::string DecodePluginText(const std::string& stored);

} // namespace run
