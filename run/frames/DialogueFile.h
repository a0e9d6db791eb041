// A frame's question-and-answer dialogue file (FramesData/<frame>.dlg): a count, then one record
// per question. Every "|" of a script stands for a double quote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace run {

class RecordReader;

struct DialogueQuestion {
    std::string question, answer;
    std::string script1, script2, script3; // quotes restored
    std::int16_t key = 0;                  // how other questions name this one
    bool visibleAtStart = false;
    bool quitAfter = false;
    std::int16_t hotspotActions[3] = {0, 0, 0}; // hotspots of the frame whose actions run; 0 none
    std::vector<std::int16_t> showList, hideList;
    double answerSeconds = 0;
    bool timedAnswer = false;
    // At run time: the question is offered, and the player has asked it.
    bool shown = false;
    bool asked = false;
};

// Reads the questions into `into`, each appended once it is whole, so on a damaged file the
// questions before the damage stay. Throws RecordError (a count below 0 is an Overflow).
void ReadDialogueFile(RecordReader& r, std::vector<DialogueQuestion>& into);

} // namespace run
