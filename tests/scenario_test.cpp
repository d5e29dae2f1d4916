// Runs every scenario under tests/scenarios against a fresh copy of the
// game folder it names, and compares what the driver prints with the
// scenario's own "#> " lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct Scenario {
    std::string game;        // from the line "# game: NAME"
    std::string windowOnly;  // from "# window only: REASON": the headless driver skips it
    std::string expected;    // the "#> " lines, in order
};

Scenario Parse(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    Scenario scenario;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("# game: ")) scenario.game = line.substr(8);
        if (line.starts_with("# window only: ")) scenario.windowOnly = line.substr(15);
        if (line == "#>") scenario.expected += "\n";
        if (line.starts_with("#> ")) scenario.expected += line.substr(3) + "\n";
    }
    return scenario;
}

// The shipped game's content, without what a player's runs wrote beside it
// (the register, saves, albums).
void CopyShippedContent(const fs::path& copy) {
    const fs::path shipped(SHIPPED_DIR);
    fs::create_directories(copy / "sys");
    for (const char* folder : {"img", "face", "txt"})
        fs::copy(shipped / folder, copy / folder, fs::copy_options::recursive);
    fs::copy(shipped / "sys" / "system.dat", copy / "sys" / "system.dat");
}

// A private copy, so that what the game writes never reaches the fixture.
// "shipped" names the shipped game.
fs::path CopyOfGame(const std::string& game, const fs::path& into) {
    const fs::path copy = into / "game";
    if (game == "shipped") {
        CopyShippedContent(copy);
        return copy;
    }
    fs::copy(fs::path(GAMES_DIR) / game, copy, fs::copy_options::recursive);
    return copy;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SCENARIO_DIR))
        if (entry.path().extension() == ".scn") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ScenarioTest : public testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, PrintsWhatItExpects) {
    const fs::path file = fs::path(SCENARIO_DIR) / (GetParam() + ".scn");
    const Scenario scenario = Parse(file);
    ASSERT_FALSE(scenario.game.empty()) << file << " names no game (# game: NAME)";
    if (!scenario.windowOnly.empty()) GTEST_SKIP() << "window only: " << scenario.windowOnly;
    const qm::testing::TempFolder temp;
    const fs::path game = CopyOfGame(scenario.game, temp.path());

    std::ostringstream out, err;
    std::ifstream script(file, std::ios::binary);
    const int status = qm::headless::Driver(game.string(), out).Run(script, err);

    // Paths inside the private copy read as $GAME in the expectations.
    std::string printed = out.str();
    ReplaceAll(printed, game.string() + "/", "$GAME/");
    EXPECT_EQ(scenario.expected, printed);
    EXPECT_EQ("", err.str());
    const auto exit = printed.rfind("Exit = ");
    EXPECT_EQ(exit == std::string::npos ? 0 : std::stoi(printed.substr(exit + 7)), status);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTest, testing::ValuesIn(ScenarioNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
