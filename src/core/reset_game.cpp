#include "colour/colour_workshop.h"
#include "core/game.h"
#include "core/lifecycle.h"
#include "script/ending.h"
#include "world/mixing_dish.h"

namespace qm {

// Back to the title screen with a fresh game. The picture register, the
// solo counts, fixed colours and the chosen game length survive.
void ResetGame(Game& game) {
    GameState& s = game.state;
    Form& f = game.form;
    s.Affection.fill(0);
    s.PointsUsed = 0;
    ReplaceEmotionLists(game, {}, {}, {});
    SpendPoints(game, 0);
    ClearColours(game);
    s.EventPicture.clear();
    f.TimSay.enabled = false;
    // The title covers the whole window, the chronicle and its button too,
    // which the ending leaves showing.
    s.Shown.Title = true;
    f.BringToFront(f.PicStt);
}

}  // namespace qm
