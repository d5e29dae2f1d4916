#pragma once
// Random player actions: what a player could do next on the screen as it
// stands, drawn with weights that keep a game moving (the text timer and
// the speech text most often).

#include <random>
#include <string>

namespace qm {
class Game;
}

namespace qm::soak {

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : random_(seed) {}

    // Performs one action and returns how it reads, as a driver line
    // ("click Com(3)", "tick TimSay").
    std::string Act(Game& game, bool menuOpen);

private:
    std::string ActOnControl(Game& game);
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::mt19937 random_;
};

// Actions after which the points may go down: a reset or a load.
bool MayLowerPoints(const std::string& action);

}  // namespace qm::soak
