#pragma once
// Wings, clothes, arms and legs, in body units: the head (30 wide, see
// hair.h) around the origin, the neck below it, the feet on y = 120.

#include <QPainter>

#include "cast.h"
#include "fairy.h"

namespace qm::art {

// Behind everything; flap turns the wings up (degrees), span scales them.
void DrawWings(QPainter& p, const Fairy& fairy, double flap, double span = 1);
// Standing legs, or for a sitting or kneeling fairy (drawn raised by the
// posture's drop, see PostureDrop) what shows of the legs on the ground,
// and a long skirt spread around her.
void DrawLegs(QPainter& p, const Fairy& fairy, Posture posture);
void DrawOutfit(QPainter& p, const Fairy& fairy);
// What lies on the ground before a sitting or kneeling fairy.
void DrawLegsOnGround(QPainter& p, const Fairy& fairy, Posture posture);
// How far a posture lowers the body so that it rests on the ground.
double PostureDrop(Posture posture);
// side: -1 the left arm as we see it, 1 the right.
void DrawArm(QPainter& p, const Fairy& fairy, double side, const Arm& arm);
QPointF HandPoint(double side, const Arm& arm);
// What lies over the arms: the scarf.
void DrawOutfitOverlay(QPainter& p, const Fairy& fairy);

}  // namespace qm::art
