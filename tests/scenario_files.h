#pragma once
// Scenarios as both drivers' tests read them: the game folder a scenario
// plays, the lines it expects, and whether one driver leaves it out.

#include <filesystem>
#include <string>
#include <vector>

namespace qm::testing {

struct Scenario {
    std::filesystem::path file;
    std::string game;          // from the line "# game: NAME"
    std::string expected;      // the "#> " lines, in order
    std::string windowOnly;    // the reason of "# window only: REASON"
    std::string headlessOnly;  // the reason of "# headless only: REASON"
};

// The names of tests/scenarios/*.scn, sorted.
std::vector<std::string> ScenarioNames();

Scenario ReadScenario(const std::string& name);

// A private copy of the game the scenario names, inside `into`, so that
// what the game writes never reaches the fixture. "shipped" names the
// shipped game's content.
std::filesystem::path CopyOfGame(const std::string& game, const std::filesystem::path& into);

// What a driver printed, with paths inside the copy written "$GAME/".
std::string AsExpected(std::string printed, const std::filesystem::path& game);

// The exit status the expected lines end with: "Exit = N", or 0.
int ExpectedStatus(const std::string& printed);

}  // namespace qm::testing
