#include "script/ending.h"

#include <string>

#include "game/game.h"
#include "game/lifecycle.h"
#include "rules/points.h"
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

void ComEnd_Click(Game& game, int) { ResetGame(game); }

void InstallEnding(Form& form) {
    form.ComEnd.on.click = ComEnd_Click;
}

}  // namespace qm
