#include "sound/music.h"

#include <algorithm>
#include <cctype>

#include "game/game.h"

namespace qm {
namespace {

void Send(Game& game, const std::string& command) { game.music.MciResult = game.ports.audio.Send(command, nullptr); }

}  // namespace

void OpenMusic(Game& game, const std::string& path) {
    Send(game, "close MIDI notify");
    Send(game, "open \"" + path + "\" alias MIDI");
}

void PlayMusic(Game& game) {
    if (game.music.MusicOn) Send(game, "play MIDI notify");
}

void CloseMusic(Game& game) { Send(game, "close MIDI notify"); }

void BgmTim_Timer(Game& game) {
    // A reply buffer of blanks: a query that fails leaves it so, and blanks
    // never read as a stopped piece.
    std::string reply(15, ' ');
    game.ports.audio.Send("status MIDI mode", &reply);
    std::string mode = reply.substr(0, 7);
    std::transform(mode.begin(), mode.end(), mode.begin(), [](unsigned char c) { return std::toupper(c); });
    if (mode == "STOPPED" && game.music.MusicOn) {
        Send(game, "seek MIDI to start");
        Send(game, "play MIDI from 0");
    }
}

void InstallMusic(Form& form) {
    form.BgmTim.on.timer = BgmTim_Timer;
}

}  // namespace qm
