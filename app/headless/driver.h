#pragma once
// quillmere-headless: runs the game's core with fake ports from a script of
// commands, one per line, and prints what the player would see and what
// the test asks to be shown.

#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "fake_ports.h"

namespace qm {
class Game;
}

namespace qm::headless {

class Driver {
public:
    Driver(std::string gameDir, std::ostream& out);
    ~Driver();

    // Runs a whole script. Returns the exit status: 0, the program's own
    // exit code if it ended itself, or 2 after a bad line (reported on err).
    int Run(std::istream& script, std::ostream& err);

private:
    void Execute(const std::string& line);
    Game& Running();
    void Load();
    void Show(const std::string& what);

    std::string gameDir_;
    std::ostream& out_;
    PrintedDialogs dialogs_;
    HeaderPictures pictures_;
    FakeAudio audio_;
    FixedScreen screen_;
    SeedClock clock_;
    std::unique_ptr<Game> game_;
};

}  // namespace qm::headless
