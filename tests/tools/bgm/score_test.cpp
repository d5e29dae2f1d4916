#include "score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace qm::bgm {
namespace {

Score Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseScore(in);
}

// The line a mistake is reported on, or 0 if the score is accepted.
int ErrorLine(const std::string& text) {
    try {
        Parse(text);
    } catch (const ScoreError& e) {
        return e.line();
    }
    return 0;
}

TEST(PitchTest, NamesGiveEqualTemperedFrequencies) {
    EXPECT_DOUBLE_EQ(PitchFrequency("A4"), 440.0);
    EXPECT_NEAR(PitchFrequency("C4"), 261.626, 0.001);
    EXPECT_NEAR(PitchFrequency("C5"), 2 * PitchFrequency("C4"), 1e-9);
    EXPECT_NEAR(PitchFrequency("Bb3"), PitchFrequency("A#3"), 1e-9);
    EXPECT_NEAR(PitchFrequency("F#2"), 92.499, 0.001);
    for (const char* bad : {"", "A", "H4", "a4", "Ax4", "A#", "A44", "C9"}) EXPECT_EQ(PitchFrequency(bad), 0) << bad;
}

TEST(ScoreTest, VoicesPlayTogetherAndTheirNotesFollowOneAnother) {
    const Score score = Parse(
        "# a comment line\n"
        "tempo 120\n"
        "voice tune 0.5 ring 0\n"
        "C4 1   # a note\n"
        "- 0.5\n"
        "C4+E4+G4 2.5\n"
        "\n"
        "voice low 0.25 ring 1\n"
        "C3 3\n"
        "- 1\n");
    EXPECT_EQ(score.tempo, 120);
    EXPECT_EQ(score.beats, 4);
    EXPECT_DOUBLE_EQ(score.Seconds(score.beats), 2.0);
    ASSERT_EQ(score.voices.size(), 2u);
    const Voice& tune = score.voices[0];
    EXPECT_EQ(tune.name, "tune");
    EXPECT_EQ(tune.gain, 0.5);
    ASSERT_EQ(tune.notes.size(), 3u);
    EXPECT_EQ(tune.notes[1].start, 1);
    EXPECT_TRUE(tune.notes[1].frequencies.empty());
    EXPECT_EQ(tune.notes[2].start, 1.5);
    EXPECT_EQ(tune.notes[2].frequencies.size(), 3u);
    EXPECT_EQ(score.voices[1].ring, 1);
    EXPECT_EQ(score.voices[1].notes[0].start, 0);
}

TEST(ScoreTest, ALineMayHoldABarOfNotesAndSharpsAreNotComments) {
    const Score score = Parse(
        "tempo 90\n"
        "voice tune 1 ring 0 tone harp\n"
        "F#4 1 - 0.5 C#5+A4 1.5  # one bar\n"
        "#C4 1 (a comment)\n");
    ASSERT_EQ(score.voices[0].notes.size(), 3u);
    EXPECT_EQ(score.voices[0].tone, "harp");
    EXPECT_NEAR(score.voices[0].notes[0].frequencies[0], PitchFrequency("F#4"), 1e-9);
    EXPECT_TRUE(score.voices[0].notes[1].frequencies.empty());
    EXPECT_EQ(score.voices[0].notes[2].start, 1.5);
    EXPECT_EQ(score.beats, 3);
}

std::vector<double> Levels(const Voice& voice) {
    std::vector<double> levels;
    for (const Note& note : voice.notes) levels.push_back(note.level);
    return levels;
}

TEST(ScoreTest, DynamicsSetTheLevelOfTheNotesThatFollow) {
    const Score score = Parse(
        "tempo 60\n"
        "voice a 1 ring 0\n"
        "C4 1\n"
        "dynamic p\n"
        "C4 1 C4 1\n"
        "dynamic f over 4\n"
        "C4 1 C4 1 C4 1 C4 1 C4 1 C4 1\n"
        "voice b 1 ring 0\n"
        "C4 9\n");
    const std::vector<double> a = Levels(score.voices[0]);
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a[0], 1);  // ff until the first mark
    EXPECT_EQ(a[1], DynamicLevel("p"));
    EXPECT_EQ(a[2], DynamicLevel("p"));
    // The hairpin swells evenly in decibels, then holds its mark.
    EXPECT_DOUBLE_EQ(a[3], DynamicLevel("p"));
    EXPECT_NEAR(a[5], std::sqrt(DynamicLevel("p") * DynamicLevel("f")), 1e-9);
    EXPECT_DOUBLE_EQ(a[7], DynamicLevel("f"));
    EXPECT_DOUBLE_EQ(a[8], DynamicLevel("f"));
    for (size_t i = 4; i < 7; ++i) EXPECT_LT(a[i - 1], a[i]);
    // Each voice starts at ff again.
    EXPECT_EQ(score.voices[1].notes[0].level, 1);
    for (const char* mark : {"pp", "p", "mp", "mf", "f"}) EXPECT_LT(DynamicLevel(mark), 1) << mark;
    EXPECT_EQ(DynamicLevel("fff"), 0);
}

TEST(ScoreTest, MistakesAreReportedWithTheirLine) {
    const std::string head = "tempo 90\nvoice a 1 ring 0\n";
    EXPECT_EQ(ErrorLine(head + "C4 1\nH4 1\n"), 4);
    EXPECT_EQ(ErrorLine(head + "C4+X4 1\n"), 3);
    EXPECT_EQ(ErrorLine(head + "C4\n"), 3);
    EXPECT_EQ(ErrorLine(head + "C4 0\n"), 3);
    EXPECT_EQ(ErrorLine(head + "C4 1 loud\n"), 3);
    EXPECT_EQ(ErrorLine("tempo 90\nC4 1\n"), 2);
    EXPECT_EQ(ErrorLine("tempo 90\nvoice a 1 ring\n"), 2);
    EXPECT_EQ(ErrorLine("tempo fast\n"), 1);
    EXPECT_EQ(ErrorLine("voice a 1 ring 0\nC4 1\n"), 2);
    EXPECT_EQ(ErrorLine("tempo 90\n"), 1);
    EXPECT_EQ(ErrorLine(head + "C4 1 D4\n"), 3);
    EXPECT_EQ(ErrorLine("tempo 90\nvoice a 1 ring 0 tone kazoo\nC4 1\n"), 2);
    EXPECT_EQ(ErrorLine("tempo 90\nvoice a 1 ring 0 timbre harp\nC4 1\n"), 2);
    EXPECT_EQ(ErrorLine(head + "dynamic loud\nC4 1\n"), 3);
    EXPECT_EQ(ErrorLine(head + "dynamic p over\nC4 1\n"), 3);
    EXPECT_EQ(ErrorLine(head + "dynamic p over 0\nC4 1\n"), 3);
    EXPECT_EQ(ErrorLine(head + "dynamic p in 2\nC4 1\n"), 3);
    EXPECT_EQ(ErrorLine("tempo 90\ndynamic p\n"), 2);
}

TEST(ScoreTest, ThePieceMustEndInSilence) {
    // Voices of different lengths would leave one of them cut off.
    EXPECT_EQ(ErrorLine("tempo 90\nvoice a 1 ring 0\nC4 2\nvoice b 1 ring 0\nC4 1\n"), 5);
    // A note ringing past the end would click when the piece starts again.
    EXPECT_EQ(ErrorLine("tempo 90\nvoice a 1 ring 1\nC4 1\nD4 1\n- 0.5\n"), 4);
    EXPECT_EQ(ErrorLine("tempo 90\nvoice a 1 ring 1\nC4 1\nD4 1\n- 1\n"), 0);
}

}  // namespace
}  // namespace qm::bgm
