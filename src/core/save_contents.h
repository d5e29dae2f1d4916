#pragma once
// What the save slot holds, file by file: all.dat (the numbers), lstkan.dat
// (emotion items), lstitem.dat (the dish) and lstworld.dat (world parts,
// their four columns joined by ",").

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/file_set.h"
#include "core/text_files.h"
#include "world/world_parts.h"

namespace qm {

struct GameState;

struct SavedGame {
    std::array<std::int16_t, 8> affection{};
    std::int16_t pointsUsed = 0;
    std::int16_t pointLimit = 0;
    std::array<std::array<std::int16_t, 3>, 3> slotColour{};
    std::uint8_t selectedSlot = 1;
    std::array<std::int16_t, 8> soloCount{};
    std::size_t soloCountsRead = 0;  // older saves end before the solo counts
    std::vector<EmotionItem> items;
    std::vector<EmotionItem> dish;
    std::vector<WorldPart> world;
};

// Which file and line is wrong, and how.
struct LoadProblem {
    std::string where;
    std::string what;
};

std::vector<std::string> SaveFileNames();
std::vector<FileLines> SaveFilesOf(const GameState& state);
std::variant<SavedGame, LoadProblem> ReadSavedGame(TextFiles& files, int number, const std::string& folder);

}  // namespace qm
