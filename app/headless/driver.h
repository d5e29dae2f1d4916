#pragma once
// quillmere-headless: runs the game's core with fake ports from a script of
// commands, one per line, and prints what the player would see and what
// the test asks to be shown.

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fake_ports.h"
#include "player_storage.h"

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
    using Words = std::vector<std::string>;
    void Execute(const std::string& line);
    Game& Running();
    void Show(const std::string& what);

    // The commands, each given the words of its line.
    void LoadCommand(const Words&);
    void UnloadCommand(const Words&);
    void ClickCommand(const Words&);
    void MenuCommand(const Words&);
    void SelectCommand(const Words&);
    void SetCommand(const Words&);
    void MouseUpCommand(const Words&);
    void TickCommand(const Words&);
    void ResizeCommand(const Words&);
    void ScreenCommand(const Words&);
    void SeedCommand(const Words&);
    void MusicCommand(const Words&);
    void ShowCommand(const Words&);

    std::string gameDir_;
    std::ostream& out_;
    PrintedDialogs dialogs_;
    HeaderPictures pictures_;
    FakeAudio audio_;
    FixedScreen screen_;
    SeedClock clock_;
    PlayerStorage storage_;
    std::unique_ptr<Game> game_;
};

}  // namespace qm::headless
