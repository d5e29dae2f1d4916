// Food, drink and what serves it. Things that stand have their base on the
// origin; things held are centred on it.

#include <QtMath>

#include "brushwork.h"
#include "prop_groups.h"

namespace qm::art {

namespace {

QPainterPath Rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void Steam(QPainter& p, QPointF from, double height) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (double dx : {-5.0, 0.0, 5.0}) {
        QPainterPath curl(from + QPointF(dx, 0));
        curl.cubicTo(from + QPointF(dx + 4, -height * 0.3), from + QPointF(dx - 4, -height * 0.6),
                     from + QPointF(dx + 2, -height));
        p.drawPath(curl);
    }
}

void Leaf(QPainter& p, QPointF base, double length, double angle, const QColor& colour) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(length * 0.5, -length * 0.35, length, 0);
    leaf.quadTo(length * 0.5, length * 0.35, 0, 0);
    FillSoft(p, leaf, colour.lighter(115), colour.darker(115), 0.9);
    p.restore();
}

void Berry(QPainter& p, QPointF at, double r, const QColor& colour) {
    FillSoft(p, EllipsePath(at, r, r), colour.lighter(125), colour.darker(115), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 190));
    p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.35), r * 0.3, r * 0.3);
}

// A ring of little drupelets.
void Raspberry(QPainter& p, QPointF at, double r) {
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        Berry(p, at + QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.5, QColor(0xd8324a));
    }
    Berry(p, at, r * 0.5, QColor(0xe8405a));
}

// A wild strawberry plant that has taken root in someone's hair: a leaf, a
// white flower and one red fruit, standing on the origin.
void Strawberry(QPainter& p, QRandomGenerator&) {
    Leaf(p, QPointF(0, 0), 18, -140, QColor(0x4f9a3c));
    Leaf(p, QPointF(0, 0), 16, -50, QColor(0x5aa844));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(i * 72.0 - 90);
        FillSoft(p, EllipsePath(QPointF(-10, -12) + QPointF(std::cos(a), std::sin(a)) * 3.6, 3, 3), Qt::white,
                 QColor(0xe8e8e0), 0.6);
    }
    FillSoft(p, EllipsePath(QPointF(-10, -12), 1.8, 1.8), QColor(0xfff07a), QColor(0xf0c040), 0);
    QPainterPath fruit(QPointF(8, -18));
    fruit.cubicTo(16, -18, 16, -8, 8, 0);
    fruit.cubicTo(0, -8, 0, -18, 8, -18);
    FillSoft(p, fruit, QColor(0xff5a5a), QColor(0xc81e32), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfff0a0));
    for (const QPointF& seed : {QPointF(6, -13), QPointF(10, -12), QPointF(8, -8), QPointF(5, -9), QPointF(11, -7)})
        p.drawEllipse(seed, 0.7, 0.9);
    Leaf(p, QPointF(8, -18), 6, -60, QColor(0x3e8a34));
    Leaf(p, QPointF(8, -18), 6, -120, QColor(0x3e8a34));
}

void YellowBerry(QPainter& p, QRandomGenerator&) {
    Leaf(p, QPointF(2, -6), 9, -30, QColor(0x5aa844));
    Berry(p, QPointF(0, 0), 6, QColor(0xffd23a));
}

// A heap of wild raspberries, as much as two arms can hold.
void Raspberries(QPainter& p, QRandomGenerator& rng) {
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 5 - row; ++i)
            Raspberry(p, QPointF(-20 + i * 10 + row * 5 + rng.bounded(3), 6 - row * 8), 5.5);
    Leaf(p, QPointF(12, -12), 10, -40, QColor(0x4f9a3c));
}

// A little round table with a cloth, two cups and an empty cake plate.
void TeaTable(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x6a4a38), 4, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-30.0, 0.0, 30.0}) p.drawLine(QPointF(x, -26), QPointF(x * 1.1, 0));
    FillSoft(p, EllipsePath(QPointF(0, -34), 48, 13), QColor(0xffffff), QColor(0xf0dce4));
    QPainterPath cloth(QPointF(-48, -34));
    cloth.cubicTo(-48, -22, -30, -18, 0, -18);
    cloth.cubicTo(30, -18, 48, -22, 48, -34);
    FillSoft(p, cloth, QColor(0xffe4ee), QColor(0xf3b8cc), 1.0);
    FillSoft(p, EllipsePath(QPointF(-8, -36), 14, 4.5), QColor(0xffffff), QColor(0xd8d8e4), 1.0);  // the plate
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8c890));
    for (const QPointF& crumb : {QPointF(-12, -36), QPointF(-4, -37), QPointF(-8, -35)}) p.drawEllipse(crumb, 1, 0.8);
    for (double x : {18.0, 32.0}) {
        FillSoft(p, Rounded(QRectF(x - 5, -46, 10, 9), 3), Qt::white, QColor(0xe4dcec), 1.0);
        FillSoft(p, EllipsePath(QPointF(x, -46), 5, 1.6), QColor(0xc8844a), QColor(0xa86a3a), 0.6);
    }
}

// A teapot tipped to pour, its tea running from the spout.
void Teapot(QPainter& p, QRandomGenerator&) {
    p.save();
    p.rotate(-20);
    p.setPen(QPen(QColor(0xc8b0d8), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-20, -9, 10, 12), 90 * 16, 180 * 16);  // the handle
    QPainterPath spout(QPointF(9, 0));
    spout.quadTo(18, -2, 22, -9);
    spout.lineTo(24, -7);
    spout.quadTo(20, 2, 10, 5);
    spout.closeSubpath();
    FillSoft(p, spout, QColor(0xfff4fa), QColor(0xe0c8e8), 1.0);
    FillSoft(p, EllipsePath(QPointF(0, 0), 13, 10), QColor(0xfff4fa), QColor(0xe0c8e8));
    FillSoft(p, EllipsePath(QPointF(0, -10), 4, 2.5), QColor(0xf3a8c4), QColor(0xd880a4), 0.8);
    p.restore();
    QPainterPath stream(QPointF(23, -16));
    stream.quadTo(28, -8, 27, 14);
    p.setPen(QPen(QColor(0xc8844a), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
}

// A glass bowl of shaved ice with red syrup, and its spoon.
void ShavedIce(QPainter& p, QRandomGenerator&) {
    QPainterPath ice(QPointF(-13, -3));
    ice.cubicTo(-12, -20, 12, -20, 13, -3);
    ice.closeSubpath();
    FillSoft(p, ice, Qt::white, QColor(0xdfeaf6), 1.0);
    QPainterPath syrup(QPointF(-10, -9));
    syrup.cubicTo(-6, -20, 8, -18, 10, -8);
    syrup.quadTo(2, -4, -10, -9);
    FillSoft(p, syrup, QColor(0xff4a3a), QColor(0xc81a1a), 0);
    QPainterPath bowl(QPointF(-15, -4));
    bowl.quadTo(0, 14, 15, -4);
    bowl.closeSubpath();
    FillSoft(p, bowl, QColor(180, 220, 255, 200), QColor(120, 180, 230, 220), 1.0);
    p.setPen(QPen(QColor(0xd0d4dc), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, -12), QPointF(16, -22));
}

void EmptyBowl(QPainter& p, QRandomGenerator&) {
    QPainterPath bowl(QPointF(-15, -12));
    bowl.quadTo(0, 6, 15, -12);
    bowl.closeSubpath();
    FillSoft(p, bowl, QColor(180, 220, 255, 200), QColor(120, 180, 230, 220), 1.0);
    FillSoft(p, EllipsePath(QPointF(0, -12), 15, 3.5), QColor(220, 236, 255, 200), QColor(170, 200, 240, 200), 1.0);
}

void SyrupBottle(QPainter& p, QRandomGenerator&) {
    QPainterPath bottle(QPointF(-3, -22));
    bottle.lineTo(3, -22);
    bottle.lineTo(3, -14);
    bottle.cubicTo(9, -10, 8, 0, 8, 12);
    bottle.lineTo(-8, 12);
    bottle.cubicTo(-8, 0, -9, -10, -3, -14);
    bottle.closeSubpath();
    FillSoft(p, bottle, QColor(0xff6a4a), QColor(0xb81a1a), 1.2);
    FillSoft(p, Rounded(QRectF(-6, -2, 12, 8), 2), QColor(0xfff4d0), QColor(0xf0d8a0), 0.8);
    p.setPen(QPen(QColor(0xd02020), 1.4));
    p.drawLine(QPointF(-3, 2), QPointF(3, 2));  // a chili on the label
    FillSoft(p, Rounded(QRectF(-3.5, -26, 7, 5), 1.5), QColor(0x8a6a50), QColor(0x5a4030), 0.8);
}

void Nut(QPainter& p, QPointF at, double r) {
    FillSoft(p, EllipsePath(at, r, r * 1.2), QColor(0xc8905a), QColor(0x8a5a30), 0.8);
    FillSoft(p, EllipsePath(at - QPointF(0, r * 0.8), r * 1.05, r * 0.5), QColor(0x9a7a54), QColor(0x6a4a2a), 0.8);
}

void OneNut(QPainter& p, QRandomGenerator&) { Nut(p, QPointF(0, 0), 4); }

// An empty plate with a few shells on it.
void EmptyPlate(QPainter& p, QRandomGenerator&) {
    FillSoft(p, EllipsePath(QPointF(0, -4), 24, 7), QColor(0xffffff), QColor(0xd4d8e4), 1.2);
    p.setPen(QPen(QColor(0x9a7a54), 1.4));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& at : {QPointF(-8, -5), QPointF(4, -3), QPointF(10, -6)})
        p.drawArc(QRectF(at, QSizeF(5, 3)), 0, 180 * 16);
}

// A heap of nuts still to be eaten, on a plate.
void NutPlate(QPainter& p, QRandomGenerator& rng) {
    FillSoft(p, EllipsePath(QPointF(0, -4), 24, 7), QColor(0xffffff), QColor(0xd4d8e4), 1.2);
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 4 - row; ++i) Nut(p, QPointF(-12 + i * 8 + row * 4 + rng.bounded(2), -7 - row * 6), 3.6);
}

// A roasted sweet potato broken in two, steaming.
void SweetPotato(QPainter& p, QRandomGenerator&) {
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(side * 8, 0);
        p.rotate(side * 20);
        QPainterPath half(QPointF(0, -6));
        half.cubicTo(side * 14, -8, side * 16, 6, 0, 6);
        half.closeSubpath();
        FillSoft(p, half, QColor(0x9a3a6a), QColor(0x6a1a4a), 1.0);
        FillSoft(p, EllipsePath(QPointF(0, 0), 2.6, 6), QColor(0xffe27a), QColor(0xf0b03a), 0.6);
        p.restore();
    }
    Steam(p, QPointF(0, -8), 18);
}

// A big black pot of purple stew bubbling over a small fire.
void StewPot(QPainter& p, QRandomGenerator& rng) {
    Glow(p, QPointF(0, -6), 40, QColor(255, 140, 60, 140));
    for (int i = 0; i < 3; ++i) {
        QPainterPath flame(QPointF(-14 + i * 12, 0));
        flame.quadTo(-16 + i * 12, -10, -8 + i * 12, -16);
        flame.quadTo(-2 + i * 12, -8, -2 + i * 12, 0);
        FillSoft(p, flame, QColor(0xffd060), QColor(0xf0602a), 0);
    }
    p.setPen(QPen(QColor(0x3a3034), 3));
    for (double x : {-22.0, 22.0}) p.drawLine(QPointF(x, -12), QPointF(x * 1.2, 0));
    QPainterPath pot(QPointF(-26, -36));
    pot.cubicTo(-28, -6, 28, -6, 26, -36);
    pot.closeSubpath();
    FillSoft(p, pot, QColor(0x5a5058), QColor(0x242024), 1.2);
    FillSoft(p, EllipsePath(QPointF(0, -36), 26, 6), QColor(0xa860d0), QColor(0x6a2a9a), 1.2);
    for (int i = 0; i < 4; ++i) {
        const QPointF bubble(-14 + rng.bounded(28), -37 + rng.bounded(3));
        FillSoft(p, EllipsePath(bubble, 2.4, 1.6), QColor(0xd8a0f0), QColor(0x9a50c8), 0.6);
    }
    Steam(p, QPointF(0, -42), 22);
}

void Ladle(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x9a7a5a), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -16), QPointF(0, 16));
    FillSoft(p, EllipsePath(QPointF(0, 18), 6, 4), QColor(0xb890d0), QColor(0x7a4aa0), 1.0);
}

void RiceBall(QPainter& p, QRandomGenerator&) {
    QPainterPath ball(QPointF(0, -9));
    ball.cubicTo(5, -9, 11, 4, 9, 7);
    ball.cubicTo(6, 9, -6, 9, -9, 7);
    ball.cubicTo(-11, 4, -5, -9, 0, -9);
    FillSoft(p, ball, Qt::white, QColor(0xe8e4dc), 1.2);
    FillSoft(p, Rounded(QRectF(-5, 1, 10, 7.5), 1.5), QColor(0x2a4a3a), QColor(0x1a2a24), 0);
}

// An open lunch basket, a checked cloth, rice balls inside.
void LunchBasket(QPainter& p, QRandomGenerator& rng) {
    FillSoft(p, PolygonPath({{-26, -22}, {26, -22}, {22, 0}, {-22, 0}}), QColor(0xe0b070), QColor(0xa87038), 1.2);
    p.setPen(QPen(QColor(0x9a6a34), 1));
    for (double y = -17; y < 0; y += 5) p.drawLine(QPointF(-25, y), QPointF(25, y));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(-12 + i * 12, -25);
        p.scale(0.8, 0.8);
        RiceBall(p, rng);
        p.restore();
    }
    FillSoft(p, PolygonPath({{14, -22}, {34, -16}, {30, 2}, {18, -6}}), QColor(0xff9aaa), QColor(0xe0607a), 1.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xffffff), 1.2));
    p.drawArc(QRectF(-22, -40, 44, 36), 20 * 16, 140 * 16);  // the handle, folded back
}

// A sweet in a twist of paper, glowing a little: a treasure worth trading.
void Candy(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 16, QColor(255, 200, 230, 140));
    for (double side : {-1.0, 1.0}) {
        QPainterPath twist(QPointF(side * 5, 0));
        twist.lineTo(side * 12, -5);
        twist.lineTo(side * 12, 5);
        twist.closeSubpath();
        FillSoft(p, twist, QColor(0xfff0f8), QColor(0xf0a8c8), 0.8);
    }
    FillSoft(p, EllipsePath(QPointF(0, 0), 6, 5), QColor(0xff90b8), QColor(0xe04a80), 1.0);
    p.setPen(QPen(WithAlpha(Qt::white, 220), 1.4));
    p.drawLine(QPointF(-3, -2), QPointF(2, 3));
}

// A red fruit roasted on the end of a stick, held out.
void RoastedFruit(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x8a6040), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(34, -26));
    Berry(p, QPointF(36, -28), 8, QColor(0xe0402a));
    p.setPen(QPen(QColor(0x6a2a1a), 1.2));
    p.drawArc(QRectF(31, -33, 8, 6), 200 * 16, 100 * 16);  // a roasted crack
    Steam(p, QPointF(37, -38), 16);
}

void Teacup(QPainter& p, QRandomGenerator&) {
    QPainterPath cup(QPointF(-9, -6));
    cup.lineTo(9, -6);
    cup.quadTo(8, 7, 0, 7);
    cup.quadTo(-8, 7, -9, -6);
    FillSoft(p, cup, Qt::white, QColor(0xdcd8e8), 1.1);
    FillSoft(p, EllipsePath(QPointF(0, -6), 9, 2.4), QColor(0xb8d890), QColor(0x8ab060), 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xdcd8e8), 2));
    p.drawArc(QRectF(7, -4, 7, 7), -90 * 16, 180 * 16);
    Steam(p, QPointF(0, -9), 14);
}

// A leaf folded into a cup, water in it.
void LeafCup(QPainter& p, QRandomGenerator&) {
    QPainterPath cup(QPointF(-12, -6));
    cup.quadTo(-8, 8, 0, 8);
    cup.quadTo(8, 8, 12, -6);
    cup.quadTo(0, -2, -12, -6);
    FillSoft(p, cup, QColor(0x8acb6a), QColor(0x4a8a3a), 1.1);
    FillSoft(p, EllipsePath(QPointF(0, -4), 9, 2.2), QColor(0xd8f0ff), QColor(0x8ac8f0), 0.6);
}

}  // namespace

std::vector<PropPainter> FoodProps() {
    return {
        {"strawberry", Strawberry},
        {"yellow-berry", YellowBerry},
        {"raspberries", Raspberries},
        {"tea-table", TeaTable},
        {"teapot", Teapot},
        {"shaved-ice", ShavedIce},
        {"empty-bowl", EmptyBowl},
        {"syrup-bottle", SyrupBottle},
        {"nut", OneNut},
        {"empty-plate", EmptyPlate},
        {"nut-plate", NutPlate},
        {"sweet-potato", SweetPotato},
        {"stew-pot", StewPot},
        {"ladle", Ladle},
        {"rice-ball", RiceBall},
        {"lunch-basket", LunchBasket},
        {"candy", Candy},
        {"roasted-fruit", RoastedFruit},
        {"teacup", Teacup},
        {"leaf-cup", LeafCup},
    };
}

}  // namespace qm::art
