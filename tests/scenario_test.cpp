// Runs every scenario under tests/scenarios in the headless driver against
// a fresh copy of the game folder it names, and compares what the driver
// prints with the scenario's own "#> " lines.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "driver.h"
#include "scenario_files.h"
#include "temp_folder.h"

namespace qm::testing {
namespace {

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, PrintsWhatItExpects) {
    const Scenario scenario = ReadScenario(GetParam());
    if (!scenario.windowOnly.empty()) GTEST_SKIP() << "window only: " << scenario.windowOnly;
    ASSERT_FALSE(scenario.game.empty()) << scenario.file << " names no game (# game: NAME)";
    const TempFolder temp;
    const auto game = CopyOfGame(scenario.game, temp.path());

    std::ostringstream out, err;
    std::ifstream script(scenario.file, std::ios::binary);
    const int status = headless::Driver(game.string(), out).Run(script, err);

    EXPECT_EQ(scenario.expected, AsExpected(out.str(), game));
    EXPECT_EQ("", err.str());
    EXPECT_EQ(ExpectedStatus(scenario.expected), status);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTest, ::testing::ValuesIn(ScenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace qm::testing
