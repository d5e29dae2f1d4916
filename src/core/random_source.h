#pragma once
// The game's one random generator: seeded once at start-up, and again by a
// test that wants repeatable names, hints and chronicles.

#include <cstdint>
#include <random>

namespace qm {

class RandomSource {
public:
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    // A uniform number in [0, 1), the same for a seed on every system (the
    // standard distributions may differ between libraries).
    double Next() { return static_cast<double>(engine_()) / 4294967296.0; }
    // The integer part of Next() times k: 0 .. k - 1.
    int Draw(int k) { return static_cast<int>(Next() * k); }

private:
    std::mt19937 engine_;
};

}  // namespace qm
