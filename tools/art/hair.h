#pragma once
// Hair and what is worn on the head, in head units: the head is an ellipse
// 30 wide and 28 tall around the origin (radii), its chin at y = 28.

#include <QPainter>

#include "cast.h"

namespace qm::art {

// What lies behind the head and, for long hair, behind the body.
void DrawHairBack(QPainter& p, const Fairy& fairy);

// The fringe and side locks over the forehead.
void DrawHairFront(QPainter& p, const Fairy& fairy);

// Halo, sprouts, flower crown and ribbons, star clip, bubbles.
void DrawHeadwear(QPainter& p, const Fairy& fairy);

}  // namespace qm::art
