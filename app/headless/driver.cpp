#include "driver.h"

#include <charconv>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "core/game.h"
#include "core/lifecycle.h"
#include "core/text_files.h"
#include "properties.h"
#include "ui/events.h"
#include "ui/layout.h"

namespace qm::headless {
namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int ToInt(const std::string& word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) throw ScriptError("not a whole number: " + word);
    return value;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

void ExpectWords(const std::vector<std::string>& words, std::size_t least, std::size_t most) {
    if (words.size() < least || words.size() > most) throw ScriptError("wrong number of words for " + words[0]);
}

// "Com(3)" or "PicStt".
Control& Find(Form& form, const std::string& ref) {
    std::string name = ref;
    int index = -1;
    if (const auto open = ref.find('('); open != std::string::npos && ref.back() == ')') {
        name = ref.substr(0, open);
        index = ToInt(ref.substr(open + 1, ref.size() - open - 2));
    }
    Control* control = form.Find(name, index);
    if (!control) throw ScriptError("no control " + ref);
    return *control;
}

Control& FindKind(Form& form, const std::string& ref, Kind kind, const char* what) {
    Control& control = Find(form, ref);
    if (control.kind != kind) throw ScriptError(ref + " is not " + what);
    return control;
}

}  // namespace

Driver::Driver(std::string gameDir, std::ostream& out)
    : gameDir_(Utf8Of(std::filesystem::absolute(PathOf(gameDir)))), out_(out), dialogs_(out), audio_(out) {}

Driver::~Driver() = default;

int Driver::Run(std::istream& script, std::ostream& err) {
    int number = 0;
    for (std::string line; std::getline(script, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        try {
            Execute(line.substr(start));
        } catch (const ScriptError& e) {
            err << "error: line " << number << ": " << e.what() << "\n";
            return 2;
        }
        if (game_ && game_->exitCode) {
            out_ << "Exit = " << *game_->exitCode << "\n";
            return *game_->exitCode;
        }
    }
    return 0;
}

Game& Driver::Running() {
    if (!game_) throw ScriptError("the program is not running (load it first)");
    return *game_;
}

void Driver::Load() {
    if (game_) throw ScriptError("the program is already running");
    game_ = std::make_unique<Game>(Ports{dialogs_, pictures_, audio_, screen_, clock_}, gameDir_);
    Form_Load(*game_);
    if (!game_->exitCode) Form_Activate(*game_);
}

void Driver::Execute(const std::string& line) {
    const std::vector<std::string> w = Words(line);
    const std::string& command = w[0];
    if (command == "load") {
        ExpectWords(w, 1, 1);
        Load();
    } else if (command == "unload") {
        ExpectWords(w, 1, 1);
        Form_Unload(Running());
        game_.reset();
    } else if (command == "click") {
        ExpectWords(w, 2, 2);
        Control& control = Find(Running().form, w[1]);
        if (control.kind == Kind::Menu) throw ScriptError(w[1] + " is a menu item (use menu)");
        Click(*game_, control);
    } else if (command == "menu") {
        ExpectWords(w, 2, 2);
        Click(Running(), FindKind(Running().form, w[1], Kind::Menu, "a menu item"));
    } else if (command == "select") {
        ExpectWords(w, 3, 3);
        Control& list = FindKind(Running().form, w[1], Kind::List, "a list");
        const int row = ToInt(w[2]);
        if (row < -1 || row >= static_cast<int>(list.list.size())) throw ScriptError(w[1] + " has no row " + w[2]);
        SelectRow(*game_, list, row);
    } else if (command == "set" || command == "scroll") {
        ExpectWords(w, 3, 3);
        Control& bar = FindKind(Running().form, w[1], Kind::ScrollBar, "a scroll bar");
        const int value = ToInt(w[2]);
        if (value < bar.min || value > bar.max) throw ScriptError(w[2] + " is outside the range of " + w[1]);
        command == "set" ? SetValue(*game_, bar, value) : Scroll(*game_, bar, value);
    } else if (command == "mouseup") {
        ExpectWords(w, 3, 3);
        MouseUp(Running(), Find(Running().form, w[1]), ToInt(w[2]));
    } else if (command == "tick") {
        ExpectWords(w, 2, 3);
        Control& timer = FindKind(Running().form, w[1], Kind::Timer, "a timer");
        const int count = w.size() == 3 ? ToInt(w[2]) : 1;
        for (int i = 0; i < count && !game_->exitCode; ++i) Tick(*game_, timer);
    } else if (command == "resize") {
        ExpectWords(w, 2, 2);
        Game& game = Running();
        game.form.Frm.height = ToInt(w[1]);
        Form_Resize(game);
    } else if (command == "screen") {
        ExpectWords(w, 3, 3);
        screen_.width = ToInt(w[1]);
        screen_.height = ToInt(w[2]);
    } else if (command == "seed") {
        ExpectWords(w, 2, 2);
        clock_.fixed = static_cast<std::uint32_t>(ToInt(w[1]));
        if (game_) game_->random.Seed(*clock_.fixed);
    } else if (command == "music") {
        if (w.size() != 2 || w[1] != "end") throw ScriptError("the music command is: music end");
        audio_.EndPiece();
    } else if (command == "show") {
        ExpectWords(w, 2, 2);
        Show(w[1]);
    } else {
        throw ScriptError("unknown command " + command);
    }
}

void Driver::Show(const std::string& what) {
    const auto dot = what.rfind('.');
    if (dot == std::string::npos) throw ScriptError("show takes NAME.PROP");
    const std::string name = what.substr(0, dot), property = what.substr(dot + 1);
    Game& game = Running();
    const auto value =
        name == "GameState" ? StateField(game.state, property) : ControlProperty(Find(game.form, name), property);
    if (!value) throw ScriptError(name + " has no property " + property);
    out_ << what << " = " << *value << "\n";
}

}  // namespace qm::headless
