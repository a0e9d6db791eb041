// The dialogue of a frame (see Dialogues.h).
#include "run/frames/Dialogues.h"

#include "run/frames/FrameTexts.h"
#include "run/frames/GameActions.h"
#include "run/frames/GameWindow.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Keys.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <stdexcept>

namespace run {

using platform::Element;

namespace {

// Question colours: not asked, not asked under the pointer, asked, asked under the pointer.
constexpr platform::ColorRef kNew = 0xC8C8C8, kNewHover = 0xFFFFFF, kAsked = 0x787878, kAskedHover = 0xE6E6E6;
constexpr int kFirstTop = 300, kLeft = 360, kGap = 90, kBottomMargin = 300; // twips
// A timed wait longer than a day is taken as a day: the clock's arithmetic stays sound.
constexpr double kLongestWaitSeconds = 86400;

} // namespace

void Dialogues::build(GameWindow& game, GameActions& actions) {
    m_game = &game;
    m_actions = &actions;
    platform::Form& form = game.form();
    Element& panel = form.get("fmeDialogue");
    panel.container = &form.get("PictureBox");
    panel.visible = false;
    panel.backColor = 0x000000;
    panel.onMouseMove = [this](const platform::MouseArgs&) { fmeDialogue_MouseMove(); };
    // The template of the question labels: members copy it when they load.
    Element* label = form.find("lblDialogue", 0);
    label->container = &panel;
    label->visible = false;
    label->autoSize = true;
    label->backTransparent = true;
    label->foreColor = kNew;
    label->font = {"Arial", 12};
}

bool Dialogues::quitting() const {
    return m_flags.Quitting || m_project.ui.quitRequested();
}

void Dialogues::LoadFrameDialogueIfAny(const std::string& frameName) {
    m_project.trace.note("LoadFrameDialogueIfAny " + frameName);
    if (m_active) {
        // The running dialogue stays over the new frame's hotspots and texts.
        if (Element& panel = m_game->form().get("fmeDialogue"); panel.visible)
            m_game->form().zOrder(panel, 0);
        return;
    }
    if (!ProjectFileExists(m_project.paths.framesData + frameName + ".dlg")) return;
    LoadDialogue();
    RuntimeDisplayQuestions();
}

void Dialogues::LoadDialogue() {
    const std::string frame = m_game->frameName();
    const std::string file = m_project.paths.framesData + frame + ".dlg";
    m_questions.clear();
    m_marked = 0;
    if (!ProjectFileExists(file)) return;
    ++m_loads;
    try {
        RecordReader r = RecordReader::open(ExistingPath(file));
        ReadDialogueFile(r, m_questions);
    } catch (const std::exception& e) {
        // The questions read before the damage are offered; the game goes on.
        m_project.ui.messageBox(std::string("Error loading the dialogue.") + "\r\n\r\n" + e.what(),
                                platform::kCritical, "Error");
    }
    m_active = true;
    m_frame = frame;
}

std::vector<int> Dialogues::labelIndices() const {
    std::vector<int> out;
    if (!m_game) return out;
    for (const Element* e : m_game->form().arrayMembers("lblDialogue"))
        if (e->index > 0) out.push_back(e->index);
    std::sort(out.begin(), out.end());
    return out;
}

void Dialogues::RuntimeDisplayQuestions() {
    try {
        platform::Form& form = m_game->form();
        for (int index : labelIndices())
            form.unloadArrayMember("lblDialogue", index);
        m_marked = 0;
        int y = kFirstTop, next = 1;
        for (std::size_t i = 0; i < m_questions.size(); ++i) {
            const DialogueQuestion& q = m_questions[i];
            if (!q.shown) continue;
            const int k = next++;
            Element& label = form.loadArrayMember("lblDialogue", k);
            label.caption = q.question;
            label.tag = std::to_string(i + 1);
            label.left = kLeft;
            label.top = y;
            label.foreColor = q.asked ? kAsked : kNew;
            platform::AutoSizeToCaption(label, m_project.ui.fonts());
            label.visible = true;
            wireLabel(label);
            y += label.height + kGap;
        }
        if (next == 1) {
            QuitDialogue();
            return;
        }
        Element& panel = form.get("fmeDialogue");
        const Element& frame = form.get("PictureBox");
        panel.height = y + kBottomMargin;
        panel.left = 0;
        panel.top = frame.height - panel.height;
        panel.width = frame.width;
        panel.visible = true;
        form.zOrder(panel, 0);
        m_project.ui.invalidate();
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Error in RuntimeDisplayQuestions. ", e.what());
    }
}

void Dialogues::QuitDialogue() {
    if (m_game) m_game->form().get("fmeDialogue").visible = false;
    m_active = false;
    m_frame.clear();
    m_marked = 0;
    if (m_game) m_project.ui.invalidate();
}

void Dialogues::ResetDialogue() {
    QuitDialogue();
    m_questions.clear();
    if (!m_game) return;
    for (int index : labelIndices())
        m_game->form().unloadArrayMember("lblDialogue", index);
}

void Dialogues::runScript(const std::string& text) {
    if (!text.empty()) m_actions->ExecuteVBScriptAndConsequences(text, true);
}

void Dialogues::doHotspotAction(int hotspot) {
    if (hotspot > 0 && hotspot <= m_game->currentFrame().HotspotCount)
        m_actions->MakeActionAndConsequences(hotspot, 0, true);
}

void Dialogues::waitForAnswer(std::optional<double> seconds) {
    platform::WindowSystem& ui = m_project.ui;
    const Element& box = m_game->form().get("FrameMessageBox");
    const bool message = box.visible;
    std::uint64_t until = 0;
    if (seconds) {
        const double s = std::isfinite(*seconds) ? std::clamp(*seconds, 0.0, kLongestWaitSeconds)
                                                 : (*seconds > 0 ? kLongestWaitSeconds : 0.0);
        until = ui.now() + static_cast<std::uint64_t>(std::llround(s * 1000));
    }
    m_flags.DialogueAnswerWaiting = true;
    for (;;) {
        ui.pump();
        if (quitting() || !m_game->inPlay()) break;
        // A message the player (or its timer) hid has been read.
        if (message && !box.visible) break;
        if (seconds && ui.now() >= until) break;
        const std::uint64_t left = seconds ? until - ui.now() : 50;
        ui.backend().waitForEvent(static_cast<int>(ui.msUntilNextTimer(std::min<std::uint64_t>(left, 50))));
    }
    m_flags.DialogueAnswerWaiting = false;
}

void Dialogues::RuntimeQuestionClick(int labelIndex) {
    try {
        platform::Form& form = m_game->form();
        const Element* label = form.find("lblDialogue", labelIndex);
        if (!label)
            throw std::runtime_error("Control array element '" + std::to_string(labelIndex) +
                                     "' doesn't exist");
        // The tag a script may have changed counts as VB reads a number from a text.
        const long i = std::strtol(label->tag.c_str(), nullptr, 10);
        if (i < 1 || i > static_cast<long>(m_questions.size()))
            throw std::runtime_error("Subscript out of range");
        m_questions[static_cast<std::size_t>(i - 1)].asked = true;
        form.get("fmeDialogue").visible = false;
        m_project.ui.invalidate();
        // The question as it was clicked: its scripts may load another dialogue meanwhile.
        const DialogueQuestion q = m_questions[static_cast<std::size_t>(i - 1)];
        const std::uint64_t dialogue = m_loads;

        runScript(q.script1);
        doHotspotAction(q.hotspotActions[0]);
        runScript(q.script2);
        doHotspotAction(q.hotspotActions[1]);
        if (!q.answer.empty()) {
            FrameTexts& texts = m_game->texts();
            if (q.timedAnswer) {
                texts.ShowTextMessage(q.answer, true, true);
                waitForAnswer(q.answerSeconds);
                if (quitting()) return;
                texts.hideTextMessage();
            } else {
                texts.ShowTextMessage(q.answer, true, false);
                waitForAnswer(std::nullopt);
            }
        } else if (q.timedAnswer) {
            waitForAnswer(q.answerSeconds);
        }
        if (quitting()) return;
        if (q.quitAfter) QuitDialogue();
        if (quitting()) return;
        runScript(q.script3);
        doHotspotAction(q.hotspotActions[2]);
        // A dialogue its scripts quit (or replaced) is not laid out again.
        if (quitting() || q.quitAfter || !m_active || m_loads != dialogue) return;

        auto byKey = [this](std::int16_t key) -> DialogueQuestion& {
            for (DialogueQuestion& other : m_questions)
                if (other.key == key) return other;
            throw std::runtime_error("Subscript out of range");
        };
        for (std::int16_t key : q.showList)
            byKey(key).shown = true;
        for (std::int16_t key : q.hideList)
            byKey(key).shown = false;
        RuntimeDisplayQuestions();
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Error in RuntimeQuestionClick. ", e.what());
        // The questions are offered again as far as the click changed them: a hidden panel
        // would leave a running dialogue with nothing to click.
        if (m_active && !quitting() && m_game && !m_game->form().get("fmeDialogue").visible)
            RuntimeDisplayQuestions();
    }
}

void Dialogues::wireLabel(Element& label) {
    const int k = label.index;
    label.onClick = [this, k] { RuntimeQuestionClick(k); };
    label.onMouseMove = [this, k](const platform::MouseArgs&) { lblDialogue_MouseMove(k); };
}

void Dialogues::setHover(int labelIndex) {
    for (int index : labelIndices()) {
        Element* label = m_game->form().find("lblDialogue", index);
        platform::ColorRef& c = label->foreColor;
        if (index == labelIndex) {
            if (c == kNew) c = kNewHover;
            if (c == kAsked) c = kAskedHover;
        } else {
            if (c == kNewHover) c = kNew;
            if (c == kAskedHover) c = kAsked;
        }
    }
    m_project.ui.invalidate();
}

void Dialogues::lblDialogue_MouseMove(int labelIndex) {
    m_marked = labelIndex;
    setHover(labelIndex);
}

void Dialogues::fmeDialogue_MouseMove() {
    m_marked = 0;
    setHover(0);
}

bool Dialogues::onKeyDown(int keyCode, int shift) {
    if (!m_game || !m_active || !m_game->form().get("fmeDialogue").visible) return false;
    if (shift & (platform::kCtrlMask | platform::kAltMask)) return false;
    const std::vector<int> labels = labelIndices();
    if (labels.empty()) return false;
    // Number keys of the main row and of the keypad.
    int picked = 0;
    if (keyCode >= platform::kKey0 + 1 && keyCode <= platform::kKey0 + 9) picked = keyCode - platform::kKey0;
    if (keyCode >= 0x61 && keyCode <= 0x69) picked = keyCode - 0x60;
    if (picked > 0) {
        if (picked > static_cast<int>(labels.size())) return true;
        RuntimeQuestionClick(labels[static_cast<std::size_t>(picked - 1)]);
        return true;
    }
    const auto at = std::find(labels.begin(), labels.end(), m_marked);
    const int n = static_cast<int>(labels.size());
    const int pos = at == labels.end() ? -1 : static_cast<int>(at - labels.begin());
    switch (keyCode) {
    case platform::kKeyDown:
    case platform::kKeyRight:
        m_marked = labels[static_cast<std::size_t>((pos + 1) % n)];
        setHover(m_marked);
        return true;
    case platform::kKeyUp:
    case platform::kKeyLeft:
        m_marked = labels[static_cast<std::size_t>(pos <= 0 ? n - 1 : pos - 1)];
        setHover(m_marked);
        return true;
    case platform::kKeyReturn:
        // Without a marked question, Enter is keyboard play's (the highlighted hotspot).
        if (pos < 0) return false;
        RuntimeQuestionClick(m_marked);
        return true;
    default:
        return false;
    }
}

std::vector<DialogueLine> Dialogues::shownLines() const {
    std::vector<DialogueLine> out;
    if (!m_game) return out;
    for (int index : labelIndices()) {
        const Element* label = m_game->form().find("lblDialogue", index);
        DialogueLine line;
        line.caption = label->caption;
        line.question = std::atoi(label->tag.c_str());
        line.asked = line.question >= 1 && line.question <= static_cast<int>(m_questions.size()) &&
                     m_questions[static_cast<std::size_t>(line.question - 1)].asked;
        const platform::Rect r = platform::ElementRectOnForm(*label);
        const platform::Rect frame = platform::ElementRectOnForm(m_game->form().get("PictureBox"));
        line.left = r.x - frame.x;
        line.top = r.y - frame.y;
        out.push_back(std::move(line));
    }
    return out;
}

} // namespace run
