#pragma once
// The instruments a voice can play: how a note's partials are tuned and
// weighted, how fast each fades, and how the note starts and stops.

#include <string>
#include <vector>

namespace qm::bgm {

struct Partial {
    double multiple;   // of the note's frequency; need not be whole (bells)
    double amplitude;  // relative to the first partial
    double fade;       // how many times faster than the note it dies away
};

struct Timbre {
    std::string name;
    std::vector<Partial> partials;
    double attackSeconds;
    double releaseSeconds;  // the fade at the end of the note's ringing
    // Seconds for a middle C to fall to 1/e; lower notes ring longer, as
    // strings and bars do. 0 holds the note at full strength until released.
    double decaySeconds;
    double vibrato;  // depth, as a share of the frequency; 0 for none
};

// The timbre of that name, or nullptr: "string" (soft, dark, the default),
// "harp" (a bright pluck), "bell" (a celesta's ring, its partials out of
// tune with one another) and "pad" (held, swelling, with a slight vibrato).
const Timbre* FindTimbre(const std::string& name);

}  // namespace qm::bgm
