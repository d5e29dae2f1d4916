// The synthesised music as a file: a WAV the game can open, of the right
// length, that loops without a click.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "score.h"
#include "sound_measures.h"
#include "synth.h"
#include "wav.h"

namespace qm::bgm {
namespace {

constexpr int kRate = 22050;

std::uint32_t Number(const std::string& bytes, size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

Score ShippedScore() {
    std::ifstream in(BGM_SCORE);
    return ParseScore(in);
}

TEST(MusicFileTest, HeaderDescribesSixteenBitMonoPcm) {
    const std::vector<std::int16_t> samples = {0, 1000, -1000, 32767, -32768};
    std::ostringstream out;
    WriteWav(out, samples, kRate);
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 44 + 2 * samples.size());
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Number(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Number(bytes, 16, 4), 16u);
    EXPECT_EQ(Number(bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(Number(bytes, 22, 2), 1u);  // mono
    EXPECT_EQ(Number(bytes, 24, 4), std::uint32_t(kRate));
    EXPECT_EQ(Number(bytes, 28, 4), std::uint32_t(kRate * 2));
    EXPECT_EQ(Number(bytes, 32, 2), 2u);
    EXPECT_EQ(Number(bytes, 34, 2), 16u);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Number(bytes, 40, 4), 2 * samples.size());
    EXPECT_EQ(std::int16_t(Number(bytes, 44 + 2, 2)), 1000);
    EXPECT_EQ(std::int16_t(Number(bytes, 44 + 8, 2)), -32768);
}

TEST(MusicFileTest, ShippedMusicLastsTwoToThreeMinutesInUnderSixMegabytesAndLoopsInSilence) {
    const std::vector<std::int16_t> samples = Render(ShippedScore(), kRate);
    const double seconds = double(samples.size()) / kRate;
    EXPECT_GE(seconds, 120);
    EXPECT_LE(seconds, 180);
    std::ostringstream file;
    WriteWav(file, samples, kRate);
    EXPECT_LT(file.str().size(), 6'000'000u);
    // Where the end meets the start again, both are silent.
    EXPECT_LE(std::abs(samples.front()), 16);
    EXPECT_LE(std::abs(samples.back()), 16);
    EXPECT_LE(std::abs(samples.back() - samples.front()), 16);
    const auto loudest =
        std::max_element(samples.begin(), samples.end(), [](int a, int b) { return std::abs(a) < std::abs(b); });
    EXPECT_GT(std::abs(*loudest), 8000);
    EXPECT_LT(std::abs(*loudest), 32767);
}

// Quiet parts and loud ones, not one level throughout; and a clear, bright
// sound rather than a muffled one.
TEST(MusicFileTest, ShippedMusicHasDynamicsAndBrightness) {
    const std::vector<std::int16_t> samples = Render(ShippedScore(), kRate);
    std::vector<double> levels = testing::SecondLevels(samples, kRate);
    // Leave out the seconds where the loop meets itself in silence.
    levels = std::vector<double>(levels.begin() + 2, levels.end() - 2);
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_GE(*loudest - *quietest, 8);
    EXPECT_GT(testing::ShareAbove(samples, kRate, 2000), 0.02);
}

}  // namespace
}  // namespace qm::bgm
