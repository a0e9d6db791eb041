// Message box button sets, defaults and typed answers; key names for scripts and tests.
#include "run/platform/ui/Dialogs.h"
#include "run/platform/ui/Element.h"
#include "run/platform/ui/Keys.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

struct ButtonCase {
    int style;
    std::vector<std::string> captions;
    int defaultIndex;
};

class MessageBoxButtonsTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(MessageBoxButtonsTest, ButtonsAndDefault) {
    const ButtonCase& c = GetParam();
    MessageBoxButton buttons[3];
    int n = MessageBoxButtons(c.style, buttons);
    std::vector<std::string> captions;
    for (int i = 0; i < n; ++i)
        captions.emplace_back(buttons[i].caption);
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(MessageBoxDefaultIndex(c.style), c.defaultIndex);
    // Every caption typed back gives that button's answer.
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(MessageBoxAnswerFromText(c.style, captions[static_cast<std::size_t>(i)]),
                  buttons[i].result);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MessageBoxButtonsTest,
    ::testing::Values(ButtonCase{kOkOnly, {"OK"}, 0},
                      ButtonCase{kOkCancel | kDefaultButton2, {"OK", "Cancel"}, 1},
                      ButtonCase{kAbortRetryIgnore | kDefaultButton3, {"Abort", "Retry", "Ignore"}, 2},
                      ButtonCase{kYesNoCancel | kQuestion, {"Yes", "No", "Cancel"}, 0},
                      ButtonCase{kYesNo | kDefaultButton2 | kExclamation, {"Yes", "No"}, 1},
                      ButtonCase{kRetryCancel | kCritical, {"Retry", "Cancel"}, 0},
                      // A default beyond the buttons falls back to the first.
                      ButtonCase{kYesNo | kDefaultButton3, {"Yes", "No"}, 0},
                      ButtonCase{kOkOnly | kDefaultButton2 | kSystemModal, {"OK"}, 0}));

TEST(MessageBoxAnswer, TypedCaptionsIgnoreCaseAndBlanks) {
    const struct {
        int style;
        const char* text;
        int answer;
    } cases[] = {
        {kYesNo, "yes", kResultYes},
        {kYesNo, " NO ", kResultNo},
        {kYesNo, "OK", 0},
        {kOkOnly, "ok", kResultOk},
        {kOkOnly, "Cancel", 0},
        {kYesNoCancel, "cancel", kResultCancel},
        {kAbortRetryIgnore, "Ignore", kResultIgnore},
        {kYesNo, "", 0},
        {kYesNo, "Yess", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageBoxAnswerFromText(c.style, c.text), c.answer) << c.text;
}

struct KeyCase {
    const char* name;
    bool known;
    int keyCode;
    int shift;
};

class KeyNameTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyNameTest, Parses) {
    const KeyCase& c = GetParam();
    int code = -1, shift = -1;
    ASSERT_EQ(ParseKeyName(c.name, code, shift), c.known);
    if (!c.known) return;
    EXPECT_EQ(code, c.keyCode);
    EXPECT_EQ(shift, c.shift);
}

INSTANTIATE_TEST_SUITE_P(
    Names, KeyNameTest,
    ::testing::Values(KeyCase{"Ctrl+S", true, 'S', kCtrlMask}, KeyCase{"ctrl+q", true, 'Q', kCtrlMask},
                      KeyCase{"F5", true, kKeyF1 + 4, 0}, KeyCase{"F12", true, kKeyF12, 0},
                      KeyCase{"Escape", true, kKeyEscape, 0}, KeyCase{"esc", true, kKeyEscape, 0},
                      KeyCase{"Alt+Enter", true, kKeyReturn, kAltMask},
                      KeyCase{"Control+Shift+a", true, 'A', kCtrlMask | kShiftMask},
                      KeyCase{"Shift+Tab", true, kKeyTab, kShiftMask}, KeyCase{"7", true, '7', 0},
                      KeyCase{"PageDown", true, kKeyPageDown, 0}, KeyCase{"Space", true, kKeySpace, 0},
                      KeyCase{"F13", false, 0, 0}, KeyCase{"F0", false, 0, 0}, KeyCase{"F5x", false, 0, 0},
                      KeyCase{"F1+", false, 0, 0}, KeyCase{"Hyper+A", false, 0, 0},
                      KeyCase{"Ctrl+", false, 0, 0}, KeyCase{"Alt", true, kKeyMenu, 0},
                      KeyCase{"", false, 0, 0}, KeyCase{"Enterprise", false, 0, 0},
                      KeyCase{"ab", false, 0, 0}));

} // namespace
} // namespace run::platform
