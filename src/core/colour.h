#pragma once
// Colours as the game keeps them: red + 256 * green + 65536 * blue.

#include <cstdint>

namespace qm {

using Colour = std::int32_t;
constexpr Colour Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);

}  // namespace qm
