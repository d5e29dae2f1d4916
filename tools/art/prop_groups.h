#pragma once
// The registry's drawings, by what they are (see props.h).

#include <vector>

#include "props.h"

namespace qm::art {

std::vector<PropPainter> FoodProps();    // food, drink and what serves it
std::vector<PropPainter> PaperProps();   // books, letters, charts and cards
std::vector<PropPainter> NatureProps();  // leaves, flowers, seeds, trees, feathers
std::vector<PropPainter> SkyProps();     // stars, moons, rainbows and clouds
std::vector<PropPainter> ThingProps();   // tools, toys and what else is made

}  // namespace qm::art
