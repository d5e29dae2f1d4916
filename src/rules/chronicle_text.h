#pragma once
// The chronicle's text: the history of the world the player made, told
// part by part from the tables of sentences, with the draws that decide
// which of them happen.

#include <array>
#include <string>
#include <vector>

#include "core/world_parts.h"

namespace qm {

class RandomSource;

// The emotion with the largest count; a tie goes to the higher emotion.
// The world's own emotion follows the same rule over its tally.
int DominantEmotion(const std::array<int, kEmotions>& counts);
// The emotion with the smallest count; a tie goes to the higher emotion.
int LeastEmotion(const std::array<int, kEmotions>& counts);

// The chronicle's text. Creatures draw once, plants five times and
// minerals three times; the first part never draws.
std::string ComposeChronicle(const std::vector<WorldPart>& parts, RandomSource& random);

}  // namespace qm
