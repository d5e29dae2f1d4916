#pragma once
// Wings, clothes, arms and legs, in body units: the head (30 wide, see
// hair.h) around the origin, the neck below it, the feet on y = 120.

#include <QPainter>

#include "cast.h"

namespace qm::art {

// Behind everything; flap turns the wings up (degrees).
void DrawWings(QPainter& p, const Fairy& fairy, double flap);
void DrawLegs(QPainter& p, const Fairy& fairy);
void DrawOutfit(QPainter& p, const Fairy& fairy);
// angle: degrees out from hanging straight down; side: -1 the left arm as
// we see it, 1 the right.
void DrawArm(QPainter& p, const Fairy& fairy, double side, double angle);
// What lies over the arms: the scarf.
void DrawOutfitOverlay(QPainter& p, const Fairy& fairy);

}  // namespace qm::art
