#pragma once
// Background music: one piece, bgm.wav, played for the whole run and
// started again whenever it has stopped.

#include <string>

namespace qm {

class Game;

void OpenMusic(Game& game, const std::string& path);
void PlayMusic(Game& game);
void CloseMusic(Game& game);
void BgmTim_Timer(Game& game);

}  // namespace qm
