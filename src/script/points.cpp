#include "script/points.h"

#include <string>

#include "core/game.h"

namespace qm {

bool SpendPoints(Game& game, std::int16_t cost) {
    GameState& s = game.state;
    Form& form = game.form;
    s.PointsUsed = static_cast<std::int16_t>(s.PointsUsed + cost);
    form.LblPC.caption = std::to_string(s.PointsUsed);
    if (s.PointsUsed < s.PointLimit) return false;
    for (Control* panel : {&form.GrpColor, &form.GrpCom, &form.GrpKan, &form.PicIvent}) panel->visible = false;
    // The ending event "end" starts here once the event runner exists.
    return true;
}

}  // namespace qm
