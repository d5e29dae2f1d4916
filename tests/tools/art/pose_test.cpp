// Fairies in the poses of a memory picture: resting on the ground when
// they sit, their hands where the things they hold hang, arms behind the
// back out of sight, and their signs upright however they lie.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "cast.h"
#include "fairy.h"
#include "outfit.h"

namespace qm::art {
namespace {

constexpr int kSide = 400;
const QPointF kFeet(200, 300);

// The fairy on a clear canvas, her feet at kFeet, turned about them.
QImage Draw(const Fairy& fairy, const Pose& pose, double turn = 0) {
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kFeet);
    p.rotate(turn);
    p.translate(0, -kFeetY);
    DrawFairy(p, fairy, pose);
    return image;
}

int LowestPaintedRow(const QImage& image) {
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return y;
    return -1;
}

const Fairy& Named(const char* name) {
    for (const Fairy& fairy : Cast())
        if (fairy.name == name) return fairy;
    return Cast()[0];
}

TEST(PoseTest, SittingAndKneelingRestOnTheGroundAndHoldThingsLower) {
    for (const char* name : {"ササン", "マー", "ハブキィ"}) {
        const Fairy& fairy = Named(name);
        for (Posture posture : {Posture::Sit, Posture::Kneel}) {
            Pose pose;
            pose.posture = posture;
            const double drop = PostureDrop(posture);
            EXPECT_GT(drop, 0);
            // Nothing sinks below the ground she sits on.
            EXPECT_LE(LowestPaintedRow(Draw(fairy, pose)), kFeet.y() + 3) << name;
            Pose standing;
            EXPECT_EQ(AnchorPoint(fairy, pose, Anchor::HeadTop),
                      AnchorPoint(fairy, standing, Anchor::HeadTop) + QPointF(0, drop));
            EXPECT_EQ(AnchorPoint(fairy, pose, Anchor::LeftHand), HandPoint(-1, pose.left) + QPointF(0, drop));
        }
    }
}

TEST(PoseTest, BothHandsHoldBetweenTheHands) {
    const Fairy& fairy = Named("ドーゥー");
    Pose pose;
    pose.left = {35, -60};
    pose.right = Straight(150, 1.2);
    const QPointF between = AnchorPoint(fairy, pose, Anchor::BothHands);
    EXPECT_EQ(between, (HandPoint(-1, pose.left) + HandPoint(1, pose.right)) / 2);
    // A bent arm brings the hand back in front of the body.
    EXPECT_LT(std::abs(HandPoint(-1, pose.left).x()), 15);
    EXPECT_GT(std::abs(HandPoint(1, Straight(35)).x()), 20);
}

TEST(PoseTest, AnArmBehindTheBackIsNotDrawn) {
    const Fairy& fairy = Named("ジョダン");
    Pose hanging, hidden;
    hidden.left = hidden.right = {0, 0, 1, false};
    // Where the hanging hand is, the other picture shows her dress.
    for (double side : {-1.0, 1.0}) {
        const QPoint hand = (kFeet + HandPoint(side, hanging.left) - QPointF(0, kFeetY)).toPoint();
        const QColor shown = Draw(fairy, hanging).pixelColor(hand), behind = Draw(fairy, hidden).pixelColor(hand);
        EXPECT_LT(std::abs(shown.red() - Skin().red()) + std::abs(shown.blue() - Skin().blue()), 40) << side;
        EXPECT_GT(std::abs(behind.red() - Skin().red()) + std::abs(behind.blue() - Skin().blue()), 40) << side;
    }
}

// Lying down with her head to the right, the z's of her sleep still rise
// above her head rather than fall beside it.
TEST(PoseTest, SignsStandUprightWhenShesLyingDown) {
    const Fairy& fairy = Named("マー");
    Pose pose;
    pose.posture = Posture::Lie;
    pose.turned = 90;
    const QImage asleep = Draw(fairy, pose, 90);
    pose.marks = {Mark::Zzz};
    const QImage dreaming = Draw(fairy, pose, 90);
    double sumY = 0;
    int count = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (dreaming.pixel(x, y) != asleep.pixel(x, y)) {
                sumY += y;
                ++count;
            }
    ASSERT_GT(count, 20);
    // The head's centre lies kFeetY to the right of her feet, level with them.
    EXPECT_LT(sumY / count, kFeet.y() - 15);
}

}  // namespace
}  // namespace qm::art
