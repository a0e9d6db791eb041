// The sound steps of opening a frame: stopping what the frame asks to stop, the frame's music
// on channel 6 (the same music goes on uninterrupted from frame to frame), the frame's
// old-sound-system file and its frame sound on channel 7.
#include "run/frames/FrameSound.h"

#include "run/frames/FrameFile.h"
#include "run/media/AudioChannels.h"
#include "run/project/FileLookup.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"

namespace run {

void FrameSoundOnOpen(ProjectContext& project, ProjectFiles& files, AudioChannels& audio,
                      const FrameFile& f) {
    project.trace.note("FrameSoundOnOpen");
    AudioChannels& a = audio;
    if (f.StopAllSounds) a.StopAnyWavOrMP3();
    if (f.FrameSoundFile.empty() && f.StopFrameSound) a.StopChannel(AudioChannels::kFrameSoundChannel);
    if (f.StopMusic) a.StopChannel(AudioChannels::kMusicChannel);
    if (!f.MusicFile.empty()) {
        const std::string path = files.ResolveProjectFile(project.paths.areas + f.MusicFile);
        if (!a.IsFilePlaying(path) || f.StopMusic)
            a.PlayOnChannel(AudioChannels::kMusicChannel, path, f.MusicLoop ? 0 : 1, LevelToVolume(7),
                            f.MusicFile);
    }
}

void FrameSoundAfterShow(ProjectContext& project, ProjectFiles& files, AudioChannels& audio,
                         const FrameFile& f, const std::string& frameName) {
    project.trace.note("FrameSoundAfterShow");
    AudioChannels& a = audio;
    if (!f.StopAllSounds) {
        const std::string chn = project.paths.frames + frameName + ".chn";
        if (auto found = files.FindProjectFile(chn)) {
            RecordReader r = RecordReader::open(*found);
            a.PlaySoundChannels(r);
        }
    }
    if (!f.FrameSoundFile.empty()) {
        // The frame sound lies in the Frames folder, not the Areas folder.
        const std::string path = files.ResolveProjectFile(project.paths.frames + f.FrameSoundFile);
        a.PlayOnChannel(AudioChannels::kFrameSoundChannel, path, 1, LevelToVolume(8), f.FrameSoundFile);
    }
}

} // namespace run
