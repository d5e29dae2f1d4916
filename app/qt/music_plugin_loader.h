#pragma once
// Finds the music plug-in in the program's folder and makes its output.

#include <QString>
#include <memory>

#include "music_output.h"

namespace qm::qt {

// Nothing when the plug-in is missing or will not load: the game is then
// silent.
std::unique_ptr<music::MusicOutput> LoadMusicOutput(const QString& programFolder);

}  // namespace qm::qt
