#include "commands/fairy_orb.h"

#include <string>

#include "game/game.h"
#include "script/ending.h"

namespace qm {
namespace {

// The black fairy is the last of the eight and never named here.
constexpr int kNamedFairies = 7;

std::string ColourHint(Game& game) {
    const GameState& s = game.state;
    SpendPoints(game, 10);
    const int fairy = game.random.Draw(kNamedFairies);
    return "妖精ノ色\r\n\r\n" + s.FairyName[fairy] + s.ColourName[fairy];
}

std::string AffectionHint(Game& game) {
    const GameState& s = game.state;
    SpendPoints(game, 30);
    std::string text = "貴方ヘノ愛\r\n";
    for (std::size_t fairy = 0; fairy < s.Affection.size(); ++fairy) {
        text += "\r\n" + s.FairyName[fairy] + "　：　";
        // One star a point, counted as the game always has: as a byte.
        const int stars = static_cast<std::uint8_t>(s.Affection[fairy]);
        for (int i = 0; i < stars; ++i) text += "★";
    }
    return text;
}

}  // namespace

void ShowOrbHint(Game& game, std::int16_t kind) {
    std::string text;
    if (kind == 0) text = ColourHint(game);
    if (kind == 1) text = AffectionHint(game);
    game.Message(text);
}

}  // namespace qm
