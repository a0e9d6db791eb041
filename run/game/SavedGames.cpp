#include "run/game/SavedGames.h"

#include "run/frames/Dialogues.h"
#include "run/frames/FrameTransitions.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Inventory.h"
#include "run/frames/Scripts.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/graphics/Picture.h"
#include "run/project/DisplayResolution.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordReader.h"
#include "run/scripting/ScriptFiles.h"
#include "run/state/SaveFile.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>

namespace run {

namespace fs = std::filesystem;

namespace {

constexpr const char* kForbidden = "\\/:*?\"<>|,";
constexpr std::size_t kLongestName = 200;

// The name check of the save window, with the names no file system takes as one file name.
bool nameRefused(const std::string& name) {
    if (name.find_first_of(kForbidden) != std::string::npos) return true;
    const std::string t = platform::TrimBlanks(name);
    return t.empty() || t == "." || t == ".." || name.size() > kLongestName;
}

// A small picture of the frame beside the save, for the load window; a failure costs only it.
void writeThumbnail(GameWindow& game, const std::string& file) {
    platform::Element scratch(platform::ElementKind::PictureBox, "SaveThumbnail");
    game.transitions().CaptureActualFrame(scratch);
    if (!scratch.picture) return;
    const platform::Canvas& frame = scratch.picture->image;
    const int w = 160, h = std::max(1, frame.height() * 160 / std::max(1, frame.width()));
    platform::Canvas small(w, h);
    small.stretch(frame, frame.bounds(), small.bounds());
    platform::SavePng(small, file);
}

} // namespace

std::string SaveFolder(const ProjectContext& s, bool create) {
    if (s.documentsFolder.empty()) return s.paths.project;
    const fs::path documents(s.documentsFolder);
    const fs::path folder = SavesFolder(s);
    if (create) {
        std::error_code ec;
        for (const fs::path& level : {documents, documents / "Savegames", folder})
            fs::create_directory(level, ec);
    }
    return folder.string() + "/";
}

std::string ExistingSaveFolder(const ProjectContext& s) {
    const std::string folder = SaveFolder(s, false);
    std::error_code ec;
    return fs::is_directory(folder, ec) ? folder : s.paths.project;
}

std::vector<std::string> ListSavedGames(const std::string& folder) {
    struct Entry {
        std::string name;
        fs::file_time_type time;
    };
    std::vector<Entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() <= 4 || !platform::EqualsNoCase(file.substr(file.size() - 4), ".sav")) continue;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        entries.push_back({file.substr(0, file.size() - 4), it->last_write_time(typeEc)});
    }
    // The folder's order is its names' order; the newest first, ties kept in that order.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.time > b.time; });
    std::vector<std::string> names;
    for (Entry& e : entries)
        names.push_back(std::move(e.name));
    return names;
}

std::string GetResumeLocation(const ProjectContext& s, const std::string& frame) {
    const std::string file = s.paths.config + "Resume";
    if (frame.empty() || !ProjectFileExists(file)) return frame;
    try {
        RecordReader r = RecordReader::open(ExistingPath(file));
        for (int i = 0; i < 6; ++i)
            r.readVariant();
        // One lookup: a mapping is never followed further, so cycles cannot loop.
        std::string result = frame;
        while (!r.atEnd()) {
            std::string saved = r.readString();
            std::string instead = r.readString();
            if (platform::LowerCaseWin(saved) == platform::LowerCaseWin(frame) && !instead.empty())
                result = instead;
        }
        return result;
    } catch (const std::exception&) {
        return frame;
    }
}

bool SaveGameAs(ProjectContext& s, const GameState& state, GameWindow& game, const std::string& name) {
    const std::string folder = SaveFolder(s, true);
    if (!name.empty() && nameRefused(name)) {
        s.ui.messageBox(s.uiText[35] + "\r\n\" \\ / : * ? < > | ,", platform::kInformation,
                        s.info.AdventureName);
        return false;
    }
    if (name.empty()) {
        s.ui.messageBox(s.uiText[23], platform::kInformation, s.uiText[21]);
        return false;
    }
    const std::string file = folder + name + ".sav";
    std::error_code ec;
    if (fs::exists(file, ec)) {
        int answer = s.ui.messageBox("'" + name + "' " + s.uiText[24],
                                     platform::kOkCancel | platform::kQuestion, s.uiText[21]);
        if (answer == platform::kResultCancel) return false;
    }
    try {
        // While a dialogue runs, the game resumes on the frame that started it, so the loaded
        // game offers the dialogue again.
        const Dialogues& dialogue = game.dialogues();
        GameState resumable;
        const GameState* saved = &state;
        if (dialogue.active()) {
            resumable = state;
            resumable.frame = dialogue.dialogueFrame();
            saved = &resumable;
        }
        WriteSaveFile(file, *saved, {s.info.ProjectRegistryName, s.info.AdventureName, SaveDateText()});
    } catch (const std::exception&) {
        s.showErrorBox(" Unable to save '" + file +
                       "'.\r\nVerify that this file is not Read-Only and that it does not "
                       "contain any of the following characters: \" \\ / : * ? < > | ,");
        return false;
    }
    writeThumbnail(game, folder + name + ".png");
    return true;
}

bool RemoveSavedGame(ProjectContext& s, const std::string& name) {
    if (name.empty()) {
        s.ui.messageBox(s.uiText[9], platform::kInformation, s.uiText[26]);
        return false;
    }
    const std::string folder = ExistingSaveFolder(s);
    const std::string file = folder + name + ".sav";
    int answer = s.ui.messageBox(s.uiText[27] + " '" + file + "'?", platform::kOkCancel | platform::kQuestion,
                                 s.uiText[26]);
    if (answer != platform::kResultOk) return false;
    std::error_code ec;
    if (!fs::remove(file, ec) || ec) {
        s.showErrorBox(" Unable to remove '" + file + "'.");
        return false;
    }
    fs::remove(folder + name + ".png", ec);
    return true;
}

namespace {

// Shows a state read from a save on the game just reset: its variables by name (the project's
// own list decides which exist), its hidden hotspots, its items through the inventory, its history.
void applyState(GameState& state, GameWindow& game, const SaveContents& saved) {
    const GameVariables& from = saved.state.variables;
    // Saved values are set exactly (-1 included); names the project no longer has are skipped.
    for (const ClassVariable& v : from.Variables) {
        for (ClassVariable& mine : state.variables.Variables)
            if (mine.Name == v.Name) mine.Value = v.Value;
    }
    for (const ClassVariable& d : from.Disappear)
        state.variables.Disappear.Add(d.Name, d.Value);
    for (const std::string& item : saved.state.items)
        game.inventory().AddPickedObject(item, false);
    if (saved.hasHistory) state.history = saved.state.history;
    for (const ClassVariableVariant& v : from.VariablesVariant)
        ChangeVariableVariantValue(state.variables, v.Name, v.Value);
}

} // namespace

bool LoadSavedGame(ProjectContext& s, Flags& flags, GameState& state, GameWindow& game, Scripts& scripts,
                   const std::string& name, const LoadWindows& windows) {
    if (name.empty()) {
        s.ui.messageBox(s.uiText[9], platform::kInformation, s.uiText[17]);
        return false;
    }
    // The whole file is read and checked before anything of the game in play is touched: a
    // damaged or vanished save leaves the game exactly as it was.
    const std::string file = ExistingSaveFolder(s) + name + ".sav";
    SaveContents saved;
    try {
        saved = ReadSaveFile(file);
    } catch (const std::exception& e) {
        s.showErrorBox(" Unable to load '" + file + "'.\r\n\r\n", e.what());
        return false;
    }
    if (!game.loaded()) game.load();
    platform::Element& frame = game.form().get("PictureBox");
    frame.visible = false;
    s.ui.setScreenPointer(platform::kPointerArrowHourglass, nullptr);
    s.ui.waitWithEvents(300);
    // The display switch for a loaded game: the script's request when the welcome window was
    // skipped, else the project's size when the player ticked the welcome window's offer.
    if (s.info.SkipWelcomeWindow) {
        if (flags.pendingLoadGameResolution != 0) SwitchResolution(s, flags.pendingLoadGameResolution);
    } else if (s.info.OfferResolutionChange == 1 && windows.resolutionTicked && windows.resolutionTicked()) {
        if (windows.hideLoadWindow) windows.hideLoadWindow();
        if (windows.hideWelcome) windows.hideWelcome();
        SwitchResolution(s, s.info.ProjectResolution + 1);
    }
    s.ui.waitWithEvents(300);
    game.ResetAll();
    s.ui.waitWithEvents(500);
    applyState(state, game, saved);
    // The load window unloads here, before the on-load script and the frame opening.
    if (windows.hideLoadWindow) windows.hideLoadWindow();
    game.setCurrentFrameName(GetResumeLocation(s, saved.state.frame));
    s.ui.waitWithEvents(200);
    scripts.ExecuteOnLoadVBScript();
    s.ui.waitWithEvents(200);
    // A copy: opening the frame clears the current frame's record first.
    const std::string resumeAt = game.frameName();
    game.OpenFrame(resumeAt, false, 0, 0);
    s.ui.waitWithEvents(300);
    frame.visible = true;
    game.show();
    if (!s.info.SkipWelcomeWindow && windows.hideWelcome) windows.hideWelcome();
    s.ui.waitWithEvents(300);
    s.ui.setScreenPointer(platform::kPointerDefault, nullptr);
    return true;
}

} // namespace run
