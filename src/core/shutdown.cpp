#include "core/game.h"
#include "core/lifecycle.h"
#include "core/picture_register.h"
#include "sound/music.h"

namespace qm {

void Form_Unload(Game& game) {
    GameState& s = game.state;
    // An event script may still be open; whether it closes cleanly does not
    // matter to what follows.
    game.files.Close(s.FileNumber);
    WritePictureRegister(game);
    CloseMusic(game);
    game.exitCode = 0;
    game.Project();
}

}  // namespace qm
