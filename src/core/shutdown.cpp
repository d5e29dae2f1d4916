#include "core/game.h"
#include "core/lifecycle.h"
#include "sound/music.h"

namespace qm {

void Form_Unload(Game& game) {
    GameState& s = game.state;
    // An event script may still be open; whether it closes cleanly does not
    // matter to what follows.
    game.files.Close(s.FileNumber);
    const std::string path = s.SysFolder + "lstphoto.dat";
    if (!ReplaceFileLines(game.files, s.FileNumber, path, game.form.LstIvent.list))
        game.Message("記憶絵の記録を書き込めませんでした。\r\n" + path);
    CloseMusic(game);
    game.exitCode = 0;
}

}  // namespace qm
