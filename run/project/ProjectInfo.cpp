// Reading the project information file, group by group as the format grew.
#include "run/project/ProjectInfo.h"

#include "run/project/record/RecordFile.h"

#include <algorithm>

namespace run {

namespace {

// Script texts store '|' for each double quote.
std::string scriptText(std::string s) {
    std::replace(s.begin(), s.end(), '|', '"');
    return s;
}

} // namespace

void ProjectResolutionSize(int projectResolution, int& width, int& height) {
    switch (projectResolution) {
    case 1:
        width = 800;
        height = 600;
        break;
    case 2:
        width = 1024;
        height = 768;
        break;
    default:
        width = 640;
        height = 480;
        break;
    }
}

void ReadProjectInfo(const std::string& generalFile, ProjectInfo& info) {
    info = ProjectInfo{};
    RecordReader r = RecordReader::open(generalFile);
    info.ProjectRegistryName = r.readString(); // 1
    r.readString();                            // 2
    info.AdventureName = r.readString();       // 3
    r.readInteger();                           // 4
    info.InitialFrame = r.readString();        // 5
    info.VersionText = r.readString();         // 6
    info.FrameWidth = r.readInteger();         // 7
    info.FrameHeight = r.readInteger();        // 8
    info.Author = r.readString();              // 9
    info.Email = r.readString();               // 10
    info.Homepage = r.readString();            // 11
    if (r.atEnd()) return;
    info.OfferResolutionChange = r.readInteger(); // 12
    if (r.atEnd()) return;
    for (int i = 13; i <= 15; ++i)
        r.readVariant();
    info.SchemeName = r.readString(); // 16
    if (r.atEnd()) return;
    for (int i = 17; i <= 19; ++i)
        r.readVariant();
    info.DisableLoadGame = r.readBoolean(); // 20
    info.DisableSaveGame = r.readBoolean(); // 21
    r.readVariant();                        // 22
    if (r.atEnd()) return;
    r.readString();                                  // 23
    r.readVariant();                                 // 24
    info.InventorySpacingX = r.readLong();           // 25
    info.InventorySpacingY = r.readLong();           // 26
    info.InventoryEnabled = r.readBoolean();         // 27
    info.InventorySlideIn = r.readBoolean();         // 28
    info.InventorySlideOut = r.readBoolean();        // 29
    info.HideEmptyInventoryButton = r.readBoolean(); // 30
    info.OpenInventoryOnPickUp = r.readBoolean();    // 31
    info.CustomInventoryImages = r.readBoolean();    // 32
    info.InventoryButtonImage = r.readString();      // 33
    info.InventoryBackgroundImage = r.readString();  // 34
    info.ProjectResolution = r.readInteger();        // 35
    r.readVariant();                                 // 36
    r.readVariant();                                 // 37
    info.DefaultCursor = r.readString();             // 38
    if (r.atEnd()) return;
    r.readVariant();                         // 39
    r.readVariant();                         // 40
    info.KeepMenusVisible = r.readBoolean(); // 41
    if (r.atEnd()) return;
    r.readVariant();                          // 42
    info.SkipWelcomeWindow = r.readBoolean(); // 43
    r.readBoolean();                          // 44
    if (r.atEnd()) return;
    r.readVariant();                    // 45
    info.MenuOption1 = r.readBoolean(); // 46
    if (r.atEnd()) return;
    info.MenuOption2 = r.readBoolean(); // 47
    if (r.atEnd()) return;
    info.NoMenus = r.readBoolean(); // 48
    if (r.atEnd()) return;
    for (int i = 49; i <= 51; ++i)
        r.readVariant();
    info.RunStartupScript = r.readBoolean();         // 52
    info.StartupScript = scriptText(r.readString()); // 53
    info.RunFrameScript = r.readBoolean();           // 54
    info.FrameScript = scriptText(r.readString());   // 55
    if (r.atEnd()) return;
    info.MenuOption3 = r.readBoolean(); // 56
}

} // namespace run
