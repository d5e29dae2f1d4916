#include "script/ending.h"

#include <string>

#include "core/game.h"
#include "core/lifecycle.h"
#include "script/event_start.h"

namespace qm {

bool SpendPoints(Game& game, std::int16_t cost) {
    GameState& s = game.state;
    s.PointsUsed += cost;
    if (s.PointsUsed < s.PointLimit) return false;
    s.Shown.Workshop = s.Shown.Commands = s.Shown.Dish = s.Shown.Viewer = false;
    StartEvent(game, "end");
    return true;
}

void ShowPoints(const GameState& state, Form& form) { form.LblPC.caption = std::to_string(state.PointsUsed); }

int BestLovedFairy(const std::array<std::int16_t, 8>& affection) {
    int best = 0;
    for (int fairy = 1; fairy < static_cast<int>(affection.size()); ++fairy)
        if (affection[fairy] >= affection[best]) best = fairy;
    return best;
}

void ComEnd_Click(Game& game, int) { ResetGame(game); }

}  // namespace qm
