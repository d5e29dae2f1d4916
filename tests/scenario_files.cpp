#include "scenario_files.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

namespace qm::testing {
namespace {

// The shipped game's content, without what a player's runs wrote beside it
// (the register, saves, albums).
void CopyShippedContent(const fs::path& copy) {
    const fs::path shipped(SHIPPED_DIR);
    fs::create_directories(copy / "sys");
    for (const char* folder : {"img", "face", "txt"})
        fs::copy(shipped / folder, copy / folder, fs::copy_options::recursive);
    fs::copy(shipped / "sys" / "system.dat", copy / "sys" / "system.dat");
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SCENARIO_DIR))
        if (entry.path().extension() == ".scn") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

Scenario ReadScenario(const std::string& name) {
    Scenario scenario;
    scenario.file = fs::path(SCENARIO_DIR) / (name + ".scn");
    std::ifstream in(scenario.file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("# game: ")) scenario.game = line.substr(8);
        if (line.starts_with("# window only: ")) scenario.windowOnly = line.substr(15);
        if (line.starts_with("# headless only: ")) scenario.headlessOnly = line.substr(17);
        if (line == "#>") scenario.expected += "\n";
        if (line.starts_with("#> ")) scenario.expected += line.substr(3) + "\n";
    }
    return scenario;
}

fs::path CopyOfGame(const std::string& game, const fs::path& into) {
    const fs::path copy = into / "game";
    if (game == "shipped") {
        CopyShippedContent(copy);
        return copy;
    }
    fs::copy(fs::path(GAMES_DIR) / game, copy, fs::copy_options::recursive);
    return copy;
}

std::string AsExpected(std::string printed, const fs::path& game) {
    ReplaceAll(printed, game.string() + "/", "$GAME/");
    return printed;
}

int ExpectedStatus(const std::string& printed) {
    const auto exit = printed.rfind("Exit = ");
    return exit == std::string::npos ? 0 : std::stoi(printed.substr(exit + 7));
}

}  // namespace qm::testing
