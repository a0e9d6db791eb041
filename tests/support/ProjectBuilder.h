// Writes a project folder from C++ — General, Texts, More and any other file — so that each test
// creates exactly the project it needs, through the same record writer the player uses.
#pragma once

#include "run/frames/DialogueFile.h"
#include "run/frames/FrameFile.h"
#include "run/project/ProjectInfo.h"

#include <filesystem>
#include <string>
#include <vector>

namespace run::testing {

// One hotspot block of a frame's hotspot list (positions in twips, border included).
struct HotspotSpec {
    int mergeMark = 0;
    int left = 0, top = 0, width = 1500, height = 1500;
    bool animated = false;
    bool hasPicture = false;
    std::string pictureFile; // in the Areas folder
    bool stretch = false;
    std::string cursorFile; // in the Icons folder; "" or "default": the project's pointer
    bool hasConditions = false;
    std::vector<std::string> hideIf; // hidden when one of these is non-zero
    std::vector<std::string> showIf; // hidden when one of these is not exactly 1
    bool withAnimationSpeed = false; // optional tail fields
    double animationSpeed = 0;
    bool withVideo = false;
    bool isVideo = false;
    std::string videoFile; // in the Frames folder
    bool videoFitsHotspot = false;
    int videoLevel = 7, videoRate = 0, videoPlayCount = 1;
};

// One text of a frame's text list.
struct TextSpec {
    int textNumber = 1;
    std::string caption;
    int left = 0, top = 0; // twips
    bool bold = false, italic = false;
    std::string fontName = "Arial";
    double fontSize = 12;
    bool strikeout = false, underline = false;
    std::uint32_t colour = 0xFFFFFF; // red in the low byte
};

// One action record (.fm3 / .fm0 block body). `groups` is how many optional groups follow the fixed part
// (0–12), as older editors wrote shorter blocks.
struct ActionSpec {
    std::string variable; // fixed part: change this integer variable …
    bool setZero = false, setOne = false, toggle = false;
    bool showMessage = false;
    std::string message;
    bool disappear = false; // remove the used item, or hide the clicked hotspot
    bool quit = false;
    std::string goToFrame;                                // empty: no frame change
    bool stopHotspotSound = false, stopAllSounds = false; // sounds to stop, the video
    std::string video;
    bool videoDefaultPlacement = true; // else at the position, or stretched over the rectangle
    bool videoAtPosition = false;
    int videoLeft = 0, videoTop = 0, videoWidth = 0, videoHeight = 0;
    std::string hotspotSound, frameSound;                   // the hotspot and frame sounds
    bool goBack = false;                                    // going back in the history
    bool messageInFrame = true;                             // where the message shows
    std::vector<std::string> listZero, listOne, listToggle; // variable lists
    bool loopHotspotSound = true;                           // the hotspot sound's looping
    int transitionKind = 0;                                 // the transition and its duration
    double transitionMs = 0;
    std::string script;           // the script (run when not empty)
    int transitionNumber = 0;     // the transition number
    ChannelRequestBlock channels; // the audio channel requests
    std::string pickItem;         // the item to pick up
    std::string pluginActions;    // plug-in action references
    int groups = 12;
};

class ProjectBuilder {
  public:
    // Creates the folder and the usual sub-folders (Config, Frames, FramesData, Areas, Icons …).
    explicit ProjectBuilder(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return m_folder; }

    // Config/General with every field of `info`; `lastField` ends the file early after that
    // field (11, 12, 16, 22, 38, 41, 44, 46, 47, 48, 55 or 56), as older projects do.
    ProjectBuilder& general(const ProjectInfo& info, int lastField = 56);
    // Config/Texts: mode 0, 1, or 2 with overrides (any count, for tests of bad files too).
    ProjectBuilder& texts(int mode, const std::vector<std::string>& overrides = {});
    // A key of section General in Config/More.
    ProjectBuilder& more(const std::string& key, const std::string& value);
    // Config/Procedures holding `text` (UTF-8), scrambled with `key` when it is given (and
    // ProcEncr set to 1 in More), else plain.
    ProjectBuilder& procedures(const std::string& text, std::int32_t key = -1);
    // Frames/<name>.fme; `lastField` ends the file early after field 10, 13, 22, 23, 25, 26, 28,
    // the channel block (38), 39 or 40, as older projects do.
    ProjectBuilder& frame(const std::string& name, const FrameFile& f, int lastField = 40);
    // Frames/<name>.lks and FramesData/<name>.fm2 (or .mr2 when `alternate`).
    ProjectBuilder& hotspots(const std::string& frame, const std::vector<HotspotSpec>& spots,
                             bool alternate = false);
    // FramesData/<name>.fm1 (or .mr1 when `alternate`).
    ProjectBuilder& texts(const std::string& frame, const std::vector<TextSpec>& texts,
                          bool alternate = false);
    // Config/Variables: integer variables, then after "***" the variant variables.
    ProjectBuilder& variables(const std::vector<std::string>& integers,
                              const std::vector<std::string>& variants = {});

    // FramesData/<frame>.fm3 (or .mr3): block n is hotspot n's action.
    ProjectBuilder& actions(const std::string& frame, const std::vector<ActionSpec>& blocks,
                            bool alternate = false);
    // FramesData/<frame>.fm0: item-on-hotspot actions keyed "<hotspot>_<item>.drg".
    ProjectBuilder& itemActions(const std::string& frame,
                                const std::vector<std::pair<std::string, ActionSpec>>& keyedBlocks);
    // FramesData/<frame>.fm4: the item each listed hotspot offers on a click.
    ProjectBuilder& pickups(const std::string& frame,
                            const std::vector<std::pair<int, std::string>>& hotspotItems);
    // FramesData/<frame>.dlg: the frame's questions (double quotes of scripts written as "|").
    ProjectBuilder& dialogue(const std::string& frame, const std::vector<DialogueQuestion>& questions);
    // Areas/<name>.obj naming the item's icon (in the Areas folder).
    ProjectBuilder& item(const std::string& name, const std::string& iconFile);
    // Areas/<dragged>_on_<target>.drg.
    ProjectBuilder& combination(const std::string& dragged, const std::string& target, bool removeDragged,
                                bool removeTarget, const std::string& result, const std::string& script = "");

    // Any file, given by its path inside the project, with raw bytes.
    ProjectBuilder& file(const std::string& relativePath, const std::string& bytes);
    ProjectBuilder& remove(const std::string& relativePath);

  private:
    std::filesystem::path m_folder;
};

// A fresh, empty temporary folder removed when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

} // namespace run::testing
