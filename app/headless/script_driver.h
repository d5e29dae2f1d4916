#pragma once
// The drivers' script language: commands one per line, read and checked
// here and carried out by a driver, either the core alone with fake ports
// (quillmere-headless) or the real window with real input
// (quillmere-window-driver). Both print the same lines for one script.

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_ports.h"

namespace qm {
class Game;
}

namespace qm::headless {

// A line the driver cannot carry out; the script stops with status 2.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int ToInt(const std::string& word);

class ScriptDriver {
public:
    virtual ~ScriptDriver();

    // Runs a whole script. Returns the exit status: 0, the program's own
    // exit code if it ended itself, or 2 after a bad line (reported on err).
    virtual int Run(std::istream& script, std::ostream& err);

    // A driver program's run: the script file, or standard input without
    // one; errors go to standard error.
    int RunFile(const char* script);

protected:
    ScriptDriver(const std::string& gameDir, std::ostream& out);

    using Words = std::vector<std::string>;

    // One line of a script (blank and comment lines do nothing). Returns
    // the status to stop with when the script ends here.
    std::optional<int> RunLine(std::string line, int number, std::ostream& err);

    // What the drivers carry out differently. Start begins a run of the
    // program on the freshly made game_; Stop ends it, and game_ goes.
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual void Click(Control& control) = 0;
    virtual void Choose(Control& item) = 0;
    virtual void Select(Control& list, int row) = 0;
    virtual void Set(Control& bar, int value, bool drag) = 0;
    virtual void MouseUp(Control& control, int button) = 0;
    virtual void Tick(Control& timer) = 0;
    virtual void Resize(int heightTwips) = 0;
    virtual Dialogs& DialogsPort() = 0;
    virtual Pictures& PicturesPort() = 0;
    virtual Storage& StoragePort() = 0;

    // Commands, properties, things shown that are not controls, and timers
    // that only one driver knows: false, or nothing, for those it does not.
    virtual bool ExtraCommand(const Words&) { return false; }
    virtual std::optional<std::string> ExtraProperty(const Control&, const std::string&) { return std::nullopt; }
    virtual std::optional<std::string> OwnProperty(const std::string& /*name*/, const std::string& /*property*/) {
        return std::nullopt;
    }
    virtual bool TickOwnTimer(const std::string& /*name*/, int /*count*/) { return false; }
    // Runs after every command but show; `number` is its line's.
    virtual void AfterCommand(int /*number*/) {}

    Game& Running();
    Control& Find(const std::string& ref);

    std::ostream& out_;
    FixedScreen screen_;
    std::unique_ptr<Game> game_;

private:
    void Execute(const Words& words);
    void Show(const std::string& what);

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
    FakeAudio audio_;
    SeedClock clock_;
};

}  // namespace qm::headless
