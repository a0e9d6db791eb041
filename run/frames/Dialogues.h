// The question-and-answer dialogue of a frame: its questions offered in a panel at the bottom of
// the frame picture (fmeDialogue, one lblDialogue label each). A click on a question runs its
// scripts and hotspot actions, shows its answer in the frame's message and changes which
// questions are offered. A dialogue stays through frame changes until it is quit. The player
// may also pick questions with the number keys, or the arrow keys and Enter.
#pragma once

#include "run/frames/DialogueFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace run {

namespace platform {
class Element;
}

class GameActions;
class GameWindow;
struct Flags;
struct ProjectContext;

// One question offered in the panel, as the play script's state shows it.
struct DialogueLine {
    int question = 0; // its number in the file, from 1
    std::string caption;
    bool asked = false;
    int left = 0, top = 0; // pixels of the frame area
};

class Dialogues {
  public:
    Dialogues(ProjectContext& project, Flags& flags) : m_project(project), m_flags(flags) {}

    // The game window hands over itself and the game's actions when it builds its elements.
    void build(GameWindow& game, GameActions& actions);

    // The end of a frame opening: the frame's dialogue is loaded and laid out when the frame
    // has one and no dialogue is active.
    void LoadFrameDialogueIfAny(const std::string& frameName);
    // Reads the open frame's dialogue file into the question table.
    void LoadDialogue();
    void RuntimeDisplayQuestions();
    void RuntimeQuestionClick(int labelIndex);
    // Hides the panel and ends the dialogue; its questions stay until the next one loads.
    void QuitDialogue();
    // The game reset: no dialogue, no questions, no labels.
    void ResetDialogue();

    // A question label takes clicks and pointer moves (a label a script loads as well).
    void wireLabel(platform::Element& label);
    void lblDialogue_MouseMove(int labelIndex);
    void fmeDialogue_MouseMove();
    // The keys of the shown panel: 1–9 pick a question, the arrows move over them, Enter picks
    // the one marked. True when the key was used.
    bool onKeyDown(int keyCode, int shift);

    bool active() const { return m_active; }
    // The frame whose dialogue runs; "" when none does.
    const std::string& dialogueFrame() const { return m_frame; }
    const std::vector<DialogueQuestion>& questions() const { return m_questions; }
    // The questions in the panel, top to bottom.
    std::vector<DialogueLine> shownLines() const;

  private:
    // Lets window events run until the answer's message is hidden (no `seconds`), or for that
    // long; the player hiding a timed answer's message ends its wait too.
    void waitForAnswer(std::optional<double> seconds);
    void runScript(const std::string& text);
    void doHotspotAction(int hotspot);
    void setHover(int labelIndex);
    // The panel's labels, top to bottom.
    std::vector<int> labelIndices() const;
    bool quitting() const;

    ProjectContext& m_project;
    Flags& m_flags;
    GameWindow* m_game = nullptr;
    GameActions* m_actions = nullptr;
    std::vector<DialogueQuestion> m_questions;
    bool m_active = false;
    std::string m_frame;
    std::uint64_t m_loads = 0; // counts the dialogues loaded, so a click knows its own
    int m_marked = 0;          // the label the keys have marked, 0 none
};

} // namespace run
