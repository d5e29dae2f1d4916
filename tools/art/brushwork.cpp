#include "brushwork.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace qm::art {

QColor Mix(const QColor& a, const QColor& b, double t) {
    const auto channel = [t](double x, double y) { return int(x + (y - x) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QColor OutlineOf(const QColor& shade) { return WithAlpha(Mix(shade, QColor(0x3a2a40), 0.45), 200); }

void FillSoft(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& shade, double outline) {
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, shade);
    p.setBrush(gradient);
    p.setPen(outline > 0 ? QPen(OutlineOf(shade), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : Qt::NoPen);
    p.drawPath(path);
}

QPainterPath EllipsePath(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath PolygonPath(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.4, WithAlpha(colour, colour.alpha() / 2));
    gradient.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

void Sparkle(QPainter& p, QPointF centre, double size, const QColor& colour) {
    Glow(p, centre, size * 1.4, WithAlpha(colour, colour.alpha() / 2));
    QPainterPath star;
    const double waist = size * 0.18;
    star.moveTo(centre + QPointF(0, -size));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(size, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, size));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-size, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -size));
    p.setBrush(colour);
    p.drawPath(star);
}

void Feather(QPainter& p, QPointF root, double length, double degrees, const QColor& light, const QColor& shade) {
    p.save();
    p.translate(root);
    p.rotate(degrees);
    QPainterPath vane(QPointF(0, 0));
    vane.cubicTo(length * 0.3, -length * 0.22, length * 0.8, -length * 0.14, length, 0);
    vane.cubicTo(length * 0.8, length * 0.14, length * 0.3, length * 0.22, 0, 0);
    FillSoft(p, vane, light, shade, 1.0);
    p.setPen(QPen(WithAlpha(light.lighter(160), 120), 0.8));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
    p.restore();
}

void Bow(QPainter& p, QPointF knot, double side, const QColor& colour) {
    p.save();
    p.translate(knot);
    p.scale(side, 1);
    QPainterPath loops;
    loops.moveTo(0, 0);
    loops.cubicTo(-4, -14, -16, -10, -12, 0);
    loops.cubicTo(-16, 10, -4, 14, 0, 0);
    loops.cubicTo(4, -14, 16, -10, 12, 0);
    loops.cubicTo(16, 10, 4, 14, 0, 0);
    FillSoft(p, loops, colour.lighter(125), colour);
    QPainterPath tails(QPointF(0, 2));
    tails.lineTo(-5, 18);
    tails.lineTo(-1, 15);
    tails.lineTo(2, 19);
    tails.closeSubpath();
    FillSoft(p, tails, colour.lighter(115), colour.darker(110), 1.0);
    FillSoft(p, EllipsePath(QPointF(0, 0), 3.5, 3.5), colour.lighter(130), colour, 1.0);
    p.restore();
}

void GlowBand(QPainter& p, QPointF centre, double radius, double squash, double degrees, const QColor& colour) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    p.scale(1, squash);
    Glow(p, QPointF(0, 0), radius, colour);
    p.restore();
}

quint32 SeedOf(const QString& name) {
    quint32 hash = 2166136261u;  // FNV-1a
    for (const QChar c : name) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace qm::art
