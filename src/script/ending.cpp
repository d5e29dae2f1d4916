#include "script/ending.h"

#include <string>

#include "core/game.h"
#include "core/lifecycle.h"
#include "script/event_start.h"

namespace qm {

bool SpendPoints(Game& game, std::int16_t cost) {
    GameState& s = game.state;
    Form& form = game.form;
    s.PointsUsed += cost;
    form.LblPC.caption = std::to_string(s.PointsUsed);
    if (s.PointsUsed < s.PointLimit) return false;
    for (Control* panel : {&form.GrpColor, &form.GrpCom, &form.GrpKan, &form.PicIvent}) panel->visible = false;
    StartEvent(game, "end");
    return true;
}

int BestLovedFairy(const std::array<std::int16_t, 8>& affection) {
    int best = 0;
    for (int fairy = 1; fairy < static_cast<int>(affection.size()); ++fairy)
        if (affection[fairy] >= affection[best]) best = fairy;
    return best;
}

void ComEnd_Click(Game& game, int) { ResetGame(game); }

}  // namespace qm
