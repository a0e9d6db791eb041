// The seven audio channels over the seven media players `MPlayer`(1..7): requests stored by
// frames and hotspot actions, carried out together by ApplyChannelRequests, fades on the fade
// timer or in step with a transition, the music channel 6 and the frame-sound channel 7.
// Everything runs on the game's thread; the sound device only pulls the mixer.
#pragma once

#include "run/media/ChannelRequests.h"
#include "run/platform/media/MediaPlayer.h"
#include "run/platform/media/Mixer.h"
#include "run/platform/ui/Element.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace run {

class RecordReader;

enum ChannelCommand : std::int16_t { kNoCommand = 0, kPlayFile = 2, kStopChannel = 3, kChangeVolume = 4 };

struct AudioChannel {
    std::int16_t Command = 0;
    std::string FileName; // pending, relative to the Areas folder
    bool Fade = false;
    bool Loop = false;
    std::int16_t Player = 0;       // 1..7: the player the channel uses now
    std::int16_t FadingPlayer = 0; // the player fading out in a cross-fade, 0 when none
    double FromLevel = 0;
    double ToLevel = 0; // stays as the channel's level until the next request
    bool KeepIfPlaying = false;
};

// The volume of a level 0–10 in hundredths of a decibel (level 0 is quiet, not silent).
int LevelToVolume(double level);

class AudioChannels {
  public:
    static constexpr int kCount = 7;
    static constexpr int kMusicChannel = 6;
    static constexpr int kFrameSoundChannel = 7;

    AudioChannels(ProjectContext& project, Flags& flags, ProjectFiles& files, platform::Mixer& mixer);

    // The game window's fade timer TimerAudioFade while that window is loaded (null otherwise:
    // fades then wait for the next transition or request).
    void attachFadeTimer(platform::TimerElement* timer) { m_fadeTimer = timer; }

    // Player i (1..7) and channel c (1..7).
    platform::MediaPlayer& MPlayer(int i) { return *m_players.at(static_cast<std::size_t>(i - 1)); }
    const platform::MediaPlayer& MPlayer(int i) const {
        return *m_players.at(static_cast<std::size_t>(i - 1));
    }
    AudioChannel& channel(int c) { return m_channels.at(static_cast<std::size_t>(c - 1)); }
    const AudioChannel& channel(int c) const { return m_channels.at(static_cast<std::size_t>(c - 1)); }
    // The player channel c holds now.
    platform::MediaPlayer& channelPlayer(int c) { return MPlayer(channel(c).Player); }
    // The game window's spare media player: no channel uses it, scripts play on it.
    platform::MediaPlayer& CustomMediaPlayer() { return m_customPlayer; }

    // Storing requests: a hotspot action's rows always; a frame's only where no stronger request
    // is pending.
    void StoreHotspotRequests(const ChannelRequestBlock& block);
    void StoreFrameRequests(const ChannelRequestBlock& block);

    void ApplyChannelRequests();
    void StepChannelFades(double fraction);
    // The fades jump to their end (a frame change is coming).
    void CompleteChannelFades();
    void TimerAudioFade();
    void EnableAudioFadeTimer();
    void StopAnyWavOrMP3();
    void StopAllChannels();
    std::int16_t FindIdlePlayer() const;
    void StopOtherMidiPlayers(int channel);
    bool IsFilePlaying(const std::string& path) const;

    // Plays a file on the player channel c holds now: stop, load, play count, volume, play.
    // A failure gets the audio warning (once per run) and the game goes on.
    void PlayOnChannel(int c, const std::string& path, int playCount, int volume, const std::string& named);
    void StopChannel(int c) { channelPlayer(c).Stop(); }
    bool ChannelPlaying(int c) const {
        return MPlayer(channel(c).Player).PlayState() == platform::MediaPlayer::kPlaying;
    }

    // Reads an old-sound-system block at the reader's position and plays it.
    void PlaySoundChannels(RecordReader& r);

    // The play script's view: "sound: …" for each playing player, "channel: …" for each channel.
    std::vector<std::string> describe() const;

    double FadeDuration = 0;  // seconds
    double FadeStartTime = 0; // seconds on the fade clock; 0: the next tick starts it
    bool AudioProblemReported = false;

  private:
    void reportAudioProblem();
    void fadeTick();
    // The resolved path of a file of the Areas folder, or "" when it does not exist.
    std::string existingAreasFile(const std::string& name);
    void load(int player, const std::string& path, int volume, bool loop, const std::string& named);
    void setFadeTimer(bool enabled);

    ProjectContext& m_s;
    Flags& m_flags;
    ProjectFiles& m_files;
    platform::TimerElement* m_fadeTimer = nullptr;
    std::array<std::unique_ptr<platform::MediaPlayer>, kCount> m_players;
    std::array<AudioChannel, kCount> m_channels;
    std::array<std::string, kCount> m_named; // each player's file as the game named it
    platform::MediaPlayer m_customPlayer;
};

} // namespace run
