// The drive dialog frmRunFromCD: asks the player to insert a CD and to confirm the CD drive.
// OK stores the chosen letter as the "DriveLetter" setting; Cancel leaves the game.
#pragma once

#include "run/platform/ui/Form.h"

#include <string>

namespace run {

struct ProjectContext;
struct Flags;

class RunFromCdWindow {
  public:
    RunFromCdWindow(ProjectContext& project, Flags& flags);
    ~RunFromCdWindow();
    RunFromCdWindow(const RunFromCdWindow&) = delete;
    RunFromCdWindow& operator=(const RunFromCdWindow&) = delete;

    static constexpr const char* kFormName = "frmRunFromCD";

    platform::Form& form() { return m_form; }

    // Loads the window: captions, one list item per drive from A to V, the last CD drive
    // preselected, centred.
    void load();
    // The drive box (Combo1) and the message above it.
    void setDriveText(const std::string& text);
    std::string driveText() const;
    void setMessage(const std::string& text);

    // Shows the window and lets events run until it closes; the other windows take no input
    // meanwhile, but their timers keep running. Closes it as cancelled when the program is
    // told to quit.
    void showModal();

    void ClickOK();
    void ClickCancel();
    void unload();
    bool loaded() const { return m_form.loaded; }

    // A list item's text: "D:\ (CD-Rom Drive)"; empty for drive types the list leaves out.
    static std::string ItemText(char letter, int driveType);

  private:
    void build();
    void layOut(int items);

    ProjectContext& m_s;
    Flags& m_flags;
    platform::Form m_form{kFormName};
};

} // namespace run
