// The sound steps of opening a frame.
#pragma once

#include <string>

namespace run {

class AudioChannels;
class ProjectFiles;
struct ProjectContext;
struct FrameFile;

// The first frame sound steps, before the frame's texts and hotspots load: stop all sounds, the
// frame sound, the music; start the frame's music unless it plays already.
void FrameSoundOnOpen(ProjectContext& project, ProjectFiles& files, AudioChannels& audio, const FrameFile& f);
// The later ones, once they are loaded: the frame's old-sound-system file and its frame sound.
void FrameSoundAfterShow(ProjectContext& project, ProjectFiles& files, AudioChannels& audio,
                         const FrameFile& f, const std::string& frameName);

} // namespace run
