#include "script_driver.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <tuple>

#include "core/text_files.h"
#include "game/game.h"
#include "json.h"
#include "properties.h"
#include "script/speech.h"

namespace qm::headless {
namespace {

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

Control& FindKind(Control& control, const std::string& ref, Kind kind, const char* what) {
    if (control.kind != kind) throw ScriptError(ref + " is not " + what);
    return control;
}

}  // namespace

int ToInt(const std::string& word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) throw ScriptError("not a whole number: " + word);
    return value;
}

ScriptDriver::ScriptDriver(const std::string& gameDir, std::ostream& out)
    : out_(out), gameDir_(Utf8Of(std::filesystem::absolute(PathOf(gameDir)))), audio_(out) {}

ScriptDriver::~ScriptDriver() = default;

int ScriptDriver::Run(std::istream& script, std::ostream& err) {
    int number = 0;
    for (std::string line; std::getline(script, line);)
        if (const auto status = RunLine(line, ++number, err)) return *status;
    return 0;
}

int ScriptDriver::RunFile(const char* script) {
    if (!script) return Run(std::cin, std::cerr);
    std::ifstream file(script, std::ios::binary);
    if (!file) {
        std::cerr << "error: cannot read " << script << "\n";
        return 2;
    }
    return Run(file, std::cerr);
}

std::optional<int> ScriptDriver::RunLine(std::string line, int number, std::ostream& err) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const Words words = SplitWords(line);
    if (words.empty() || words[0].starts_with('#')) return std::nullopt;
    try {
        Execute(words);
        if (words[0] != "show") AfterCommand(number);
    } catch (const ScriptError& e) {
        err << "error: line " << number << ": " << e.what() << "\n";
        return 2;
    }
    if (game_ && game_->exitCode) {
        out_ << "Exit = " << *game_->exitCode << "\n";
        return *game_->exitCode;
    }
    return std::nullopt;
}

Game& ScriptDriver::Running() {
    if (!game_) throw ScriptError("the program is not running (load it first)");
    return *game_;
}

// "Com(3)" or "PicStt".
Control& ScriptDriver::Find(const std::string& ref) {
    std::string name = ref;
    int index = -1;
    if (const auto open = ref.find('('); open != std::string::npos && ref.back() == ')') {
        name = ref.substr(0, open);
        index = ToInt(ref.substr(open + 1, ref.size() - open - 2));
    }
    Control* control = Running().form.Find(name, index);
    if (!control) throw ScriptError("no control " + ref);
    return *control;
}

void ScriptDriver::Execute(const Words& w) {
    using Command = void (ScriptDriver::*)(const Words&);
    // Each command with the fewest and most words it takes.
    static const std::map<std::string, std::tuple<Command, std::size_t, std::size_t>> commands = {
        {"load", {&ScriptDriver::LoadCommand, 1, 1}},     {"unload", {&ScriptDriver::UnloadCommand, 1, 1}},
        {"click", {&ScriptDriver::ClickCommand, 2, 2}},   {"menu", {&ScriptDriver::MenuCommand, 2, 2}},
        {"select", {&ScriptDriver::SelectCommand, 3, 3}}, {"set", {&ScriptDriver::SetCommand, 3, 3}},
        {"scroll", {&ScriptDriver::SetCommand, 3, 3}},    {"mouseup", {&ScriptDriver::MouseUpCommand, 3, 3}},
        {"tick", {&ScriptDriver::TickCommand, 2, 3}},     {"resize", {&ScriptDriver::ResizeCommand, 2, 2}},
        {"screen", {&ScriptDriver::ScreenCommand, 3, 3}}, {"seed", {&ScriptDriver::SeedCommand, 2, 2}},
        {"music", {&ScriptDriver::MusicCommand, 2, 2}},   {"show", {&ScriptDriver::ShowCommand, 2, 2}},
    };
    const auto it = commands.find(w[0]);
    if (it == commands.end()) {
        if (ExtraCommand(w)) return;
        throw ScriptError("unknown command " + w[0]);
    }
    const auto [command, least, most] = it->second;
    if (w.size() < least || w.size() > most) throw ScriptError("wrong number of words for " + w[0]);
    (this->*command)(w);
}

void ScriptDriver::LoadCommand(const Words&) {
    if (game_) throw ScriptError("the program is already running");
    game_ =
        std::make_unique<Game>(Ports{DialogsPort(), PicturesPort(), audio_, screen_, clock_, StoragePort()}, gameDir_);
    Start();
}

void ScriptDriver::UnloadCommand(const Words&) {
    Running();
    Stop();
    game_.reset();
}

void ScriptDriver::ClickCommand(const Words& w) {
    Control& control = Find(w[1]);
    if (control.kind == Kind::Menu) throw ScriptError(w[1] + " is a menu item (use menu)");
    Click(control);
}

void ScriptDriver::MenuCommand(const Words& w) { Choose(FindKind(Find(w[1]), w[1], Kind::Menu, "a menu item")); }

void ScriptDriver::SelectCommand(const Words& w) {
    Control& list = FindKind(Find(w[1]), w[1], Kind::List, "a list");
    const int row = ToInt(w[2]);
    if (row < -1 || row >= static_cast<int>(list.Rows().size())) throw ScriptError(w[1] + " has no row " + w[2]);
    Select(list, row);
}

// set and scroll: a value put on the bar, or dragged to it.
void ScriptDriver::SetCommand(const Words& w) {
    Control& bar = FindKind(Find(w[1]), w[1], Kind::ScrollBar, "a scroll bar");
    const int value = ToInt(w[2]);
    if (value < bar.min || value > bar.max) throw ScriptError(w[2] + " is outside the range of " + w[1]);
    Set(bar, value, w[0] == "scroll");
}

void ScriptDriver::MouseUpCommand(const Words& w) { MouseUp(Find(w[1]), ToInt(w[2])); }

void ScriptDriver::TickCommand(const Words& w) {
    const int count = w.size() == 3 ? ToInt(w[2]) : 1;
    if (TickOwnTimer(w[1], count)) return;
    Control& timer = FindKind(Find(w[1]), w[1], Kind::Timer, "a timer");
    for (int i = 0; i < count && !game_->exitCode; ++i) Tick(timer);
}

void ScriptDriver::ResizeCommand(const Words& w) {
    Running();
    Resize(ToInt(w[1]));
}

void ScriptDriver::ScreenCommand(const Words& w) {
    screen_.width = ToInt(w[1]);
    screen_.height = ToInt(w[2]);
}

// Before load, the seed start-up takes from the clock; after, a reseed.
void ScriptDriver::SeedCommand(const Words& w) {
    clock_.fixed = static_cast<std::uint32_t>(ToInt(w[1]));
    if (game_) game_->random.Seed(*clock_.fixed);
}

void ScriptDriver::MusicCommand(const Words& w) {
    if (w[1] != "end") throw ScriptError("the music command is: music end");
    audio_.EndPiece();
}

void ScriptDriver::ShowCommand(const Words& w) { Show(w[1]); }

void ScriptDriver::Show(const std::string& what) {
    const auto dot = what.rfind('.');
    if (dot == std::string::npos) throw ScriptError("show takes NAME.PROP");
    const std::string name = what.substr(0, dot), property = what.substr(dot + 1);
    Game& game = Running();
    std::optional<std::string> value;
    if (name == "GameState") {
        value = StateField(game.state, property);
    } else if (name == "History") {
        if (property == "List") value = JsonArray(HistoryRows(game));
    } else if (!(value = OwnProperty(name, property))) {
        const Control& control = Find(name);
        value = ControlProperty(control, property);
        if (!value) value = ExtraProperty(control, property);
    }
    if (!value) throw ScriptError(name + " has no property " + property);
    out_ << what << " = " << *value << "\n";
}

}  // namespace qm::headless
