#pragma once
// The names of the world's parts, drawn letter by letter.

#include <string>

namespace qm {

class RandomSource;

// A name of `length` letters from the name alphabet, never its last "ー".
std::string MakeName(RandomSource& random, int length);

}  // namespace qm
