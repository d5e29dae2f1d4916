#pragma once
// Starting an event and carrying its text forward: the click on the speech
// text and the text timer.

#include <string>

namespace qm {

class Form;
class Game;

// Abandons any running event, opens the named one and runs its first step.
// A file that cannot be opened or read is reported, and the game goes on.
void StartEvent(Game& game, std::string name);

// The click on the speech text: the next step now, then the timer runs on.
void Lbl_Click(Game& game, int index);

// Every 100 ms while the text runs: the next step, unless the look-ahead
// waits for the player.
void TimSay_Timer(Game& game);

// Puts this feature's handlers on its controls.
void InstallSpeech(Form& form);

}  // namespace qm
