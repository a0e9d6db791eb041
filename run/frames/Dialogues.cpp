// Dialogue requests (not yet built: they are only reported).
#include "run/frames/Dialogues.h"

namespace run {

void Dialogues::LoadFrameDialogueIfAny(const std::string& frameName) {
    m_trace.note("LoadFrameDialogueIfAny " + frameName);
}

void Dialogues::EndDialogue() {
    m_trace.note("EndDialogue");
}

} // namespace run
