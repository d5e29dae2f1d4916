#pragma once
// The speech box as data: the page it shows and the pages shown before it
// in this run. script/speech.h changes them and draws them.

#include <deque>
#include <string>
#include <vector>

namespace qm {

// A page as the player saw it.
struct SpokenPage {
    std::string speaker;             // the name label as the page showed it ("" for none)
    std::vector<std::string> lines;  // the text lines of the page, without the "▼"
};

// The page the speech box shows.
struct SpeechPage {
    bool Shown = false;  // the text and the name label show
    std::string Speaker;
    std::vector<std::string> Lines;
    bool Waits = false;     // it ends with "▼": the text waits for the player's click
    bool Face = false;      // the speaker's face shows beside it
    bool Recorded = false;  // the page stands last in the history already
};

struct SpeechBox {
    SpeechPage Page;
    std::deque<SpokenPage> History;  // oldest first
    bool TextTimer = false;          // the text timer runs: the event goes on by itself
};

}  // namespace qm
