// Button sets and answers of the classic message box.
#include "run/platform/ui/Dialogs.h"

#include <cctype>

namespace run::platform {

int MessageBoxButtons(int style, MessageBoxButton out[3]) {
    switch (style & 7) {
    case kOkCancel:
        out[0] = {kResultOk, "OK"};
        out[1] = {kResultCancel, "Cancel"};
        return 2;
    case kAbortRetryIgnore:
        out[0] = {kResultAbort, "Abort"};
        out[1] = {kResultRetry, "Retry"};
        out[2] = {kResultIgnore, "Ignore"};
        return 3;
    case kYesNoCancel:
        out[0] = {kResultYes, "Yes"};
        out[1] = {kResultNo, "No"};
        out[2] = {kResultCancel, "Cancel"};
        return 3;
    case kYesNo:
        out[0] = {kResultYes, "Yes"};
        out[1] = {kResultNo, "No"};
        return 2;
    case kRetryCancel:
        out[0] = {kResultRetry, "Retry"};
        out[1] = {kResultCancel, "Cancel"};
        return 2;
    default:
        out[0] = {kResultOk, "OK"};
        return 1;
    }
}

int MessageBoxDefaultIndex(int style) {
    MessageBoxButton b[3];
    int n = MessageBoxButtons(style, b);
    int wanted = (style >> 8) & 3;
    return wanted < n ? wanted : 0;
}

int MessageBoxAnswerFromText(int style, const std::string& text) {
    std::string t;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    MessageBoxButton b[3];
    int n = MessageBoxButtons(style, b);
    for (int i = 0; i < n; ++i) {
        std::string c;
        for (const char* p = b[i].caption; *p; ++p)
            c += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
        if (c == t) return b[i].result;
    }
    return 0;
}

const char* MessageBoxIconName(int style) {
    switch (style & 0x70) {
    case kCritical:
        return "critical";
    case kQuestion:
        return "question";
    case kExclamation:
        return "exclamation";
    case kInformation:
        return "information";
    default:
        return "";
    }
}

} // namespace run::platform
