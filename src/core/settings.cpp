#include "core/settings.h"

#include "core/game_state.h"

namespace qm {

std::optional<SettingsProblem> ReadSettings(TextFiles& files, int number, const std::string& path, GameState& s) {
    const auto lines = ReadLines(files, number, path);
    if (!lines) return SettingsProblem{SettingsProblem::Fault::Unreadable, path};
    if (lines->size() < kSettingLines) return SettingsProblem{SettingsProblem::Fault::TooFewLines, path};
    s.TextExt = (*lines)[0];
    s.PictureExt = (*lines)[1];
    s.ReservedSetting = (*lines)[2];
    s.VersionText = (*lines)[3];
    return std::nullopt;
}

}  // namespace qm
