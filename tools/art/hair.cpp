#include "hair.h"

#include <QtMath>

#include "brushwork.h"

namespace qm::art {

namespace {

QPointF OnEllipse(QPointF centre, double rx, double ry, double degrees) {
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(rx * std::cos(a), -ry * std::sin(a));
}

// The crown of the head, from the left end (at angle 180 + drop) over the
// top to the right end; the caller closes the shape below.
QPainterPath Dome(double rx, double ry, double drop) {
    const QPointF centre(0, -2);
    QPainterPath path(OnEllipse(centre, rx, ry, 180 + drop));
    path.arcTo(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), 180 + drop, -(180 + 2 * drop));
    return path;
}

QPointF Start(const QPainterPath& path) { return path.elementAt(0); }

// A fringe: the dome, a lock down the right cheek, a row of locks across the
// forehead and a lock down the left cheek.
struct FringeShape {
    double lockBottom;           // where the side locks end
    int tips;                    // locks across the forehead
    double baseLeft, baseRight;  // the fringe's upper line (side-swept if they differ)
    double depth;                // how far each lock hangs below that line
    bool pointed;
};

QPainterPath Fringe(const FringeShape& f) {
    QPainterPath path = Dome(32, 31, 8);
    path.quadTo(33, f.lockBottom * 0.6, 30, f.lockBottom);
    path.quadTo(24, f.lockBottom * 0.7, 22, f.baseRight + f.depth);
    const double left = -22, right = 22, step = (right - left) / f.tips;
    for (int i = 0; i < f.tips; ++i) {
        const double x0 = right - i * step, x1 = x0 - step;
        const double base0 = f.baseRight + (f.baseLeft - f.baseRight) * (right - x0) / (right - left);
        const double base1 = f.baseRight + (f.baseLeft - f.baseRight) * (right - x1) / (right - left);
        const QPointF tip(x0 - step * 0.45, (base0 + base1) / 2 + f.depth);
        const double bend = f.pointed ? 0.1 : 0.45;
        path.quadTo(QPointF(x0 - step * bend, base0 - 2), tip);
        path.quadTo(QPointF(x1 + step * bend * 0.5, base1), QPointF(x1, base1 + (i + 1 == f.tips ? f.depth : 0)));
    }
    path.quadTo(-24, f.lockBottom * 0.7, -30, f.lockBottom);
    path.quadTo(QPointF(-33, f.lockBottom * 0.6), Start(path));
    return path;
}

void Strands(QPainter& p, const Fairy& f, double top, double bottom, double spread) {
    p.setPen(QPen(WithAlpha(f.hairShade, 110), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double x : {-0.8, -0.45, 0.45, 0.8}) {
        QPainterPath strand(QPointF(x * 34, top));
        strand.quadTo(x * 40, (top + bottom) / 2, x * spread, bottom);
        p.drawPath(strand);
    }
}

void LongStraightBack(QPainter& p, const Fairy& f) {
    QPainterPath path = Dome(34, 34, 10);
    path.cubicTo(38, 40, 42, 80, 44, 116);
    path.quadTo(0, 124, -44, 116);
    path.cubicTo(QPointF(-42, 80), QPointF(-38, 40), Start(path));
    FillSoft(p, path, f.hairColour, f.hairShade);
    Strands(p, f, 10, 112, 42);
}

void CurlsBack(QPainter& p, const Fairy& f) {
    const QPointF centre(0, -2);
    for (double a = 200; a >= -20; a -= 27.5)
        FillSoft(p, EllipsePath(OnEllipse(centre, 31, 30, a), 12, 12), f.hairColour, f.hairShade);
    for (double side : {-1.0, 1.0})
        for (double y : {16.0, 30.0})
            FillSoft(p, EllipsePath(QPointF(side * (31 - y * 0.1), y), 10, 10), f.hairColour, f.hairShade);
}

void SpikyBack(QPainter& p, const Fairy& f) {
    const QPointF centre(0, -2);
    QPainterPath path(OnEllipse(centre, 30, 30, 215));
    const int spikes = 9;
    for (int i = 0; i <= 2 * spikes; ++i) {
        const double a = 215 - i * 250.0 / (2 * spikes);
        const double r = i % 2 ? 47 - (i % 4) * 1.5 : 31;
        path.lineTo(OnEllipse(centre, r, r, a));
    }
    path.closeSubpath();
    FillSoft(p, path, f.hairColour, f.hairShade, 1.6);
}

void BobBack(QPainter& p, const Fairy& f) {
    QPainterPath path = Dome(34, 33, 6);
    path.lineTo(34, 26);
    path.quadTo(30, 33, 24, 30);
    path.quadTo(0, 36, -24, 30);
    path.quadTo(-30, 33, -34, 26);
    path.closeSubpath();
    FillSoft(p, path, f.hairColour, f.hairShade);
}

void RibbonedBack(QPainter& p, const Fairy& f) {
    QPainterPath path = Dome(34, 33, 10);
    path.cubicTo(40, 30, 30, 50, 40, 72);
    path.quadTo(30, 82, 22, 74);
    path.quadTo(12, 84, 0, 76);
    path.quadTo(-12, 84, -22, 74);
    path.quadTo(-30, 82, -40, 72);
    path.cubicTo(QPointF(-30, 50), QPointF(-40, 30), Start(path));
    FillSoft(p, path, f.hairColour, f.hairShade);
    Strands(p, f, 12, 70, 36);
}

void WavyBack(QPainter& p, const Fairy& f) {
    QPainterPath path = Dome(34, 33, 10);
    path.cubicTo(38, 20, 44, 30, 40, 42);
    for (int i = 0; i < 4; ++i) {
        const double x0 = 40 - i * 20;
        path.quadTo(x0 - 4, 52, x0 - 10, 44);
        path.quadTo(x0 - 14, 38, x0 - 20, 42);
    }
    path.cubicTo(QPointF(-44, 30), QPointF(-38, 20), Start(path));
    FillSoft(p, path, f.hairColour, f.hairShade);
}

// A feather rooted at a point of the hood, hanging outward and down.
void HangingFeather(QPainter& p, const Fairy& f, QPointF root, double length, double outward) {
    const QPointF out = root / std::hypot(root.x(), root.y());
    const QPointF dir = out * outward + QPointF(0, 1);
    Feather(p, root, length, qRadiansToDegrees(std::atan2(dir.y(), dir.x())), f.accent, f.hairShade);
}

void FeatherHoodBack(QPainter& p, const Fairy& f) {
    for (double a = 190; a >= -10; a -= 14) HangingFeather(p, f, OnEllipse(QPointF(0, 8), 36, 34, a), 26, 1.2);
    QPainterPath hood = Dome(40, 40, 12);
    hood.cubicTo(44, 20, 48, 36, 46, 46);
    hood.quadTo(0, 56, -46, 46);
    hood.cubicTo(QPointF(-48, 36), QPointF(-44, 20), Start(hood));
    FillSoft(p, hood, f.accent, f.hairColour);
    for (double a = 165; a >= 15; a -= 15) HangingFeather(p, f, OnEllipse(QPointF(0, -2), 34, 34, a), 20, 0.6);
}

void FeatherHoodFront(QPainter& p, const Fairy& f) {
    for (double a = 160; a >= 20; a -= 20) HangingFeather(p, f, OnEllipse(QPointF(0, -4), 24, 22, a), 14, 0.25);
}

void Halo(QPainter& p, const Fairy& f) {
    Glow(p, QPointF(0, -44), 30, WithAlpha(f.accent, 90));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(f.accent.lighter(115), 230), 3.2));
    p.drawEllipse(QPointF(0, -46), 19, 5);
}

void Sprouts(QPainter& p, const Fairy& f) {
    QPainterPath stem(QPointF(2, -30));
    stem.quadTo(0, -40, 3, -47);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.accent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(3 + side * 7, -49);
        p.rotate(side * -25);
        FillSoft(p, EllipsePath(QPointF(0, 0), 8, 4), f.dress.lighter(110), f.accent, 1.0);
        p.restore();
    }
}

void Flower(QPainter& p, QPointF centre, double size, const QColor& petal) {
    for (int i = 0; i < 5; ++i)
        FillSoft(p, EllipsePath(OnEllipse(centre, size, size, 90 + i * 72), size * 0.75, size * 0.75), petal,
                 petal.darker(112), 0.7);
    FillSoft(p, EllipsePath(centre, size * 0.55, size * 0.55), QColor(0xfff1a0), QColor(0xf2c14e), 0.6);
}

void FlowerCrown(QPainter& p, const Fairy& f) {
    const QColor petals[] = {QColor(0xffffff), QColor(0xffd0e4), f.accent};
    int i = 0;
    for (double a = 155; a >= 25; a -= 21.5) Flower(p, OnEllipse(QPointF(0, -4), 30, 28, a), 4.2, petals[i++ % 3]);
    Bow(p, QPointF(-31, 2), 1, f.accent);
    Bow(p, QPointF(31, 2), -1, f.accent);
}

void StarClip(QPainter& p, const Fairy& f) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const QPointF point = OnEllipse(QPointF(-19, -17), i % 2 ? 2.6 : 6, i % 2 ? 2.6 : 6, 90 + i * 36);
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    FillSoft(p, star, f.accent.lighter(110), f.accent.darker(115), 1.0);
}

void Bubble(QPainter& p, QPointF centre, double r, const QColor& tint) {
    p.setBrush(WithAlpha(tint, 70));
    p.setPen(QPen(WithAlpha(Qt::white, 220), 1.2));
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 230));
    p.drawEllipse(centre + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.25);
}

void Cowlick(QPainter& p, const Fairy& f) {
    QPainterPath curl(QPointF(-2, -32));
    curl.cubicTo(-4, -46, 14, -50, 12, -40);
    curl.cubicTo(11, -35, 5, -37, 6, -41);
    curl.cubicTo(8, -44, 2, -42, 4, -32);
    FillSoft(p, curl, f.hairColour, f.hairShade, 1.2);
}

}  // namespace

void DrawHairBack(QPainter& p, const Fairy& fairy) {
    switch (fairy.hair) {
        case Hair::LongStraight:
            return LongStraightBack(p, fairy);
        case Hair::Curls:
            return CurlsBack(p, fairy);
        case Hair::Spiky:
            return SpikyBack(p, fairy);
        case Hair::Bob:
            return BobBack(p, fairy);
        case Hair::Ribboned:
            return RibbonedBack(p, fairy);
        case Hair::Wavy:
            return WavyBack(p, fairy);
        case Hair::FeatherHood:
            return FeatherHoodBack(p, fairy);
        case Hair::None:
            return;
    }
}

void DrawHairFront(QPainter& p, const Fairy& fairy) {
    const auto fringe = [&](const FringeShape& shape) {
        FillSoft(p, Fringe(shape), fairy.hairColour, fairy.hairShade);
    };
    switch (fairy.hair) {
        case Hair::LongStraight:
            return fringe({32, 4, -15, -15, 8, false});
        case Hair::Spiky:
            return fringe({12, 5, -16, -16, 13, true});
        case Hair::Bob:
            return fringe({26, 3, -6, -20, 6, false});
        case Hair::Ribboned:
            return fringe({20, 3, -15, -15, 7, false});
        case Hair::Wavy:
            return fringe({22, 4, -14, -14, 7, false});
        case Hair::Curls:
            FillSoft(p, Fringe({6, 1, -14, -14, 0, false}), fairy.hairColour, fairy.hairShade);
            for (double x = -22; x <= 22; x += 11)
                FillSoft(p, EllipsePath(QPointF(x, -17 - (22 - std::abs(x)) * 0.25), 9, 9), fairy.hairColour,
                         fairy.hairShade);
            return;
        case Hair::FeatherHood:
            return FeatherHoodFront(p, fairy);
        case Hair::None:
            return;
    }
}

void DrawHeadwear(QPainter& p, const Fairy& fairy) {
    switch (fairy.hair) {
        case Hair::LongStraight:
            return Halo(p, fairy);
        case Hair::Curls:
            return Sprouts(p, fairy);
        case Hair::Bob:
            return StarClip(p, fairy);
        case Hair::Ribboned:
            return FlowerCrown(p, fairy);
        case Hair::Wavy:
            Cowlick(p, fairy);
            Bubble(p, QPointF(-42, -22), 5, fairy.hairColour);
            Bubble(p, QPointF(44, -30), 7, fairy.hairColour);
            Bubble(p, QPointF(38, -46), 4, fairy.hairColour);
            return;
        case Hair::Spiky:
        case Hair::None:
        case Hair::FeatherHood:
            return;
    }
}

}  // namespace qm::art
