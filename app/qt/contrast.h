#pragma once
// Contrast between two colours as readers with low vision need it: the
// ratio of their relative luminances (1:1 for equal colours, 21:1 for black
// on white), and a pair of colours pushed apart until they reach a ratio.

#include "ui/control.h"

namespace qm::qt {

struct ColourPair {
    Colour back, fore;
    bool operator==(const ColourPair&) const = default;
};

double ContrastRatio(Colour a, Colour b);

// The pair itself when it already reaches `ratio`; otherwise the darker of
// the two moved toward black and the lighter toward white, by the least
// step that reaches it, so that each keeps something of its hue. With
// `foreFixed` only the back colour moves (a text colour the window does
// not choose).
ColourPair WithContrast(ColourPair pair, double ratio, bool foreFixed = false);

}  // namespace qm::qt
