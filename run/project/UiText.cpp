// The two built-in text sets and the Texts file.
#include "run/project/UiText.h"

#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"

#include <cstdlib>
#include <stdexcept>

namespace run {

namespace {

struct Entry {
    int number;
    const char* game;
    const char* program; // null: same as the game set
};

constexpr const char* kMissing34 =
    "This file may have been moved or removed from its original location. The game may not work properly "
    "until the "
    "missing file is placed back in its original location. Click OK and then press Ctrl+Q to quit.";
constexpr const char* kMissing34Program =
    "This file may have been moved or removed from its original location. The program may not work properly "
    "until the "
    "missing file is placed back in its original location. Click OK and then press Ctrl+Q to quit.";

const Entry kEntries[] = {
    {1, "Start New Game", "Start"},
    {2, "Load Game...", "  Load..."},
    {3, "Exit", nullptr},
    {4, "Created By:", nullptr},
    {5, "E-mail:", nullptr},
    {6, "Web site:", nullptr},
    {7, "Change display resolution to", nullptr},
    {8, "Save Game...", "  Save..."},
    {9, "Please select something.", nullptr},
    {10, "Do you really want to quit?", nullptr},
    {11, "Cancel", nullptr},
    {12, "Exit", nullptr},
    {13, "Do you want to open the default mail client to send an e-mail to:", nullptr},
    {14, "Do you want to visit", nullptr},
    {15, "(You must be connected to the Internet)", nullptr},
    {16, "", nullptr},
    {17, "Load a previously saved game", "Load"},
    {18, "Select the game you wish to load and click 'LOAD'",
     "Select the file you wish to load and click 'LOAD'"},
    {19, "LOAD", nullptr},
    {20, "", nullptr},
    {21, "Save the current game", "Save"},
    {22, "Remove Selected", nullptr},
    {23, "Enter the name of the game you want to save", "Enter the name of the file you want to save"},
    {24, "already exists. Do you want to replace it?", nullptr},
    {25, "SAVE", nullptr},
    {26, "Remove Saved Game", "Remove Saved File"},
    {27, "Do you really want to remove", nullptr},
    {28, "", nullptr},
    {29, "Error", nullptr},
    {30, "An error has occurred. The game may not work properly. Click OK and then press Ctrl+Q to quit.",
     "An error has occurred. The program may not work properly. Click OK and then press Ctrl+Q to quit."},
    {31, "Error description:", nullptr},
    {32, "Do you want to continue anyway? (not recommended)", nullptr},
    {33, "The following file is missing:", nullptr},
    {34, kMissing34, kMissing34Program},
    {35, "Please do not use any of the following characters:", nullptr},
    {36, "Please insert the CD in the CD-ROM drive and then click 'OK'.",
     "Please insert the CD in the CD-Rom drive and then click 'OK'."},
    {37, "CD-ROM Drive:", "CD-Rom drive:"},
    {38,
     "The selected device is unavailable. Make sure that the CD-ROM drive letter is right and that the disk "
     "is "
     "properly inserted, and then try again.",
     "The selected device is unavailable. Make sure that the CD-Rom drive letter is right and that the disk "
     "is "
     "properly inserted, and then try again."},
    {39, "", nullptr},
    {40,
     "Warning! Your system is set to use large fonts. This program will NOT work properly if you don't "
     "change this "
     "setting. Do you want to continue anyway? (not recommended)",
     nullptr},
    {41,
     "To fix the problem, go to the 'Control Panel' (from the 'Settings' menu of the Start Menu), "
     "double-click "
     "'Display', click the 'Settings' tab, click 'Advanced...', select 'Small Fonts' under 'Font size', "
     "click 'OK', "
     "and then restart your computer.",
     nullptr},
    {42, "", nullptr},
    {43, "The following folder is missing:", nullptr},
    {44, "Make sure that the disk is properly inserted, and then try again.", nullptr},
    {45, "File Not Found:", nullptr},
    {46, "The file may be missing, or you may have inserted the wrong CD.", nullptr},
    {47, "Please insert the CD#", nullptr},
    {48, "in the CD-Rom drive and click OK to continue...", nullptr},
    {49, "Options", nullptr},
    {50, "Disable Transitions", nullptr},
    {51, "Disable Real-Time Effects", nullptr},
};

// A Variant field compared with a number: Empty counts as 0, True as -1 and False as 0,
// numeric text as its number; Null matches no number; other text cannot be compared (a type
// mismatch, which the caller reports as a file it cannot read).
double numericValue(const RecordVariant& v) {
    if (v.isNull()) return -1;
    return v.toNumber();
}

} // namespace

const std::string& UiText::operator[](int i) const {
    static const std::string empty;
    if (i < 1 || i > kCount) return empty;
    return m_texts[static_cast<std::size_t>(i - 1)];
}

void UiText::set(int i, std::string text) {
    if (i < 1 || i > kCount) throw std::out_of_range("Subscript out of range");
    m_texts[static_cast<std::size_t>(i - 1)] = std::move(text);
}

void UiText::applySet(bool gameSet) {
    for (const Entry& e : kEntries) {
        m_texts[static_cast<std::size_t>(e.number - 1)] = (gameSet || !e.program) ? e.game : e.program;
    }
}

void UiText::clear() {
    for (auto& t : m_texts)
        t.clear();
}

void LoadUiTextsFromFile(const std::string& textsFile, UiText& texts) {
    if (!ProjectFileExists(textsFile)) {
        texts.applySet(false);
        return;
    }
    RecordReader r = RecordReader::open(ExistingPath(textsFile));
    double m = numericValue(r.readVariant());
    if (m == 0) {
        texts.applySet(false);
    } else if (m == 1) {
        texts.applySet(true);
    } else if (m == 2) {
        texts.applySet(false);
        for (int i = 0; i < 5; ++i)
            r.readVariant();
        double n = numericValue(r.readVariant());
        for (int i = 1; i <= n; ++i) {
            std::string text = r.readVariant().text();
            texts.set(i, std::move(text)); // entry 61 fails, as the table has 60
        }
    }
}

} // namespace run
