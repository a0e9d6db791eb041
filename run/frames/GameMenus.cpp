// The game window's menu bar and keys (see GameMenus.h).
#include "run/frames/GameMenus.h"

#include "run/frames/GameWindow.h"
#include "run/frames/KeyboardPlay.h"
#include "run/project/ProjectContext.h"

#include "run/frames/GameActions.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Keys.h"
#include "run/project/Flags.h"
#include "run/state/GameState.h"
#include "run/state/VariablesViewer.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <stdexcept>

namespace run {

using platform::Element;
using platform::ElementKind;

namespace {

Element& addMenu(platform::Form& f, const char* name, const std::string& caption, Element* parent = nullptr,
                 int index = -1) {
    Element& m = f.addElement(ElementKind::Menu, name, index);
    m.caption = caption;
    m.container = parent;
    m.visible = parent != nullptr; // top-level menus show only with the menu bar
    return m;
}

// The hidden sequence of function keys that shows the Debug menu.
constexpr int kDebugSequence[4] = {platform::kKeyF1 + 8, platform::kKeyF1 + 9, platform::kKeyF1 + 10,
                                   platform::kKeyF1 + 11};

} // namespace

void GameMenus::buildMenus() {
    platform::Form& f = m_form;
    Element& load = addMenu(f, "mnuLoadGame", "&Load...");
    load.onClick = [this] { m_actions.ShowLoadGameWindow(); };
    Element& save = addMenu(f, "mnuSaveGame", "&Save...");
    save.onClick = [this] { m_actions.ShowSaveGameWindow(); };
    Element& options = addMenu(f, "mnuOptions", "&Options");
    options.onClick = [this] {
        if (!m_project.info.KeepMenusVisible) m_menuDropdownOpened = true;
    };
    Element& transitions = addMenu(f, "mnuDisableTransitions", "Disable Transitions", &options);
    transitions.onClick = [this] { InvertTransitions(); };
    Element& effects = addMenu(f, "mnuDisableEffects", "Disable Real-Time Effects", &options);
    effects.onClick = [this] { m_game.EnableOrDisableEffects(); };
    Element& keys = addMenu(f, "mnuKeyboardPlay", "Keyboard Play", &options);
    keys.onClick = [this] { InvertKeyboardPlay(); };
    Element& debug = addMenu(f, "mnuDebug", "&Debug");
    debug.onClick = [this] {
        if (!m_project.info.KeepMenusVisible) m_menuDropdownOpened = true;
    };
    Element& frames = addMenu(f, "mnuFrameName", "", &debug, 0);
    frames.visible = false; // the template of the frame list
    Element& variables = addMenu(f, "mnuViewVariables", "View variables status...", &debug);
    variables.onClick = [this] { ShowVariablesViewer(m_project.ui, m_state.variables); };
    Element& execute = addMenu(f, "mnuExecuteVBScript", "Execute VBScript Code...", &debug);
    execute.onClick = [this] { executeCodeCommand(); };
    Element& intercept = addMenu(f, "mnuInterceptCode", "Intercept Code", &debug);
    intercept.onClick = [this] {
        Element& m = m_form.get("mnuInterceptCode");
        m.value = m.value ? 0 : 1;
    };
    Element& edit = addMenu(f, "mnuEditProcedures", "Edit Procedures...", &debug);
    edit.onClick = [this] {
        m_project.ui.messageBox("This command is not available in the compiled version of the project.",
                                platform::kInformation, "Not Available");
    };
    Element& exit = addMenu(f, "mnuExit", "E&xit");
    exit.onClick = [this] { exitCommand(); };
    Element& cancel = addMenu(f, "mnuCancel", "Cancel");
    cancel.onClick = [this] { HideMenus(); };
}

void GameMenus::applyMenuCaptions() {
    auto caption = [&](const char* name, int text) {
        if (!m_project.uiText[text].empty()) m_form.get(name).caption = m_project.uiText[text];
    };
    caption("mnuLoadGame", 2);
    caption("mnuSaveGame", 8);
    caption("mnuExit", 12);
    caption("mnuOptions", 49);
    caption("mnuDisableTransitions", 50);
    caption("mnuDisableEffects", 51);
    caption("mnuCancel", 11);
}

void GameMenus::rebuildFrameList() {
    for (Element* e : m_form.arrayMembers("mnuFrameName")) {
        if (e->index > 0) m_form.unloadArrayMember("mnuFrameName", e->index);
    }
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(m_project.paths.frames, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string file = it->path().filename().string();
        if (file.size() > 4 && platform::LowerCaseWin(file.substr(file.size() - 4)) == ".fme") {
            names.push_back(file.substr(0, file.size() - 4));
        }
    }
    std::sort(names.begin(), names.end());
    int index = 0;
    for (const std::string& name : names) {
        Element& entry = m_form.loadArrayMember("mnuFrameName", ++index);
        entry.caption = name;
        entry.visible = true;
        entry.onClick = [this, name] { m_game.OpenFrame(name, false, 0, 0); };
    }
}

void GameMenus::applyOptionsFromSettings() {
    m_form.get("mnuDisableTransitions").value = m_flags.transitionsDisabled ? 1 : 0;
    m_form.get("mnuDisableEffects").value = m_flags.effectsDisabled ? 1 : 0;
    m_form.get("mnuKeyboardPlay").value = m_flags.keyboardPlay ? 1 : 0;
}

void GameMenus::applyMenuOption3() {
    // The project switch turns off the Options menu and the script commands of the Debug menu.
    bool enabled = !m_project.info.MenuOption3;
    for (const char* name : {"mnuOptions", "mnuExecuteVBScript", "mnuEditProcedures", "mnuInterceptCode"}) {
        m_form.get(name).enabled = enabled;
    }
}

void GameMenus::InvertTransitions() {
    toggleOption("mnuDisableTransitions", "DisableTransitions", m_flags.transitionsDisabled);
}
void GameMenus::InvertEffects() {
    toggleOption("mnuDisableEffects", "DisableEffects", m_flags.effectsDisabled);
}

void GameMenus::InvertKeyboardPlay() {
    toggleOption("mnuKeyboardPlay", "KeyboardPlay", m_flags.keyboardPlay);
    if (!m_flags.keyboardPlay) m_game.keyboard().reset();
}

void GameMenus::toggleOption(const char* menu, const char* setting, bool& flag) {
    flag = !flag;
    m_form.get(menu).value = flag ? 1 : 0;
    m_project.saveUserSetting(setting, flag ? "True" : "False");
}

void GameMenus::ShowMenus() {
    if (m_project.info.NoMenus) return;
    const ProjectInfo& i = m_project.info;
    m_form.get("mnuExit").visible = true;
    m_form.get("mnuCancel").visible = !i.KeepMenusVisible;
    m_form.get("mnuSaveGame").visible = !i.DisableSaveGame;
    m_form.get("mnuLoadGame").visible = !i.DisableLoadGame;
    Element& options = m_form.get("mnuOptions");
    Element& transitions = m_form.get("mnuDisableTransitions");
    Element& effects = m_form.get("mnuDisableEffects");
    if (!i.MenuOption1 && !i.MenuOption2) {
        options.visible = transitions.visible = effects.visible = true;
    } else if (i.MenuOption1 && !i.MenuOption2) {
        options.visible = true;
        transitions.visible = false;
        effects.visible = true;
    } else if (!i.MenuOption1 && i.MenuOption2) {
        options.visible = true;
        transitions.visible = true;
        effects.visible = false;
    } else {
        options.visible = false;
    }
    // Only the hidden key sequence shows the Debug menu; showing the bar hides it again.
    m_form.get("mnuDebug").visible = false;
    m_menusVisible = true;
    m_menuDropdownOpened = false;
}

void GameMenus::HideMenus() {
    if (!m_project.info.KeepMenusVisible && !m_flags.Quitting) {
        for (const char* name :
             {"mnuExit", "mnuSaveGame", "mnuLoadGame", "mnuOptions", "mnuDebug", "mnuCancel"}) {
            m_form.get(name).visible = false;
        }
        m_menusVisible = false;
        m_project.ui.closeMenus(m_form);
    }
    m_menuDropdownOpened = false;
}

void GameMenus::RightClickMenus() {
    if (!m_menusVisible)
        ShowMenus();
    else if (!m_menuDropdownOpened)
        HideMenus();
}

void GameMenus::exitCommand() {
    m_project.ui.closeMenus(m_form);
    int answer = m_project.ui.messageBox(m_project.uiText[10], platform::kYesNo | platform::kQuestion,
                                         m_project.info.AdventureName);
    if (answer == platform::kResultYes) m_game.StartUnloading();
}

void GameMenus::executeCodeCommand() {
    std::string last = m_project.getUserSetting("ExecuteVBScriptCode", "");
    auto code = m_project.ui.inputBox(
        "Enter the VBScript code that you want to execute and then click OK.\r\n\r\nFor example, "
        "to retrieve the value of a variable, use the following code:\r\n\r\n                "
        "MsgBox VARIABLE_NAME\r\n\r\n",
        "Execute VBScript Code (for advanced users)", last);
    if (!code || code->empty()) return;
    try {
        m_actions.ExecuteVBScriptAndConsequences(*code, true);
        if (!m_project.settings.save("Software", m_project.info.ProjectRegistryName, "ExecuteVBScriptCode",
                                     *code))
            throw std::runtime_error(m_project.settings.lastError());
    } catch (const std::exception& e) {
        m_project.ui.messageBox("Unable to execute the following VBScript code:\r\n\r\n" + *code +
                                    "\r\n\r\n" + e.what(),
                                platform::kCritical, "Error Executing VBScript Code");
    }
}

void GameMenus::onKeyDown(int keyCode, int shift) {
    if (keyCode == platform::kKeyEscape) {
        // A transition in progress keeps the menus as they are; the key only ends it.
        if (!m_videos.IsOneTimeVideoPlaying() && !m_flags.TransitionRunning) {
            if (m_form.get("mnuExit").visible)
                HideMenus();
            else
                ShowMenus();
        }
        m_flags.StopMovie = true;
        m_flags.SkipTransitionRequested = true;
    }
    if (!m_form.enabled) return;
    if (shift & platform::kCtrlMask) {
        if (keyCode == platform::kKeyA + ('L' - 'A') && !m_project.info.DisableLoadGame)
            m_actions.ShowLoadGameWindow();
        else if (keyCode == platform::kKeyA + ('S' - 'A') && !m_project.info.DisableSaveGame)
            m_actions.ShowSaveGameWindow();
        else if (keyCode == platform::kKeyA + ('Q' - 'A'))
            exitCommand();
    }
    // Any key that does not continue the hidden sequence starts it over.
    if (keyCode == kDebugSequence[m_debugKeys]) {
        if (++m_debugKeys == 4) {
            m_debugKeys = 0;
            m_form.get("mnuDebug").visible = true;
        }
    } else {
        m_debugKeys = keyCode == kDebugSequence[0] ? 1 : 0;
    }
}

} // namespace run
