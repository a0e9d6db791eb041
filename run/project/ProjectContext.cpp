// The error-box convention and the settings helpers every part uses.
#include "run/project/ProjectContext.h"

#include "run/platform/files/IniFile.h"

namespace run {

void ProjectContext::showErrorBox(const std::string& sentence, const std::string& description) {
    std::string text = uiText[30] + "\r\n\r\n" + uiText[31] + sentence + description;
    ui.messageBox(text, platform::kCritical, uiText[29]);
}

std::string ProjectContext::getUserSetting(const std::string& key, const std::string& defaultValue) const {
    return settings.get("Software", info.ProjectRegistryName, key, defaultValue);
}

void ProjectContext::saveUserSetting(const std::string& key, const std::string& value) {
    settings.save("Software", info.ProjectRegistryName, key, value);
}

std::string ProjectContext::readProjectSetting(const std::string& key) const {
    return platform::GetPrivateProfileString(ExistingPath(paths.config + "More"), "General", key, "", 255);
}

} // namespace run
