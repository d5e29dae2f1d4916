#include "music_plugin_loader.h"

#include <QLibrary>

#include "music_plugin.h"

namespace qm::qt {

std::unique_ptr<music::MusicOutput> LoadMusicOutput(const QString& programFolder) {
    // Never unloaded: the output's code lives in it.
    QLibrary plugin(programFolder + "/quillmere-music");
    const auto make = reinterpret_cast<decltype(&quillmere_make_music_output)>(plugin.resolve(kMakeMusicOutput));
    return std::unique_ptr<music::MusicOutput>(make ? make() : nullptr);
}

}  // namespace qm::qt
