#include "world/chronicle.h"

#include "game/game.h"
#include "game/messages.h"
#include "pictures/picture_display.h"
#include "rules/chronicle_text.h"
#include "script/speech.h"

namespace qm {

void WriteChronicle(Game& game) {
    GameState& s = game.state;
    s.Help.On = false;
    s.Shown.Photo = false;
    SetSpeechBox(game, "", false);
    s.Shown.Workshop = s.Shown.Dish = s.Shown.Commands = s.Shown.Viewer = false;
    s.Chronicle = ComposeChronicle(s.World, game.random);
    Tell(game, ShowScene(game, "par"));
    s.Speech.Page.Face = false;
    s.Shown.Ending = true;
}

// The chronicle of a large world is long: it is copied only when it changed.
void ShowChronicle(const GameState& state, Form& form) {
    if (form.TxtEnd.caption != state.Chronicle) form.TxtEnd.caption = state.Chronicle;
}

}  // namespace qm
