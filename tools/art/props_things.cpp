// Tools, toys and whatever else is made: things that stand have their base
// on the origin, things held are centred on it.

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "brushwork.h"
#include "prop_groups.h"
#include "weather.h"

namespace qm::art {

namespace {

double Between(QRandomGenerator& rng, double low, double high) { return low + (high - low) * rng.generateDouble(); }

QPainterPath Rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

const QColor kWater(0x9fd8ff);

void Bubble(QPainter& p, QPointF centre, double r) {
    p.setBrush(QColor(214, 246, 255, 70));
    p.setPen(QPen(WithAlpha(Qt::white, 220), 1.1));
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 230));
    p.drawEllipse(centre + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.25);
}

// A wooden bucket swung upside down, empty.
void Bucket(QPainter& p, QRandomGenerator&) {
    p.save();
    p.rotate(140);
    FillSoft(p, PolygonPath({{-11, -10}, {11, -10}, {8, 10}, {-8, 10}}), QColor(0xc8905a), QColor(0x8a5a30), 1.2);
    p.setPen(QPen(QColor(0x6a6a70), 1.6));
    for (double y : {-5.0, 5.0}) p.drawLine(QPointF(-10.2 + (y + 10) * 0.15, y), QPointF(10.2 - (y + 10) * 0.15, y));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-11, -22, 22, 24), 0, 180 * 16);
    p.restore();
}

// Water thrown from the right in an arc, falling in a shower of drops on
// whoever is under the origin.
void Splash(QPainter& p, QRandomGenerator& rng) {
    QPainterPath arc(QPointF(90, -40));
    arc.cubicTo(60, -70, 10, -60, -14, 0);
    arc.lineTo(14, 4);
    arc.cubicTo(20, -36, 56, -52, 90, -30);
    arc.closeSubpath();
    QLinearGradient water(90, -40, 0, 0);
    water.setColorAt(0, QColor(170, 220, 255, 120));
    water.setColorAt(0.5, QColor(190, 232, 255, 220));
    water.setColorAt(1, QColor(210, 240, 255, 120));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(water);
    p.drawPath(arc);
    p.setPen(QPen(QColor(90, 160, 210, 160), 0.8));
    for (int i = 0; i < 46; ++i) {
        const QPointF at(Between(rng, -36, 40), Between(rng, -40, 44));
        p.setBrush(QColor(200, 236, 255, 230));
        p.drawEllipse(at, 1.6, 2.6);
    }
}

// Water jumping up round a foot stamped in a puddle.
void PuddleSplash(QPainter& p, QRandomGenerator& rng) {
    PaintRipples(p, QPointF(0, 0), 30, 3, QColor(255, 255, 255, 170));
    for (int i = 0; i < 14; ++i) {
        const double a = qDegreesToRadians(Between(rng, -170, -10));
        const double r = Between(rng, 14, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 235, 255, 220));
        p.drawEllipse(QPointF(r * std::cos(a), r * std::sin(a) * 0.9), 1.6, 2.4);
    }
}

// A twig with one leaf, raised like a referee's flag.
void TwigFlag(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x8a6040), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 6), QPointF(0, -24));
    QPainterPath leaf(QPointF(0, -24));
    leaf.quadTo(10, -28, 16, -20);
    leaf.quadTo(8, -14, 0, -17);
    FillSoft(p, leaf, QColor(0xf05a4a), QColor(0xc03a30), 1.0);
}

// A fishing rod bent double, its line running off to the right.
void BentRod(QPainter& p, QRandomGenerator&) {
    QPainterPath rod(QPointF(0, 4));
    rod.cubicTo(16, -30, 50, -44, 70, -24);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a6a40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rod);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(70, -24), QPointF(96, 6));
}

// A big fish leaping out of the water, a hook in its mouth.
void LeapingFish(QPainter& p, QRandomGenerator& rng) {
    PaintRipples(p, QPointF(4, 26), 26, 3, QColor(255, 255, 255, 180));
    for (int i = 0; i < 10; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 235, 255, 200));
        p.drawEllipse(QPointF(Between(rng, -22, 22), Between(rng, 0, 22)), 1.6, 2.2);
    }
    p.save();
    p.rotate(-35);
    QPainterPath body(QPointF(-22, 0));
    body.cubicTo(-12, -13, 12, -12, 20, 0);
    body.cubicTo(12, 11, -12, 12, -22, 0);
    FillSoft(p, body, QColor(0xc8e0f0), QColor(0x5a8ab0), 1.2);
    QPainterPath tail(QPointF(18, 0));
    tail.lineTo(32, -10);
    tail.lineTo(30, 0);
    tail.lineTo(32, 10);
    tail.closeSubpath();
    FillSoft(p, tail, QColor(0x8ab0d0), QColor(0x4a7aa0), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a2a3a));
    p.drawEllipse(QPointF(-14, -3), 2, 2);
    p.restore();
}

// An old boot dangling from a line.
void Boot(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(0, -26), QPointF(0, -10));
    QPainterPath boot(QPointF(-6, -12));
    boot.lineTo(6, -12);
    boot.lineTo(6, 4);
    boot.quadTo(18, 4, 18, 11);
    boot.lineTo(-6, 11);
    boot.closeSubpath();
    FillSoft(p, boot, QColor(0x7a6250), QColor(0x4a3a2c), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    for (const QPointF& drop : {QPointF(2, 16), QPointF(10, 18)}) p.drawEllipse(drop, 1.3, 2);
}

void Campfire(QPainter& p, QRandomGenerator& rng) { PaintFire(p, rng, QPointF(0, 0), 34); }

// A magnifying glass, its lens catching the light.
void Magnifier(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x8a6040), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(10, 12));
    p.setPen(QPen(QColor(0xd8b060), 2.4));
    p.setBrush(QColor(220, 240, 255, 110));
    p.drawEllipse(QPointF(-8, -10), 11, 11);
    p.setPen(QPen(WithAlpha(Qt::white, 220), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-15, -17, 10, 10), 100 * 16, 70 * 16);
}

void Flask(QPainter& p, QPointF base, double size, const QColor& liquid) {
    QPainterPath glass(base + QPointF(-2, -size * 1.6));
    glass.lineTo(base + QPointF(2, -size * 1.6));
    glass.lineTo(base + QPointF(2, -size * 0.9));
    glass.lineTo(base + QPointF(size, 0));
    glass.lineTo(base + QPointF(-size, 0));
    glass.lineTo(base + QPointF(-2, -size * 0.9));
    glass.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.1));
    p.setBrush(QColor(220, 240, 255, 90));
    p.drawPath(glass);
    QPainterPath fill(base + QPointF(-size * 0.6, -size * 0.45));
    fill.lineTo(base + QPointF(size * 0.6, -size * 0.45));
    fill.lineTo(base + QPointF(size * 0.95, -1));
    fill.lineTo(base + QPointF(-size * 0.95, -1));
    fill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawPath(fill);
}

// Glass flasks and a small burner, set out on the grass.
void Flasks(QPainter& p, QRandomGenerator&) {
    Flask(p, QPointF(-16, 0), 9, QColor(150, 210, 140, 200));
    Flask(p, QPointF(14, 0), 7, QColor(240, 150, 190, 200));
    FillSoft(p, Rounded(QRectF(-5, -8, 10, 8), 2), QColor(0xb8b0c0), QColor(0x7a7080), 1.0);
    QPainterPath flame(QPointF(-2, -8));
    flame.quadTo(-2, -14, 0, -16);
    flame.quadTo(2, -14, 2, -8);
    FillSoft(p, flame, QColor(0xa0d0ff), QColor(0x4a8ae0), 0);
}

void HeldFlask(QPainter& p, QRandomGenerator&) { Flask(p, QPointF(0, 8), 7, QColor(150, 210, 140, 200)); }

// A little glass bottle of perfume that smells of rain.
void Perfume(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 16, QColor(200, 230, 255, 100));
    FillSoft(p, EllipsePath(QPointF(0, 2), 6, 6.5), QColor(200, 230, 255, 200), QColor(130, 180, 230, 220), 1.0);
    FillSoft(p, Rounded(QRectF(-2, -8, 4, 5), 1), QColor(0xf0c8e0), QColor(0xc890b8), 0.8);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double dx : {-4.0, 0.0, 4.0}) {
        QPainterPath scent(QPointF(dx, -10));
        scent.cubicTo(dx + 3, -14, dx - 3, -18, dx + 1, -22);
        p.drawPath(scent);
    }
}

// A black cloth draped over the head, bubbles spilling from under its hem.
void BlackCloth(QPainter& p, QRandomGenerator& rng) {
    QPainterPath cloth(QPointF(0, -12));
    cloth.cubicTo(30, -12, 38, 20, 44, 70);
    cloth.quadTo(30, 66, 22, 74);
    cloth.quadTo(10, 66, 0, 74);
    cloth.quadTo(-10, 66, -22, 74);
    cloth.quadTo(-30, 66, -44, 70);
    cloth.cubicTo(-38, 20, -30, -12, 0, -12);
    FillSoft(p, cloth, QColor(0x3a3440), QColor(0x141018), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf3d9a0));  // two eye holes, glowing as if they were its eyes
    for (double side : {-1.0, 1.0}) p.drawEllipse(QPointF(side * 9, 22), 2.4, 3.2);
    for (int i = 0; i < 6; ++i) Bubble(p, QPointF(Between(rng, -40, 40), Between(rng, 74, 92)), Between(rng, 2.5, 5));
}

// A stream of bubbles, as from a sneeze or a pipe.
void Bubbles(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 9; ++i)
        Bubble(p, QPointF(i * 6 + Between(rng, -3, 3), -i * 3 + Between(rng, -5, 5)), 2 + i * 0.5);
}

// One big bubble; two golden eyes glow in it, the only face it shows.
void EyesBubble(QPainter& p, QRandomGenerator&) {
    QRadialGradient film(QPointF(-10, -12), 40);
    film.setColorAt(0, QColor(255, 255, 255, 40));
    film.setColorAt(0.7, QColor(200, 230, 255, 50));
    film.setColorAt(1, QColor(240, 200, 255, 120));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.4));
    p.setBrush(film);
    p.drawEllipse(QPointF(0, 0), 30, 30);
    for (double side : {-1.0, 1.0}) {
        Glow(p, QPointF(side * 7, 4), 8, QColor(243, 217, 160, 160));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf3d9a0));
        p.drawEllipse(QPointF(side * 7, 4), 2, 2.8);
    }
    p.setBrush(WithAlpha(Qt::white, 220));
    p.drawEllipse(QPointF(-12, -14), 5, 3);
}

// A telescope on three legs, pointing up to the right.
void Telescope(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x6a5040), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-18.0, 0.0, 18.0}) p.drawLine(QPointF(0, -40), QPointF(x, 0));
    p.save();
    p.translate(0, -44);
    p.rotate(-35);
    FillSoft(p, Rounded(QRectF(-26, -6, 56, 12), 3), QColor(0xd8b060), QColor(0x9a7030), 1.2);
    FillSoft(p, Rounded(QRectF(26, -8, 10, 16), 2), QColor(0x5a6ab0), QColor(0x2a3a80), 1.0);
    FillSoft(p, Rounded(QRectF(-34, -4, 9, 8), 2), QColor(0x5a6ab0), QColor(0x2a3a80), 1.0);
    p.restore();
}

// A pane of glass blackened with soot, to look at the sun through.
void SootedGlass(QPainter& p, QRandomGenerator&) {
    FillSoft(p, Rounded(QRectF(-11, -8, 22, 16), 2), QColor(60, 56, 70, 220), QColor(20, 18, 26, 240), 1.2);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(-8, -5), QPointF(-3, -5));
}

// A string of paper lanterns across the top of the picture (at=0,Y).
void Lanterns(QPainter& p, QRandomGenerator&) {
    QPainterPath string(QPointF(-10, 0));
    string.quadTo(240, 40, 490, 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3a3040), 1.2));
    p.drawPath(string);
    const QColor colours[] = {QColor(0xff6a5a), QColor(0xffd060), QColor(0xff9ac0)};
    for (int i = 0; i < 9; ++i) {
        const QPointF at = string.pointAtPercent(0.06 + i * 0.11) + QPointF(0, 10);
        Glow(p, at, 26, QColor(255, 190, 110, 130));
        FillSoft(p, EllipsePath(at, 9, 11), colours[i % 3].lighter(120), colours[i % 3], 1.0);
        p.setPen(QPen(WithAlpha(colours[i % 3].darker(140), 150), 0.8));
        for (double y : {-5.0, 0.0, 5.0}) p.drawLine(at + QPointF(-8, y), at + QPointF(8, y));
        FillSoft(p, Rounded(QRectF(at.x() - 4, at.y() - 13, 8, 3), 1), QColor(0x3a3040), QColor(0x1a1420), 0);
    }
}

void Goldfish(QPainter& p, QPointF at, double size, double angle) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    FillSoft(p, EllipsePath(QPointF(0, 0), size, size * 0.6), QColor(0xff8a4a), QColor(0xe0502a), 0.8);
    QPainterPath tail(QPointF(size * 0.8, 0));
    tail.lineTo(size * 1.8, -size * 0.7);
    tail.lineTo(size * 1.8, size * 0.7);
    tail.closeSubpath();
    FillSoft(p, tail, QColor(0xffa06a), QColor(0xe0602a), 0.6);
    p.restore();
}

// A goldfish-scooping stall: a wide shallow tub of water and its fish,
// on a low bench with a little roof behind.
void GoldfishTub(QPainter& p, QRandomGenerator& rng) {
    FillSoft(p, Rounded(QRectF(-70, -96, 140, 14), 3), QColor(0xffffff), QColor(0xe0e0ea), 1.2);
    p.setPen(QPen(QColor(0xe84a5a), 6));
    for (double x = -60; x <= 60; x += 24) p.drawLine(QPointF(x, -95), QPointF(x + 8, -95));
    p.setPen(QPen(QColor(0x8a6a50), 3));
    for (double x : {-64.0, 64.0}) p.drawLine(QPointF(x, -84), QPointF(x, -30));
    FillSoft(p, Rounded(QRectF(-60, -30, 120, 30), 4), QColor(0x5a8ae0), QColor(0x2a5ab0), 1.4);
    FillSoft(p, EllipsePath(QPointF(0, -30), 60, 10), QColor(0xbfe6ff), QColor(0x6ab0e8), 1.2);
    for (int i = 0; i < 7; ++i)
        Goldfish(p, QPointF(Between(rng, -46, 46), Between(rng, -36, -25)), 4, rng.bounded(360));
}

// A paper scoop torn through.
void TornScoop(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0xe84a5a), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, 14));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -8), 8, 8);
    QPainterPath paper(QPointF(-7, -8));
    paper.lineTo(-2, -12);
    paper.lineTo(1, -6);
    paper.lineTo(-4, -2);
    paper.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(paper);
}

// A bag of water with one goldfish, held up by its string.
void GoldfishBag(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0xe84a5a), 1.2));
    p.drawLine(QPointF(0, 0), QPointF(0, 6));
    QPainterPath bag(QPointF(-4, 6));
    bag.lineTo(4, 6);
    bag.cubicTo(14, 12, 14, 30, 0, 30);
    bag.cubicTo(-14, 30, -14, 12, -4, 6);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.setBrush(QColor(190, 230, 255, 130));
    p.drawPath(bag);
    Goldfish(p, QPointF(0, 21), 4, 10);
}

// A pool of hot water among stones, steaming; the fairies in it stand behind
// the near water (see "spring-water").
void HotSpring(QPainter& p, QRandomGenerator&) {
    FillSoft(p, EllipsePath(QPointF(0, 0), 130, 30), QColor(0x8ad0d8), QColor(0x4a9aa8), 0);
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * M_PI / 16;
        FillSoft(p, EllipsePath(QPointF(134 * std::cos(a), 32 * std::sin(a) - 4), 14, 8), QColor(0x8a8a90),
                 QColor(0x4a4a54), 1.0);
    }
}

// The near part of a pool, its surface a line at the origin: whoever
// stands in it is hidden below the water.
void Water(QPainter& p, QRandomGenerator& rng, const QColor& top, const QColor& deep, const QColor& rim) {
    QPainterPath water(QPointF(-120, 0));
    water.cubicTo(-60, -4, 60, 4, 120, 0);
    water.cubicTo(124, 30, 60, 46, 0, 46);
    water.cubicTo(-60, 46, -124, 30, -120, 0);
    QLinearGradient depth(0, -4, 0, 46);
    depth.setColorAt(0, top);
    depth.setColorAt(1, deep);
    p.setPen(QPen(rim, 1.4));
    p.setBrush(depth);
    p.drawPath(water);
    for (int i = 0; i < 6; ++i)
        PaintRipples(p, QPointF(Between(rng, -90, 90), Between(rng, 8, 30)), 12, 2, QColor(255, 255, 255, 150));
}

void SpringWater(QPainter& p, QRandomGenerator& rng) {
    Water(p, rng, QColor(160, 224, 234, 240), QColor(80, 160, 180, 250), QColor(255, 255, 255, 210));
}

// The same for a lake or a river: its own blue, fading into the water
// around it.
void Shallows(QPainter& p, QRandomGenerator& rng) {
    Water(p, rng, QColor(150, 200, 230, 235), QColor(80, 140, 190, 120), QColor(255, 255, 255, 120));
}

// The edge of a roof along the top of the picture (at=0,Y), rain dripping
// from it.
void Eaves(QPainter& p, QRandomGenerator& rng) {
    FillSoft(p, PolygonPath({{-10, -60}, {490, -60}, {490, 0}, {-10, 0}}), QColor(0xb86a5a), QColor(0x7a3a34), 1.4);
    p.setPen(QPen(QColor(0x6a2a24), 1.2));
    for (double x = 10; x < 480; x += 30) p.drawLine(QPointF(x, -60), QPointF(x, 0));
    FillSoft(p, Rounded(QRectF(-10, -4, 500, 8), 2), QColor(0x9a5048), QColor(0x6a2a24), 1.0);
    p.setPen(Qt::NoPen);
    for (double x = 15; x < 480; x += 30) {
        p.setBrush(kWater);
        for (int k = 0; k < 3; ++k) p.drawEllipse(QPointF(x, 10 + k * 22 + rng.bounded(8)), 1.6, 2.6);
    }
}

// A heart-shaped locket on its chain, shining.
void Locket(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0xe0c070), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-6, -16, 12, 18), 0, 180 * 16);
    Glow(p, QPointF(0, 6), 14, QColor(255, 220, 150, 140));
    QPainterPath heart(QPointF(0, 12));
    heart.cubicTo(-10, 4, -7, -4, 0, 1);
    heart.cubicTo(7, -4, 10, 4, 0, 12);
    FillSoft(p, heart, QColor(0xffe08a), QColor(0xd8a040), 1.0);
    Sparkle(p, QPointF(-3, 4), 3, QColor(0xffffff));
}

// A pink ribbon tied in a bow.
void Ribbon(QPainter& p, QRandomGenerator&) { Bow(p, QPointF(0, 0), 1, QColor(0xf07aaa)); }

// The town's clock tower, tall and narrow, a clock face near its top.
void ClockTower(QPainter& p, QRandomGenerator&) {
    FillSoft(p, Rounded(QRectF(-26, -210, 52, 210), 3), QColor(0xf4e8f4), QColor(0xc8b8d0), 1.4);
    QPainterPath roof(QPointF(-34, -208));
    roof.lineTo(0, -262);
    roof.lineTo(34, -208);
    roof.closeSubpath();
    FillSoft(p, roof, QColor(0x9a78c0), QColor(0x6a4a90), 1.4);
    FillSoft(p, EllipsePath(QPointF(0, -176), 18, 18), QColor(0xfffbe8), QColor(0xe8dcc0), 1.4);
    p.setPen(QPen(QColor(0x3a3040), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -176), QPointF(0, -188));
    p.drawLine(QPointF(0, -176), QPointF(9, -172));
    for (double y : {-120.0, -70.0}) {
        Glow(p, QPointF(0, y), 18, QColor(255, 210, 120, 110));
        FillSoft(p, Rounded(QRectF(-7, y - 10, 14, 20), 7), QColor(0xfff0b0), QColor(0xffc060), 1.0);
    }
}

// A shiny button, a treasure to a black bird.
void ShinyButton(QPainter& p, QRandomGenerator&) {
    FillSoft(p, EllipsePath(QPointF(0, 0), 5, 5), QColor(0xfff0b0), QColor(0xd8a840), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa07828));
    for (double x : {-1.5, 1.5}) p.drawEllipse(QPointF(x, 0), 0.9, 0.9);
    Sparkle(p, QPointF(3, -4), 4, QColor(0xffffff));
}

// A tune in the air: notes drifting up to the right.
void Tune(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 5; ++i) {
        const QPointF at(i * 22 - 44 + rng.bounded(6), -i * 8 + rng.bounded(10));
        const QColor ink = i % 2 ? QColor(0x8a5ab0) : QColor(0xd05a8a);
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(3.4, 0), at + QPointF(3.4, -12));
        p.drawLine(at + QPointF(3.4, -12), at + QPointF(8, -9));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(at, 3.6, 2.6);
    }
}

// A little hoard of shiny things: buttons, glass beads and a key.
void Hoard(QPainter& p, QRandomGenerator& rng) {
    p.setPen(QPen(QColor(0xd8b050), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, -2), QPointF(12, -2));
    p.drawLine(QPointF(10, -2), QPointF(10, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-1, -2), 3, 3);
    const QColor beads[] = {QColor(0x9ad8ff), QColor(0xff9ac0), QColor(0xb8f0a0)};
    for (int i = 0; i < 5; ++i) {
        const QPointF at(-14 + i * 6 + rng.bounded(3), 3 + rng.bounded(3));
        if (i % 2) {
            p.save();
            p.translate(at);
            p.scale(0.7, 0.7);
            ShinyButton(p, rng);
            p.restore();
        } else {
            FillSoft(p, EllipsePath(at, 2.2, 2.2), beads[i / 2].lighter(115), beads[i / 2], 0.6);
        }
    }
    Sparkle(p, QPointF(-6, -4), 3, QColor(0xffffff));
}

// Small townsfolk in the distance, edging closer: round little figures in
// soft colours, facing us.
void Townsfolk(QPainter& p, QRandomGenerator& rng) {
    const QColor coats[] = {QColor(0xc8a0d0), QColor(0xa0c8b0), QColor(0xe0b090), QColor(0x90b0e0)};
    for (int i = 0; i < 5; ++i) {
        const QPointF foot(-60 + i * 30 + rng.bounded(8), rng.bounded(6));
        const QColor coat = coats[rng.bounded(4)];
        QPainterPath body(foot + QPointF(-7, 0));
        body.quadTo(foot + QPointF(-7, -16), foot + QPointF(0, -18));
        body.quadTo(foot + QPointF(7, -16), foot + QPointF(7, 0));
        body.closeSubpath();
        FillSoft(p, body, coat.lighter(110), coat.darker(115), 1.0);
        FillSoft(p, EllipsePath(foot + QPointF(0, -22), 6, 6), QColor(0xffe8da), QColor(0xe9b8a6), 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4a3040));
        for (double side : {-1.0, 1.0}) p.drawEllipse(foot + QPointF(side * 2, -22), 0.9, 1.2);
    }
}

// Paper horns and a paper crest: a dragon in a play.
void DragonHorns(QPainter& p, QRandomGenerator&) {
    for (double side : {-1.0, 1.0}) {
        QPainterPath horn(QPointF(side * 10, 4));
        horn.quadTo(side * 26, -6, side * 24, -22);
        horn.quadTo(side * 16, -8, side * 2, 2);
        horn.closeSubpath();
        FillSoft(p, horn, QColor(0xfff0c0), QColor(0xe0c070), 1.0);
    }
    QPainterPath crest(QPointF(-8, 2));
    for (int i = 0; i < 4; ++i) {
        crest.lineTo(-6 + i * 4, -8);
        crest.lineTo(-4 + i * 4, 0);
    }
    crest.closeSubpath();
    FillSoft(p, crest, QColor(0x8ad86a), QColor(0x4a9a3a), 1.0);
}

// A shadow lying long on the ground, with a bite taken out of its edge.
void BittenShadow(QPainter& p, QRandomGenerator&) {
    QPainterPath shadow(QPointF(0, 0));
    shadow.cubicTo(20, -8, 60, -10, 90, -6);
    shadow.cubicTo(104, -14, 118, -10, 118, -2);
    shadow.cubicTo(118, 6, 104, 10, 90, 4);
    shadow.cubicTo(60, 10, 20, 8, 0, 0);
    QPainterPath bite;
    for (double dx : {0.0, 6.0, 12.0}) bite.addEllipse(QPointF(60 + dx, -9), 3.6, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 40, 110));
    p.drawPath(shadow.subtracted(bite));
}

// A flat stone skipping over the water, its rings left behind it.
void SkippingStone(QPainter& p, QRandomGenerator&) {
    for (int i = 0; i < 5; ++i) {
        PaintRipples(p, QPointF(-i * 28, i * 8), 8 + i * 4, 3, QColor(40, 90, 140, 200 - i * 30));
        PaintRipples(p, QPointF(-i * 28, i * 8 - 1), 8 + i * 4, 3, QColor(255, 255, 255, 230 - i * 30));
    }
    FillSoft(p, EllipsePath(QPointF(14, -10), 6, 3), QColor(0xb8b0a8), QColor(0x6a6460), 1.0);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    QPainterPath hop(QPointF(0, 0));
    hop.quadTo(7, -14, 14, -10);
    p.drawPath(hop);
}

// Blue, green and violet shimmering on black feathers where light falls.
void WingSheen(QPainter& p, QRandomGenerator&) {
    QLinearGradient sheen(-30, -20, 30, 20);
    sheen.setColorAt(0, QColor(80, 140, 255, 0));
    sheen.setColorAt(0.3, QColor(80, 140, 255, 150));
    sheen.setColorAt(0.55, QColor(90, 220, 160, 150));
    sheen.setColorAt(0.8, QColor(190, 110, 255, 150));
    sheen.setColorAt(1, QColor(190, 110, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(QPointF(0, 0), 34, 14);
}

// Water thrown up in a spray, a small rainbow standing in it.
void Spray(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 50; ++i) {
        const double a = Between(rng, -170, -10), r = Between(rng, 6, 60);
        const QPointF at(r * std::cos(qDegreesToRadians(a)), r * std::sin(qDegreesToRadians(a)));
        Glow(p, at, 4, QColor(255, 255, 255, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 244, 255, 220));
        p.drawEllipse(at, 1.4, 1.8);
    }
}

}  // namespace

std::vector<PropPainter> ThingProps() {
    return {
        {"bucket", Bucket},
        {"splash", Splash},
        {"puddle-splash", PuddleSplash},
        {"twig-flag", TwigFlag},
        {"bent-rod", BentRod},
        {"leaping-fish", LeapingFish},
        {"boot", Boot},
        {"campfire", Campfire},
        {"magnifier", Magnifier},
        {"flasks", Flasks},
        {"flask", HeldFlask},
        {"perfume", Perfume},
        {"black-cloth", BlackCloth},
        {"bubbles", Bubbles},
        {"eyes-bubble", EyesBubble},
        {"telescope", Telescope},
        {"sooted-glass", SootedGlass},
        {"lanterns", Lanterns},
        {"goldfish-tub", GoldfishTub},
        {"torn-scoop", TornScoop},
        {"goldfish-bag", GoldfishBag},
        {"hot-spring", HotSpring},
        {"spring-water", SpringWater},
        {"shallows", Shallows},
        {"eaves", Eaves},
        {"locket", Locket},
        {"ribbon", Ribbon},
        {"clock-tower", ClockTower},
        {"shiny-button", ShinyButton},
        {"tune", Tune},
        {"hoard", Hoard},
        {"townsfolk", Townsfolk},
        {"dragon-horns", DragonHorns},
        {"bitten-shadow", BittenShadow},
        {"skipping-stone", SkippingStone},
        {"wing-sheen", WingSheen},
        {"spray", Spray},
    };
}

}  // namespace qm::art
