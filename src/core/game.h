#pragma once
// One running program: the game state, the window's controls, the open
// files, the random generator and the ports to the outside. Every handler
// takes the Game it acts on.
//
// The controls show the state: a handler changes the state, and Project
// draws the controls from it when the handler is done (every way in from a
// front end ends with it) and before each message box, so the window never
// shows anything the state does not hold.

#include <cstdint>
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/ports.h"
#include "core/random_source.h"
#include "core/text_files.h"
#include "ui/form.h"

namespace qm {

// Program-wide values of the music player, outside the game state.
struct MusicValues {
    bool MusicOn = false;
    std::int32_t MciResult = 0;
};

class Game {
public:
    // programFolder is the folder that holds the program (or, for the test
    // driver, plays it).
    Game(Ports ports, std::string programFolder) : ports(ports), programFolder(std::move(programFolder)) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Ports ports;
    const std::string programFolder;

    GameState state;
    Form form;
    TextFiles files;
    RandomSource random;
    MusicValues music;
    std::int16_t BaseFontSize = 0;  // kept by the layout pass
    int nestedEventStarts = 0;      // events started inside one another's first step

    // Set when the program ends itself; the front end then quits with it.
    std::optional<int> exitCode;

    // Writes every control that shows the game's data from the state.
    void Project();

    // A message box, over the game as it stands.
    void Message(const std::string& text) {
        Project();
        ports.dialogs.MessageBox(text);
    }
};

}  // namespace qm
