#pragma once
// An event that could not run: its file is missing or empty, or events
// started one another too many times over. A missing event comes with the
// main game values of the moment, for the player to send to us.

#include <array>
#include <cstdint>
#include <string>

namespace qm {

struct GameState;

struct EventProblem {
    enum class Fault { Missing, ChainTooLong };
    Fault fault;
    std::string name{};
    int nestedStarts = 0;  // ChainTooLong: how many starts nested
    // Missing: what the report shows.
    std::array<std::int16_t, 8> affection{};
    std::array<std::int16_t, 8> soloCount{};
    std::array<std::array<std::int16_t, 3>, 3> slotColour{};  // [slot][red, green, blue]
    std::array<std::int16_t, 3> metFairy{};
    std::string eventPicture{};
};

EventProblem MissingEvent(const GameState& state, const std::string& name);

}  // namespace qm
