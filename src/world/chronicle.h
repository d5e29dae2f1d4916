#pragma once
// The world chronicle that closes a game: the history of the world the
// player made in the mixing dish, told part by part.

#include <array>
#include <string>
#include <vector>

#include "world/world_parts.h"

namespace qm {

class Form;
class Game;
class RandomSource;
struct GameState;

// The emotion with the largest count; a tie goes to the higher emotion.
// The world's own emotion follows the same rule over its tally.
int DominantEmotion(const std::array<int, kEmotions>& counts);
// The emotion with the smallest count; a tie goes to the higher emotion.
int LeastEmotion(const std::array<int, kEmotions>& counts);

// The chronicle's text. Creatures draw once, plants five times and
// minerals three times; the first part never draws.
std::string ComposeChronicle(const std::vector<WorldPart>& parts, RandomSource& random);

// Puts the working screen away and shows the chronicle over the scene
// "par", with the button back to the title.
void WriteChronicle(Game& game);

// The text box of the chronicle.
void ShowChronicle(const GameState& state, Form& form);

}  // namespace qm
