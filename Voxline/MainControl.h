// Voxline's one control, "Voxline.MainControl": spoken dialogue for a game. It plays a question
// and an answer (each after an optional pause, the answer optionally following the question at
// once, the question skippable with the space bar) and three further audio tracks that can
// loop, through five media players of its container. Scripts drive it by its properties (all
// exchanged as text) and methods, and hear its events.
#pragma once

#include "ComponentAbi.h"

#include <cstdint>
#include <string>

namespace voxline {

// "Voxline " and the version: it begins the titles and texts of the control's boxes.
inline constexpr const char* kProductTitle = "Voxline 1.2";

class MainControl {
  public:
    // `table` is the object table the host reaches the control through.
    MainControl(const pc_host& host, pc_handle self, const pc_object_vtbl* table);
    ~MainControl();
    MainControl(const MainControl&) = delete;
    MainControl& operator=(const MainControl&) = delete;

    // The object the host holds, and the control an object of this library is.
    pc_object* object() { return &m_header.base; }
    static MainControl* from(pc_object* object) { return reinterpret_cast<Header*>(object)->control; }
    // Controls alive in this library.
    static int alive() { return s_alive; }

    void addRef() { ++m_refs; }
    // Deletes the control when the last reference goes.
    void release();

    int32_t getProperty(const std::string& name, pc_value* result);
    int32_t setProperty(const std::string& name, const pc_value& value);
    int32_t callMethod(const std::string& name, const pc_value* args, uint32_t count, pc_value* result);
    // The spoken line's state: "idle", "question delay", "question", "answer delay", "answer".
    std::string describe() const;
    int32_t describe(pc_value* result);

  private:
    // The players' roles, as MediaPlayer1(index).
    enum Player { kQuestion = 0, kAnswer = 1, kAudio1 = 2 };

    void PlayQuestion();
    void PlayAnswer();
    void PlayAudio(int track); // 1 to 3
    void StopDialogue();
    void PrepareFile(int index, const std::string& file);
    bool FileExists(const std::string& path) const;
    void SetPlayerVolume(int player, std::int16_t level);
    void SetPlayerBalance(int player, std::int16_t balance);
    void About();

    // What the container tells: a player's state changed or its file ended; a timer ticked.
    static void playerEvent(void* data, int32_t what, int32_t playState);
    void onPlayStateChange(int index, int state);
    void onEndOfStream(int index);
    static void questionDelayTick(void* data);
    static void answerDelayTick(void* data);
    static void keyboardTick(void* data);
    // A delay timer's tick: the delay is used up and the line's part plays.
    void delayTick(pc_handle& timer, std::int32_t& delay, void (MainControl::*play)(), int error);

    // The box of an operation that failed: " - Unexpected Error N" and what went wrong.
    void unexpected(int number, const std::string& description);
    void raise(const char* event, std::int16_t argument);
    void changed(const std::string& property);
    pc_handle startTimer(std::uint32_t intervalMs, void (*tick)(void*));
    void stopTimer(pc_handle& timer);
    void play(int index);
    int playState(int index) const;
    void messageBox(const std::string& text, const std::string& title, int style);

    struct Header {
        pc_object base; // first: the host's pointer is this header's
        MainControl* control;
    };
    static inline int s_alive = 0;

    Header m_header;
    const pc_host& m_host;
    pc_handle m_self;
    int m_refs = 1;
    pc_handle m_players[5] = {};
    struct Watch {
        MainControl* control;
        int index;
    } m_watch[5];
    pc_handle m_questionDelayTimer = 0, m_answerDelayTimer = 0, m_keyboardTimer = 0;

    std::string m_audioFilePath;
    std::string m_files[5];
    std::int32_t m_questionDelay = 0, m_answerDelay = 0;
    std::int16_t m_volume[5] = {}, m_balance[5] = {}, m_state[5] = {};
    std::int16_t m_questionAndAnswer = 0, m_skipping = 0;
    std::int16_t m_loop[3] = {};
    bool m_filePresent[6] = {};
    bool m_lineShown = false;
};

} // namespace voxline
