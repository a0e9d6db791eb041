// libFuzzer target for dialogue files: any bytes either fail to read with an error or give
// questions and key lists no longer than the file could hold.
#include "run/frames/DialogueFile.h"
#include "run/project/record/RecordFile.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<run::DialogueQuestion> questions;
    try {
        run::RecordReader r =
            run::RecordReader::fromBytes(std::string(reinterpret_cast<const char*>(data), size));
        run::ReadDialogueFile(r, questions);
    } catch (const std::exception&) {
    }
    std::size_t keys = 0;
    for (const run::DialogueQuestion& q : questions)
        keys += q.showList.size() + q.hideList.size();
    if (questions.size() > size || keys > size) __builtin_trap();
    return 0;
}
