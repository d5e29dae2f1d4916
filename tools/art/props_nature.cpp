// Leaves, flowers, seeds, trees and feathers. Things that grow have their
// foot on the origin; things held or drifting are centred on it.

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "brushwork.h"
#include "landscape.h"
#include "prop_groups.h"

namespace qm::art {

namespace {

double Between(QRandomGenerator& rng, double low, double high) { return low + (high - low) * rng.generateDouble(); }

QPointF Polar(double radius, double degrees) {
    const double a = qDegreesToRadians(degrees);
    return {radius * std::cos(a), radius * std::sin(a)};
}

void Leaf(QPainter& p, QPointF base, double length, double angle, const QColor& colour, double width = 0.35) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(length * 0.5, -length * width, length, 0);
    leaf.quadTo(length * 0.5, length * width, 0, 0);
    FillSoft(p, leaf, colour.lighter(115), colour.darker(115), 0.9);
    p.setPen(QPen(WithAlpha(colour.darker(140), 150), 0.8));
    p.drawLine(QPointF(length * 0.1, 0), QPointF(length * 0.85, 0));
    p.restore();
}

// A five-petalled flower facing us.
void Bloom(QPainter& p, QPointF at, double size, const QColor& petal, const QColor& heart = QColor(0xffe27a)) {
    for (int i = 0; i < 5; ++i)
        FillSoft(p, EllipsePath(at + Polar(size * 0.6, i * 72 - 90), size * 0.5, size * 0.5), petal, petal.darker(112),
                 0.6);
    FillSoft(p, EllipsePath(at, size * 0.32, size * 0.32), heart, heart.darker(120), 0);
}

void Stem(QPainter& p, QPointF from, QPointF to, double width = 1.6) {
    p.setPen(QPen(QColor(0x4f8a3c), width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem(from);
    stem.quadTo((from + to) / 2 + QPointF(3, 0), to);
    p.drawPath(stem);
}

// A broad leaf lying on the ground, one big dewdrop on it holding the dawn.
void DewLeaf(QPainter& p, QRandomGenerator&) {
    Leaf(p, QPointF(-40, 0), 80, -6, QColor(0x5fae5a), 0.42);
    QRadialGradient drop(QPointF(-4, -14), 14);
    drop.setColorAt(0, QColor(0xfff2d0));
    drop.setColorAt(0.5, QColor(0xf6b8c8));
    drop.setColorAt(1, QColor(0x9db2e6));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
    p.setBrush(drop);
    p.drawEllipse(QPointF(0, -10), 11, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 230));
    p.drawEllipse(QPointF(-4, -14), 2.6, 1.8);
    Glow(p, QPointF(0, -10), 22, QColor(255, 240, 220, 90));
}

// A patch of dandelions in flower, and a few gone to seed.
void Dandelions(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 16; ++i) {
        const QPointF foot(Between(rng, -70, 70), Between(rng, -8, 8));
        Leaf(p, foot, 12, -150 + rng.bounded(120), QColor(0x5a9a44));
        const QPointF head = foot + QPointF(Between(rng, -3, 3), -Between(rng, 10, 22));
        Stem(p, foot, head);
        if (i % 5 == 0) {
            Glow(p, head, 7, QColor(255, 255, 255, 200));
            continue;
        }
        for (int k = 0; k < 12; ++k) {
            p.setPen(QPen(QColor(0xffd23a), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(head, head + Polar(4.5, k * 30));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xffe66a));
        p.drawEllipse(head, 2.5, 2.5);
    }
}

// One seed on its little parachute.
void Fluff(QPainter& p, QPointF at, double angle, double size) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(QColor(255, 255, 255, 230), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, size));
    for (int k = -3; k <= 3; ++k) p.drawLine(QPointF(0, 0), Polar(size * 0.7, -90 + k * 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a8a60));
    p.drawEllipse(QPointF(0, size), 0.9, 1.6);
    p.restore();
}

// A dandelion clock on its stem, a few seeds leaving it.
void DandelionPuff(QPainter& p, QRandomGenerator& rng) {
    Stem(p, QPointF(0, 18), QPointF(0, 0));
    Glow(p, QPointF(0, 0), 14, QColor(255, 255, 255, 150));
    for (int k = 0; k < 24; ++k) Fluff(p, QPointF(0, 0) + Polar(1, k * 15), k * 15 + 90, 8);
    for (int k = 0; k < 4; ++k) Fluff(p, QPointF(14 + k * 9, -8 - k * 5 + rng.bounded(4)), 20 + k * 15, 6);
}

// Seeds drifting away on the wind, to the right and up.
void Seeds(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 16; ++i)
        Fluff(p, QPointF(Between(rng, -90, 90), Between(rng, -40, 40)), Between(rng, -40, 40), Between(rng, 5, 8));
}

void Petal(QPainter& p, QPointF at, double angle, double size, const QColor& colour) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath petal(QPointF(-size, 0));
    petal.quadTo(0, -size * 0.8, size, 0);
    petal.quadTo(0, size * 0.5, -size, 0);
    FillSoft(p, petal, colour.lighter(108), colour.darker(108), 0.5);
    p.restore();
}

const QColor kPetals[] = {QColor(0xffc0d4), QColor(0xffe0ea), QColor(0xf590b4), QColor(0xffffff), QColor(0xffe27a)};

// A heap of fallen petals, gathered in a lap.
void PetalHeap(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 30; ++i)
        Petal(p, QPointF(Between(rng, -18, 18), Between(rng, -6, 4) + std::abs(Between(rng, -18, 18)) * 0.2),
              rng.bounded(360), 4, kPetals[rng.bounded(5)]);
}

// A crown woven of petals, held up to be admired.
void PetalCrown(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 26; ++i) {
        const double a = i * 360.0 / 26;
        Petal(p, QPointF(16 * std::cos(qDegreesToRadians(a)), 7 * std::sin(qDegreesToRadians(a))), a + 90, 5,
              kPetals[rng.bounded(5)]);
    }
}

// A crown of flowers, held out in both hands.
void FlowerCrown(QPainter& p, QRandomGenerator&) {
    const QColor colours[] = {QColor(0xffffff), QColor(0xffd0e4), QColor(0xe84d8c)};
    for (int i = 0; i < 10; ++i) {
        const double a = i * 36.0 + 18;
        Bloom(p, QPointF(17 * std::cos(qDegreesToRadians(a)), 8 * std::sin(qDegreesToRadians(a))), 5.5, colours[i % 3]);
    }
}

// Three picked flowers, held to the chest.
void Bouquet(QPainter& p, QRandomGenerator&) {
    const QColor colours[] = {QColor(0xff8ab4), QColor(0xffffff), QColor(0xc8a8f0)};
    for (int i = 0; i < 3; ++i) {
        const QPointF head(-8 + i * 8, -18 + std::abs(i - 1) * 4);
        Stem(p, QPointF(0, 8), head);
        Bloom(p, head, 7, colours[i]);
    }
    Leaf(p, QPointF(0, 4), 10, -40, QColor(0x5aa844));
}

// A blanket of overlapping leaves, spread over someone asleep.
void LeafBlanket(QPainter& p, QRandomGenerator& rng) {
    const QColor greens[] = {QColor(0x6ab04a), QColor(0x8acb5a), QColor(0x4f9a3c), QColor(0xa8c84a)};
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 7; ++i)
            Leaf(p, QPointF(-38 + i * 12 + (row % 2) * 6, -6 + row * 6), 20, -100 + rng.bounded(40) + i * 4,
                 greens[rng.bounded(4)], 0.45);
}

void Seed(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 14, QColor(255, 240, 180, 130));
    FillSoft(p, EllipsePath(QPointF(0, 0), 5, 5.5), QColor(0xc8945a), QColor(0x7a4a2a), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 180));
    p.drawEllipse(QPointF(-1.8, -2.2), 1.3, 1.3);
}

// A round old stone under a coat of moss, dew on it.
void MossyStone(QPainter& p, QRandomGenerator& rng) {
    QPainterPath stone(QPointF(-40, 0));
    stone.cubicTo(-44, -30, -12, -42, 6, -40);
    stone.cubicTo(32, -38, 46, -20, 40, 0);
    stone.closeSubpath();
    FillSoft(p, stone, QColor(0x9aa0a0), QColor(0x5a6064), 1.3);
    p.save();
    p.setClipPath(stone, Qt::IntersectClip);
    FillSoft(p, EllipsePath(QPointF(0, -40), 44, 20), QColor(0x8ac860), QColor(0x4a8a3a), 0);
    for (int i = 0; i < 18; ++i) {
        const QPointF tuft(Between(rng, -36, 36), Between(rng, -42, -20));
        p.setPen(QPen(QColor(0x3e7a34), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tuft, tuft + QPointF(0, -4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8f0a0));
        p.drawEllipse(tuft + QPointF(0, -4), 1.2, 1.2);
    }
    p.restore();
    for (int i = 0; i < 5; ++i)
        Sparkle(p, QPointF(Between(rng, -30, 30), Between(rng, -38, -26)), 2.2, QColor(0xeaffff));
}

// An old trunk rising out of the picture, flaring into its roots at the
// ground (root is how far they spread), lines in its bark.
void Trunk(QPainter& p, QRandomGenerator& rng, double root, double half) {
    QPainterPath trunk(QPointF(-root, 4));
    trunk.cubicTo(-half - 10, -10, -half, -60, -half, -420);
    trunk.lineTo(half, -420);
    trunk.cubicTo(half, -60, half + 10, -10, root, 4);
    trunk.closeSubpath();
    QLinearGradient bark(-half, 0, half, 0);
    bark.setColorAt(0, QColor(0x4a382c));
    bark.setColorAt(0.4, QColor(0x7a5e46));
    bark.setColorAt(1, QColor(0x3a2c22));
    p.setPen(QPen(QColor(0x2a2018), 1.5));
    p.setBrush(bark);
    p.drawPath(trunk);
    p.setPen(QPen(QColor(0x3a2c22), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const double x = Between(rng, -half * 0.8, half * 0.8), y = Between(rng, -400, -40);
        QPainterPath line(QPointF(x, y));
        line.quadTo(x + Between(rng, -6, 6), y - 20, x + Between(rng, -4, 4), y - 40);
        p.drawPath(line);
    }
}

// The oldest tree of the forest: a trunk wider than three fairies, its
// roots gripping the ground, its crown far above the picture.
void GiantTree(QPainter& p, QRandomGenerator& rng) {
    Trunk(p, rng, 120, 58);
    FillSoft(p, EllipsePath(QPointF(10, -150), 12, 16), QColor(0x2a1e18), QColor(0x1a1410), 1.0);  // a knot hole
    for (int i = 0; i < 6; ++i)
        FillSoft(p, EllipsePath(QPointF(Between(rng, -50, 50), Between(rng, -60, -10)), 8, 4), QColor(0x8ac860),
                 QColor(0x4a8a3a), 0);
}

// A hollow in an old trunk, big enough for someone to sit in.
void TreeHollow(QPainter& p, QRandomGenerator& rng) {
    Trunk(p, rng, 90, 62);
    QPainterPath hollow(QPointF(-34, -10));
    hollow.cubicTo(-40, -80, -20, -140, 0, -140);
    hollow.cubicTo(20, -140, 40, -80, 34, -10);
    hollow.closeSubpath();
    FillSoft(p, hollow, QColor(0x1a1410), QColor(0x2a2018), 1.4);
}

// Sunflowers in a row, every face turned to the right.
void Sunflowers(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 4; ++i) {
        const QPointF foot(-80 + i * 34, Between(rng, -4, 4));
        const QPointF head = foot + QPointF(6, -70 - rng.bounded(30) + i * 6);
        Stem(p, foot, head, 3);
        Leaf(p, foot + QPointF(0, -30), 18, -20, QColor(0x4f9a3c), 0.5);
        Leaf(p, foot + QPointF(0, -45), 16, -160, QColor(0x4f9a3c), 0.5);
        p.save();
        p.translate(head);
        p.scale(0.55, 1);  // turned aside, seen edge on
        for (int k = 0; k < 16; ++k) {
            p.save();
            p.rotate(k * 22.5);
            QPainterPath petal(QPointF(8, 0));
            petal.quadTo(14, -3, 20, 0);
            petal.quadTo(14, 3, 8, 0);
            FillSoft(p, petal, QColor(0xffd23a), QColor(0xf0a020), 0.6);
            p.restore();
        }
        FillSoft(p, EllipsePath(QPointF(0, 0), 10, 10), QColor(0x8a5a2a), QColor(0x4a2a14), 1.0);
        p.restore();
    }
}

// A great white flower that opens on one night of the year.
void NightFlower(QPainter& p, QRandomGenerator&) {
    Stem(p, QPointF(0, 0), QPointF(4, -46), 3);
    Leaf(p, QPointF(2, -16), 30, -30, QColor(0x3e7a4a), 0.3);
    Leaf(p, QPointF(2, -24), 28, -150, QColor(0x3e7a4a), 0.3);
    const QPointF head(4, -56);
    Glow(p, head, 46, QColor(240, 250, 255, 140));
    for (int layer = 0; layer < 2; ++layer)
        for (int k = 0; k < 8; ++k) {
            p.save();
            p.translate(head);
            p.rotate(k * 45 + layer * 22.5);
            QPainterPath petal(QPointF(0, 0));
            const double length = layer ? 14 : 20;
            petal.quadTo(length * 0.5, -5, length, 0);
            petal.quadTo(length * 0.5, 5, 0, 0);
            FillSoft(p, petal, QColor(0xffffff), QColor(0xe8ecf8), 0.7);
            p.restore();
        }
    FillSoft(p, EllipsePath(head, 4, 4), QColor(0xfff8c0), QColor(0xf0e080), 0);
}

// Flowers floating on the water, flattened by the distance.
void FloatingFlowers(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 7; ++i) {
        const QPointF at(Between(rng, -50, 50), Between(rng, -8, 8));
        p.save();
        p.translate(at);
        p.scale(1, 0.5);
        Bloom(p, QPointF(0, 0), 5 + (at.y() + 8) * 0.2, kPetals[rng.bounded(4)]);
        p.restore();
    }
}

void BlueFlower(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 14, QColor(160, 200, 255, 120));
    p.scale(1, 0.6);
    Bloom(p, QPointF(0, 0), 9, QColor(0x5a8ae8), QColor(0xfff4b0));
}

void YellowFlower(QPainter& p, QRandomGenerator&) {
    Stem(p, QPointF(0, 10), QPointF(0, -6));
    Bloom(p, QPointF(0, -8), 6, QColor(0xffe14d), QColor(0xf0a020));
}

// A big leaf on its stalk, held up as an umbrella.
void LeafUmbrella(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x4f8a3c), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -40));
    QPainterPath leaf(QPointF(-42, -36));
    leaf.cubicTo(-36, -66, 36, -66, 42, -36);
    leaf.quadTo(28, -42, 14, -36);
    leaf.quadTo(0, -42, -14, -36);
    leaf.quadTo(-28, -42, -42, -36);
    FillSoft(p, leaf, QColor(0x7cc45a), QColor(0x3e8a3a), 1.3);
    p.setPen(QPen(QColor(0x3e7a34), 1));
    for (double x : {-24.0, 0.0, 24.0}) p.drawLine(QPointF(0, -56), QPointF(x, -40));
}

// A heap of autumn leaves, red, yellow and green.
void LeafPile(QPainter& p, QRandomGenerator& rng) {
    const QColor colours[] = {QColor(0xe0582c), QColor(0xf0a830), QColor(0xc83a2a), QColor(0x9ab040)};
    for (int i = 0; i < 70; ++i) {
        const double x = Between(rng, -60, 60);
        const double top = -26 * (1 - (x / 60) * (x / 60));
        Leaf(p, QPointF(x, Between(rng, top, 0)), 12, rng.bounded(360), colours[rng.bounded(4)], 0.45);
    }
}

// Wet leaves and petals held in both hands.
void WetLeaves(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 6; ++i) Leaf(p, QPointF(-8 + i * 3, 0), 12, -150 + i * 24, QColor(0x5aa844));
    for (int i = 0; i < 6; ++i)
        Petal(p, QPointF(Between(rng, -10, 10), Between(rng, -8, 2)), rng.bounded(360), 4, kPetals[i % 4]);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9fd8ff));
    p.drawEllipse(QPointF(2, 9), 1.4, 2.2);
}

// Loose black feathers drifting over a wide part of the sky.
void Feathers(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 9; ++i)
        Feather(p, QPointF(Between(rng, -140, 140), Between(rng, -60, 60)), Between(rng, 14, 24), rng.bounded(360),
                QColor(0x4d475c), QColor(0x15121a));
}

// One long black feather, held out like a quill.
void Quill(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(20, -18), 30, QColor(243, 217, 160, 90));
    Feather(p, QPointF(0, 0), 52, -40, QColor(0x5d5770), QColor(0x15121a));
}

// Two lines of footprints in fresh snow, coming from the near ground at
// the lower left up to the origin, where the one who made them stands.
void Footprints(QPainter& p, QRandomGenerator&) {
    for (int i = 1; i <= 10; ++i) {
        const double t = i / 10.0;  // 0 at her feet, 1 nearest us
        const QPointF step(-170 * t, 10 + 50 * t * t);
        const double size = 2.5 + 5 * t;
        for (double side : {-1.0, 1.0}) {
            const QPointF at = step + QPointF(side * size * 0.5, side * size * 0.9) + QPointF((i % 2) * size * 0.6, 0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 140, 190, 150));
            p.drawEllipse(at, size * 0.75, size * 0.38);
        }
    }
}

// A grassy bank along the bottom of the picture (at=0,Y), its sandy edge
// against the water, for those at the lake to stand on.
void Shore(QPainter& p, QRandomGenerator& rng) {
    QPainterPath bank(QPointF(-10, 4));
    bank.cubicTo(120, -8, 300, 10, 490, -4);
    bank.lineTo(490, 200);
    bank.lineTo(-10, 200);
    bank.closeSubpath();
    p.setPen(QPen(QColor(0xf0e2b8), 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bank);
    FillSoft(p, bank, QColor(0x9ccf7c), QColor(0x4a7e4a), 0);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(Between(rng, 0, 480), Between(rng, 10, 80));
        p.setPen(QPen(QColor(0x5a9a50), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(Between(rng, -2, 2), -5));
    }
}

// A little brook winding across the ground, from left to right.
void Brook(QPainter& p, QRandomGenerator& rng) {
    QPainterPath bed(QPointF(-260, 10));
    bed.cubicTo(-140, -20, -40, 30, 60, 0);
    bed.cubicTo(140, -20, 200, 10, 260, -6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1e2a4a), 20, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bed);
    p.setPen(QPen(QColor(0x3a5a8a), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bed);
    for (int i = 0; i < 16; ++i) {
        const QPointF at = bed.pointAtPercent(i / 16.0 + 0.02);
        p.setPen(QPen(QColor(200, 220, 255, 140 + rng.bounded(80)), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(-4, Between(rng, -3, 3)), at + QPointF(4, Between(rng, -3, 3)));
    }
}

}  // namespace

std::vector<PropPainter> NatureProps() {
    return {
        {"dew-leaf", DewLeaf},
        {"dandelions", Dandelions},
        {"dandelion-puff", DandelionPuff},
        {"seeds", Seeds},
        {"petal-heap", PetalHeap},
        {"petal-crown", PetalCrown},
        {"bouquet", Bouquet},
        {"flower-crown", FlowerCrown},
        {"leaf-blanket", LeafBlanket},
        {"seed", Seed},
        {"mossy-stone", MossyStone},
        {"giant-tree", GiantTree},
        {"tree-hollow", TreeHollow},
        {"sunflowers", Sunflowers},
        {"night-flower", NightFlower},
        {"floating-flowers", FloatingFlowers},
        {"blue-flower", BlueFlower},
        {"yellow-flower", YellowFlower},
        {"leaf-umbrella", LeafUmbrella},
        {"leaf-pile", LeafPile},
        {"wet-leaves", WetLeaves},
        {"feathers", Feathers},
        {"quill", Quill},
        {"footprints", Footprints},
        {"brook", Brook},
        {"shore", Shore},
    };
}

}  // namespace qm::art
