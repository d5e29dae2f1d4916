#pragma once
// The speech box: the page being shown (its speaker, face and lines, and
// whether it waits for the player's click) and the history of this run,
// every page as the player saw it.
//
// A page begins empty when an event starts, when a speaker line or an
// empty line clears the box, and with the first line after a "▼" the
// player clicked past; it ends when the next one begins or the event puts
// the box away. It joins the history with its first line of text, so a
// player who opens the history while a page still fills finds it there,
// once, growing as its lines come; a page that never showed a line is not
// in it. The history keeps the last 500 pages; the reset that leads to the
// title screen and a new game clears it, and the save never holds it.

#include <deque>
#include <string>
#include <vector>

#include "core/speech_state.h"

namespace qm {

class Form;
class Game;
struct GameState;

inline constexpr std::size_t kHistoryPages = 500;

// The pages of this run as the player saw them, oldest first, at most 500;
// a new game clears them; never saved.
const std::deque<SpokenPage>& SpeechHistory(const Game& game);

// One row per page, the speaker and text joined as the page showed them:
// what `show History.List` prints.
std::vector<std::string> HistoryRows(const Game& game);

// True while the page shown waits for the player's click ("▼").
bool SpeechWaits(const Game& game);

// An empty page under the speaker `name`; the box shows it or is put away.
void SetSpeechBox(Game& game, const std::string& name, bool visible);

// A line of text on the page shown, or on a new page of the same speaker
// when `newPage`; `waits` ends it with "▼". The box shows.
void AddSpeechLine(Game& game, const std::string& line, bool newPage, bool waits);

// A new game: the pages shown so far are forgotten.
void ForgetSpeechHistory(Game& game);

// The speech text, the name label, the face beside them and the text timer.
void ShowSpeech(const GameState& state, Form& form);

}  // namespace qm
