#pragma once
// Where controls lie in twips, from the logical units of their containers.

#include "ui/control.h"

namespace qm {

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// The window: its place on the screen. Any other control: its place inside
// its container's inner area.
TwipsRect TwipsRectOf(const Control& control);

// Lengths in twips expressed in the units a container gives its children.
double WidthInUnits(const Control& container, double twips);
double HeightInUnits(const Control& container, double twips);

}  // namespace qm
