#include "colour/colour_workshop.h"
#include "core/game.h"
#include "core/lifecycle.h"
#include "script/ending.h"

namespace qm {

// Back to the title screen with a fresh game. The picture register, the
// solo counts, fixed colours and the chosen game length survive.
void ResetGame(Game& game) {
    GameState& s = game.state;
    Form& f = game.form;
    s.Affection.fill(0);
    s.PointsUsed = 0;
    f.LstKan.ClearList();
    f.LstItem.ClearList();
    for (Control& column : f.LstWorldItem) column.ClearList();
    SpendPoints(game, 0);
    ClearColours(game);
    s.EventPicture.clear();
    f.TimSay.enabled = false;
    // The title covers the whole window, the chronicle and its button too,
    // which the ending leaves showing.
    f.PicStt.visible = true;
    f.BringToFront(f.PicStt);
}

}  // namespace qm
