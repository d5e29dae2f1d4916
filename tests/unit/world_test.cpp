// The world the player makes: names of parts, the rows they are kept in,
// and the chronicle told of them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/random_source.h"
#include "fake_game.h"
#include "world/chronicle.h"
#include "world/mixing_dish.h"
#include "world/world_parts.h"

namespace qm {
namespace {

constexpr const char* kEnding =
    "\r\n\r\n\r\nその星は、愛に満ちた星だった。生き物たちは、互いに助け合い、愛し合い、命を紡いでいった。"
    "\r\n\r\nそして星がどうなったのかは・・・誰も知らない。";

TEST(WorldNames, AreThreeOrFourLettersAndNeverTheLongVowelMark) {
    RandomSource random;
    random.Seed(7);
    const std::string alphabet =
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん";
    for (int i = 0; i < 2000; ++i) {
        const std::string name = MakeName(random, 3 + i % 2);
        ASSERT_EQ((3 + i % 2) * 3u, name.size());
        for (std::size_t at = 0; at < name.size(); at += 3)
            ASSERT_NE(std::string::npos, alphabet.find(name.substr(at, 3))) << name;
    }
}

TEST(WorldParts, AreSavedInFourColumnsAndReadBack) {
    const WorldPart made{"ぬほら", {2, 0, 1, 0, 3}, 2};
    const WorldColumns columns = ColumnsOf(made);
    EXPECT_EQ((WorldColumns{"ぬほら【鉱物】", "ぬほら", "2 0 1 0 3", "2"}), columns);
    const WorldPart read = WorldPartOf(columns);
    EXPECT_EQ("ぬほら", read.name);
    EXPECT_EQ(made.counts, read.counts);
    EXPECT_EQ(2, read.race);
    EXPECT_EQ(3, EmotionOfItem("3 楽"));
    EXPECT_EQ(-1, EmotionOfItem("x 楽"));
}

// Whatever a damaged or older save holds in its four columns is written
// back as it was, and read as numbers as the game always has.
TEST(WorldParts, KeepOddColumnsFromASaveByteForByte) {
    const WorldColumns odd = {"A", "B", "1  2 x 9e0 7 8", "2.5"};
    const WorldPart part = WorldPartOf(odd);
    EXPECT_EQ(odd, ColumnsOf(part));
    EXPECT_EQ("B", part.name);
    EXPECT_EQ((std::array<int, 5>{1, 0, 2, 0, 9}), part.counts);  // a blank between two blanks counts too
    EXPECT_EQ(2, part.race);                                      // halves go to the even neighbour
    const EmotionItem item = ItemOfRow("7 x");
    EXPECT_EQ(7, item.emotion);
    EXPECT_EQ("7 x", item.row);
    EXPECT_EQ("2 哀", MakeItem(2, "哀").row);
}

TEST(Chronicle, EmotionsTieToTheHigherOne) {
    EXPECT_EQ(1, DominantEmotion({2, 2, 0, 0, 0}));
    EXPECT_EQ(4, LeastEmotion({2, 2, 0, 0, 0}));
    EXPECT_EQ(4, DominantEmotion({0, 0, 0, 0, 0}));
    EXPECT_EQ(4, LeastEmotion({0, 0, 0, 0, 0}));
    EXPECT_EQ(0, DominantEmotion({10, 9, 0, 0, 0}));
}

TEST(Chronicle, AnEmptyWorldAndAOnePartWorld) {
    RandomSource random;
    EXPECT_EQ("その星には、何もなかった。\r\n笑いも、涙も、命も無かった・・・\r\n冷めて、ただ、くるくる回っていた・・",
              ComposeChronicle({}, random));
    // The first part never counts: a one-part world is a world of love.
    EXPECT_EQ(std::string("はじめに・・・Xがあった・・・") + kEnding,
              ComposeChronicle({{"X", {9, 0, 0, 0, 0}, 0}}, random));
}

// Each later part draws a fixed number of times by its race: a creature
// once, a plant five times, a mineral three times.
TEST(Chronicle, DrawsAFixedNumberOfTimesPerRace) {
    const std::vector<WorldPart> world = {
        {"あ", {1, 0, 0, 0, 0}, 2}, {"い", {0, 1, 0, 0, 0}, 0}, {"う", {0, 0, 1, 0, 0}, 1}, {"え", {0, 0, 0, 0, 4}, 2}};
    RandomSource used, expected;
    used.Seed(11);
    expected.Seed(11);
    ComposeChronicle(world, used);
    for (int i = 0; i < 1 + 5 + 3; ++i) expected.Next();
    EXPECT_EQ(expected.Next(), used.Next());
}

TEST(Chronicle, TellsEachRaceByItsTables) {
    RandomSource random;
    // A mineral of love: its line has a blank after the name.
    std::string text = ComposeChronicle({{"あ", {}, 0}, {"えお", {0, 0, 0, 0, 1}, 2}}, random);
    EXPECT_NE(std::string::npos, text.find("\r\nえお は愛をもった神だった。"));
    // A creature whose dominant emotion the part before had more of gets no
    // relation sentence, but still its trait.
    text = ComposeChronicle({{"あ", {0, 0, 5, 0, 0}, 1}, {"か", {0, 0, 1, 0, 0}, 0}}, random);
    EXPECT_EQ(std::string::npos, text.find("かはあを見ると"));
    EXPECT_NE(std::string::npos, text.find("\r\nかは哀しみを感じやすい種族だった。"));
    text = ComposeChronicle({{"あ", {0, 0, 1, 0, 0}, 1}, {"か", {0, 0, 1, 0, 0}, 0}}, random);
    EXPECT_NE(std::string::npos,
              text.find("\r\nかはあを見ると、なんだか感動するらしかった。\r\n畏怖の守護神として、あを大切にした。"));
}

// A fixed world and seed always tell the same history.
TEST(Chronicle, MatchesTheGoldenTextForAFixedSeed) {
    const std::vector<WorldPart> world = {
        {"ぬほら", {2, 0, 1, 0, 3}, 1}, {"きさ", {0, 3, 0, 1, 0}, 0}, {"もりこ", {1, 1, 1, 1, 1}, 2},
        {"たに", {0, 0, 2, 0, 0}, 0},   {"せゆ", {0, 0, 0, 4, 1}, 1}, {"れん", {5, 0, 0, 0, 0}, 0},
        {"みるか", {0, 2, 0, 0, 0}, 2}, {"はね", {0, 0, 0, 0, 2}, 0},
    };
    RandomSource random;
    random.Seed(20261207);
    std::ifstream golden(std::filesystem::path(GOLDEN_DIR) / "chronicle.txt", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(golden), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, ComposeChronicle(world, random));
}

}  // namespace
}  // namespace qm
