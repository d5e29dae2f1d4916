#include "driver.h"

#include <charconv>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>
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

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
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

void Driver::Execute(const std::string& line) {
    using Command = void (Driver::*)(const Words&);
    // Each command with the fewest and most words it takes.
    static const std::map<std::string, std::tuple<Command, std::size_t, std::size_t>> commands = {
        {"load", {&Driver::LoadCommand, 1, 1}},     {"unload", {&Driver::UnloadCommand, 1, 1}},
        {"click", {&Driver::ClickCommand, 2, 2}},   {"menu", {&Driver::MenuCommand, 2, 2}},
        {"select", {&Driver::SelectCommand, 3, 3}}, {"set", {&Driver::SetCommand, 3, 3}},
        {"scroll", {&Driver::SetCommand, 3, 3}},    {"mouseup", {&Driver::MouseUpCommand, 3, 3}},
        {"tick", {&Driver::TickCommand, 2, 3}},     {"resize", {&Driver::ResizeCommand, 2, 2}},
        {"screen", {&Driver::ScreenCommand, 3, 3}}, {"seed", {&Driver::SeedCommand, 2, 2}},
        {"music", {&Driver::MusicCommand, 2, 2}},   {"show", {&Driver::ShowCommand, 2, 2}},
    };
    const Words w = SplitWords(line);
    const auto it = commands.find(w[0]);
    if (it == commands.end()) throw ScriptError("unknown command " + w[0]);
    const auto [command, least, most] = it->second;
    if (w.size() < least || w.size() > most) throw ScriptError("wrong number of words for " + w[0]);
    (this->*command)(w);
}

void Driver::LoadCommand(const Words&) {
    if (game_) throw ScriptError("the program is already running");
    game_ = std::make_unique<Game>(Ports{dialogs_, pictures_, audio_, screen_, clock_, storage_}, gameDir_);
    Form_Load(*game_);
    if (!game_->exitCode) Form_Activate(*game_);
}

void Driver::UnloadCommand(const Words&) {
    Form_Unload(Running());
    game_.reset();
}

void Driver::ClickCommand(const Words& w) {
    Control& control = Find(Running().form, w[1]);
    if (control.kind == Kind::Menu) throw ScriptError(w[1] + " is a menu item (use menu)");
    Click(*game_, control);
}

void Driver::MenuCommand(const Words& w) {
    Click(Running(), FindKind(Running().form, w[1], Kind::Menu, "a menu item"));
}

void Driver::SelectCommand(const Words& w) {
    Control& list = FindKind(Running().form, w[1], Kind::List, "a list");
    const int row = ToInt(w[2]);
    if (row < -1 || row >= static_cast<int>(list.list.size())) throw ScriptError(w[1] + " has no row " + w[2]);
    SelectRow(*game_, list, row);
}

// set and scroll: a value put on the bar, or dragged to it.
void Driver::SetCommand(const Words& w) {
    Control& bar = FindKind(Running().form, w[1], Kind::ScrollBar, "a scroll bar");
    const int value = ToInt(w[2]);
    if (value < bar.min || value > bar.max) throw ScriptError(w[2] + " is outside the range of " + w[1]);
    w[0] == "set" ? SetValue(*game_, bar, value) : Scroll(*game_, bar, value);
}

void Driver::MouseUpCommand(const Words& w) { MouseUp(Running(), Find(Running().form, w[1]), ToInt(w[2])); }

void Driver::TickCommand(const Words& w) {
    Control& timer = FindKind(Running().form, w[1], Kind::Timer, "a timer");
    const int count = w.size() == 3 ? ToInt(w[2]) : 1;
    for (int i = 0; i < count && !game_->exitCode; ++i) Tick(*game_, timer);
}

void Driver::ResizeCommand(const Words& w) {
    Game& game = Running();
    game.form.Frm.height = ToInt(w[1]);
    Form_Resize(game);
}

void Driver::ScreenCommand(const Words& w) {
    screen_.width = ToInt(w[1]);
    screen_.height = ToInt(w[2]);
}

// Before load, the seed start-up takes from the clock; after, a reseed.
void Driver::SeedCommand(const Words& w) {
    clock_.fixed = static_cast<std::uint32_t>(ToInt(w[1]));
    if (game_) game_->random.Seed(*clock_.fixed);
}

void Driver::MusicCommand(const Words& w) {
    if (w[1] != "end") throw ScriptError("the music command is: music end");
    audio_.EndPiece();
}

void Driver::ShowCommand(const Words& w) { Show(w[1]); }

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
