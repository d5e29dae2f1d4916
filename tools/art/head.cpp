#include "head.h"

#include <QRadialGradient>

#include "brushwork.h"
#include "expression.h"
#include "hair.h"

namespace qm::art {

namespace {

void Ear(QPainter& p, double side) {
    QPainterPath ear(QPointF(side * 27, -4));
    ear.quadTo(side * 36, -6, side * 42, -13);
    ear.quadTo(side * 38, 4, side * 27, 10);
    ear.closeSubpath();
    FillSoft(p, ear, Skin(), Mix(Skin(), SkinShade(), 0.6), 1.2);
}

void SkinHead(QPainter& p) {
    for (double side : {-1.0, 1.0}) Ear(p, side);
    QRadialGradient skin(QPointF(-6, -8), 40);
    skin.setColorAt(0, Skin().lighter(104));
    skin.setColorAt(1, Mix(Skin(), SkinShade(), 0.35));
    p.setBrush(skin);
    p.setPen(QPen(OutlineOf(SkinShade()), 1.4));
    p.drawEllipse(QPointF(0, 0), 30, 28);
}

// The orb is all head: a ball of light.
void Orb(QPainter& p, const Fairy& f) {
    QRadialGradient light(QPointF(-8, -10), 38);
    light.setColorAt(0, f.accent);
    light.setColorAt(0.6, f.hairColour);
    light.setColorAt(1, f.hairShade);
    p.setBrush(light);
    p.setPen(QPen(OutlineOf(f.hairShade), 1.2));
    p.drawEllipse(QPointF(0, 0), 30, 29);
    QPainterPath tuft(QPointF(-3, -28));
    tuft.cubicTo(-8, -40, 6, -46, 8, -38);
    tuft.cubicTo(9, -33, 2, -34, 3, -37);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.hairShade, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tuft);
}

}  // namespace

void DrawHeadBack(QPainter& p, const Fairy& fairy) {
    if (fairy.hair == Hair::None) {
        Glow(p, QPointF(0, 0), 62, WithAlpha(fairy.accent, 200));
        return;
    }
    DrawHairBack(p, fairy);
}

void DrawHeadFront(QPainter& p, const Fairy& fairy, Expression expression, bool headwear) {
    if (fairy.hair == Hair::None) {
        Orb(p, fairy);
    } else if (fairy.hair == Hair::FeatherHood) {
        QRadialGradient dark(QPointF(0, 2), 26);
        dark.setColorAt(0, QColor(0x050406));
        dark.setColorAt(0.75, QColor(0x0d0b10));
        dark.setColorAt(1, fairy.hairShade);
        p.setBrush(dark);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(0, 4), 25, 23);
    } else {
        SkinHead(p);
    }
    DrawFace(p, fairy, expression);
    DrawHairFront(p, fairy);
    DrawFaceMarks(p, fairy, expression);
    if (headwear) DrawHeadwear(p, fairy);
}

}  // namespace qm::art
