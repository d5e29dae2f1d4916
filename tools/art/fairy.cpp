#include "fairy.h"

#include <cmath>

#include "brushwork.h"
#include "head.h"
#include "outfit.h"

namespace qm::art {

namespace {

// The orb has no body: a ball of light with two small wings, at chest height.
const QPointF kOrbCentre(0, 62);
constexpr double kOrbScale = 0.78;

void DrawOrbFairy(QPainter& p, const Fairy& fairy, const Pose& pose) {
    p.save();
    p.translate(kOrbCentre);
    p.scale(kOrbScale, kOrbScale);
    p.rotate(pose.headTilt);
    DrawHeadBack(p, fairy);
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(side * 24, -8);
        p.rotate(side * (30 + pose.wingFlap));
        FillSoft(p, EllipsePath(QPointF(side * 10, 0), 13, 8), WithAlpha(Qt::white, 220),
                 WithAlpha(fairy.wingTint, 180), 1.0);
        p.restore();
    }
    DrawHeadFront(p, fairy, pose.expression);
    p.rotate(-pose.headTilt - pose.turned);
    for (Mark mark : pose.marks) DrawMark(p, fairy, mark);
    p.restore();
}

// The head turns about the neck.
QTransform HeadTurn(const Pose& pose) { return QTransform().translate(0, 24).rotate(pose.headTilt).translate(0, -24); }

}  // namespace

void DrawFairy(QPainter& p, const Fairy& fairy, const Pose& pose) {
    if (pose.glowing) Glow(p, QPointF(0, 50), 150, WithAlpha(fairy.accent, 190));
    if (fairy.outfit == Outfit::Orb) return DrawOrbFairy(p, fairy, pose);
    p.save();
    const double drop = PostureDrop(pose.posture);
    if (drop > 0) {
        // Sitting or kneeling, what would sink below the ground is hidden.
        p.setClipRect(QRectF(-300, -300, 600, 300 + kFeetY + 2), Qt::IntersectClip);
        p.translate(0, drop);
    }
    if (pose.posture != Posture::Lie) DrawWings(p, fairy, pose.wingFlap, pose.wingSpan);
    const auto onHead = [&](auto draw) {
        p.save();
        p.setTransform(HeadTurn(pose), true);
        draw();
        p.restore();
    };
    onHead([&] { DrawHeadBack(p, fairy); });
    DrawLegs(p, fairy, pose.posture);
    DrawOutfit(p, fairy);
    DrawLegsOnGround(p, fairy, pose.posture);
    // A hand raised to the face (rubbing an eye, a finger to the lips) is
    // in front of it; any other arm goes behind the hair.
    const auto atFace = [](double side, const Arm& arm) {
        const QPointF hand = HandPoint(side, arm);
        return arm.upper != arm.fore && hand.y() < 40 && std::abs(hand.x()) < 22;
    };
    for (const auto& [side, arm] : {std::pair{-1.0, pose.left}, std::pair{1.0, pose.right}})
        if (!atFace(side, arm)) DrawArm(p, fairy, side, arm);
    DrawOutfitOverlay(p, fairy);
    onHead([&] {
        DrawHeadFront(p, fairy, pose.expression, pose.headwear);
        // Signs stand upright however the fairy leans or lies.
        p.rotate(-pose.headTilt - pose.turned);
        for (Mark mark : pose.marks) DrawMark(p, fairy, mark);
    });
    for (const auto& [side, arm] : {std::pair{-1.0, pose.left}, std::pair{1.0, pose.right}})
        if (atFace(side, arm)) DrawArm(p, fairy, side, arm);
    p.restore();
}

QPointF AnchorPoint(const Fairy& fairy, const Pose& pose, Anchor anchor) {
    if (fairy.outfit == Outfit::Orb) {
        const double r = 30 * kOrbScale;
        switch (anchor) {
            case Anchor::LeftHand:
                return kOrbCentre + QPointF(-r * 0.8, r * 0.4);
            case Anchor::RightHand:
                return kOrbCentre + QPointF(r * 0.8, r * 0.4);
            case Anchor::BothHands:
            case Anchor::Lap:
                return kOrbCentre + QPointF(0, r * 1.05);
            case Anchor::HeadTop:
                return kOrbCentre - QPointF(0, r * 1.1);
            case Anchor::Mouth:
                return kOrbCentre + QPointF(0, r * 0.35);
        }
    }
    const QPointF raised(0, PostureDrop(pose.posture));
    switch (anchor) {
        case Anchor::LeftHand:
            return raised + HandPoint(-1, pose.left);
        case Anchor::RightHand:
            return raised + HandPoint(1, pose.right);
        case Anchor::BothHands:
            return raised + (HandPoint(-1, pose.left) + HandPoint(1, pose.right)) / 2;
        case Anchor::HeadTop:
            return raised + HeadTurn(pose).map(QPointF(0, -34));
        case Anchor::Mouth:
            return raised + HeadTurn(pose).map(QPointF(0, 17));
        case Anchor::Lap:
            break;
    }
    return raised + QPointF(0, 76);
}

}  // namespace qm::art
