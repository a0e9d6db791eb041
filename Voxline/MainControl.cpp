#include "MainControl.h"

#include "Validation.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <strings.h>

namespace voxline {

namespace {

constexpr int32_t kSpaceKey = 32;
constexpr int kCritical = 16, kInformation = 64;
constexpr std::uint32_t kKeyboardMs = 250;
// The classic timer takes intervals up to 65535 ms; a longer delay is an invalid value.
constexpr std::int64_t kLongestInterval = 65535;

const char* const kFileProperty[5] = {"QuestionFile", "AnswerFile", "Audio1File", "Audio2File", "Audio3File"};
const char* const kVolumeProperty[5] = {"QuestionVolume", "AnswerVolume", "Audio1Volume", "Audio2Volume",
                                        "Audio3Volume"};
const char* const kBalanceProperty[5] = {"QuestionBalance", "AnswerBalance", "Audio1Balance", "Audio2Balance",
                                         "Audio3Balance"};
const char* const kStateProperty[5] = {"QuestionState", "AnswerState", "Audio1State", "Audio2State",
                                       "Audio3State"};
const char* const kLoopProperty[3] = {"Audio1Loop", "Audio2Loop", "Audio3Loop"};
const char* const kStateEvent[5] = {"QuestionStateChange", "AnswerStateChange", "Audio1StateChange",
                                    "Audio2StateChange", "Audio3StateChange"};

// Error numbers scripts see for a property they may not use that way.
constexpr int32_t kReadOnly = 383, kWriteOnly = 394;

bool same(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

int indexIn(const std::string& name, const char* const* names, int count) {
    for (int i = 0; i < count; ++i)
        if (same(name, names[i])) return i;
    return -1;
}

// A value written to a text property, as the classic runtime writes it as text.
std::string textOf(const pc_value& v) {
    switch (v.kind) {
    case PC_STRING:
        return v.v.s ? std::string(v.v.s, v.n) : std::string();
    case PC_INT:
        return std::to_string(v.v.i);
    case PC_BOOL:
        return v.v.i ? "True" : "False";
    case PC_DOUBLE: {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", v.v.d);
        return text;
    }
    default:
        return {};
    }
}

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace

MainControl::MainControl(const pc_host& host, pc_handle self, const pc_object_vtbl* table)
    : m_header{{table}, this}, m_host(host), m_self(self) {
    ++s_alive;
    for (int i = 0; i < 5; ++i)
        m_watch[i] = {this, i};
    try {
        pc_value text{PC_STRING, 1, {0}};
        text.v.s = "0";
        setProperty("QuestionAndAnswer", text);
        m_skipping = 0; // the member only: the space bar skips until Skipping is written
        for (int i = 0; i < 5; ++i) {
            m_players[i] = m_host.player_new(m_host.context);
            if (!m_players[i]) throw Failure("The container has no media player to spare.");
            // Players load without starting, and play again from the start after their end.
            m_host.player_watch(m_host.context, m_players[i], &MainControl::playerEvent, &m_watch[i]);
        }
        m_keyboardTimer = startTimer(kKeyboardMs, &MainControl::keyboardTick);
    } catch (const std::exception& e) {
        unexpected(1, e.what());
    }
}

MainControl::~MainControl() {
    stopTimer(m_questionDelayTimer);
    stopTimer(m_answerDelayTimer);
    stopTimer(m_keyboardTimer);
    for (pc_handle& p : m_players) {
        if (!p) continue;
        m_host.player_watch(m_host.context, p, nullptr, nullptr);
        m_host.player_free(m_host.context, p);
        p = 0;
    }
    --s_alive;
}

void MainControl::release() {
    if (--m_refs == 0) delete this;
}

// --- The container's services ---

void MainControl::messageBox(const std::string& text, const std::string& title, int style) {
    m_host.message_box(m_host.context, text.data(), static_cast<uint32_t>(text.size()), title.data(),
                       static_cast<uint32_t>(title.size()), style);
}

void MainControl::unexpected(int number, const std::string& description) {
    messageBox(std::string(kProductTitle) +
                   " has encountered an unexpected error. Our apoligies for the inconvenience.\r\n\r\n" +
                   description,
               std::string(kProductTitle) + " - Unexpected Error " + std::to_string(number), kCritical);
}

void MainControl::raise(const char* event, std::int16_t argument) {
    const pc_handle params = m_host.params_new(m_host.context, 1);
    const pc_value value{PC_INT, 0, {argument}};
    if (params) m_host.params_set(m_host.context, params, 0, &value);
    m_host.raise_event(m_host.context, m_self, event,
                       static_cast<uint32_t>(std::char_traits<char>::length(event)), params);
    if (params) m_host.params_free(m_host.context, params);
}

void MainControl::changed(const std::string& property) {
    m_host.property_changed(m_host.context, m_self, property.data(), static_cast<uint32_t>(property.size()));
}

pc_handle MainControl::startTimer(std::uint32_t intervalMs, void (*tick)(void*)) {
    const pc_handle timer = m_host.timer_start(m_host.context, intervalMs, tick, this);
    if (!timer) throw Failure("The container has no timer to spare.");
    return timer;
}

void MainControl::stopTimer(pc_handle& timer) {
    if (timer) m_host.timer_stop(m_host.context, timer);
    timer = 0;
}

void MainControl::play(int index) {
    if (m_host.player_play(m_host.context, m_players[index], 1) != PC_OK)
        throw Failure("The file " + m_files[index] + " cannot be played.");
}

int MainControl::playState(int index) const {
    return m_players[index] ? m_host.player_play_state(m_host.context, m_players[index]) : 0;
}

// --- Properties ---

int32_t MainControl::getProperty(const std::string& name, pc_value* result) {
    auto text = [&](const std::string& t) {
        if (result)
            m_host.value_set_string(m_host.context, result, t.data(), static_cast<uint32_t>(t.size()));
        return PC_OK;
    };
    auto number = [&](std::int64_t n) { return text(std::to_string(n)); };
    if (same(name, "AudioFilePath")) return text(m_audioFilePath);
    if (int i = indexIn(name, kFileProperty, 5); i >= 0) return text(m_files[i]);
    if (same(name, "QuestionDelay")) return number(m_questionDelay);
    if (same(name, "AnswerDelay")) return number(m_answerDelay);
    if (int i = indexIn(name, kVolumeProperty, 5); i >= 0) return number(m_volume[i]);
    if (int i = indexIn(name, kBalanceProperty, 5); i >= 0) {
        if (i == kAudio1) return kWriteOnly;
        return number(m_balance[i]);
    }
    if (same(name, "QuestionAndAnswer")) return number(m_questionAndAnswer);
    if (same(name, "Skipping")) return number(m_skipping);
    if (int i = indexIn(name, kLoopProperty, 3); i >= 0) return number(m_loop[i]);
    if (int i = indexIn(name, kStateProperty, 5); i >= 0) return number(m_state[i]);
    return PC_E_NOT_FOUND;
}

int32_t MainControl::setProperty(const std::string& name, const pc_value& value) {
    if (same(name, "AudioFilePath")) {
        m_audioFilePath = textOf(value);
        changed("AudioFilePath");
        return PC_OK;
    }
    if (int i = indexIn(name, kFileProperty, 5); i >= 0) {
        m_files[i] = textOf(value);
        changed(kFileProperty[i]);
        PrepareFile(i, m_files[i]);
        return PC_OK;
    }
    if (same(name, "QuestionDelay") || same(name, "AnswerDelay")) {
        const bool question = same(name, "QuestionDelay");
        (question ? m_questionDelay : m_answerDelay) = TestDelay(value);
        changed(question ? "QuestionDelay" : "AnswerDelay");
        return PC_OK;
    }
    if (int i = indexIn(name, kVolumeProperty, 5); i >= 0) {
        m_volume[i] = TestVolume(value);
        changed(kVolumeProperty[i]);
        SetPlayerVolume(i, m_volume[i]);
        return PC_OK;
    }
    if (int i = indexIn(name, kBalanceProperty, 5); i >= 0) {
        m_balance[i] = TestBalance(value);
        changed(kBalanceProperty[i]);
        SetPlayerBalance(i, m_balance[i]);
        return PC_OK;
    }
    if (same(name, "QuestionAndAnswer")) {
        m_questionAndAnswer = TestInteger(value);
        changed("QuestionAndAnswer");
        return PC_OK;
    }
    if (same(name, "Skipping")) {
        m_skipping = TestInteger(value);
        changed("Skipping");
        try {
            if (m_skipping != 0 && !m_keyboardTimer) m_keyboardTimer = startTimer(kKeyboardMs, &keyboardTick);
        } catch (const std::exception&) {
        }
        if (m_skipping == 0) stopTimer(m_keyboardTimer);
        return PC_OK;
    }
    if (int i = indexIn(name, kLoopProperty, 3); i >= 0) {
        m_loop[i] = TestInteger(value);
        changed(kLoopProperty[i]);
        return PC_OK;
    }
    if (indexIn(name, kStateProperty, 5) >= 0) return kReadOnly;
    return PC_E_NOT_FOUND;
}

// --- Methods ---

int32_t MainControl::callMethod(const std::string& name, const pc_value* args, uint32_t count,
                                pc_value* result) {
    auto none = [&](void (MainControl::*method)()) {
        if (count != 0) return PC_E_BAD_ARGUMENT;
        (this->*method)();
        return PC_OK;
    };
    if (same(name, "PlayQuestion")) return none(&MainControl::PlayQuestion);
    if (same(name, "PlayAnswer")) return none(&MainControl::PlayAnswer);
    for (int track = 1; track <= 3; ++track) {
        const std::string n = std::to_string(track);
        if (same(name, ("PlayAudio" + n).c_str())) {
            if (count != 0) return PC_E_BAD_ARGUMENT;
            PlayAudio(track);
            return PC_OK;
        }
    }
    static const char* const stops[5] = {"StopQuestion", "StopAnswer", "StopAudio1", "StopAudio2",
                                         "StopAudio3"};
    if (int i = indexIn(name, stops, 5); i >= 0) {
        if (count != 0) return PC_E_BAD_ARGUMENT;
        m_host.player_stop(m_host.context, m_players[i]);
        return PC_OK;
    }
    if (same(name, "PrepareFile")) {
        if (count != 2 || !args) return PC_E_BAD_ARGUMENT;
        const std::optional<double> index = NumberOf(args[0]);
        if (!index || std::fabs(*index) > 32767) return PC_E_BAD_ARGUMENT;
        PrepareFile(static_cast<int>(RoundHalfEven(*index)), textOf(args[1]));
        return PC_OK;
    }
    if (same(name, "FileExists")) {
        if (count != 1 || !args) return PC_E_BAD_ARGUMENT;
        const bool exists = FileExists(textOf(args[0]));
        if (result) m_host.value_set_bool(m_host.context, result, exists);
        return PC_OK;
    }
    if (same(name, "PauseComponent") || same(name, "ResumeComponent")) {
        if (result) m_host.value_set_empty(m_host.context, result);
        return PC_OK;
    }
    if (same(name, "About")) return none(&MainControl::About);
    return PC_E_NOT_FOUND;
}

void MainControl::About() {
    messageBox(
        "Spoken dialogs and Scripted Audio made easy with Voxline for Lumenfold 3.5\r\n\r\nVersion: 1.2\r\n"
        "Release: December 6th, 2004",
        "About Voxline 1.2", kInformation);
}

bool MainControl::FileExists(const std::string& path) const {
    if (path.empty()) return false;
    return m_host.file_kind(m_host.context, path.data(), static_cast<uint32_t>(path.size())) == 1;
}

void MainControl::PrepareFile(int index, const std::string& file) {
    try {
        const std::string path = m_audioFilePath + file;
        if (index < 0 || index > 5) throw Failure("Subscript out of range");
        if (FileExists(path)) {
            m_filePresent[index] = true;
            if (index > 4)
                throw Failure("Control array element '" + std::to_string(index) + "' doesn't exist");
            if (m_host.player_open(m_host.context, m_players[index], path.data(),
                                   static_cast<uint32_t>(path.size())) != PC_OK)
                throw Failure("The file " + path + " is not a sound the player can play.");
        } else {
            m_filePresent[index] = false;
            messageBox(
                "The file " + path +
                    " was not found.\r\n\r\nIf the missing file is a question file and you have set the "
                    "option QuestionAndAnswer the releated answer file will also not played.",
                std::string(kProductTitle) + " - File Not Found", kCritical);
        }
    } catch (const std::exception& e) {
        unexpected(3, e.what());
    }
}

void MainControl::SetPlayerVolume(int player, std::int16_t level) {
    try {
        m_host.player_set_volume(m_host.context, m_players[player], PlayerVolume(level));
    } catch (const std::exception& e) {
        unexpected(4, e.what());
    }
}

void MainControl::SetPlayerBalance(int player, std::int16_t balance) {
    try {
        m_host.player_set_balance(m_host.context, m_players[player], PlayerBalance(balance));
    } catch (const std::exception& e) {
        unexpected(4, e.what());
    }
}

void MainControl::StopDialogue() {
    try {
        m_host.player_stop(m_host.context, m_players[kQuestion]);
        m_host.player_stop(m_host.context, m_players[kAnswer]);
        m_lineShown = false;
    } catch (const std::exception& e) {
        unexpected(2, e.what());
    }
}

void MainControl::PlayQuestion() {
    try {
        stopTimer(m_questionDelayTimer);
        if (m_questionDelay != 0) {
            const std::int64_t ms = std::int64_t(m_questionDelay) * 1000;
            if (ms > kLongestInterval) throw Failure("Invalid property value");
            m_questionDelayTimer = startTimer(static_cast<std::uint32_t>(ms), &questionDelayTick);
            return;
        }
        StopDialogue();
        if (m_filePresent[kQuestion]) {
            play(kQuestion);
            m_lineShown = true;
        } else {
            m_questionAndAnswer = 0; // no answer follows a question that is not there
        }
    } catch (const std::exception& e) {
        unexpected(5, e.what());
    }
}

void MainControl::PlayAnswer() {
    try {
        stopTimer(m_answerDelayTimer);
        if (m_questionAndAnswer != 0) return; // it follows the question
        if (m_answerDelay != 0) {
            const std::int64_t ms = std::int64_t(m_answerDelay) * 1000;
            if (ms > kLongestInterval) throw Failure("Invalid property value");
            m_answerDelayTimer = startTimer(static_cast<std::uint32_t>(ms), &answerDelayTick);
            return;
        }
        StopDialogue();
        if (m_filePresent[kAnswer]) {
            m_lineShown = true;
            play(kAnswer);
        }
    } catch (const std::exception& e) {
        unexpected(6, e.what());
    }
}

void MainControl::PlayAudio(int track) {
    try {
        const int index = kAudio1 + track - 1;
        if (m_filePresent[index]) play(index);
    } catch (const std::exception& e) {
        unexpected(6 + track, e.what());
    }
}

// --- What the container tells ---

void MainControl::playerEvent(void* data, int32_t what, int32_t playState) {
    Watch* w = static_cast<Watch*>(data);
    MainControl* c = w->control;
    // A handler may remove the control: it stays alive until the event is handled.
    c->addRef();
    if (what == PC_PLAYER_STATE) c->onPlayStateChange(w->index, playState);
    if (what == PC_PLAYER_ENDED) c->onEndOfStream(w->index);
    c->release();
}

void MainControl::onPlayStateChange(int index, int state) {
    try {
        m_state[index] = static_cast<std::int16_t>(state);
        raise(kStateEvent[index], m_state[index]);
    } catch (const std::exception& e) {
        unexpected(1, e.what());
    }
}

void MainControl::onEndOfStream(int index) {
    try {
        m_lineShown = false;
        if (index == kQuestion) {
            if (m_questionAndAnswer == 1) {
                m_questionAndAnswer = 0;
                PlayAnswer();
            } else {
                raise("RemoveCanvasObject", 1);
            }
        } else if (index == kAnswer) {
            raise("RemoveCanvasObject", 1);
        } else if (m_loop[index - kAudio1] == 1) {
            play(index);
        }
    } catch (const std::exception& e) {
        unexpected(10, e.what());
    }
}

void MainControl::delayTick(pc_handle& timer, std::int32_t& delay, void (MainControl::*play)(), int error) {
    addRef();
    try {
        stopTimer(timer);
        delay = 0; // used once
        (this->*play)();
    } catch (const std::exception& e) {
        unexpected(error, e.what());
    }
    release();
}

void MainControl::questionDelayTick(void* data) {
    MainControl* c = static_cast<MainControl*>(data);
    c->delayTick(c->m_questionDelayTimer, c->m_questionDelay, &MainControl::PlayQuestion, 11);
}

void MainControl::answerDelayTick(void* data) {
    MainControl* c = static_cast<MainControl*>(data);
    c->delayTick(c->m_answerDelayTimer, c->m_answerDelay, &MainControl::PlayAnswer, 12);
}

void MainControl::keyboardTick(void* data) {
    MainControl* c = static_cast<MainControl*>(data);
    c->addRef();
    try {
        if (c->m_host.key_down(c->m_host.context, kSpaceKey)) {
            if (c->playState(kQuestion) == 2 && c->m_questionAndAnswer == 1) {
                // The question is cut; the answer follows (after its delay, if one is set).
                c->m_questionAndAnswer = 0;
                c->PlayAnswer();
            } else {
                if (c->m_lineShown) c->raise("RemoveCanvasObject", 1);
                c->StopDialogue();
                c->stopTimer(c->m_answerDelayTimer);
            }
        }
    } catch (const std::exception& e) {
        c->unexpected(1, e.what());
    }
    c->release();
}

int32_t MainControl::describe(pc_value* result) {
    const std::string text = describe();
    if (result)
        m_host.value_set_string(m_host.context, result, text.data(), static_cast<uint32_t>(text.size()));
    return PC_OK;
}

std::string MainControl::describe() const {
    if (playState(kQuestion) == 2) return "question";
    if (playState(kAnswer) == 2) return "answer";
    if (m_questionDelayTimer) return "question delay";
    if (m_answerDelayTimer) return "answer delay";
    return "idle";
}

} // namespace voxline
