#include "outfit.h"

#include <QtMath>
#include <cmath>

#include "brushwork.h"

namespace qm::art {

namespace {

bool LongSkirt(Outfit o) { return o == Outfit::LongDress || o == Outfit::Robe || o == Outfit::FeatherCloak; }

// Scallops, points or waves along the hem.
enum class Hem { Round, Leaves, Zigzag, Waves };

struct Cut {
    double half, hemY;  // the hem runs from (-half, hemY) to (half, hemY)
    int count;          // scallops, leaves, points or waves along it
    double depth;
    Hem hem;
};

void AddHem(QPainterPath& path, const Cut& cut) {
    const double step = 2 * cut.half / cut.count, y = cut.hemY, depth = cut.depth;
    for (int i = 0; i < cut.count; ++i) {
        const double x0 = -cut.half + i * step, mid = x0 + step / 2, x1 = x0 + step;
        switch (cut.hem) {
            case Hem::Round:
                path.quadTo(mid, y + depth * 2, x1, y);
                break;
            case Hem::Leaves:
                path.quadTo(x0 + step * 0.1, y + depth, mid, y + depth * 1.3);
                path.quadTo(x1 - step * 0.1, y + depth, x1, y);
                break;
            case Hem::Zigzag:
                path.lineTo(mid, y + depth);
                path.lineTo(x1, y);
                break;
            case Hem::Waves:
                path.cubicTo(x0 + step * 0.3, y + depth * 1.5, mid, y - depth, x1, y + depth * 0.3);
                break;
        }
    }
}

// From the neck down over the waist, flaring to the hem.
QPainterPath Garment(const Cut& cut) {
    QPainterPath path(QPointF(-9, 28));
    path.cubicTo(-16, 31, -15, 44, -12.5, 56);
    path.cubicTo(-18, 70, -cut.half + 6, cut.hemY - 14, -cut.half, cut.hemY);
    AddHem(path, cut);
    path.cubicTo(cut.half - 6, cut.hemY - 14, 18, 70, 12.5, 56);
    path.cubicTo(15, 44, 16, 31, 9, 28);
    path.closeSubpath();
    return path;
}

Cut CutOf(Outfit outfit) {
    switch (outfit) {
        case Outfit::LongDress:
            return {38, 116, 1, 4, Hem::Round};
        case Outfit::LeafDress:
            return {30, 84, 5, 7, Hem::Leaves};
        case Outfit::Tunic:
            return {28, 80, 6, 8, Hem::Zigzag};
        case Outfit::Robe:
            return {40, 118, 1, 3, Hem::Round};
        case Outfit::RuffledDress:
            return {31, 84, 6, 3.5, Hem::Round};
        case Outfit::WaveDress:
            return {30, 84, 4, 3.5, Hem::Waves};
        case Outfit::FeatherCloak:
            return {44, 116, 8, 3, Hem::Round};
        case Outfit::Orb:
            break;
    }
    return {};
}

void Sash(QPainter& p, const QColor& colour, double y) {
    QPainterPath band(QPointF(-13.5, y - 3));
    band.quadTo(0, y - 1, 13.5, y - 3);
    band.lineTo(13.8, y + 3);
    band.quadTo(0, y + 5, -13.8, y + 3);
    band.closeSubpath();
    FillSoft(p, band, colour.lighter(115), colour.darker(110), 1.0);
}

void Star(QPainter& p, QPointF c, double r, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(90.0 + i * 36), radius = i % 2 ? r * 0.45 : r;
        const QPointF point = c + QPointF(radius * std::cos(a), -radius * std::sin(a));
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

void FeatherRows(QPainter& p, const Fairy& f, const QPainterPath& cloak) {
    p.save();
    p.setClipPath(cloak, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 6; ++row) {
        const double y = 46 + row * 14;
        const double half = 16 + row * 5.5;
        p.setPen(QPen(WithAlpha(f.accent, 200), 1.2));
        for (double x = -half - (row % 2) * 5; x < half; x += 10)
            p.drawArc(QRectF(x, y - 6, 10, 12), 180 * 16, 180 * 16);
    }
    p.restore();
}

}  // namespace

void DrawWings(QPainter& p, const Fairy& fairy, double flap, double span) {
    for (double side : {-1.0, 1.0}) {
        const QPointF root(side * 5, 42);
        p.save();
        p.translate(root);
        p.rotate(-side * flap);
        p.scale(span, span);
        if (fairy.outfit == Outfit::FeatherCloak) {
            for (int i = 0; i < 7; ++i) {
                p.save();
                p.rotate(side * (-75 + i * 16));
                const double length = 78 - std::abs(i - 2) * 7;
                QPainterPath feather(QPointF(0, 0));
                feather.cubicTo(side * length * 0.3, -9, side * length * 0.8, -8, side * length, 0);
                feather.cubicTo(side * length * 0.8, 8, side * length * 0.3, 9, 0, 0);
                FillSoft(p, feather, fairy.accent, fairy.hairShade, 1.0);
                p.restore();
            }
            p.restore();
            continue;
        }
        for (const auto& [tip, bulge] : {std::pair{QPointF(60, -30), 22.0}, std::pair{QPointF(44, 26), 14.0}}) {
            const QPointF t(side * tip.x(), tip.y());
            QPainterPath wing(QPointF(0, 0));
            wing.cubicTo(QPointF(side * 8, -bulge * 1.6), t + QPointF(-side * bulge, -bulge * 0.6), t);
            wing.cubicTo(t + QPointF(side * bulge * 0.2, bulge * 0.7), QPointF(side * bulge * 1.6, bulge * 0.6),
                         QPointF(0, 0));
            QLinearGradient tint(QPointF(0, 0), t);
            tint.setColorAt(0, WithAlpha(Qt::white, 210));
            tint.setColorAt(1, WithAlpha(fairy.wingTint, 170));
            p.setBrush(tint);
            p.setPen(QPen(WithAlpha(Mix(fairy.wingTint, QColor(0x8090b0), 0.45), 170), 1.2));
            p.drawPath(wing);
            p.setPen(QPen(WithAlpha(Qt::white, 200), 1.0));
            p.drawLine(QPointF(0, 0), t * 0.75);
        }
        p.restore();
    }
}

double PostureDrop(Posture posture) {
    switch (posture) {
        case Posture::Sit:
            return 24;
        case Posture::Kneel:
            return 16;
        case Posture::Stand:
        case Posture::Lie:
            break;
    }
    return 0;
}

void DrawLegs(QPainter& p, const Fairy& fairy, Posture posture) {
    if (LongSkirt(fairy.outfit) || fairy.outfit == Outfit::Orb || PostureDrop(posture) > 0) return;
    const bool bare = fairy.outfit == Outfit::LeafDress;
    const QColor shoe = bare ? Skin() : fairy.dressShade.darker(125);
    for (double side : {-1.0, 1.0}) {
        p.setPen(QPen(OutlineOf(SkinShade()), 8.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(side * 7, 84), QPointF(side * 8, 111));
        p.setPen(QPen(Skin(), 6.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(side * 7, 84), QPointF(side * 8, 111));
        FillSoft(p, EllipsePath(QPointF(side * 9.5, 115), 6.5, 4.2), bare ? Skin() : shoe.lighter(130),
                 bare ? SkinShade() : shoe, 1.2);
    }
}

void DrawLegsOnGround(QPainter& p, const Fairy& fairy, Posture posture) {
    const double drop = PostureDrop(posture);
    if (drop == 0 || fairy.outfit == Outfit::Orb) return;
    const double ground = kFeetY - drop;  // in the raised body's units
    const bool bare = fairy.outfit == Outfit::LeafDress;
    const QColor shoe = bare ? Skin() : fairy.dressShade.darker(125);
    const bool cloak = fairy.outfit == Outfit::FeatherCloak;
    if (LongSkirt(fairy.outfit)) {
        // The skirt spreads around her on the ground.
        const Cut cut = CutOf(fairy.outfit);
        FillSoft(p, EllipsePath(QPointF(0, ground - 2), cut.half + 8, 9), cloak ? fairy.accent : fairy.dress,
                 cloak ? fairy.hairShade : fairy.dressShade);
    } else {
        // Legs coming towards us from under the skirt: knees when kneeling,
        // the feet out in front when sitting.
        for (double side : {-1.0, 1.0}) {
            const QPointF from(side * 7, 82), to(side * (posture == Posture::Sit ? 11 : 9), ground - 4);
            p.setPen(QPen(OutlineOf(SkinShade()), 9.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
            p.setPen(QPen(Skin(), 7.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
        }
    }
    if (posture != Posture::Sit || cloak) return;
    for (double side : {-1.0, 1.0})
        FillSoft(p, EllipsePath(QPointF(side * 12, ground), 5.5, 5), bare ? Skin() : shoe.lighter(130),
                 bare ? SkinShade() : shoe, 1.2);
}

void DrawOutfit(QPainter& p, const Fairy& fairy) {
    if (fairy.outfit == Outfit::Orb) return;
    if (fairy.outfit == Outfit::RuffledDress)
        FillSoft(p, Garment({33, 90, 8, 3, Hem::Round}), QColor(0xffffff), QColor(0xf3dce6));  // the petticoat
    const QPainterPath garment = Garment(CutOf(fairy.outfit));
    const bool cloak = fairy.outfit == Outfit::FeatherCloak;
    FillSoft(p, garment, cloak ? fairy.accent : fairy.dress, cloak ? fairy.hairShade : fairy.dressShade);
    switch (fairy.outfit) {
        case Outfit::Robe:
            p.setPen(QPen(WithAlpha(fairy.accent, 150), 1.2));
            p.drawLine(QPointF(0, 40), QPointF(0, 120));
            return;
        case Outfit::WaveDress:
            p.save();
            p.setClipPath(garment, Qt::IntersectClip);
            p.setPen(QPen(WithAlpha(Qt::white, 170), 1.6));
            p.setBrush(Qt::NoBrush);
            for (double x = -36; x < 36; x += 12) p.drawArc(QRectF(x, 70, 12, 8), 0, 180 * 16);
            p.restore();
            return;
        case Outfit::FeatherCloak:
            return FeatherRows(p, fairy, garment);
        default:
            return Sash(p, fairy.accent, 56);
    }
}

namespace {

struct ArmPoints {
    QPointF shoulder, elbow, hand;
    QPointF upper, fore;  // unit directions
};

ArmPoints ArmAt(double side, const Arm& arm) {
    const auto direction = [side](double degrees) {
        const double a = qDegreesToRadians(degrees);
        return QPointF(side * std::sin(a), std::cos(a));
    };
    const double length = 27 * arm.length;
    ArmPoints points;
    points.shoulder = QPointF(side * 13, 35);
    points.upper = direction(arm.upper);
    points.fore = direction(arm.fore);
    points.elbow = points.shoulder + points.upper * length * 0.55;
    points.hand = points.elbow + points.fore * length * 0.45;
    return points;
}

}  // namespace

QPointF HandPoint(double side, const Arm& arm) { return ArmAt(side, arm).hand; }

void DrawArm(QPainter& p, const Fairy& fairy, double side, const Arm& arm) {
    if (fairy.outfit == Outfit::Orb || !arm.shown) return;
    const ArmPoints at = ArmAt(side, arm);
    const bool cloak = fairy.outfit == Outfit::FeatherCloak;
    const QColor sleeve = cloak ? fairy.accent : fairy.dress;
    const QColor sleeveShade = cloak ? fairy.hairShade : fairy.dressShade;
    const auto stroke = [&](QPointF from, QPointF to, double width, const QColor& fill, const QColor& edge) {
        p.setPen(QPen(OutlineOf(edge), width + 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    };
    if (cloak) {
        const QColor wing = Mix(sleeve, sleeveShade, 0.4);
        if (arm.upper == arm.fore) return stroke(at.shoulder, at.hand, 10, wing, sleeveShade);
        stroke(at.shoulder, at.elbow, 10, wing, sleeveShade);
        stroke(at.elbow, at.hand, 9, wing, sleeveShade);
        return;
    }
    stroke(at.elbow, at.hand, 5.8, Skin(), SkinShade());
    FillSoft(p, EllipsePath(at.hand, 4.6, 4.6), Skin(), Mix(Skin(), SkinShade(), 0.5), 1.2);
    if (fairy.outfit == Outfit::Robe) {
        const QPointF across(-at.upper.y() * side, at.upper.x() * side);
        QPainterPath wide(at.shoulder - across * 5);
        wide.lineTo(at.shoulder + across * 5);
        wide.lineTo(at.elbow + at.upper * 6 + across * 9);
        wide.quadTo(at.elbow + at.upper * 9, at.elbow + at.upper * 6 - across * 9);
        wide.closeSubpath();
        FillSoft(p, wide, sleeve, sleeveShade, 1.3);
        return;
    }
    stroke(at.shoulder, at.elbow, 8.5, Mix(sleeve, sleeveShade, 0.3), sleeveShade);
}

void DrawOutfitOverlay(QPainter& p, const Fairy& fairy) {
    if (fairy.outfit != Outfit::Robe) return;
    const QColor scarf = fairy.hairShade.lighter(120);
    QPainterPath wrap(QPointF(-14, 27));
    wrap.quadTo(0, 36, 14, 27);
    wrap.lineTo(15, 35);
    wrap.quadTo(0, 44, -15, 35);
    wrap.closeSubpath();
    QPainterPath end(QPointF(3, 36));
    end.lineTo(12, 36);
    end.lineTo(16, 74);
    end.lineTo(7, 76);
    end.closeSubpath();
    for (const QPainterPath& part : {end, wrap}) {
        FillSoft(p, part, scarf, fairy.hairShade, 1.2);
        p.save();
        p.setClipPath(part, Qt::IntersectClip);
        for (int i = 0; i < 12; ++i) Star(p, QPointF(-14 + (i * 7) % 30, 30 + i * 4.2), 2.4, fairy.accent);
        p.restore();
    }
}

}  // namespace qm::art
