#include "commands/fairy_orb.h"

#include <string>

#include "game/game.h"
#include "game/messages.h"
#include "script/ending.h"

namespace qm {
namespace {

// The black fairy is the last of the eight and never named here.
constexpr int kNamedFairies = 7;

std::string ColourHint(Game& game) {
    const GameState& s = game.state;
    SpendPoints(game, 10);
    const int fairy = game.random.Draw(kNamedFairies);
    return ColourHintMessage(s.FairyName[fairy], s.ColourName[fairy]);
}

std::string AffectionHint(Game& game) {
    SpendPoints(game, 30);
    return AffectionHintMessage(game.state.FairyName, game.state.Affection);
}

}  // namespace

void ShowOrbHint(Game& game, OrbHint hint) {
    game.Message(hint == OrbHint::Colour ? ColourHint(game) : AffectionHint(game));
}

}  // namespace qm
