// The audio channels heard through the headless sound device: requests of hotspots and frames,
// cross-fades on borrowed players, fading stops and volume changes, frame music that goes on
// from frame to frame, the old sound system, and damaged sound files.
#include "run/frames/GameMenus.h"
#include "tests/gameplay/GameRig.h"
#include "tests/platform/media/MidiWriter.h"
#include "tests/platform/media/Tones.h"

#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"
#include "run/project/record/RecordWriter.h"

#include <fstream>

#include <algorithm>
#include <cmath>
#include <set>

namespace run {
namespace {

using platform::MediaPlayer;
using testing::ActionSpec;
using testing::GameRig;
using testing::Go;

using testing::ClickSpot;
using testing::Row;

ChannelRequestEntry Request(std::int16_t command, bool fade, double level, const std::string& file = "") {
    return ChannelRequestEntry{command, fade, true, level, file};
}

ActionSpec Channels(double fadeSeconds, std::vector<ChannelRequestEntry> rows) {
    ActionSpec a;
    a.channels.fadeSeconds = fadeSeconds;
    a.channels.valuesPerEntry = 5;
    a.channels.entries = std::move(rows);
    return a;
}

struct SoundRig : GameRig {
    SoundRig() {
        // Half-scale sines: a full-level one measures 0.354.
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h"})
            project.file(std::string("Areas/") + name + ".wav", platform::Tone(22050, 1, 3, 440, 0.5));
    }
    AudioChannels& audio() { return driver->player().audio(); }
    std::uint64_t now() { return driver->backend().nowMs(); }
    double level(std::uint64_t from, std::uint64_t to) {
        return driver->backend().audio().levelOver(from, to);
    }
    // The Player column is always a permutation of 1..7.
    bool playersArePermutation() {
        std::set<int> seen;
        for (int c = 1; c <= 7; ++c)
            seen.insert(audio().channel(c).Player);
        return seen.size() == 7 && *seen.begin() == 1 && *seen.rbegin() == 7;
    }
};

TEST(Sound, ACrossFadeBorrowsAnIdlePlayerAndTheTwoSoundsCrossOver) {
    SoundRig g;
    g.project.hotspots("Start", Row(2))
        .actions("Start", {Channels(0, {Request(2, false, 10, "a.wav")}),
                           Channels(1.0, {Request(2, true, 10, "b.wav")})});
    g.start();
    ClickSpot(g, 1);
    AudioChannels& audio = g.audio();
    EXPECT_EQ(audio.MPlayer(1).PlayState(), MediaPlayer::kPlaying);
    EXPECT_EQ(audio.MPlayer(1).Volume(), 0);
    std::uint64_t t = g.now();
    g.driver->wait(300);
    EXPECT_NEAR(g.level(t + 50, t + 300), 0.354, 0.02);
    auto state = g.driver->player().describeState();
    EXPECT_NE(std::find(state.begin(), state.end(), "sound: 1 = a.wav (0, loop)"), state.end());
    EXPECT_NE(std::find(state.begin(), state.end(), "channel: 1 = player 1, level 10"), state.end());

    ClickSpot(g, 2);
    const AudioChannel& ch = audio.channel(1);
    EXPECT_EQ(ch.Player, 2);
    EXPECT_EQ(ch.FadingPlayer, 1);
    EXPECT_EQ(audio.channel(2).Player, 1) << "the lender gets the released player";
    EXPECT_TRUE(g.playersArePermutation());
    EXPECT_EQ(audio.MPlayer(2).Volume(), LevelToVolume(0));

    t = g.now();
    g.driver->wait(1600);
    // Both ends are loud; in the middle each sound is 20 dB down.
    const double middle = g.level(t + 500, t + 700);
    EXPECT_LT(middle, 0.1);
    EXPECT_GT(middle, 0.01);
    EXPECT_NEAR(g.level(t + 1300, t + 1600), 0.354, 0.02);
    EXPECT_EQ(audio.MPlayer(1).PlayState(), MediaPlayer::kStopped) << "the old sound stops at completion";
    EXPECT_EQ(audio.MPlayer(2).Volume(), 0);
    EXPECT_EQ(ch.FadingPlayer, 0);
    EXPECT_FALSE(ch.Fade);
    EXPECT_FALSE(g.form().findTimer("TimerAudioFade")->isEnabled());
}

TEST(Sound, WithEveryPlayerBusyTheChannelRestartsItsOwnPlayerAndFadesIn) {
    SoundRig g;
    std::vector<ChannelRequestEntry> all;
    for (const char* f : {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav", "f.wav", "g.wav"})
        all.push_back(Request(2, false, 10, f));
    g.project.hotspots("Start", Row(2))
        .actions("Start", {Channels(0, all), Channels(0.5, {Request(2, true, 10, "h.wav")})});
    g.start();
    ClickSpot(g, 1);
    EXPECT_EQ(g.audio().FindIdlePlayer(), -1);
    ClickSpot(g, 2);
    EXPECT_EQ(g.audio().channel(1).Player, 1);
    EXPECT_EQ(g.audio().channel(1).FadingPlayer, 0);
    EXPECT_TRUE(g.audio().MPlayer(1).FileName().ends_with("h.wav"));
    EXPECT_EQ(g.audio().MPlayer(1).Volume(), LevelToVolume(0));
    g.driver->wait(800);
    EXPECT_EQ(g.audio().MPlayer(1).Volume(), 0);
}

TEST(Sound, FadingStopsAndVolumeChangesMoveFromTheOldLevelAndAZeroFadeEndsOnTheSecondTick) {
    SoundRig g;
    g.project.hotspots("Start", Row(2))
        .actions("Start", {Channels(0, {Request(2, false, 10, "a.wav"), Request(2, false, 10, "b.wav")}),
                           Channels(1.0, {Request(3, true, 0), Request(4, true, 5)})});
    g.start();
    ClickSpot(g, 1);
    ClickSpot(g, 2);
    AudioChannels& audio = g.audio();
    g.driver->wait(600); // the first tick starts the clock: about 0.5 s of the fade has run
    const int falling = audio.MPlayer(1).Volume();
    const int moving = audio.MPlayer(2).Volume();
    EXPECT_LT(falling, -1000);
    EXPECT_GT(falling, LevelToVolume(0));
    EXPECT_LT(moving, 0);
    EXPECT_GT(moving, LevelToVolume(5));
    g.driver->wait(800);
    EXPECT_EQ(audio.MPlayer(1).PlayState(), MediaPlayer::kStopped);
    EXPECT_EQ(audio.MPlayer(2).Volume(), LevelToVolume(5));
    EXPECT_EQ(audio.channel(2).ToLevel, 5);

    // A fade of length 0, started straight away (a click's own pause would hide the ticks).
    audio.StoreHotspotRequests(ChannelRequestBlock{0, 5, {Request(4, true, 10), Request(4, true, 10)}});
    audio.ApplyChannelRequests();
    audio.EnableAudioFadeTimer();
    EXPECT_EQ(audio.MPlayer(2).Volume(), LevelToVolume(5));
    g.driver->wait(150);
    EXPECT_EQ(audio.MPlayer(2).Volume(), LevelToVolume(5)) << "the first tick only starts the clock";
    g.driver->wait(100);
    EXPECT_EQ(audio.MPlayer(2).Volume(), 0);
}

TEST(Sound, WithTransitionsSwitchedOffAFrameChangeStillEndsItsFades) {
    SoundRig g;
    ActionSpec away = Channels(5.0, {Request(3, true, 0), Request(2, true, 10, "b.wav")});
    away.goToFrame = "Other";
    away.transitionKind = 1;
    away.transitionMs = 1000;
    away.transitionNumber = 1;
    g.project.hotspots("Start", Row(2))
        .actions("Start", {Channels(0, {Request(2, false, 10, "a.wav")}), away});
    g.start();
    g.game().menus().InvertTransitions();
    ClickSpot(g, 1);
    ClickSpot(g, 2);
    ASSERT_EQ(g.frame(), "Other");
    AudioChannels& audio = g.audio();
    EXPECT_EQ(audio.MPlayer(1).PlayState(), MediaPlayer::kStopped) << "the fading stop ended with the change";
    EXPECT_EQ(audio.MPlayer(2).Volume(), 0) << "the fade-in is at its level";
    EXPECT_FALSE(audio.channel(1).Fade);
    const std::uint64_t t = g.now();
    g.driver->wait(300);
    EXPECT_NEAR(g.level(t + 50, t + 300), 0.354, 0.02) << "only b.wav, at full level";
}

TEST(Sound, ARequestedSoundThatLivesOnlyOnTheCdIsFoundThere) {
    SoundRig g;
    // A one-CD game whose wave.wav is on the disc only, under its hidden name.
    RecordWriter index;
    index.writeField("index");
    index.writeField(std::int16_t{1});
    index.writeField(std::int16_t{0});
    index.writeField(std::int16_t{1});
    index.writeField("");
    index.writeField("");
    index.writeField("wave.wav");
    index.writeField(std::int16_t{1});
    index.writeField(std::int16_t{2});
    g.project.file("RunFromCD.dat", "");
    g.project.file("Config/CDContents", index.bytes());
    const std::filesystem::path cd = g.tmp / "cd";
    const std::filesystem::path onCd =
        cd / "Data" / "Gameplay Tests" / "Areas" / HiddenPath("wave.wav", true);
    std::filesystem::create_directories(onCd.parent_path());
    std::ofstream(onCd, std::ios::binary) << platform::Tone(22050, 1, 3, 440, 0.5);
    g.project.hotspots("Start", Row(1)).actions("Start", {Channels(0, {Request(2, false, 10, "wave.wav")})});
    g.start();
    g.context().drives = platform::DriveTable::FromDescription("D=" + cd.string() + ":cd");
    ClickSpot(g, 1);
    EXPECT_EQ(g.audio().MPlayer(1).PlayState(), MediaPlayer::kPlaying);
    const std::uint64_t t = g.now();
    g.driver->wait(300);
    EXPECT_NEAR(g.level(t + 50, t + 300), 0.354, 0.02);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
}

TEST(Sound, FrameMusicGoesOnAcrossFramesAndPendingHotspotRequestsWinOverTheFrames) {
    SoundRig g;
    FrameFile start = testing::Colour(0x400000);
    start.MusicFile = "a.wav";
    FrameFile other = testing::Colour(0x004000);
    other.MusicFile = "a.wav";
    other.channelRequests.fadeSeconds = 0;
    other.channelRequests.valuesPerEntry = 5;
    other.channelRequests.entries = {Request(2, false, 10, "b.wav"), Request(2, false, 10, "c.wav")};
    FrameFile third = testing::Colour(0x000040);
    third.MusicFile = "a.wav";
    third.StopMusic = true;
    g.project.frame("Start", start).frame("Other", other).frame("Third", third);
    ActionSpec leave = Channels(0, {Request(2, false, 5, "d.wav")});
    leave.goToFrame = "Other";
    g.project.hotspots("Start", Row(1)).actions("Start", {leave});
    g.project.hotspots("Other", Row(1)).actions("Other", {Go("Third")});
    g.start();
    AudioChannels& audio = g.audio();
    MediaPlayer& music = audio.channelPlayer(AudioChannels::kMusicChannel);
    EXPECT_EQ(music.Volume(), LevelToVolume(7));
    EXPECT_EQ(music.PlayCount(), 0);
    g.driver->wait(1000);
    ClickSpot(g, 1);
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_GT(music.CurrentPosition(), 0.9) << "the same music is not restarted";
    // Channel 1 keeps the hotspot's request; channel 2 takes the frame's.
    EXPECT_TRUE(audio.channelPlayer(1).FileName().ends_with("d.wav"));
    EXPECT_EQ(audio.channelPlayer(1).Volume(), LevelToVolume(5));
    EXPECT_TRUE(audio.channelPlayer(2).FileName().ends_with("c.wav"));
    ClickSpot(g, 1);
    EXPECT_EQ(g.frame(), "Third");
    EXPECT_LT(music.CurrentPosition(), 0.5) << "a frame that stops the music starts it again";
}

TEST(Sound, OutlandishLevelsAndFadeLengthsAreTakenInStride) {
    EXPECT_EQ(LevelToVolume(10), 0);
    EXPECT_EQ(LevelToVolume(8), -800);
    EXPECT_EQ(LevelToVolume(0), -4000) << "quiet, not silent";
    EXPECT_EQ(LevelToVolume(1e308), 2147483647);
    EXPECT_EQ(LevelToVolume(-1e308), -2147483647 - 1);
    SoundRig g;
    g.project.hotspots("Start", Row(2))
        .actions("Start", {Channels(0, {Request(2, false, 1e308, "a.wav"), Request(2, false, 10, "b.wav")}),
                           Channels(-0.005, {Request(4, true, 2), Request(4, true, 2)})});
    g.start();
    ClickSpot(g, 1);
    EXPECT_EQ(g.audio().channelPlayer(1).PlayState(), MediaPlayer::kPlaying);
    EXPECT_EQ(g.audio().channelPlayer(2).PlayState(), MediaPlayer::kPlaying)
        << "the next channel still plays";
    std::uint64_t t = g.now();
    g.driver->wait(200);
    EXPECT_NEAR(g.level(t, t + 200), 0.707, 0.03)
        << "two full-level sines in phase, the loud one not above full";
    ClickSpot(g, 2); // a negative fade length ends the fade on its second tick
    g.driver->wait(300);
    EXPECT_EQ(g.audio().channelPlayer(2).Volume(), LevelToVolume(2));
    EXPECT_TRUE(g.boxTexts().empty());
}

TEST(Sound, TheOldSoundSystemAndDamagedFilesWarnOnceAndTheGameGoesOn) {
    SoundRig g;
    g.project.file("Areas/noise.wav", std::string(5000, '\x55'));
    {
        RecordWriter w = RecordWriter::create(g.project.folder() / "Frames" / "Start.chn");
        for (int i = 0; i < 22; ++i)
            w.writeField(RecordVariant{});
        for (int c = 1; c <= 2; ++c) {
            w.writeField(RecordVariant{});
            w.writeField(false);
            w.writeField(c == 2);
            w.writeField(c == 2 ? "b.wav" : "");
            w.writeField(std::int16_t{0});
        }
        w.commit();
    }
    ActionSpec noisy;
    noisy.hotspotSound = "noise.wav";
    noisy.stopHotspotSound = true; // a playing hotspot sound is interrupted
    ActionSpec missing = Channels(0, {Request(2, false, 10, "gone.wav")});
    g.project.hotspots("Start", Row(2)).actions("Start", {noisy, missing});
    g.start();
    AudioChannels& audio = g.audio();
    EXPECT_TRUE(audio.channelPlayer(2).FileName().ends_with("b.wav"));
    EXPECT_EQ(audio.channelPlayer(2).PlayCount(), 1);
    EXPECT_EQ(audio.channelPlayer(2).Volume(), LevelToVolume(8));

    ClickSpot(g, 1);
    ClickSpot(g, 1);
    ClickSpot(g, 2); // a missing requested file is dropped without a word
    EXPECT_EQ(g.boxesWith("AUDIO PROBLEM") + g.boxesWith("This message will not reappear"), 1);
    EXPECT_TRUE(audio.AudioProblemReported);
    EXPECT_TRUE(audio.channel(1).FileName.empty());
    EXPECT_EQ(audio.channelPlayer(2).PlayState(), MediaPlayer::kPlaying) << "the rest plays on";
}

TEST(Sound, OneTuneAtATimeAndTunesAreHeard) {
    SoundRig g;
    platform::MidiWriter tune(480);
    tune.program(0, 0, 0);
    for (std::uint32_t n = 0; n < 8; ++n)
        tune.note(n * 240, 230, 0, 60 + static_cast<int>(n));
    const std::string bytes = tune.end(1920).bytes();
    for (const char* name : {"one.mid", "two.mid", "three.midi"})
        g.project.file(std::string("Areas/") + name, bytes);
    g.project.hotspots("Start", Row(3))
        .actions("Start", {Channels(0, {Request(2, false, 10, "one.mid")}),
                           Channels(0, {Request(0, false, 10), Request(2, false, 10, "two.mid")}),
                           Channels(0, {Request(0, false, 10), Request(0, false, 10),
                                        Request(2, false, 10, "three.midi")})});
    g.start();
    ClickSpot(g, 1);
    std::uint64_t t = g.now();
    g.driver->wait(500);
    EXPECT_GT(g.level(t, t + 500), 0.01) << "the tune is heard";
    ClickSpot(g, 2);
    EXPECT_EQ(g.audio().channelPlayer(1).PlayState(), MediaPlayer::kStopped)
        << "a second tune stops the first";
    EXPECT_EQ(g.audio().channelPlayer(2).PlayState(), MediaPlayer::kPlaying);
    ClickSpot(g, 3);
    EXPECT_EQ(g.audio().channelPlayer(2).PlayState(), MediaPlayer::kPlaying)
        << "\".midi\" is not taken for a tune";
    EXPECT_EQ(g.audio().channelPlayer(3).PlayState(), MediaPlayer::kPlaying);
}

TEST(Sound, ScriptsDriveThePlayersByTheirMembers) {
    SoundRig g;
    ActionSpec script;
    script.script = "AudioPlayerObject(4).FileName = AppObject.Path & |\\Areas\\A.WAV| : "
                    "AudioPlayerObject(4).Volume = -600 : "
                    "AudioPlayerObject(4).PlayCount = 0 : AudioPlayerObject(4).Play : "
                    "v = AudioPlayerObject(4).PlayState : w = AudioPlayerObject.Count";
    ActionSpec bad;
    bad.script =
        "On Error Resume Next : AudioPlayerObject(5).FileName = |Areas\\gone.wav| : x = Err.Number + 100";
    g.project.hotspots("Start", Row(2)).actions("Start", {script, bad});
    g.start();
    ClickSpot(g, 1);
    const MediaPlayer& p = g.audio().MPlayer(4);
    EXPECT_EQ(p.PlayState(), MediaPlayer::kPlaying);
    EXPECT_EQ(p.Volume(), -600);
    EXPECT_EQ(g.var("v"), 2);
    EXPECT_EQ(g.var("w"), 7);
    std::uint64_t t = g.now();
    g.driver->wait(300);
    EXPECT_NEAR(g.level(t, t + 300), 0.354 * std::pow(10, -600 / 2000.0), 0.02);
    ClickSpot(g, 2);
    EXPECT_EQ(g.var("x"), 153) << "file not found";
}

} // namespace
} // namespace run
