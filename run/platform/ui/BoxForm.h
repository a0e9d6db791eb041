// What the message and input boxes share: a modal window the player draws, with a title bar
// (the box's title) and push buttons, and the keyboard of the classic boxes: Enter presses the
// focused button, Escape the cancelling one, Tab and Shift+Tab move the focus.
#pragma once

#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/Form.h"

#include <cstddef>
#include <string>
#include <vector>

namespace run::platform {

class BoxForm : public Form {
  public:
    // The answer: the result of the button pressed (a MessageBoxResult); 0 while the box is open.
    int answer() const { return m_answer; }
    bool answered() const { return m_answer != 0; }
    // Answers the box as pressing the button of that result would; later answers are ignored.
    void answerWith(int result);
    // The box is closed without a button: its window closed, or nobody is there to answer.
    void close() { answerWith(m_closeResult); }
    // Presses the button of that caption (any case, blanks ignored) as a click on it would; false
    // when the box has no such button.
    bool press(const std::string& caption);

  protected:
    explicit BoxForm(std::string name);
    // Adds a push button that answers `result`, next in the Tab order.
    Element& addButton(const std::string& caption, int result);
    // Adds another element to the Tab order; Enter there answers `enterResult`.
    void addFocusStop(Element& e, int enterResult);
    void focus(std::size_t stop);
    // Sets the outer size from the inside's, adding the frame and the title bar.
    void setInsideSize(int widthPixels, int heightPixels);
    // Sets a label's text wrapped at `wrapWidth` pixels and returns its lines. A text too long
    // for the screen shows its first lines only, so the box stays on the screen.
    static std::vector<std::string> setWrappedText(Element& label, const std::string& text, int wrapWidth,
                                                   FontCatalog& fonts);
    // Keys the shared ones leave (typing into a text box).
    virtual void otherKey(int keyCode) { static_cast<void>(keyCode); }

    int m_escapeResult = 0; // what Escape answers; 0: Escape does nothing
    int m_closeResult = 0;  // what closing the box answers

  private:
    void keyDown(int keyCode, int shift);
    struct Stop {
        Element* element;
        int enterResult;
    };
    std::vector<Stop> m_stops;
    std::size_t m_focus = 0;
    int m_answer = 0;
};

// Sizes of the boxes' parts, in pixels.
constexpr int kBoxMargin = 12;
constexpr int kBoxButtonWidth = 75;
constexpr int kBoxButtonHeight = 23;
constexpr int kBoxButtonGap = 6;
constexpr int kBoxMaxTextLines = 40;

} // namespace run::platform
