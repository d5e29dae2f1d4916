#pragma once
// The pieces scenes are built from, on a canvas of 640 x 480: sky, clouds,
// rolling ridges, round trees, water, flowers, houses, stars and motes of
// light. Everything random comes from the generator passed in.

#include <QPainter>
#include <QRandomGenerator>
#include <QRectF>
#include <initializer_list>

namespace qm::art {

constexpr double kCanvasWidth = 640, kCanvasHeight = 480;

struct Sky {
    QColor top, middle, horizon;
    QColor sun;  // transparent for none; at night, the moon
    QPointF sunAt;
    double sunRadius;
    QColor landTint;  // the colour this light lends the land; transparent for none
    int stars = 0;    // scattered over the upper sky
};

void PaintSky(QPainter& p, const Sky& sky, double horizonY);
// Lays the light's tint over the land below horizonY.
void TintLand(QPainter& p, const Sky& sky, double horizonY);
void PaintClouds(QPainter& p, QRandomGenerator& rng, int count, const QRectF& band, const QColor& colour);
// A rolling line across the canvas around baseY, filled down to the bottom.
void PaintRidge(QPainter& p, QRandomGenerator& rng, double baseY, double amplitude, const QColor& top,
                const QColor& bottom);
void PaintRoundTree(QPainter& p, QPointF base, double height, const QColor& leaves, const QColor& trunk);
// Trees standing side by side from left to right.
void PaintTreeRow(QPainter& p, QRandomGenerator& rng, double left, double right, double y, double height,
                  const QColor& leaves, const QColor& trunk);
void PaintWater(QPainter& p, QRandomGenerator& rng, const QRectF& area, const QColor& far, const QColor& near);
// Flowers thicker and larger towards the bottom of area.
void PaintFlowerField(QPainter& p, QRandomGenerator& rng, const QRectF& area, int count,
                      std::initializer_list<QColor> colours);
void PaintHouse(QPainter& p, QPointF base, double width, double height, const QColor& wall, const QColor& roof);
// A shaft of light, fading from colour at from to nothing at to.
void PaintBeam(QPainter& p, const QPolygonF& shape, QPointF from, QPointF to, const QColor& colour);
void PaintStars(QPainter& p, QRandomGenerator& rng, int count, const QRectF& area);
// The hill of the "hill" scene, and the trail up to its tree, which stands
// at kHillTop.
constexpr QPointF kHillTop(440, 222);
QPainterPath HomeHill();
QPainterPath HillTrail();
// The hill with its trail and its tree, in the colours of its season and light.
void PaintHomeHill(QPainter& p, const QColor& grass, const QColor& grassShade, const QColor& trail,
                   const QColor& leaves, const QColor& trunk);
void PaintMotes(QPainter& p, QRandomGenerator& rng, int count, const QRectF& area,
                std::initializer_list<QColor> colours);

}  // namespace qm::art
