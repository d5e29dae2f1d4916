#pragma once
// Going out: each of the three reason colours attracts at most one fairy,
// and who came decides the event that follows.

namespace qm {

class Game;

// Why nobody came: the three colours did not bring three fairies (or one
// fairy three times), or the black fairy was not yet willing.
enum class OutingFailure { NobodyCame, TooDark };

// The outing with the three registered colours; the 10 points are paid.
void GoOut(Game& game);

}  // namespace qm
