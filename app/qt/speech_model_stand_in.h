#pragma once
// STAND-IN, TO BE DELETED when the core's speech model lands (it is being
// built on another branch, with exactly these declarations, in a header
// under src/). Until then this reads the same from the speech box as the
// window shows it: FollowSpeech must see the model after every call into
// the game, which the real model does not need.

#include <deque>
#include <string>
#include <vector>

namespace qm {

class Game;

struct SpokenPage {
    std::string speaker;             // the name label as the page showed it ("" for none)
    std::vector<std::string> lines;  // the text lines of the page, without the "▼"
};

// Oldest first, at most 500, cleared by a new game.
const std::deque<SpokenPage>& SpeechHistory(const Game& game);
// The page waits for a click ("▼").
bool SpeechWaits(const Game& game);

// Stand-in only.
void FollowSpeech(const Game& game);

}  // namespace qm
