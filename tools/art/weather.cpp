#include "weather.h"

#include <QRadialGradient>
#include <QtMath>
#include <array>

#include "brushwork.h"

namespace qm::art {

namespace {

double Between(QRandomGenerator& rng, double low, double high) { return low + (high - low) * rng.generateDouble(); }

QPointF AnywhereIn(QRandomGenerator& rng, const QRectF& area) {
    return {Between(rng, area.left(), area.right()), Between(rng, area.top(), area.bottom())};
}

// Streaks slanting a little to the left, fainter and shorter far away.
void Rain(QPainter& p, QRandomGenerator& rng, const QRectF& area, int count, double length) {
    for (int i = 0; i < count; ++i) {
        const QPointF at = AnywhereIn(rng, area);
        const double near = Between(rng, 0.3, 1);
        p.setPen(QPen(QColor(225, 235, 255, int(60 + 100 * near)), 0.6 + 0.9 * near, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(-0.18, 1) * length * near);
    }
}

void Snow(QPainter& p, QRandomGenerator& rng, const QRectF& area, int count) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at = AnywhereIn(rng, area);
        const double r = 0.8 + 2.6 * std::pow(rng.generateDouble(), 2);
        Glow(p, at, r * 2.2, QColor(255, 255, 255, 70));
        p.setBrush(QColor(255, 255, 255, 200 + rng.bounded(55)));
        p.drawEllipse(at, r, r);
    }
}

// Leaves or petals tumbling down, each turned its own way.
void Drift(QPainter& p, QRandomGenerator& rng, const QRectF& area, int count, const std::array<QColor, 4>& colours,
           double size, bool petal) {
    for (int i = 0; i < count; ++i) {
        const QPointF at = AnywhereIn(rng, area);
        const QColor colour = colours[rng.bounded(4)];
        p.save();
        p.translate(at);
        p.rotate(rng.bounded(360));
        const double s = size * Between(rng, 0.6, 1.2);
        QPainterPath shape(QPointF(-s, 0));
        shape.quadTo(0, petal ? -s * 0.8 : -s * 0.55, s, 0);
        shape.quadTo(0, petal ? s * 0.5 : s * 0.55, -s, 0);
        FillSoft(p, shape, colour.lighter(110), colour.darker(petal ? 105 : 120), petal ? 0 : 0.8);
        p.restore();
    }
}

void Steam(QPainter& p, QRandomGenerator& rng, const QRectF& area) {
    for (int i = 0; i < 14; ++i) {
        const QPointF at = AnywhereIn(rng, area);
        p.save();
        p.translate(at);
        p.scale(1.6, 1);
        Glow(p, QPointF(0, 0), Between(rng, 25, 55), QColor(255, 255, 255, 70));
        p.restore();
    }
}

void Fireflies(QPainter& p, QRandomGenerator& rng, const QRectF& area) {
    for (int i = 0; i < 30; ++i) {
        const QPointF at = AnywhereIn(rng, area);
        Glow(p, at, Between(rng, 6, 12), QColor(210, 255, 120, 150));
        p.setBrush(QColor(0xf4ffd0));
        p.drawEllipse(at, 1.4, 1.4);
    }
}

void Sparks(QPainter& p, QRandomGenerator& rng, const QRectF& area, int count) {
    for (int i = 0; i < count; ++i) {
        const QPointF at = AnywhereIn(rng, area);
        const double near = (at.y() - area.top()) / area.height();  // brighter near the fire below
        Glow(p, at, 3 + 3 * near, QColor(255, 170, 60, int(90 + 120 * near)));
        p.setBrush(QColor(0xffe6a0));
        p.drawEllipse(at, 0.9 + near, 0.9 + near);
    }
}

}  // namespace

bool WeatherNamed(const QString& word, Weather& weather) {
    static const std::pair<const char*, Weather> kNames[] = {
        {"clear", Weather::Clear}, {"rain", Weather::Rain},           {"drizzle", Weather::Drizzle},
        {"snow", Weather::Snow},   {"leaves", Weather::Leaves},       {"petals", Weather::Petals},
        {"steam", Weather::Steam}, {"fireflies", Weather::Fireflies}, {"sparks", Weather::Sparks},
    };
    for (const auto& [name, value] : kNames)
        if (word == name) {
            weather = value;
            return true;
        }
    return false;
}

void PaintWeather(QPainter& p, QRandomGenerator& rng, Weather weather, const QRectF& area) {
    const double scale = area.width() / 640;
    switch (weather) {
        case Weather::Clear:
            return;
        case Weather::Rain:
            return Rain(p, rng, area, 260, 26 * scale);
        case Weather::Drizzle:
            return Rain(p, rng, area, 120, 12 * scale);
        case Weather::Snow:
            return Snow(p, rng, area, 150);
        case Weather::Leaves:
            return Drift(p, rng, area, 26, {QColor(0xe0582c), QColor(0xf0a830), QColor(0xc83a2a), QColor(0x9ab040)},
                         7 * scale, false);
        case Weather::Petals:
            return Drift(p, rng, area, 34, {QColor(0xffc0d4), QColor(0xffe0ea), QColor(0xf590b4), QColor(0xfff4f8)},
                         4.5 * scale, true);
        case Weather::Steam:
            return Steam(p, rng, area);
        case Weather::Fireflies:
            return Fireflies(p, rng, area);
        case Weather::Sparks:
            return Sparks(p, rng, area, 40);
    }
}

void PaintRipples(QPainter& p, QPointF centre, double radius, int rings, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= rings; ++i) {
        const double r = radius * i / rings;
        p.setPen(QPen(WithAlpha(colour, colour.alpha() * (rings + 1 - i) / rings), 1.2));
        p.drawEllipse(centre, r, r * 0.3);
    }
}

void PaintPuddle(QPainter& p, QPointF centre, double rx, double ry, const QColor& sky) {
    QRadialGradient water(centre - QPointF(rx * 0.3, ry * 0.3), rx);
    water.setColorAt(0, Mix(sky, Qt::white, 0.35));
    water.setColorAt(1, sky.darker(125));
    p.setPen(QPen(WithAlpha(QColor(0x2a3a40), 120), 1.2));
    p.setBrush(water);
    p.drawEllipse(centre, rx, ry);
    PaintRipples(p, centre + QPointF(rx * 0.2, 0), rx * 0.5, 2, QColor(255, 255, 255, 150));
}

void PaintFire(QPainter& p, QRandomGenerator& rng, QPointF base, double size) {
    Glow(p, base - QPointF(0, size * 0.4), size * 3.2, QColor(255, 150, 60, 110));
    // Logs crossed under the flames.
    for (double turn : {-14.0, 14.0}) {
        p.save();
        p.translate(base + QPointF(0, size * 0.08));
        p.rotate(turn);
        QPainterPath log;
        log.addRoundedRect(QRectF(-size * 0.55, -size * 0.07, size * 1.1, size * 0.14), size * 0.07, size * 0.07);
        FillSoft(p, log, QColor(0x8a5a3a), QColor(0x4a2c1c), 1.0);
        p.restore();
    }
    // Three tongues of flame, outer to inner.
    const std::array<QColor, 3> colours = {QColor(0xe8542a), QColor(0xffa03a), QColor(0xfff0a0)};
    for (int layer = 0; layer < 3; ++layer) {
        const double h = size * (1 - layer * 0.25), w = size * (0.42 - layer * 0.1);
        QPainterPath flame(base + QPointF(-w, 0));
        flame.cubicTo(base + QPointF(-w * 1.1, -h * 0.5), base + QPointF(-w * 0.2, -h * 0.6), base + QPointF(0, -h));
        flame.cubicTo(base + QPointF(w * 0.3, -h * 0.65), base + QPointF(w * 1.1, -h * 0.45), base + QPointF(w, 0));
        flame.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colours[layer]);
        p.drawPath(flame);
    }
    Sparks(p, rng, QRectF(base.x() - size * 0.6, base.y() - size * 2.6, size * 1.2, size * 1.6), 12);
}

}  // namespace qm::art
