// The question-and-answer dialogues of frames.
// NOT YET BUILT: no dialogue shows; each request is reported to the step trace so that the frame
// and action steps around it are in place and tested. The dialogue wizard replaces this service.
#pragma once

#include "run/project/StepTrace.h"

#include <string>

namespace run {

class Dialogues {
  public:
    explicit Dialogues(StepTrace& trace) : m_trace(trace) {}

    // Loads and shows the frame's question-and-answer dialogue when it has one.
    void LoadFrameDialogueIfAny(const std::string& frameName);
    // Closes the running dialogue.
    void EndDialogue();

  private:
    StepTrace& m_trace;
};

} // namespace run
