// Videos by their pictures: decoding to the clock with late pictures dropped, scaling, the sound
// leading the pictures, passes and looping, and files that are not videos.
#include "run/platform/media/VideoPlayer.h"
#include "tests/support/VideoMaker.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

namespace run::platform {
namespace {

namespace fs = std::filesystem;

constexpr int kLevelStep = 12;

// Picture i is a flat grey of level i × 12, so the picture shown tells its number.
std::string MakeNumberedVideo(const std::string& name, int pictures, int perSecond, double toneHz) {
    const std::string path = (fs::temp_directory_path() / name).string();
    testing::VideoSpec spec;
    spec.width = 64;
    spec.height = 48;
    spec.pictures = pictures;
    spec.picturesPerSecond = perSecond;
    spec.toneHz = toneHz;
    const std::string error = testing::WriteVideo(path, spec, [](int i, Canvas& c) {
        const Pixel grey = static_cast<Pixel>(i * kLevelStep);
        c.fill({0, 0, c.width(), c.height()}, 0xFF000000u | grey << 16 | grey << 8 | grey);
    });
    EXPECT_EQ(error, "");
    return path;
}

int NumberShown(const Canvas& c) {
    const Pixel p = c.pixel(c.width() / 2, c.height() / 2);
    return static_cast<int>(std::lround(double((p >> 8) & 0xFF) / kLevelStep));
}

TEST(VideoDecoder, PicturesFollowTheClockAndLateOnesAreDropped) {
    const std::string path = MakeNumberedVideo("decoder-numbered.mpg", 20, 25, 0);
    std::string error;
    auto video = VideoDecoder::open(path, error);
    ASSERT_TRUE(video) << error;
    EXPECT_EQ(video->width(), 64);
    EXPECT_EQ(video->height(), 48);

    ASSERT_TRUE(video->advanceTo(0));
    EXPECT_EQ(NumberShown(video->picture()), 0);
    EXPECT_EQ(video->picture().pixel(0, 0) >> 24, 0xFFu) << "video pictures are opaque";
    EXPECT_FALSE(video->advanceTo(0.03)) << "picture 1 is not due before 0.04 s";
    ASSERT_TRUE(video->advanceTo(0.21));
    EXPECT_EQ(NumberShown(video->picture()), 5);
    EXPECT_EQ(video->picturesDropped(), 4u) << "pictures 1 to 4 came too late to be shown";
    EXPECT_NEAR(video->nextPictureSeconds(), 0.24, 0.001);

    video->setOutputSize(32, 24);
    EXPECT_EQ(video->picture().width(), 32) << "the picture shown is scaled at once";
    for (double t = 0.25; t < 1.5; t += 0.04)
        video->advanceTo(t);
    EXPECT_TRUE(video->ended());
    EXPECT_EQ(NumberShown(video->picture()), 19);
    EXPECT_NEAR(video->endSeconds(), 0.8, 0.001);

    ASSERT_TRUE(video->rewind());
    ASSERT_TRUE(video->advanceTo(0));
    EXPECT_EQ(NumberShown(video->picture()), 0);
    EXPECT_EQ(video->picture().height(), 24);
}

TEST(VideoPlayer, TheSoundLeadsThePicturesAndPassesRepeat) {
    const std::string path = MakeNumberedVideo("player-numbered.mpg", 10, 25, 441);
    Mixer mixer;
    std::uint64_t now = 0;
    VideoPlayer player(mixer, [&] { return now; });
    player.setFileName(path);
    EXPECT_EQ(NumberShown(player.picture()), 0) << "a loaded video shows its first picture";
    player.setPlayCount(2);
    player.Play();
    EXPECT_EQ(player.PlayState(), VideoPlayer::kPlaying);

    // The device pulls the sound 0.13 s ahead of the engine clock: the pictures go with the sound.
    std::vector<float> block(2 * 441);
    for (int i = 0; i < 13; ++i)
        mixer.pull(block.data(), 441);
    now = 40;
    player.update();
    EXPECT_EQ(NumberShown(player.picture()), 3);

    // Pulled in step with the clock, every picture is shown and none dropped.
    int passes = 0, last = 3;
    for (int ms = 50; ms <= 4000 && player.PlayState() == VideoPlayer::kPlaying; ms += 10) {
        mixer.pull(block.data(), 441);
        now = static_cast<std::uint64_t>(ms);
        player.update();
        const int n = NumberShown(player.picture());
        if (n < last) ++passes;
        last = n;
    }
    EXPECT_EQ(player.PlayState(), VideoPlayer::kStopped) << "two passes, then it stops";
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(player.picturesDropped(), 2u) << "only pictures 1 and 2, passed while the sound ran ahead";
    EXPECT_LT(now, 1000u) << "the second pass followed the first at once";

    // With no device pulling the sound, the pictures keep the engine's time.
    player.setPlayCount(1);
    player.Play();
    const std::uint64_t start = now;
    now = start + 200;
    player.update();
    EXPECT_EQ(NumberShown(player.picture()), 5);
}

TEST(VideoPlayer, FilesThatAreNotVideosAreRefusedOrPlayWhatTheyHold) {
    Mixer mixer;
    VideoPlayer player(mixer, [] { return std::uint64_t(0); });
    const std::string garbage = (fs::temp_directory_path() / "garbage.mpg").string();
    std::ofstream(garbage, std::ios::binary) << std::string(5000, '\x17');
    EXPECT_THROW(player.setFileName(garbage), std::runtime_error);
    EXPECT_THROW(player.setFileName("/nonexistent/video.avi"), std::runtime_error);
    EXPECT_EQ(player.FileName(), "");
    EXPECT_THROW(player.Play(), std::runtime_error);

    // A video claiming 16 000 × 16 000 pixels is refused before any picture is made; a small
    // one in the same raw format plays.
    std::string error;
    EXPECT_FALSE(VideoDecoder::openMemory(
        "YUV4MPEG2 W16000 H16000 F25:1 Ip A1:1 C420jpeg\nFRAME\n" + std::string(1000, '\x80'), error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    auto tiny = VideoDecoder::openMemory(
        "YUV4MPEG2 W4 H4 F25:1 Ip A1:1 C420jpeg\nFRAME\n" + std::string(24, '\x80'), error);
    ASSERT_TRUE(tiny) << error;
    EXPECT_TRUE(tiny->advanceTo(0));

    // A file cut in half plays its first half and ends.
    const std::string whole = MakeNumberedVideo("whole.mpg", 50, 25, 0);
    std::string bytes;
    {
        std::ifstream in(whole, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto cut = VideoDecoder::openMemory(bytes.substr(0, bytes.size() / 2), error);
    ASSERT_TRUE(cut) << error;
    for (double t = 0; t < 3 && !cut->ended(); t += 0.04)
        cut->advanceTo(t);
    EXPECT_TRUE(cut->ended());
    EXPECT_GT(cut->picturesShown(), 3u);
}

} // namespace
} // namespace run::platform
