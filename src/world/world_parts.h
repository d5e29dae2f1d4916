#pragma once
// The parts of the world the player made, kept as four parallel lists:
// the line the player reads, the name, the emotion counts and the race.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

class Form;

inline constexpr int kEmotions = 5;
inline constexpr int kRaces = 3;

struct WorldPart {
    std::string name;
    std::array<int, kEmotions> counts{};  // by emotion: 喜 怒 哀 楽 愛
    int race = 0;                         // 生物, 植物, 鉱物
};

// The emotion number at the start of an item row ("2 哀"); -1 if none.
int EmotionOfItem(std::string_view item);

void AppendWorldPart(Form& form, const WorldPart& part);

// The parts in the order they were made. A row that does not read as a
// number counts 0, as the game has always read these lists.
std::vector<WorldPart> WorldPartsOf(const Form& form);

}  // namespace qm
