#pragma once
// The emotion items the player collects and the parts of the world made of
// them: what the game reasons with, and the rows the lists show and the
// save keeps.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr int kEmotions = 5;
inline constexpr int kRaces = 3;

// The races as the option buttons and the finished parts name them.
inline constexpr std::array<std::string_view, kRaces> kRaceNames = {"生物", "植物", "鉱物"};

// An emotion item, collected or in the mixing dish.
struct EmotionItem {
    int emotion = -1;  // 0..4 for 喜 怒 哀 楽 愛; -1 when the row names none
    std::string row;   // "2 哀", as the lists show it and the save keeps it
};

// The item an event awards.
EmotionItem MakeItem(int emotion, std::string_view emotionName);

// An item as a save holds it. The row is kept byte for byte whatever it
// says, and its emotion read from it as the game always has.
EmotionItem ItemOfRow(std::string row);

// The emotion number at the start of an item row ("2 哀"); -1 if none.
int EmotionOfItem(std::string_view item);

// The four columns of a world part, as the lists of finished parts and
// lstworld.dat hold them: the row the player reads, the name, the five
// emotion counts and the race number.
using WorldColumns = std::array<std::string, 4>;

struct WorldPart {
    std::string name;
    std::array<int, kEmotions> counts{};  // by emotion: 喜 怒 哀 楽 愛
    int race = 0;                         // 生物, 植物, 鉱物
    // The columns of a part read from a save, exactly as the file held them.
    // An older or damaged save may hold anything there ("A,B,C,D"), and it
    // is written back byte for byte; the values above are read from these
    // columns. A part made in this run has none: its columns follow from its
    // values.
    std::optional<WorldColumns> saved;
};

WorldColumns ColumnsOf(const WorldPart& part);

// A part as a save holds it. A column that does not read as a number
// counts 0, as the game has always read these lists.
WorldPart WorldPartOf(WorldColumns columns);

}  // namespace qm
