// How notes become sound: length, envelopes, chords, rests, gains, timbres
// and dynamics.

#include "synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <sstream>

#include "sound_measures.h"

namespace qm::bgm {
namespace {

constexpr int kRate = 22050;

std::vector<std::int16_t> RenderText(const std::string& text) {
    std::istringstream in(text);
    return Render(ParseScore(in), kRate);
}

int Loudest(const std::vector<std::int16_t>& samples, double fromSecond, double toSecond) {
    int loudest = 0;
    for (size_t i = size_t(fromSecond * kRate); i < size_t(toSecond * kRate); ++i)
        loudest = std::max(loudest, std::abs(int(samples[i])));
    return loudest;
}

TEST(SynthTest, LengthFollowsTheTempo) {
    const std::vector<std::int16_t> samples = RenderText("tempo 120\nvoice a 1 ring 0\nA4 3\n- 1\n");
    EXPECT_EQ(samples.size(), size_t(2 * kRate));  // four beats of half a second
    EXPECT_GT(Loudest(samples, 0, 1.5), 1000);
}

TEST(SynthTest, NotesRiseAndDieAwaySoftly) {
    const std::vector<std::int16_t> samples = RenderText("tempo 60\nvoice a 1 ring 0.5\nA5 1\n- 1\n");
    // No step at the start of a note or at the end of its ringing...
    EXPECT_EQ(samples.front(), 0);
    EXPECT_LT(std::abs(samples[1]), 50);
    EXPECT_EQ(samples[size_t(1.5 * kRate) - 1], 0);
    // ...and still sounding after its written end, then silence.
    EXPECT_GT(Loudest(samples, 1.1, 1.2), 100);
    EXPECT_EQ(Loudest(samples, 1.5, 2), 0);
}

TEST(SynthTest, AChordSoundsAsItsNotesInVoicesOfTheirOwn) {
    const std::vector<std::int16_t> chord = RenderText("tempo 90\nvoice a 1 ring 0\nC4+E4+G4 2\n");
    const std::vector<std::int16_t> voices =
        RenderText("tempo 90\nvoice c 1 ring 0\nC4 2\nvoice e 1 ring 0\nE4 2\nvoice g 1 ring 0\nG4 2\n");
    ASSERT_EQ(chord.size(), voices.size());
    int largestDifference = 0;
    for (size_t i = 0; i < chord.size(); ++i)
        largestDifference = std::max(largestDifference, std::abs(chord[i] - voices[i]));
    EXPECT_LE(largestDifference, 1);
}

TEST(SynthTest, VoicesKeepTheirGainsAndRestsAreSilent) {
    const std::vector<std::int16_t> samples =
        RenderText("tempo 60\nvoice loud 1 ring 0\nA4 1\n- 3\nvoice soft 0.25 ring 0\n- 2\nA4 1\n- 1\n");
    const double ratio = double(Loudest(samples, 0, 1)) / Loudest(samples, 2, 3);
    EXPECT_NEAR(ratio, 4, 0.05);
    EXPECT_EQ(Loudest(samples, 1.3, 2), 0);
    EXPECT_EQ(Loudest(samples, 3.3, 4), 0);
}

TEST(SynthTest, DynamicsScaleTheirNotes) {
    const std::vector<std::int16_t> samples = RenderText("tempo 60\nvoice a 1 ring 0\nA4 1 - 1\ndynamic p\nA4 1 - 1\n");
    EXPECT_NEAR(double(Loudest(samples, 2, 3)) / Loudest(samples, 0, 1), DynamicLevel("p"), 0.01);
}

std::vector<std::int16_t> OneNote(const std::string& tone, const std::string& pitch) {
    return RenderText("tempo 60\nvoice a 1 ring 0 tone " + tone + "\n" + pitch + " 2\n");
}

TEST(SynthTest, HarpAndBellShineWhereTheStringIsDark) {
    const double string = testing::ShareAbove(OneNote("string", "A4"), kRate, 2000);
    EXPECT_LT(string, 0.001);
    EXPECT_GT(testing::ShareAbove(OneNote("harp", "A4"), kRate, 2000), 20 * string);
    EXPECT_GT(testing::ShareAbove(OneNote("bell", "A4"), kRate, 2000), 20 * string);
}

TEST(SynthTest, APadHoldsItsNoteWhereAStruckNoteFades) {
    const std::vector<std::int16_t> pad = OneNote("pad", "A4"), bell = OneNote("bell", "A4");
    EXPECT_NEAR(double(Loudest(pad, 1.2, 1.3)) / Loudest(pad, 0.5, 0.6), 1, 0.1);
    EXPECT_LT(double(Loudest(bell, 1.2, 1.3)) / Loudest(bell, 0.5, 0.6), 0.8);
    // Its swell takes a moment, where a struck note speaks at once.
    EXPECT_LT(Loudest(pad, 0, 0.05), Loudest(pad, 0.5, 0.6) / 4);
    EXPECT_GT(Loudest(bell, 0, 0.05), Loudest(bell, 0.5, 0.6));
}

// How strongly one frequency sounds through the whole of samples.
double AmplitudeAt(const std::vector<std::int16_t>& samples, double hz) {
    std::complex<double> sum = 0;
    for (size_t n = 0; n < samples.size(); ++n) sum += double(samples[n]) * std::polar(1.0, -2 * M_PI * hz * n / kRate);
    return std::abs(sum) / samples.size();
}

// A bell's upper partials on a high note lie above what the sample rate
// holds; kept, they would sound as wrong notes folded back below it.
TEST(SynthTest, PartialsTooHighForTheSampleRateAreLeftOut) {
    const std::vector<std::int16_t> high = OneNote("bell", "C7");
    const double fundamental = PitchFrequency("C7");
    const double folded = kRate - 8.93 * fundamental;  // 3360 Hz
    EXPECT_LT(AmplitudeAt(high, folded), 0.002 * AmplitudeAt(high, fundamental));
    EXPECT_GT(AmplitudeAt(high, 2.76 * fundamental), 0.02 * AmplitudeAt(high, fundamental));
}

}  // namespace
}  // namespace qm::bgm
