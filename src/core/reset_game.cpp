#include "colour/colour_workshop.h"
#include "core/game.h"
#include "core/lifecycle.h"
#include "script/ending.h"
#include "script/speech.h"
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
    s.Speech.TextTimer = false;
    // The title covers the whole window, the chronicle and its button too,
    // which the ending leaves showing.
    s.Shown.Title = true;
    f.BringToFront(f.PicStt);
    // A new game's history begins empty; the ending that the first resets
    // begin behind the title is none of it.
    ForgetSpeechHistory(game);
}

}  // namespace qm
