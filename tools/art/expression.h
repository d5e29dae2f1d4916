#pragma once
// Eyes, brows, mouth and the small signs (tears, blush) of an expression, in
// head units (see hair.h). The eyes keep each fairy's own style, so a face
// stays recognisable whatever it feels.

#include <QPainter>

#include "cast.h"

namespace qm::art {

// The features below the fringe.
void DrawFace(QPainter& p, const Fairy& fairy, Expression expression);

// Brows and the signs drawn over the hair.
void DrawFaceMarks(QPainter& p, const Fairy& fairy, Expression expression);

}  // namespace qm::art
