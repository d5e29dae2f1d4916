#pragma once
// The mixing dish: emotion items go in one at a time, and everything in the
// dish becomes a named part of the world, of the chosen race.

#include <string>

namespace qm {

class Game;
class RandomSource;

// KanComSet(0) moves the chosen item into the dish (5 points); KanComSet(1)
// makes a world part of the dish (10 points).
void KanComSet_Click(Game& game, int index);

// Chooses the race of the parts to come.
void OptKan_Click(Game& game, int index);

// A name of `length` letters from the name alphabet, never its last "ー".
std::string MakeName(RandomSource& random, int length);

}  // namespace qm
