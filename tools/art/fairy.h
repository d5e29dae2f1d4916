#pragma once
// A whole fairy, from wings to headwear, in a pose.

#include <QPainter>
#include <QTransform>
#include <vector>

#include "cast.h"
#include "expression.h"

namespace qm::art {

// An arm in two parts, each at its angle in degrees out from hanging
// straight down (90 is level, 180 straight up, below 0 across the body):
// the upper arm to the elbow, the forearm to the hand. A straight arm has
// both the same. A raised arm may reach further than it hangs, as arms
// in pictures like these do.
struct Arm {
    double upper = 12, fore = 12;
    double length = 1;
    bool shown = true;  // false: behind the back
};
constexpr Arm Straight(double angle, double length = 1) { return {angle, angle, length}; }

// How the body rests: standing (or hovering, when placed above the ground),
// sitting with the legs out in front, kneeling, or lying down (without
// wings; a memory picture turns the whole fairy over).
enum class Posture { Stand, Sit, Kneel, Lie };

struct Pose {
    Arm left = Straight(12), right = Straight(12);  // as we see them
    double headTilt = 0;                            // degrees, clockwise
    double wingFlap = 0;
    double wingSpan = 1;  // how far the wings open; spread wide at 1.5
    Expression expression = Expression::Normal;
    Posture posture = Posture::Stand;
    std::vector<Mark> marks;
    bool glowing = false;  // shining brighter than ever, a light around her
    bool headwear = true;  // false: without her crown, halo, sprouts or clip
    double turned = 0;     // degrees the whole figure is turned by whoever places it
};

// In body units: the head's centre at the origin, 30 units its radius, the
// feet on y = kFeetY. The orb floats at chest height.
constexpr double kFeetY = 120;
void DrawFairy(QPainter& p, const Fairy& fairy, const Pose& pose);

// Where, in body units, a pose puts the hand on side (-1 left, 1 right),
// the top of the head, the mouth, and the lap: what a memory picture hangs
// the things a fairy holds on.
enum class Anchor { LeftHand, RightHand, BothHands, HeadTop, Mouth, Lap };
QPointF AnchorPoint(const Fairy& fairy, const Pose& pose, Anchor anchor);

}  // namespace qm::art
