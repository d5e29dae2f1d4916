#include "story_places.h"

#include <QLinearGradient>

#include "brushwork.h"
#include "weather.h"

namespace qm::art {

const Sky kSnowLight{QColor(0x9aa4bc),           QColor(0xd6d4de), QColor(0xfbe4b4),
                     QColor(255, 232, 190, 170), {430, 268},       18,
                     QColor(150, 160, 200, 30)};
const Sky kRainLight{QColor(0x66707e),      QColor(0x939da8), QColor(0xbfc6c8), Qt::transparent, {}, 0,
                     QColor(50, 60, 80, 70)};
const Sky kAfterDusk{
    QColor(0x0e1436), QColor(0x262c62), QColor(0x6a4a78), Qt::transparent, {}, 0, QColor(10, 12, 40, 120), 50};
const Sky kDeepNight{QColor(0x070b22), QColor(0x141c46), QColor(0x34407a), Qt::transparent, {}, 0, Qt::transparent};
const Sky kEarlyNight{
    QColor(0x0e1436), QColor(0x2a2e70), QColor(0x7a5a9a), Qt::transparent, {}, 0, QColor(12, 16, 50, 70), 80};
const Sky kSunsetLight{QColor(0x46386e),          QColor(0xe0666a), QColor(0xffb25e),
                       QColor(255, 176, 96, 240), {430, 262},       34,
                       QColor(210, 90, 60, 55)};
const Sky kRiverLight{QColor(0x6fb0ee), QColor(0xb4dcf6), QColor(0xeaf6f4), QColor(255, 252, 230, 200), {120, 70}, 20,
                      Qt::transparent};
const Sky kBeforeDawn{
    QColor(0x080c24), QColor(0x1c2452), QColor(0xf0c890), Qt::transparent, {}, 0, QColor(10, 12, 36, 150), 120};

namespace {

QColor Far(const QColor& c, const Sky& sky, double distance) { return Mix(c, sky.horizon, distance); }

// Snow lying on the tops of a round tree's puffs (see PaintRoundTree).
void SnowOnTree(QPainter& p, QPointF base, double height) {
    const double r = height * 0.32;
    const QPointF crown = base - QPointF(0, height - r);
    const QPointF puffs[] = {{-0.3, -0.35}, {0.3, -0.3}, {-0.55, 0.35}, {0.55, 0.35}};
    for (const QPointF& puff : puffs) {
        const QPointF top = crown + puff * r - QPointF(0, r * 0.45);
        QPainterPath cap(top + QPointF(-r * 0.62, r * 0.18));
        cap.quadTo(top + QPointF(0, -r * 0.38), top + QPointF(r * 0.62, r * 0.18));
        cap.quadTo(top + QPointF(r * 0.3, r * 0.32), top + QPointF(0, r * 0.22));
        cap.quadTo(top + QPointF(-r * 0.3, r * 0.34), top + QPointF(-r * 0.62, r * 0.18));
        FillSoft(p, cap, QColor(0xffffff), QColor(0xe4ebf6), 0);
    }
}

// A tall tree at the edge of the picture, its crown reaching out over it.
void BigTree(QPainter& p, double x, const QColor& leaves, const QColor& shade, const QColor& bark) {
    const double side = x < 320 ? 1 : -1;
    p.setPen(QPen(bark, 46, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 490), QPointF(x + side * 14, 60));
    p.setPen(QPen(bark, 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + side * 10, 180), QPointF(x + side * 120, 110));
    for (const QPointF& puff : {QPointF(0, 40), QPointF(90, 10), QPointF(170, 60), QPointF(-30, 110), QPointF(60, 120)})
        FillSoft(p, EllipsePath(QPointF(x + side * puff.x(), puff.y()), 120, 75), leaves, shade, 0);
    // Roots spreading into the ground.
    for (double reach : {40.0, 80.0}) {
        QPainterPath root(QPointF(x - side * 10, 440));
        root.quadTo(x + side * reach * 0.5, 450, x + side * reach, 472);
        p.setPen(QPen(bark, 12, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(root);
    }
}

// Stars and their reflections in still water below horizonY.
void MirroredStars(QPainter& p, QRandomGenerator& rng, int count, double horizonY) {
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.bounded(640), rng.bounded(int(horizonY - 20)));
        const double r = 0.5 + 1.4 * std::pow(rng.generateDouble(), 3);
        const QPointF mirrored(at.x(), 2 * horizonY - at.y());
        if (r > 1.3) {
            Sparkle(p, at, r * 3, QColor(255, 251, 232, 230));
            if (mirrored.y() < 480) Sparkle(p, mirrored, r * 2.4, QColor(255, 251, 232, 120));
            continue;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 248, 224, 200));
        p.drawEllipse(at, r, r);
        p.setBrush(QColor(255, 248, 224, 90));
        if (mirrored.y() < 480) p.drawEllipse(mirrored, r * 1.4, r * 0.8);
    }
}

void Stone(QPainter& p, QPointF at, double rx, double ry, const QColor& colour) {
    FillSoft(p, EllipsePath(at, rx, ry), colour.lighter(125), colour.darker(125), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 70));
    p.drawEllipse(at + QPointF(-rx * 0.3, -ry * 0.4), rx * 0.35, ry * 0.25);
}

}  // namespace

void PaintSnowHill(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    PaintClouds(p, rng, 6, {20, 30, 600, 110}, QColor(255, 255, 255, 90));
    PaintRidge(p, rng, 270, 20, Far(QColor(0xeef2fa), sky, 0.3), Far(QColor(0xc4cde0), sky, 0.2));
    // The first light is low: the near slope still lies in blue shadow.
    PaintHomeHill(p, QColor(0xeef2fa), QColor(0x5a6894), QColor(0xd0daea), QColor(0x4d7f6e), QColor(0x5a4438));
    SnowOnTree(p, kHillTop, 130);
    // The fresh snow glitters where the first light touches it.
    for (int i = 0; i < 18; ++i)
        Sparkle(p, QPointF(rng.bounded(640), 300 + rng.bounded(170)), 2 + rng.bounded(3), QColor(255, 248, 220, 200));
    PaintWeather(p, rng, Weather::Snow, {0, 0, 640, 480});
}

void PaintRainyForest(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 280);
    PaintClouds(p, rng, 9, {-20, 20, 680, 120}, QColor(120, 128, 140, 150));
    PaintTreeRow(p, rng, -20, 670, 262, 110, Far(QColor(0x6f9a84), sky, 0.5), Far(QColor(0x6a6a60), sky, 0.5));
    PaintRidge(p, rng, 290, 10, QColor(0x7aa070), QColor(0x2e4a38));
    BigTree(p, 60, QColor(0x4f8a64), QColor(0x2c5a44), QColor(0x4a3a30));
    for (const QPointF& at : {QPointF(300, 420), QPointF(470, 380), QPointF(560, 450), QPointF(210, 350)})
        PaintPuddle(p, at, 20 + (at.y() - 330) * 0.4, 5 + (at.y() - 330) * 0.08, sky.horizon);
    // Drops shining on the leaves.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(235, 245, 255, 170));
        p.drawEllipse(QPointF(rng.bounded(300), 20 + rng.bounded(170)), 1.6, 2.2);
    }
    PaintWeather(p, rng, Weather::Rain, {0, 0, 640, 480});
}

void PaintBonfire(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    PaintTreeRow(p, rng, -40, 200, 300, 170, QColor(0x16203a), QColor(0x0e1424));
    PaintTreeRow(p, rng, 470, 700, 300, 190, QColor(0x16203a), QColor(0x0e1424));
    PaintTreeRow(p, rng, 180, 480, 292, 70, QColor(0x1c2848), QColor(0x101830));
    PaintRidge(p, rng, 330, 8, QColor(0x4a4048), QColor(0x1a1820));
    // The firelight on the ground of the clearing.
    GlowBand(p, QPointF(400, 390), 360, 0.35, 0, QColor(255, 150, 70, 170));
    Glow(p, QPointF(400, 330), 220, QColor(255, 170, 90, 60));
    PaintFire(p, rng, QPointF(400, 390), 100);
}

void PaintNightLake(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    constexpr double kShore = 250;
    PaintSky(p, sky, kShore);
    GlowBand(p, QPointF(320, 120), 380, 0.16, -12, QColor(200, 190, 255, 55));
    PaintRidge(p, rng, kShore - 14, 16, QColor(0x1a2248), QColor(0x121a3a));
    QLinearGradient water(0, kShore, 0, 480);
    water.setColorAt(0, QColor(0x4a5a9c));
    water.setColorAt(0.5, QColor(0x2a3468));
    water.setColorAt(1, QColor(0x0e1430));
    p.fillRect(QRectF(0, kShore, 640, 230), water);
    // The milky way again, in the water.
    GlowBand(p, QPointF(320, 330), 380, 0.14, 12, QColor(200, 190, 255, 110));
    p.setPen(QPen(QColor(150, 160, 230, 90), 1.2));
    p.drawLine(QPointF(0, kShore), QPointF(640, kShore));
    MirroredStars(p, rng, 180, kShore);
    // The near shore, where someone can sit.
    QPainterPath shore(QPointF(-10, 490));
    shore.lineTo(-10, 410);
    shore.cubicTo(120, 392, 260, 420, 360, 470);
    shore.lineTo(380, 490);
    shore.closeSubpath();
    FillSoft(p, shore, QColor(0x34484a), QColor(0x121a1c), 0);
    PaintRipples(p, QPointF(470, 420), 90, 3, QColor(200, 210, 255, 70));
}

void PaintNightField(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 270);
    PaintRidge(p, rng, 250, 20, QColor(0x1e2656), QColor(0x161c44));
    PaintRidge(p, rng, 272, 8, QColor(0x2a4a3a), QColor(0x10201a));
    PaintFlowerField(p, rng, {-10, 272, 660, 215}, 700,
                     {QColor(0xfff07a), QColor(0xffe14d), QColor(0xf4d03a), QColor(0xfff8b0)});
}

void PaintSunsetHill(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 290);
    PaintClouds(p, rng, 5, {30, 60, 580, 110}, QColor(255, 200, 190, 140));
    PaintRidge(p, rng, 282, 12, Far(QColor(0x8a5a8a), sky, 0.3), Far(QColor(0x6a4a7a), sky, 0.2));
    QPainterPath slope(QPointF(-10, 490));
    slope.lineTo(-10, 300);
    slope.cubicTo(160, 290, 420, 330, 650, 380);
    slope.lineTo(650, 490);
    slope.closeSubpath();
    FillSoft(p, slope, QColor(0x9ab86a), QColor(0x3e5e3a), 0);
    PaintFlowerField(
        p, rng, {-10, 300, 660, 185}, 520,
        {QColor(0xffffff), QColor(0xffb8d4), QColor(0xf37aa8), QColor(0xffe27a), QColor(0xff8a7a), QColor(0xc8a8f0)});
    PaintWeather(p, rng, Weather::Petals, {0, 80, 640, 300});
}

void PaintRiver(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 250);
    PaintClouds(p, rng, 5, {30, 40, 580, 100}, QColor(255, 255, 255, 170));
    PaintRidge(p, rng, 215, 28, Far(QColor(0x8fa8c8), sky, 0.4), Far(QColor(0x8fa0c0), sky, 0.3));
    PaintTreeRow(p, rng, -20, 670, 250, 50, Far(QColor(0x5fa07a), sky, 0.15), QColor(0x5a5a50));
    QPainterPath banks(QPointF(-10, 250));
    banks.lineTo(650, 250);
    banks.lineTo(650, 490);
    banks.lineTo(-10, 490);
    banks.closeSubpath();
    FillSoft(p, banks, QColor(0x9ccf7c), QColor(0x5a8e54), 0);
    // The river runs from far away towards us, widening as it comes.
    QPainterPath river(QPointF(300, 250));
    river.cubicTo(250, 300, 120, 340, 150, 490);
    river.lineTo(560, 490);
    river.cubicTo(470, 380, 360, 300, 340, 250);
    river.closeSubpath();
    QLinearGradient water(0, 250, 0, 480);
    water.setColorAt(0, QColor(0xc8e8f4));
    water.setColorAt(1, QColor(0x4aa6c8));
    p.setPen(QPen(QColor(0xe8dcc0), 5));
    p.setBrush(water);
    p.drawPath(river);
    p.save();
    p.setClipPath(river, Qt::IntersectClip);
    for (int i = 0; i < 60; ++i) {
        const double depth = rng.generateDouble();
        const QPointF at(150 + rng.bounded(410), 250 + 230 * depth * depth);
        p.setPen(QPen(QColor(255, 255, 255, 120 + rng.bounded(100)), 1 + depth * 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(6 + 22 * depth, 2 * depth));
    }
    p.restore();
    const QColor stones[] = {QColor(0xb8b0a4), QColor(0x9aa0a4), QColor(0xc8bca8)};
    for (int i = 0; i < 26; ++i) {
        const double depth = 0.3 + 0.7 * rng.generateDouble();
        const double y = 260 + 220 * depth;
        const bool left = rng.bounded(2) == 0;
        const double edge = left ? 150 + (300 - 150) * (1 - depth) : 560 - (560 - 340) * (1 - depth);
        const double x = edge + (left ? -1 : 1) * rng.bounded(40) * depth;
        Stone(p, QPointF(x, y), 6 + 16 * depth, 4 + 9 * depth, stones[rng.bounded(3)]);
    }
}

void PaintDawnHill(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    // The thin band of gold where the sun will rise.
    GlowBand(p, QPointF(330, 290), 420, 0.16, 0, QColor(255, 206, 140, 170));
    PaintRidge(p, rng, 282, 16, QColor(0x1a2044), QColor(0x141a38));
    PaintHomeHill(p, QColor(0x2a3c44), QColor(0x0e161c), QColor(0x3a4650), QColor(0x1e2c3a), QColor(0x141820));
}

}  // namespace qm::art
