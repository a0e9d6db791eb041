// The sound blocks of games made with the authoring tool's earlier versions: five channels, each
// stopped or given a file to play once or over and over.
#include "run/media/AudioChannels.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"

#include <exception>

namespace run {

void AudioChannels::PlaySoundChannels(RecordReader& r) {
    try {
        for (int i = 0; i < 22; ++i)
            r.readVariant();
        for (int c = 1; c <= 5; ++c) {
            r.readVariant();
            const bool stop = r.readVariant().toBoolean();
            const bool play = r.readVariant().toBoolean();
            const std::string file = r.readVariant().text();
            const bool loop = r.readVariant().toNumber() != 0;
            if (stop) channelPlayer(c).Stop();
            if (play && !file.empty())
                load(channel(c).Player, m_files.ResolveProjectFile(m_s.paths.areas + file), LevelToVolume(8),
                     loop, file);
            if (r.atBlockEnd()) break;
        }
    } catch (const std::exception& e) {
        m_s.showErrorBox(" Unable to load old sound system information.", e.what());
    }
}

} // namespace run
