#include "fairy.h"

#include "brushwork.h"
#include "head.h"
#include "outfit.h"

namespace qm::art {

namespace {

// The orb has no body: a ball of light with two small wings.
void DrawOrbFairy(QPainter& p, const Fairy& fairy, const Pose& pose) {
    p.save();
    p.translate(0, 62);
    p.scale(0.78, 0.78);
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
    p.restore();
}

}  // namespace

void DrawFairy(QPainter& p, const Fairy& fairy, const Pose& pose) {
    if (fairy.outfit == Outfit::Orb) return DrawOrbFairy(p, fairy, pose);
    DrawWings(p, fairy, pose.wingFlap);
    const auto onHead = [&](auto draw) {
        p.save();
        p.translate(0, 24);
        p.rotate(pose.headTilt);
        p.translate(0, -24);
        draw();
        p.restore();
    };
    onHead([&] { DrawHeadBack(p, fairy); });
    DrawLegs(p, fairy);
    DrawOutfit(p, fairy);
    DrawArm(p, fairy, -1, pose.leftArm);
    DrawArm(p, fairy, 1, pose.rightArm);
    DrawOutfitOverlay(p, fairy);
    onHead([&] { DrawHeadFront(p, fairy, pose.expression); });
}

}  // namespace qm::art
