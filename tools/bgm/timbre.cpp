#include "timbre.h"

#include <array>

namespace qm::bgm {

namespace {

const std::array<Timbre, 4>& Timbres() {
    static const std::array<Timbre, 4> timbres = {{
        // A soft struck string: few partials, the upper ones quiet and brief.
        {"string", {{1, 1.0, 1}, {2, 0.28, 2}, {3, 0.09, 3}}, 0.015, 0.25, 1.6, 0},
        // A plucked harp: a crisp start and a row of partials that give it
        // its shine, fading one after another.
        {"harp",
         {{1, 1.0, 1},
          {2, 0.6, 1.6},
          {3, 0.45, 2.2},
          {4, 0.32, 2.8},
          {5, 0.24, 3.4},
          {6, 0.17, 4},
          {7, 0.12, 4.6},
          {8, 0.09, 5.2},
          {9, 0.06, 5.8},
          {10, 0.04, 6.4}},
         0.004,
         0.2,
         1.4,
         0},
        // A celesta: a sweet fundamental over the bright, short-lived clang
        // of a struck bar.
        {"bell", {{1, 1.0, 1}, {2, 0.4, 1.5}, {2.76, 0.4, 2.5}, {5.4, 0.25, 4}, {8.93, 0.12, 6}}, 0.002, 0.3, 2.2, 0},
        // Held strings or a soft organ, under the others.
        {"pad",
         {{1, 1.0, 0}, {2, 0.5, 0}, {3, 0.33, 0}, {4, 0.25, 0}, {5, 0.2, 0}, {6, 0.16, 0}, {7, 0.12, 0}, {8, 0.1, 0}},
         0.35,
         0.6,
         0,
         0.004},
    }};
    return timbres;
}

}  // namespace

const Timbre* FindTimbre(const std::string& name) {
    for (const Timbre& timbre : Timbres())
        if (timbre.name == name) return &timbre;
    return nullptr;
}

}  // namespace qm::bgm
