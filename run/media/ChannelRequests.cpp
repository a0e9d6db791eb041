// Reading channel request blocks.
#include "run/media/ChannelRequests.h"

#include "run/project/record/RecordFile.h"

#include <cstdlib>
#include <stdexcept>

namespace run {

double LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i, digits = true;
    }
    if (!digits) return 0;
    return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

ChannelRequestBlock ReadChannelRequestBlock(RecordReader& r, bool dropExtra) {
    ChannelRequestBlock b;
    b.fadeSeconds = LeadingNumber(r.readVariant().text()) / 1000.0;
    r.readInteger();
    b.valuesPerEntry = r.readInteger();
    int count = r.readInteger();
    if (b.valuesPerEntry > 5 || b.valuesPerEntry < 0) return b;
    RecordVariant slots[5];
    for (int k = 1; k <= count; ++k) {
        for (int i = 0; i < b.valuesPerEntry; ++i)
            slots[i] = r.readVariant();
        if (k > 7) {
            if (!dropExtra) throw std::runtime_error("Subscript out of range");
            continue;
        }
        ChannelRequestEntry e;
        // An Integer property: a value beyond its range is an overflow, not a wrapped number.
        e.command = slots[0].toInteger();
        e.fade = slots[1].toBoolean();
        e.loop = slots[2].toBoolean();
        e.level = slots[3].toNumber();
        e.file = slots[4].text();
        b.entries.push_back(std::move(e));
    }
    return b;
}

} // namespace run
