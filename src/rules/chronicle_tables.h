#pragma once
// The sentences of the world chronicle. In each, {N} stands for the part's
// name and {P} for the name of the part made just before it.

#include <array>
#include <string_view>

#include "core/world_parts.h"

namespace qm::chronicle {

using ByEmotion = std::array<std::string_view, kEmotions>;

// Born or found, by race.
extern const std::array<std::string_view, kRaces> kBirth;
// A creature and the part before it, by that part's race and the
// creature's dominant emotion.
extern const std::array<ByEmotion, kRaces> kRelation;
// A creature's rivalry, by its least emotion.
extern const ByEmotion kRivalry;
// A creature's trait, a plant's and a mineral's nature: by dominant emotion.
extern const ByEmotion kTrait;
extern const ByEmotion kPlantNature;
extern const ByEmotion kMineralNature;
// Chance events of plants and minerals, tried in order.
extern const std::array<std::string_view, 5> kPlantEvents;
extern const std::array<std::string_view, 3> kMineralEvents;
// The whole world, by the emotion that ruled most parts.
extern const ByEmotion kClosing;

}  // namespace qm::chronicle
