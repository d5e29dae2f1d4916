// What is in the sky: stars, moons, rainbows and clouds, centred on the
// origin. A few fill the whole picture and want at=0,0.

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "brushwork.h"
#include "landscape.h"
#include "prop_groups.h"

namespace qm::art {

namespace {

double Between(QRandomGenerator& rng, double low, double high) { return low + (high - low) * rng.generateDouble(); }

const QRectF kPicture(0, 0, 480, 360);

// The first star of the evening, low and bright.
void EveningStar(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 26, QColor(255, 250, 220, 150));
    Sparkle(p, QPointF(0, 0), 9, QColor(0xfffbe8));
}

void FullMoon(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 80, QColor(255, 245, 200, 90));
    FillSoft(p, EllipsePath(QPointF(0, 0), 26, 26), QColor(0xfffbe0), QColor(0xf3e0a8), 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 210, 160, 110));
    for (const QPointF& sea : {QPointF(-8, -6), QPointF(6, 4), QPointF(-3, 10)}) p.drawEllipse(sea, 6, 4.5);
}

// Clouds drifting over the moon, its light showing round their edges.
void MoonClouds(QPainter& p, QRandomGenerator& rng) {
    Glow(p, QPointF(0, 0), 50, QColor(255, 245, 200, 60));
    PaintClouds(p, rng, 3, QRectF(-40, -14, 80, 30), QColor(70, 80, 120, 235));
    PaintClouds(p, rng, 2, QRectF(-30, -20, 60, 10), QColor(200, 200, 220, 90));
}

// Puffs of cloud along a path, like a child's drawing of a cloud animal.
void CloudShape(QPainter& p, const std::vector<std::pair<QPointF, double>>& puffs, const QColor& colour) {
    p.setPen(Qt::NoPen);
    for (const auto& [at, r] : puffs) {
        p.setBrush(WithAlpha(colour.darker(108), colour.alpha()));
        p.drawEllipse(at + QPointF(0, r * 0.2), r, r * 0.85);
    }
    for (const auto& [at, r] : puffs) {
        p.setBrush(colour);
        p.drawEllipse(at, r * 0.92, r * 0.78);
    }
}

// A cloud shaped like a fish, swimming to the left.
void FishCloud(QPainter& p, QRandomGenerator&) {
    CloudShape(
        p,
        {{{-30, 0}, 16}, {{-12, -6}, 18}, {{8, -4}, 17}, {{24, 0}, 13}, {{-4, 8}, 14}, {{40, -12}, 10}, {{40, 12}, 10}},
        QColor(255, 255, 255, 235));
    p.setBrush(QColor(0x6a7aa8));
    p.drawEllipse(QPointF(-34, -3), 2.2, 2.2);
}

// A thundercloud towering up, white above and grey at its foot.
void Thundercloud(QPainter& p, QRandomGenerator&) {
    CloudShape(p, {{{-50, 0}, 26}, {{-20, 4}, 30}, {{14, 2}, 30}, {{44, 4}, 24}}, QColor(170, 176, 200, 240));
    CloudShape(p,
               {{{-24, -30}, 26}, {{8, -36}, 30}, {{-8, -68}, 26}, {{16, -86}, 20}, {{-30, -10}, 18}, {{30, -14}, 20}},
               QColor(250, 250, 255, 245));
}

// A rainbow's bands from outside in; reversed, the paler second bow.
void Bow(QPainter& p, double radius, double width, bool reversed, int alpha) {
    const QColor bands[] = {QColor(0xff5a5a), QColor(0xffa04a), QColor(0xffe45a),
                            QColor(0x6ad86a), QColor(0x5aa0ff), QColor(0x8a6ae0)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const QColor band = bands[reversed ? 5 - i : i];
        const double r = radius - i * width;
        p.setPen(QPen(WithAlpha(band, alpha), width + 0.6));
        p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), 0, 180 * 16);
    }
}

// Two rainbows, the second outside the first with its colours reversed.
void DoubleRainbow(QPainter& p, QRandomGenerator&) {
    Bow(p, 200, 5, true, 80);
    Bow(p, 160, 6, false, 150);
}

void SmallRainbow(QPainter& p, QRandomGenerator&) { Bow(p, 40, 3, false, 140); }

// Night rising over the left of the sky while the sun sets on the right.
void Nightfall(QPainter& p, QRandomGenerator& rng) {
    QLinearGradient dark(0, 0, 300, 0);
    dark.setColorAt(0, QColor(14, 20, 60, 235));
    dark.setColorAt(0.6, QColor(30, 34, 90, 140));
    dark.setColorAt(1, QColor(40, 40, 100, 0));
    p.fillRect(kPicture, dark);
    for (int i = 0; i < 30; ++i) {
        const QPointF at(Between(rng, 10, 200), Between(rng, 10, 200));
        Sparkle(p, at, 1 + 2.5 * (1 - at.x() / 200) * rng.generateDouble(), QColor(255, 250, 230, 210));
    }
}

// A shooting star running down to the left, its tail behind it.
void ShootingStar(QPainter& p, QRandomGenerator&) {
    QLinearGradient tail(QPointF(0, 0), QPointF(110, -50));
    tail.setColorAt(0, QColor(255, 250, 220, 230));
    tail.setColorAt(1, QColor(255, 250, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(tail);
    p.drawPolygon(QPolygonF({QPointF(0, -2.5), QPointF(110, -52), QPointF(112, -48), QPointF(0, 2.5)}));
    Glow(p, QPointF(0, 0), 18, QColor(255, 250, 220, 200));
    Sparkle(p, QPointF(0, 0), 7, QColor(0xfffbe8));
}

// The sun gone black at noon: the sky dims everywhere and a ring of light
// burns round the dark disc.
void Eclipse(QPainter& p, QRandomGenerator& rng) {
    p.save();
    p.resetTransform();
    p.fillRect(kPicture, QColor(16, 20, 56, 170));
    for (int i = 0; i < 20; ++i)
        Sparkle(p, QPointF(Between(rng, 20, 460), Between(rng, 20, 160)), 1.5, QColor(255, 250, 230, 200));
    p.restore();
    Glow(p, QPointF(0, 0), 70, QColor(255, 250, 230, 180));
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.rotate(i * 22.5);
        PaintBeam(p, QPolygonF({QPointF(0, -2), QPointF(50 + (i % 3) * 10, 0), QPointF(0, 2)}), QPointF(20, 0),
                  QPointF(60, 0), QColor(255, 250, 230, 160));
        p.restore();
    }
    p.setPen(QPen(QColor(0xfffbe8), 2.4));
    p.setBrush(QColor(0x0a0a14));
    p.drawEllipse(QPointF(0, 0), 22, 22);
}

// A shaft of sunlight falling from the top of the picture onto the origin.
void Sunbeam(QPainter& p, QRandomGenerator&) {
    PaintBeam(p, QPolygonF({QPointF(-20, -300), QPointF(30, -300), QPointF(34, 10), QPointF(-30, 10)}), QPointF(0, 10),
              QPointF(0, -300), QColor(255, 250, 210, 130));
    Glow(p, QPointF(0, 0), 40, QColor(255, 250, 210, 110));
}

// A bird drawn by the dark between stars: stars ring its outline, joined
// by faint lines, and inside it there is none.
void BirdConstellation(QPainter& p, QRandomGenerator&) {
    // A crow seen from below, flying up: beak, one wing out to its
    // fingered tip, the tail, the other wing.
    QPolygonF bird({{0, -44},
                    {-8, -28},
                    {-44, -32},
                    {-86, -28},
                    {-112, -18},
                    {-104, -10},
                    {-108, -4},
                    {-62, 2},
                    {-16, 8},
                    {-14, 30},
                    {0, 38}});
    for (int i = bird.size() - 2; i > 0; --i) bird << QPointF(-bird[i].x(), bird[i].y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(5, 6, 16, 170));
    QPainterPath shape;
    shape.addPolygon(bird);
    shape.closeSubpath();
    p.drawPath(shape);
    p.setPen(QPen(QColor(200, 210, 255, 110), 0.9, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(bird);
    for (const QPointF& star : bird) Sparkle(p, star, 3.2, QColor(255, 250, 230, 240));
}

// A soft warm light low behind someone: the dawn about to come.
void DawnGlow(QPainter& p, QRandomGenerator&) {
    p.save();
    p.scale(1.6, 1);
    Glow(p, QPointF(0, 0), 120, QColor(255, 214, 150, 170));
    p.restore();
}

// The seven stars of the Big Dipper, joined, and from the two at the end of
// its bowl a faint line on to the pole star, at the origin.
void BigDipper(QPainter& p, QRandomGenerator&) {
    const QPointF stars[] = {{-150, 90}, {-118, 70}, {-92, 62}, {-64, 58}, {-52, 84}, {-20, 80}, {-14, 52}};
    p.setPen(QPen(QColor(220, 230, 255, 140), 1.1));
    for (int i = 0; i + 1 < 7; ++i) p.drawLine(stars[i], stars[i + 1]);
    p.drawLine(stars[3], stars[6]);
    p.setPen(QPen(QColor(220, 230, 255, 90), 1, Qt::DashLine));
    p.drawLine(stars[5], QPointF(0, 0));
    for (const QPointF& star : stars) Sparkle(p, star, 4, QColor(0xfffbe8));
    Glow(p, QPointF(0, 0), 18, QColor(255, 250, 220, 160));
    Sparkle(p, QPointF(0, 0), 6.5, QColor(0xfffbe8));
}

// A small bluish star, and below it, where the water is, its reflection.
void BlueStar(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 14, QColor(170, 200, 255, 170));
    Sparkle(p, QPointF(0, 0), 5, QColor(0xd0e4ff));
}

void BlueStarReflection(QPainter& p, QRandomGenerator&) {
    p.scale(1.4, 0.6);
    Glow(p, QPointF(0, 0), 12, QColor(170, 200, 255, 110));
    Sparkle(p, QPointF(0, 0), 4, QColor(208, 228, 255, 150));
}

// Small grains of yellow light falling over the whole picture like snow.
void LightGrains(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 120; ++i) {
        const QPointF at(Between(rng, 0, 480), Between(rng, 0, 330));
        Glow(p, at, Between(rng, 3, 7), QColor(255, 230, 100, 170));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xfff6c0));
        p.drawEllipse(at, 1.1, 1.1);
    }
}

}  // namespace

std::vector<PropPainter> SkyProps() {
    return {
        {"evening-star", EveningStar},
        {"full-moon", FullMoon},
        {"moon-clouds", MoonClouds},
        {"fish-cloud", FishCloud},
        {"thundercloud", Thundercloud},
        {"double-rainbow", DoubleRainbow},
        {"small-rainbow", SmallRainbow},
        {"nightfall", Nightfall},
        {"shooting-star", ShootingStar},
        {"eclipse", Eclipse},
        {"sunbeam", Sunbeam},
        {"bird-constellation", BirdConstellation},
        {"big-dipper", BigDipper},
        {"dawn-glow", DawnGlow},
        {"blue-star", BlueStar},
        {"blue-star-reflection", BlueStarReflection},
        {"light-grains", LightGrains},
    };
}

}  // namespace qm::art
