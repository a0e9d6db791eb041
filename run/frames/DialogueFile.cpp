#include "run/frames/DialogueFile.h"

#include "run/project/record/RecordFile.h"

#include <algorithm>

namespace run {

namespace {

std::string barText(RecordReader& r) {
    std::string text = r.readString();
    std::replace(text.begin(), text.end(), '|', '"');
    return text;
}

std::int16_t count(RecordReader& r) {
    const std::int16_t n = r.readInteger();
    if (n < 0) throw RecordError(RecordError::Kind::Overflow);
    return n;
}

std::vector<std::int16_t> keyList(RecordReader& r) {
    std::vector<std::int16_t> keys;
    for (int k = count(r); k > 0; --k)
        keys.push_back(r.readInteger());
    return keys;
}

void skip(RecordReader& r, int fields) {
    for (int i = 0; i < fields; ++i)
        r.readVariant();
}

} // namespace

void ReadDialogueFile(RecordReader& r, std::vector<DialogueQuestion>& into) {
    skip(r, 11);
    const int n = count(r);
    // Never more room than the file could hold: a damaged count is not an allocation.
    into.reserve(into.size() + static_cast<std::size_t>(std::min<std::size_t>(n, r.size() / 19 + 1)));
    for (int i = 0; i < n; ++i) {
        DialogueQuestion q;
        q.question = r.readString();
        q.answer = r.readString();
        q.script1 = barText(r);
        q.script2 = barText(r);
        q.script3 = barText(r);
        q.key = r.readInteger();
        q.visibleAtStart = r.readBoolean();
        q.quitAfter = r.readBoolean();
        for (std::int16_t& h : q.hotspotActions)
            h = r.readInteger();
        q.showList = keyList(r);
        q.hideList = keyList(r);
        q.answerSeconds = r.readDouble();
        skip(r, 3);
        q.timedAnswer = r.readBoolean();
        skip(r, 1);
        q.shown = q.visibleAtStart;
        into.push_back(std::move(q));
    }
}

} // namespace run
