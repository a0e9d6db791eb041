// The channel table and what carries its requests out: ApplyChannelRequests, the fades and the
// fade timer, and the operations over all seven players.
#include "run/media/AudioChannels.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Dialogs.h"
#include "run/project/FileLookup.h"
#include "run/project/record/WholeNumber.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <sstream>

namespace run {

using platform::MediaPlayer;

namespace {

constexpr const char* kAudioProblem =
    "WARNING: Another program may be using the audio hardware resources, an audio file may be damaged, or "
    "your "
    "audio drivers may be unable to play at the same time an audio file and the audio track of a video file. "
    "Although this error can be safely ignored, it may result in some sound files not being played. It is "
    "recommended that you close all the other Windows applications that are running, and that you restart "
    "the "
    "program.\r\n\r\nThis message will not reappear until you restart the program.";

bool isMidiName(const std::string& name) {
    if (name.size() <= 4) return false;
    return platform::LowerCaseWin(name.substr(name.size() - 3)) == "mid";
}

} // namespace

int LevelToVolume(double level) {
    // Level 10 is full volume; each step below it is 4 dB quieter, so level 0 is quiet, not silent.
    // A level far outside 0–10 from a damaged file saturates instead of overflowing: an overflow
    // here would fail every later pass over the channels and silence the rest of the game.
    const double volume = std::nearbyint((level - 10) * 400);
    if (std::isnan(volume)) return -4000;
    return WholeNumber<std::int32_t>(std::clamp(volume, -2147483648.0, 2147483647.0));
}

AudioChannels::AudioChannels(ProjectContext& project, Flags& flags, ProjectFiles& files,
                             platform::Mixer& mixer)
    : m_s(project), m_flags(flags), m_files(files), m_customPlayer(mixer) {
    for (int i = 0; i < kCount; ++i) {
        m_players[static_cast<std::size_t>(i)] = std::make_unique<MediaPlayer>(mixer);
        m_channels[static_cast<std::size_t>(i)].Player = static_cast<std::int16_t>(i + 1);
    }
}

namespace {

void store(AudioChannel& c, const ChannelRequestEntry& e, bool keepIfPlaying) {
    c.Command = e.command;
    c.Fade = e.fade;
    c.Loop = e.loop;
    c.FromLevel = c.ToLevel;
    c.ToLevel = e.level;
    c.FileName = e.file;
    c.KeepIfPlaying = keepIfPlaying;
}

} // namespace

void AudioChannels::StoreHotspotRequests(const ChannelRequestBlock& block) {
    FadeDuration = block.fadeSeconds;
    for (std::size_t k = 0; k < block.entries.size() && k < kCount; ++k)
        store(m_channels[k], block.entries[k], false);
}

void AudioChannels::StoreFrameRequests(const ChannelRequestBlock& block) {
    bool anyFade = false;
    for (std::size_t k = 0; k < block.entries.size() && k < kCount; ++k) {
        const ChannelRequestEntry& e = block.entries[k];
        AudioChannel& c = m_channels[k];
        // What the hotspot that led here left pending wins, unless it carried nothing.
        if ((e.command > 1 && c.Command < 2) || (c.FileName.empty() && !e.file.empty())) {
            store(c, e, true);
            anyFade = anyFade || e.fade;
        }
    }
    if (anyFade) FadeDuration = block.fadeSeconds;
}

std::string AudioChannels::existingAreasFile(const std::string& name) {
    return m_files.ResolveProjectFileQuietly(m_s.paths.areas + name).value_or("");
}

void AudioChannels::load(int player, const std::string& path, int volume, bool loop,
                         const std::string& named) {
    MediaPlayer& p = MPlayer(player);
    m_named[static_cast<std::size_t>(player - 1)] = named;
    p.Stop();
    p.setFileName(path);
    p.setVolume(volume);
    p.setPlayCount(loop ? 0 : 1);
    p.Play();
}

void AudioChannels::reportAudioProblem() {
    if (m_flags.Quitting || AudioProblemReported) return;
    m_s.ui.messageBox(kAudioProblem, platform::kExclamation, "AUDIO PROBLEM");
    AudioProblemReported = true;
}

void AudioChannels::ApplyChannelRequests() {
    m_s.trace.note("ApplyChannelRequests");
    try {
        for (int c = 1; c <= kCount; ++c) {
            AudioChannel& ch = channel(c);
            MediaPlayer& P = MPlayer(ch.Player);
            if (ch.Fade) {
                const std::string path = ch.FileName.empty() ? std::string() : existingAreasFile(ch.FileName);
                if (path.empty()) {
                    // A fading stop or volume change is carried out by the fade steps.
                    ch.FileName.clear();
                    continue;
                }
                StopOtherMidiPlayers(c);
                if (P.PlayState() == MediaPlayer::kPlaying) {
                    const std::int16_t n = FindIdlePlayer();
                    if (n != -1) {
                        // Cross-fade: the new file rises on an idle player while the old one falls.
                        ch.FadingPlayer = ch.Player;
                        ch.Player = n;
                        load(n, path, LevelToVolume(0), ch.Loop, ch.FileName);
                        for (int j = 1; j <= kCount; ++j)
                            if (j != c && channel(j).Player == n) channel(j).Player = ch.FadingPlayer;
                        continue;
                    }
                }
                ch.FadingPlayer = 0;
                load(ch.Player, path, LevelToVolume(0), ch.Loop, ch.FileName);
                continue;
            }
            if (ch.Command == kStopChannel) P.Stop();
            const std::string path = ch.FileName.empty() ? std::string() : existingAreasFile(ch.FileName);
            if (!path.empty()) {
                if (!(ch.KeepIfPlaying && IsFilePlaying(path))) {
                    StopOtherMidiPlayers(c);
                    load(ch.Player, path, LevelToVolume(ch.ToLevel), ch.Loop, ch.FileName);
                }
            } else {
                ch.FileName.clear();
            }
            if (ch.Command == kChangeVolume) P.setVolume(LevelToVolume(ch.ToLevel));
            ch.Command = kNoCommand;
            ch.FileName.clear();
            ch.FadingPlayer = 0;
        }
        FadeStartTime = 0;
    } catch (const std::exception&) {
        reportAudioProblem();
    }
}

void AudioChannels::StepChannelFades(double f) {
    bool anyFade = false;
    for (int c = 1; c <= kCount; ++c) {
        AudioChannel& ch = channel(c);
        MediaPlayer& P = MPlayer(ch.Player);
        if (ch.Fade) {
            anyFade = true;
            if (f >= 1) {
                if (ch.Command == kStopChannel) P.Stop();
                if (ch.Command == kChangeVolume) P.setVolume(LevelToVolume(ch.ToLevel));
                if (!ch.FileName.empty()) {
                    P.setVolume(LevelToVolume(ch.ToLevel));
                    if (ch.FadingPlayer != 0) MPlayer(ch.FadingPlayer).Stop();
                }
                ch.Command = kNoCommand;
                ch.FileName.clear();
                ch.FadingPlayer = 0;
                ch.Fade = false;
            } else {
                if (ch.Command == kStopChannel) P.setVolume(LevelToVolume((1 - f) * ch.FromLevel));
                if (ch.Command == kChangeVolume)
                    P.setVolume(LevelToVolume(ch.FromLevel + f * (ch.ToLevel - ch.FromLevel)));
                if (!ch.FileName.empty()) {
                    P.setVolume(LevelToVolume(f * ch.ToLevel));
                    if (ch.FadingPlayer != 0)
                        MPlayer(ch.FadingPlayer).setVolume(LevelToVolume((1 - f) * ch.FromLevel));
                }
            }
        } else if (f >= 1) {
            ch.Command = kNoCommand;
            ch.FileName.clear();
            ch.FadingPlayer = 0;
        }
    }
    if (f >= 1 || !anyFade) setFadeTimer(false);
}

void AudioChannels::TimerAudioFade() {
    try {
        fadeTick();
    } catch (const std::exception&) {
        setFadeTimer(false);
        reportAudioProblem();
    }
}

void AudioChannels::fadeTick() {
    const double now = static_cast<double>(m_s.ui.now()) / 1000.0;
    if (FadeStartTime == 0) {
        FadeStartTime = now;
        return;
    }
    const double e = now - FadeStartTime;
    if (e < 0 || e >= FadeDuration) {
        StepChannelFades(1);
        setFadeTimer(false);
    } else {
        StepChannelFades(e / FadeDuration);
    }
}

void AudioChannels::setFadeTimer(bool enabled) {
    if (!m_fadeTimer) return;
    m_fadeTimer->setInterval(100);
    m_fadeTimer->setEnabled(enabled);
}

void AudioChannels::EnableAudioFadeTimer() {
    m_s.trace.note("EnableAudioFadeTimer");
    setFadeTimer(true);
}

void AudioChannels::StopAnyWavOrMP3() {
    for (int i = 1; i <= kCount; ++i) {
        MediaPlayer& p = MPlayer(i);
        if (p.FileName().size() > 4 && p.PlayState() == MediaPlayer::kPlaying) p.Stop();
    }
}

void AudioChannels::CompleteChannelFades() {
    m_s.trace.note("CompleteChannelFades");
    StepChannelFades(1);
}

void AudioChannels::StopAllChannels() {
    m_s.trace.note("StopAllChannels");
    for (int i = 1; i <= kCount; ++i) {
        MPlayer(i).Stop();
        channel(i).Player = static_cast<std::int16_t>(i);
    }
    // The spare player belongs to the game that is being reset or halted, too.
    m_customPlayer.Stop();
}

std::int16_t AudioChannels::FindIdlePlayer() const {
    for (int i = 1; i <= kCount; ++i)
        if (MPlayer(i).PlayState() != MediaPlayer::kPlaying) return static_cast<std::int16_t>(i);
    return -1;
}

void AudioChannels::StopOtherMidiPlayers(int c) {
    // Only one tune plays at a time; ".midi" and ".rmi" are not taken for tunes here.
    if (!isMidiName(channel(c).FileName)) return;
    for (int i = 1; i <= kCount; ++i)
        if (isMidiName(MPlayer(i).FileName())) MPlayer(i).Stop();
}

bool AudioChannels::IsFilePlaying(const std::string& path) const {
    for (int i = 1; i <= kCount; ++i)
        if (MPlayer(i).FileName() == path && MPlayer(i).PlayState() == MediaPlayer::kPlaying) return true;
    return false;
}

void AudioChannels::PlayOnChannel(int c, const std::string& path, int playCount, int volume,
                                  const std::string& named) {
    try {
        load(channel(c).Player, path, volume, playCount == 0, named);
    } catch (const std::exception&) {
        reportAudioProblem();
    }
}

std::vector<std::string> AudioChannels::describe() const {
    std::vector<std::string> out;
    for (int i = 1; i <= kCount; ++i) {
        const MediaPlayer& p = MPlayer(i);
        if (p.PlayState() != MediaPlayer::kPlaying) continue;
        out.push_back("sound: " + std::to_string(i) + " = " + m_named[static_cast<std::size_t>(i - 1)] +
                      " (" + std::to_string(p.Volume()) + ", " + (p.PlayCount() == 0 ? "loop" : "once") +
                      ")");
    }
    for (int c = 1; c <= kCount; ++c) {
        const AudioChannel& ch = channel(c);
        std::ostringstream level;
        level << ch.ToLevel;
        std::string line = "channel: " + std::to_string(c) + " = player " + std::to_string(ch.Player) +
                           ", level " + level.str();
        if (ch.Fade && ch.FadingPlayer)
            line += ", fading out player " + std::to_string(ch.FadingPlayer);
        else if (ch.Fade)
            line += ", fading";
        out.push_back(line);
    }
    return out;
}

} // namespace run
