#pragma once
// Background music: one piece, bgm.wav, played for the whole run and
// started again whenever it has stopped.

#include <string>

namespace qm {

class Form;
class Game;

void OpenMusic(Game& game, const std::string& path);
void PlayMusic(Game& game);
void CloseMusic(Game& game);
void BgmTim_Timer(Game& game);

// Puts this feature's handlers on its controls.
void InstallMusic(Form& form);

}  // namespace qm
