// The project information record read from Config/General at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace run {

struct ProjectInfo {
    std::string ProjectRegistryName = "None";
    std::string AdventureName;
    std::string InitialFrame;
    std::string VersionText;
    std::int16_t FrameWidth = 0;
    std::int16_t FrameHeight = 0;
    std::string Author;
    std::string Email;
    std::string Homepage;
    std::int16_t OfferResolutionChange = 0;
    std::string SchemeName;
    bool DisableLoadGame = false;
    bool DisableSaveGame = false;
    std::int32_t InventorySpacingX = 10;
    std::int32_t InventorySpacingY = 10;
    bool InventoryEnabled = true;
    bool InventorySlideIn = true;
    bool InventorySlideOut = true;
    bool HideEmptyInventoryButton = true;
    bool OpenInventoryOnPickUp = true;
    bool CustomInventoryImages = false;
    std::string InventoryButtonImage = "DEFAULT";
    std::string InventoryBackgroundImage = "DEFAULT";
    std::int16_t ProjectResolution = 0;
    std::string DefaultCursor = "DEFAULT";
    bool KeepMenusVisible = false;
    bool SkipWelcomeWindow = false;
    bool MenuOption1 = false;
    bool MenuOption2 = false;
    bool NoMenus = false;
    bool RunStartupScript = false;
    std::string StartupScript;
    bool RunFrameScript = false;
    std::string FrameScript;
    bool MenuOption3 = false;
};

// The project's window size in pixels for `ProjectResolution` (640×480 for unknown values).
void ProjectResolutionSize(int projectResolution, int& width, int& height);

// Reads `General` into `info`, starting from the defaults. Stops quietly where an older file
// ends. Throws the record reader's error on a damaged file; the fields read so far are kept.
void ReadProjectInfo(const std::string& generalFile, ProjectInfo& info);

} // namespace run
