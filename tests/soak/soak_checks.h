#pragma once
// What must hold after every action of a soak, whatever the player did.

#include <optional>
#include <string>
#include <vector>

namespace qm {
class Game;
}

namespace qm::soak {

// The game as it stood after the previous action.
struct Before {
    int pointsUsed = 0;
    std::vector<std::string> register_;
};

Before Remember(const Game& game);

// The first broken rule, if any: the four world lists stay aligned, the
// points never go down but by a reset or a load, at most one event file is
// open, the register only grows, and every message box is one the game
// shows in play.
std::optional<std::string> Broken(const Game& game, const Before& before, const std::string& action,
                                  const std::vector<std::string>& messages);

}  // namespace qm::soak
