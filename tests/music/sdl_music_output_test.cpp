// SDL_mixer behind the music device. SDL's dummy driver stands in for the
// sound card: it takes the samples at the rate a card would, and drops them.

#include "sdl_music_output.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "temp_folder.h"
#include "tone_wave.h"

namespace qm::music {
namespace {

using namespace std::chrono_literals;

class SdlMusic : public ::testing::Test {
protected:
    SdlMusic() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    std::string Path(const char* name) const { return (folder.path() / name).string(); }

    testing::TempFolder folder;
};

// Returns how long the piece played, or nothing if it had not ended in time.
std::optional<std::chrono::milliseconds> TimeToEnd(MusicOutput& output) {
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < 5s) {
        if (!output.Playing())
            return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        std::this_thread::sleep_for(5ms);
    }
    return std::nullopt;
}

TEST_F(SdlMusic, PlaysAWaveToItsEndAndFromItsBeginningAgain) {
    testing::WriteToneWave(Path("bgm.wav"), 0.3);
    SdlMusicOutput output;
    ASSERT_TRUE(output.Open(Path("bgm.wav")));
    EXPECT_FALSE(output.Playing());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(output.Start());
        const auto played = TimeToEnd(output);
        ASSERT_TRUE(played);
        // Ended neither at once nor never: the whole piece went through.
        EXPECT_GE(*played, 250ms);
    }
    ASSERT_TRUE(output.Start());
    output.Stop();
    EXPECT_FALSE(output.Playing());
}

// The game starts the piece again each time it ends: the player's volume
// must hold for every start.
TEST_F(SdlMusic, KeepsThePlayersVolumeForEveryStart) {
    testing::WriteToneWave(Path("bgm.wav"), 0.1);
    SdlMusicOutput output;
    ASSERT_TRUE(output.Open(Path("bgm.wav")));
    output.SetVolume(0.5);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(output.Start());
        EXPECT_EQ(MIX_MAX_VOLUME / 2, Mix_VolumeMusic(-1));
        output.Stop();
    }
}

TEST_F(SdlMusic, OnlyWaveDataPlays) {
    std::ofstream(Path("text.wav")) << "not music\n";
    std::ofstream(Path("cut.wav")) << "RIFF";
    testing::WriteToneWave(Path("bgm.wav"), 0.1);
    SdlMusicOutput output;
    for (const char* name : {"text.wav", "cut.wav", "missing.wav"}) EXPECT_FALSE(output.Open(Path(name))) << name;
    EXPECT_TRUE(output.Open(Path("bgm.wav")));
}

TEST_F(SdlMusic, WithoutASoundDeviceSaysSoAndPrintsNothing) {
    // ALSA with no configuration finds no device whatever the machine has,
    // and complains about it on standard error unless told not to.
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("ALSA_CONFIG_PATH", Path("no-alsa.conf").c_str(), 1);
    testing::WriteToneWave(Path("bgm.wav"), 0.1);
    ::testing::internal::CaptureStderr();
    {
        SdlMusicOutput output;
        EXPECT_FALSE(output.Open(Path("bgm.wav")));
    }
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());
}

}  // namespace
}  // namespace qm::music
