// The sound blocks of games made with the authoring tool's earlier versions: five channels, each
// stopped or given a file to play once or over and over.
#include "run/media/OldSoundBlock.h"

#include "run/media/AudioChannels.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"

#include <exception>

namespace run {

void ReadOldSoundBlock(RecordReader& r, const std::function<void(const OldSoundChannel&)>& each) {
    for (int i = 0; i < 22; ++i)
        r.readVariant();
    for (int c = 1; c <= 5; ++c) {
        r.readVariant();
        OldSoundChannel ch;
        ch.channel = c;
        ch.stop = r.readVariant().toBoolean();
        ch.play = r.readVariant().toBoolean();
        ch.file = r.readVariant().text();
        ch.loop = r.readVariant().toNumber() != 0;
        each(ch);
        if (r.atBlockEnd()) break;
    }
}

void AudioChannels::PlaySoundChannels(RecordReader& r) {
    try {
        ReadOldSoundBlock(r, [this](const OldSoundChannel& c) {
            if (c.stop) channelPlayer(c.channel).Stop();
            if (c.play && !c.file.empty())
                load(channel(c.channel).Player, m_files.ResolveProjectFile(m_s.paths.areas + c.file),
                     LevelToVolume(8), c.loop, c.file);
        });
    } catch (const std::exception& e) {
        m_s.showErrorBox(" Unable to load old sound system information.", e.what());
    }
}

} // namespace run
