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
#include "core/world_parts.h"

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
    enum class Fault {
        Unreadable,    // the file cannot be read
        TooFewLines,   // fewer than `needed` lines
        OutOfRange,    // the number on `line` lies outside lowest..highest
        TooFewFields,  // the line `line` has fewer than `needed` fields
        Unfinished,    // a save cut short that cannot be moved into place
    };
    Fault fault;
    std::string path{};
    int line = 0;  // counted from 1; 0 when the file as a whole is wrong
    int needed = 0;
    int lowest = 0, highest = 0;
};

std::vector<std::string> SaveFileNames();
std::vector<FileLines> SaveFilesOf(const GameState& state);
std::variant<SavedGame, LoadProblem> ReadSavedGame(TextFiles& files, int number, const std::string& folder);

}  // namespace qm
