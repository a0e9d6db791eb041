#include "run/frames/HotspotFile.h"

#include "run/project/record/RecordFile.h"

namespace run {

namespace {

// A position or size in twips: the element sits 30 twips further in and is 60 smaller, so
// values at the very ends of the range would overflow there.
int asTwips(const RecordVariant& v) {
    int t = v.toLong();
    if (t > 2147483647 - 30 || t < -2147483647 + 60) throw RecordError(RecordError::Kind::Overflow);
    return t;
}

// A count, then that many names; never past the block's separator, whatever the count says.
std::vector<std::string> nameList(RecordReader& r) {
    std::vector<std::string> names;
    const long n = r.readVariant().toLong();
    for (long i = 0; i < n && !r.atBlockEnd(); ++i)
        names.push_back(r.readVariant().text());
    return names;
}

} // namespace

HotspotBlock ReadHotspotBlock(RecordReader& r) {
    HotspotBlock b;
    r.readVariant();
    b.mergeMark = r.readVariant().toLong();
    for (int i = 3; i <= 10; ++i)
        r.readVariant();
    b.left = asTwips(r.readVariant());
    b.top = asTwips(r.readVariant());
    b.width = asTwips(r.readVariant());
    b.height = asTwips(r.readVariant());
    b.animated = r.readVariant().toNumber() != 0;
    b.hasPicture = r.readVariant().toBoolean();
    b.pictureFile = r.readVariant().text();
    b.stretch = r.readVariant().toNumber() == 1;
    b.cursorFile = r.readVariant().text();
    b.hasConditions = r.readVariant().toNumber() != 0;
    b.hideIf = nameList(r);
    b.showIf = nameList(r);
    if (!r.atBlockEnd()) {
        b.animationSpeed = r.readVariant().toNumber();
        if (!r.atBlockEnd()) {
            b.isVideo = r.readVariant().toBoolean();
            b.video.file = r.readVariant().text();
            b.video.fitsHotspot = r.readVariant().toNumber() != 0;
            b.video.level = r.readVariant().toNumber();
            r.readVariant();
            r.readVariant();
            b.video.rate = r.readVariant().toNumber();
            b.video.playCount = r.readVariant().toLong();
            r.readVariant();
            r.readVariant();
        }
    }
    r.readVariant(); // the separator
    return b;
}

} // namespace run
