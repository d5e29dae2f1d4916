#pragma once
// A fairy's head in head units (see hair.h), in two layers so that long hair
// can fall behind the body: what is behind, then the face and all before it.

#include <QPainter>

#include "cast.h"

namespace qm::art {

void DrawHeadBack(QPainter& p, const Fairy& fairy);
void DrawHeadFront(QPainter& p, const Fairy& fairy, Expression expression, bool headwear = true);

}  // namespace qm::art
