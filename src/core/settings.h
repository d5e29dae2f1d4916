#pragma once
// The game's four settings, sys/system.dat: the text suffix, the picture
// suffix, a reserved line and the version text, one a line.

#include <optional>
#include <string>

#include "core/text_files.h"

namespace qm {

struct GameState;

inline constexpr int kSettingLines = 4;

// The settings file that cannot be read, or holds too few lines.
struct SettingsProblem {
    enum class Fault { Unreadable, TooFewLines };
    Fault fault;
    std::string path;
};

// Reads the settings from path into the state, on file number `number`; on
// a problem the state is left as it was.
std::optional<SettingsProblem> ReadSettings(TextFiles& files, int number, const std::string& path, GameState& state);

}  // namespace qm
