#pragma once
// The music command strings the game sends, read into what they ask for.

#include <optional>
#include <string>

namespace qm::music {

enum class MusicVerb { Open, Close, Play, PlayFromStart, Rewind, QueryMode };

struct MusicCommand {
    MusicVerb verb;
    std::string alias;
    std::string path;  // the file, for Open only
};

// Reads exactly these forms, with one space between words:
//   open "PATH" alias NAME     close NAME notify     play NAME notify
//   play NAME from 0           seek NAME to start    status NAME mode
// Anything else is no command.
std::optional<MusicCommand> ParseMusicCommand(const std::string& text);

}  // namespace qm::music
