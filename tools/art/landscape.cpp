#include "landscape.h"

#include <QLinearGradient>
#include <QtMath>
#include <algorithm>
#include <vector>

#include "brushwork.h"

namespace qm::art {

namespace {

double Between(QRandomGenerator& rng, double low, double high) { return low + (high - low) * rng.generateDouble(); }

QColor Pick(QRandomGenerator& rng, std::initializer_list<QColor> colours) {
    return *(colours.begin() + rng.bounded(int(colours.size())));
}

}  // namespace

void PaintSky(QPainter& p, const Sky& sky, double horizonY) {
    QLinearGradient gradient(0, 0, 0, horizonY);
    gradient.setColorAt(0, sky.top);
    gradient.setColorAt(0.55, sky.middle);
    gradient.setColorAt(1, sky.horizon);
    p.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), gradient);
    if (sky.stars > 0) {
        QRandomGenerator starry(sky.stars);  // the same stars every time
        PaintStars(p, starry, sky.stars, QRectF(0, 0, kCanvasWidth, horizonY * 0.75));
    }
    if (sky.sun.alpha() == 0) return;
    Glow(p, sky.sunAt, sky.sunRadius * 5, WithAlpha(sky.sun, 110));
    Glow(p, sky.sunAt, sky.sunRadius * 1.6, sky.sun);
    p.setBrush(Mix(sky.sun, Qt::white, 0.6));
    p.drawEllipse(sky.sunAt, sky.sunRadius, sky.sunRadius);
}

void TintLand(QPainter& p, const Sky& sky, double horizonY) {
    if (sky.landTint.alpha() == 0) return;
    QLinearGradient tint(0, horizonY - 60, 0, kCanvasHeight);
    tint.setColorAt(0, WithAlpha(sky.landTint, 0));
    tint.setColorAt(0.3, sky.landTint);
    tint.setColorAt(1, sky.landTint);
    p.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), tint);
}

void PaintClouds(QPainter& p, QRandomGenerator& rng, int count, const QRectF& band, const QColor& colour) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(Between(rng, band.left(), band.right()), Between(rng, band.top(), band.bottom()));
        const double size = Between(rng, 16, 30);
        for (int puff = -2; puff <= 2; ++puff) {
            const double r = size * (1 - std::abs(puff) * 0.22);
            const QPointF at = centre + QPointF(puff * size * 0.8, -r * 0.35 + std::abs(puff) * 3);
            p.setBrush(WithAlpha(colour, colour.alpha() * 0.7));
            p.drawEllipse(at, r * 1.3, r * 0.8);
        }
        p.setBrush(WithAlpha(colour, colour.alpha() * 0.5));
        p.drawEllipse(centre + QPointF(0, size * 0.15), size * 2.6, size * 0.45);
    }
}

void PaintRidge(QPainter& p, QRandomGenerator& rng, double baseY, double amplitude, const QColor& top,
                const QColor& bottom) {
    double phase[3], wave[3];
    for (int k = 0; k < 3; ++k) {
        phase[k] = Between(rng, 0, 2 * M_PI);
        wave[k] = 2 * M_PI / (kCanvasWidth * Between(rng, 0.9, 1.5) / (k + 1));
    }
    const auto heightAt = [&](double x) {
        return baseY - amplitude * (0.6 * std::sin(x * wave[0] + phase[0]) + 0.3 * std::sin(x * wave[1] + phase[1]) +
                                    0.1 * std::sin(x * wave[2] + phase[2]));
    };
    QPainterPath ridge(QPointF(-10, kCanvasHeight + 10));
    for (double x = -10; x <= kCanvasWidth + 10; x += 8) ridge.lineTo(x, heightAt(x));
    ridge.lineTo(kCanvasWidth + 10, kCanvasHeight + 10);
    ridge.closeSubpath();
    QLinearGradient gradient(0, baseY - amplitude, 0, kCanvasHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(QPen(WithAlpha(top.lighter(115), 160), 1.5));
    p.setBrush(gradient);
    p.drawPath(ridge);
}

void PaintRoundTree(QPainter& p, QPointF base, double height, const QColor& leaves, const QColor& trunk) {
    const double r = height * 0.32;
    p.setPen(QPen(trunk, height * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base - QPointF(0, height * 0.55));
    const QPointF crown = base - QPointF(0, height - r);
    const QPointF puffs[] = {{-0.55, 0.35}, {0.55, 0.35}, {0, 0}, {-0.3, -0.35}, {0.3, -0.3}};
    for (const QPointF& puff : puffs)
        FillSoft(p, EllipsePath(crown + puff * r, r * 0.75, r * 0.7), leaves.lighter(112), leaves.darker(115), 0);
    // A sheen of light on the crown, which a tree against the night sky lacks.
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, int(40 * std::min(1.0, 3.0 * leaves.lightnessF()))));
    p.drawEllipse(crown + QPointF(-r * 0.3, -r * 0.45), r * 0.35, r * 0.25);
}

void PaintTreeRow(QPainter& p, QRandomGenerator& rng, double left, double right, double y, double height,
                  const QColor& leaves, const QColor& trunk) {
    for (double x = left + Between(rng, -10, 10); x < right; x += height * Between(rng, 0.45, 0.8))
        PaintRoundTree(p, QPointF(x, y + Between(rng, -4, 4)), height * Between(rng, 0.75, 1.15), leaves, trunk);
}

void PaintWater(QPainter& p, QRandomGenerator& rng, const QRectF& area, const QColor& far, const QColor& near) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, far);
    gradient.setColorAt(1, near);
    p.fillRect(area, gradient);
    for (int i = 0; i < 70; ++i) {
        const double depth = rng.generateDouble();
        const double y = area.top() + area.height() * depth * depth;
        const double x = Between(rng, area.left(), area.right());
        const double length = 6 + 30 * depth;
        p.setPen(QPen(WithAlpha(Qt::white, int(60 + 90 * (1 - depth))), 1 + depth * 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + length, y));
    }
}

void PaintFlowerField(QPainter& p, QRandomGenerator& rng, const QRectF& area, int count,
                      std::initializer_list<QColor> colours) {
    struct Bloom {
        QPointF at;
        double size;
        QColor colour;
    };
    std::vector<Bloom> blooms;
    for (int i = 0; i < count; ++i) {
        const double depth = std::sqrt(rng.generateDouble());
        blooms.push_back({QPointF(Between(rng, area.left(), area.right()), area.top() + area.height() * depth),
                          1.5 + 7 * depth * depth, Pick(rng, colours)});
    }
    std::sort(blooms.begin(), blooms.end(), [](const Bloom& a, const Bloom& b) { return a.at.y() < b.at.y(); });
    p.setPen(Qt::NoPen);
    for (const Bloom& b : blooms) {
        p.setBrush(b.colour);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(b.at + QPointF(std::cos(a), std::sin(a) * 0.6) * b.size * 0.6, b.size * 0.5, b.size * 0.4);
        }
        p.setBrush(QColor(0xffe27a));
        p.drawEllipse(b.at, b.size * 0.3, b.size * 0.25);
    }
}

void PaintHouse(QPainter& p, QPointF base, double width, double height, const QColor& wall, const QColor& roof) {
    const QRectF body(base.x() - width / 2, base.y() - height, width, height);
    QPainterPath walls;
    walls.addRoundedRect(body, 3, 3);
    FillSoft(p, walls, wall, wall.darker(120), 1.2);
    QPainterPath cap(QPointF(body.left() - width * 0.12, body.top() + 2));
    cap.cubicTo(body.left(), body.top() - height * 0.7, body.right(), body.top() - height * 0.7,
                body.right() + width * 0.12, body.top() + 2);
    cap.closeSubpath();
    FillSoft(p, cap, roof.lighter(115), roof.darker(115), 1.2);
    const QPointF window = body.center() + QPointF(0, -height * 0.08);
    Glow(p, window, width * 0.45, QColor(255, 210, 120, 120));
    QPainterPath pane;
    pane.addRoundedRect(QRectF(window - QPointF(width * 0.14, height * 0.14), QSizeF(width * 0.28, height * 0.3)),
                        width * 0.14, width * 0.1);
    FillSoft(p, pane, QColor(0xfff0b0), QColor(0xffc060), 1.0);
}

void PaintBeam(QPainter& p, const QPolygonF& shape, QPointF from, QPointF to, const QColor& colour) {
    QLinearGradient fade(from, to);
    fade.setColorAt(0, colour);
    fade.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPolygon(shape);
}

void PaintStars(QPainter& p, QRandomGenerator& rng, int count, const QRectF& area) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(Between(rng, area.left(), area.right()), Between(rng, area.top(), area.bottom()));
        const double r = 0.5 + 1.3 * std::pow(rng.generateDouble(), 3);
        if (r > 1.4) {
            Sparkle(p, at, r * 3, WithAlpha(QColor(0xfffbe8), 230));
            continue;
        }
        p.setBrush(WithAlpha(QColor(0xfff8e0), 120 + rng.bounded(120)));
        p.drawEllipse(at, r, r);
    }
}

void PaintHomeHill(QPainter& p, const QColor& grass, const QColor& grassShade, const QColor& trail,
                   const QColor& leaves, const QColor& trunk) {
    FillSoft(p, HomeHill(), grass, grassShade, 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(trail, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(HillTrail());
    PaintRoundTree(p, kHillTop, 130, leaves, trunk);
}

QPainterPath HomeHill() {
    QPainterPath hill(QPointF(-10, 490));
    hill.lineTo(-10, 330);
    hill.cubicTo(150, 300, 300, 215, 420, 215);
    hill.cubicTo(520, 215, 600, 270, 650, 300);
    hill.lineTo(650, 490);
    hill.closeSubpath();
    return hill;
}

QPainterPath HillTrail() {
    QPainterPath path(QPointF(120, 490));
    path.cubicTo(260, 420, 200, 330, 400, 232);
    return path;
}

void PaintMotes(QPainter& p, QRandomGenerator& rng, int count, const QRectF& area,
                std::initializer_list<QColor> colours) {
    for (int i = 0; i < count; ++i) {
        const QPointF at(Between(rng, area.left(), area.right()), Between(rng, area.top(), area.bottom()));
        const double r = Between(rng, 2, 5);
        const QColor c = Pick(rng, colours);
        Glow(p, at, r * 3, WithAlpha(c, 120));
        p.setBrush(Mix(c, Qt::white, 0.6));
        p.drawEllipse(at, r * 0.45, r * 0.45);
    }
}

}  // namespace qm::art
