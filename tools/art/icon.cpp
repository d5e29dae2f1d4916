#include "icon.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "brushwork.h"

namespace qm::art {
namespace {

// Everything is placed on a square of side 1.
constexpr QPointF kCentre(0.5, 0.5);
constexpr double kOrbRadius = 0.46;

void DrawGlass(QPainter& p) {
    QRadialGradient body(QPointF(0.42, 0.36), kOrbRadius * 1.15);
    body.setColorAt(0, QColor(0x2c2660));
    body.setColorAt(0.8, QColor(0x141030));
    body.setColorAt(1, QColor(0x08061a));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(kCentre, kOrbRadius, kOrbRadius);
}

// The three colours as lights: where two meet they add up to yellow, cyan
// or magenta, where all three meet to white.
void DrawColours(QPainter& p, int size) {
    constexpr double kLight = 0.19, kSpread = 0.115;
    const std::array<std::pair<QPointF, QColor>, 3> lights = {{
        {QPointF(0.5, 0.5 - kSpread), QColor(0xff2a2a)},
        {QPointF(0.5 - kSpread, 0.5 + kSpread * 0.75), QColor(0x2ae040)},
        {QPointF(0.5 + kSpread, 0.5 + kSpread * 0.75), QColor(0x3050ff)},
    }};
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    for (const auto& [at, colour] : lights) {
        // Large icons have room for a soft halo around each light.
        if (size >= 64) Glow(p, at, kLight * 1.45, WithAlpha(colour, 110));
        p.setBrush(colour);
        p.drawEllipse(at, kLight, kLight);
    }
    p.restore();
}

// A light rim inside the dark edge keeps the ball apart from dark and light
// panels alike; where there is room, a gleam and a sparkle make it glass.
void DrawFinish(QPainter& p, int size) {
    const double width = std::max(1.0, size / 64.0) / size;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb8b0f0), width));
    const double rim = kOrbRadius - 1.5 * width;
    p.drawEllipse(kCentre, rim, rim);

    if (size < 32) return;  // at 16 px a gleam would only wash out the red
    p.save();
    p.translate(0.34, 0.25);
    p.rotate(-32);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 170));
    p.drawEllipse(QPointF(0, 0), 0.12, 0.05);
    p.restore();
    Sparkle(p, QPointF(0.79, 0.2), 0.085, WithAlpha(QColor(0xfffbe8), 235));
}

}  // namespace

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    constexpr int kDotsPerMetre = 3780;  // 96 dots an inch, whatever the screen
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    DrawGlass(p);
    DrawColours(p, size);
    DrawFinish(p, size);
    return image;
}

QString WriteIcons(const QString& folder, const QString& name) {
    for (const int size : kIconSizes) {
        const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir)) return "cannot make " + dir;
        const QString path = dir + "/" + name + ".png";
        if (!DrawIcon(size).save(path, "PNG")) return "cannot write " + path;
    }
    return {};
}

}  // namespace qm::art
