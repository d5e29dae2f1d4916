#pragma once
// The mixing dish: emotion items go in one at a time, and everything in the
// dish becomes a named part of the world, of the chosen race.

#include <string>
#include <vector>

#include "world/world_parts.h"

namespace qm {

class Form;
class Game;
class RandomSource;
struct GameState;

// KanComSet(0) moves the chosen item into the dish (5 points); KanComSet(1)
// makes a world part of the dish (10 points).
void KanComSet_Click(Game& game, int index);

// Chooses the race of the parts to come.
void OptKan_Click(Game& game, int index);

// A name of `length` letters from the name alphabet, never its last "ー".
std::string MakeName(RandomSource& random, int length);

// New contents for the items, the dish and the world, as a new game or a
// load brings them: no row of their lists stays chosen.
void ReplaceEmotionLists(Game& game, std::vector<EmotionItem> items, std::vector<EmotionItem> dish,
                         std::vector<WorldPart> world);

// The lists of the items, the dish and the world parts: the row the player
// reads in LstWorldItem(0), the other columns in the hidden lists beside it.
void ShowEmotionLists(const GameState& state, Form& form);

}  // namespace qm
