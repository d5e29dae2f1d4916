#include "music_command.h"

#include <string_view>

namespace qm::music {
namespace {

// The forms that name the alias right after the verb, by the words that
// follow the alias.
struct AliasForm {
    std::string_view verb, rest;
    MusicVerb meaning;
};

constexpr AliasForm kAliasForms[] = {
    {"close", "notify", MusicVerb::Close},        {"play", "notify", MusicVerb::Play},
    {"play", "from 0", MusicVerb::PlayFromStart}, {"seek", "to start", MusicVerb::Rewind},
    {"status", "mode", MusicVerb::QueryMode},
};

bool IsWord(std::string_view text) { return !text.empty() && text.find_first_of(" \"") == std::string_view::npos; }

// The path sits between quotes and may hold spaces, but no quote.
std::optional<MusicCommand> ParseOpen(std::string_view text) {
    constexpr std::string_view kStart = "open \"", kAlias = "\" alias ";
    if (!text.starts_with(kStart)) return std::nullopt;
    const std::size_t quote = text.find('"', kStart.size());
    if (quote == std::string_view::npos || quote == kStart.size()) return std::nullopt;
    if (text.substr(quote, kAlias.size()) != kAlias) return std::nullopt;
    const std::string_view alias = text.substr(quote + kAlias.size());
    if (!IsWord(alias)) return std::nullopt;
    return MusicCommand{MusicVerb::Open, std::string(alias),
                        std::string(text.substr(kStart.size(), quote - kStart.size()))};
}

std::optional<MusicCommand> ParseAliasForm(std::string_view text) {
    const std::size_t verbEnd = text.find(' ');
    if (verbEnd == std::string_view::npos) return std::nullopt;
    const std::size_t aliasEnd = text.find(' ', verbEnd + 1);
    if (aliasEnd == std::string_view::npos) return std::nullopt;
    const std::string_view verb = text.substr(0, verbEnd);
    const std::string_view alias = text.substr(verbEnd + 1, aliasEnd - verbEnd - 1);
    const std::string_view rest = text.substr(aliasEnd + 1);
    if (!IsWord(alias)) return std::nullopt;
    for (const AliasForm& form : kAliasForms) {
        if (form.verb == verb && form.rest == rest) return MusicCommand{form.meaning, std::string(alias), {}};
    }
    return std::nullopt;
}

}  // namespace

std::optional<MusicCommand> ParseMusicCommand(const std::string& text) {
    return text.starts_with("open ") ? ParseOpen(text) : ParseAliasForm(text);
}

}  // namespace qm::music
