// Which fairy a colour attracts, and when the black fairy is willing.

#include <gtest/gtest.h>

#include "colour/fairy_encounter.h"
#include "fake_game.h"
#include "rules/fairy_regions.h"

namespace qm {
namespace {

TEST(Outing, EachColourGoesToTheFirstFittingFairy) {
    EXPECT_EQ(0, FairyOfColour(255, 255, 255, false));
    EXPECT_EQ(1, FairyOfColour(1, 200, 1, false));
    EXPECT_EQ(3, FairyOfColour(1, 1, 151, false));
    EXPECT_EQ(4, FairyOfColour(200, 200, 149, false));
    EXPECT_EQ(5, FairyOfColour(151, 1, 151, false));
    EXPECT_EQ(6, FairyOfColour(1, 151, 151, false));
    EXPECT_EQ(7, FairyOfColour(149, 149, 149, false));
    // 150 is both high and low: number order decides.
    EXPECT_EQ(0, FairyOfColour(150, 150, 150, false));
    EXPECT_EQ(2, FairyOfColour(200, 150, 100, false));
    EXPECT_EQ(1, FairyOfColour(150, 200, 100, false));
    // A cleared slot is black; once the black fairy came, nobody else wants it.
    EXPECT_EQ(7, FairyOfColour(0, 0, 0, false));
    EXPECT_EQ(-1, FairyOfColour(0, 0, 0, true));
    EXPECT_EQ(2, FairyOfColour(150, 0, 0, true));
}

TEST(Outing, TheBlackFairyWantsEveryoneMetAndGabugabuThrice) {
    EXPECT_FALSE(BlackFairyWilling({1, 1, 2, 1, 1, 1, 1, 0}));
    EXPECT_TRUE(BlackFairyWilling({1, 1, 3, 1, 1, 1, 1, 0}));
    EXPECT_FALSE(BlackFairyWilling({1, 1, 3, 1, 1, 1, 0, 5}));
}

// Affection a save may hold at the top of its range stays there; it never
// wraps round to the bottom.
TEST(Outing, AffectionAtTheTopOfItsRangeStaysThere) {
    testing::FakeGame fake;
    GameState& s = fake.game.state;
    s.SlotColour = {{{255, 255, 255}, {1, 200, 1}, {1, 1, 151}}};  // fairies 0, 1 and 3
    s.Affection[0] = 32767;
    GoOut(fake.game);
    EXPECT_EQ(32767, s.Affection[0]);
    EXPECT_EQ(1, s.Affection[1]);
}

}  // namespace
}  // namespace qm
