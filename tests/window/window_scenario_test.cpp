// Runs every scenario under tests/scenarios in the game's real window:
// quillmere-window-driver on a desktop of its own (Xvfb with openbox), with
// the same expected lines as the headless driver. A clean run also prints
// no "Mirror = ..." line, since none is expected.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "scenario_files.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace qm::testing {
namespace {

struct Played {
    std::string out, err;
    int status = -1;
};

std::string Quoted(const fs::path& path) {
    std::string quoted = "'";
    for (const char c : path.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// In `folder`, where the scenario's shots land.
Played PlayInTheWindow(const fs::path& game, const fs::path& script, const fs::path& folder) {
    const fs::path out = folder / "out.txt", err = folder / "err.txt";
    const std::string command = "cd " + Quoted(folder) + " && " + Quoted(ON_DESKTOP) + " " + Quoted(WINDOW_DRIVER) +
                                " " + Quoted(game) + " " + Quoted(script) + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int status = std::system(command.c_str());
    return {Contents(out), Contents(err), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

class WindowScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(WindowScenarioTest, PrintsWhatItExpects) {
    const Scenario scenario = ReadScenario(GetParam());
    if (!scenario.headlessOnly.empty()) GTEST_SKIP() << "headless only: " << scenario.headlessOnly;
    ASSERT_FALSE(scenario.game.empty()) << scenario.file << " names no game (# game: NAME)";
    const TempFolder temp;
    const auto game = CopyOfGame(scenario.game, temp.path());

    const Played run = PlayInTheWindow(game, scenario.file, temp.path());

    EXPECT_EQ(scenario.expected, AsExpected(run.out, game));
    EXPECT_EQ("", run.err);
    EXPECT_EQ(ExpectedStatus(scenario.expected), run.status);
}

INSTANTIATE_TEST_SUITE_P(WindowScenarios, WindowScenarioTest, ::testing::ValuesIn(ScenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace qm::testing
