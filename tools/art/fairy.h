#pragma once
// A whole fairy, from wings to headwear.

#include <QPainter>

#include "cast.h"

namespace qm::art {

struct Pose {
    double leftArm = 12, rightArm = 12;  // degrees out from hanging down (see DrawArm)
    double headTilt = 0;                 // degrees, clockwise
    double wingFlap = 0;
    Expression expression = Expression::Normal;
};

// In body units: the head's centre at the origin, 30 units its radius, the
// feet on y = kFeetY. The orb floats at chest height.
constexpr double kFeetY = 120;
void DrawFairy(QPainter& p, const Fairy& fairy, const Pose& pose);

}  // namespace qm::art
