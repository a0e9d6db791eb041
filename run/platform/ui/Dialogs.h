// Modal message and input boxes: the classic style numbers, buttons and answers.
#pragma once

#include <optional>
#include <string>

namespace run::platform {

// Style bits as the classic message box takes them.
enum MessageBoxStyle : int {
    kOkOnly = 0,
    kOkCancel = 1,
    kAbortRetryIgnore = 2,
    kYesNoCancel = 3,
    kYesNo = 4,
    kRetryCancel = 5,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
    kDefaultButton1 = 0,
    kDefaultButton2 = 256,
    kDefaultButton3 = 512,
    kSystemModal = 4096,
};

// Answers, numbered as the classic message box returns them.
enum MessageBoxResult : int {
    kResultOk = 1,
    kResultCancel = 2,
    kResultAbort = 3,
    kResultRetry = 4,
    kResultIgnore = 5,
    kResultYes = 6,
    kResultNo = 7
};

struct MessageBoxRequest {
    std::string title;
    std::string text;
    int style = kOkOnly;
};

struct InputBoxRequest {
    std::string title;
    std::string prompt;
    std::string defaultText;
};

// What an input box gives back: the text, or nothing when it was cancelled.
struct InputBoxAnswer {
    std::optional<std::string> text;
};

// The buttons of a style, in order, with their answers and captions.
struct MessageBoxButton {
    int result;
    const char* caption;
};
int MessageBoxButtons(int style, MessageBoxButton out[3]); // returns the count
int MessageBoxDefaultIndex(int style);                     // 0-based, within the count
// Parses a caption typed by a player or a test ("Yes", "no", "OK", "Cancel" …) into an answer
// valid for the style; 0 when the style has no such button.
int MessageBoxAnswerFromText(int style, const std::string& text);
const char* MessageBoxIconName(int style); // "critical", "question", "exclamation", "information" or ""

} // namespace run::platform
