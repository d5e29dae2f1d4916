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

quint32 SeedOf(const QString& name) {
    quint32 hash = 2166136261u;  // FNV-1a
    for (const QChar c : name) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace qm::art
