#pragma once
// The few strokes every picture is made of: soft fills with a gentle
// outline, glows, sparkles, and colour mixing.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <initializer_list>

namespace qm::art {

QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor c, int alpha);

// The line drawn around a shape filled with shade.
QColor OutlineOf(const QColor& shade);

// Fills a path from light at its top to shade at its bottom and outlines it.
void FillSoft(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& shade, double outline = 1.4);

QPainterPath EllipsePath(QPointF centre, double rx, double ry);
QPainterPath PolygonPath(std::initializer_list<QPointF> corners);

// A radial light fading out to nothing at radius.
void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour);

// A four-pointed twinkle.
void Sparkle(QPainter& p, QPointF centre, double size, const QColor& colour);

// A feather from its quill at root, length long, turned by degrees.
void Feather(QPainter& p, QPointF root, double length, double degrees, const QColor& light, const QColor& shade);

// A ribbon tied in a bow at knot, its tails hanging to side (-1 or 1).
void Bow(QPainter& p, QPointF knot, double side, const QColor& colour);

// A round glow squashed into a band (squash its height over its width) and
// turned by degrees: the milky way, dawn along the horizon, firelight on
// the ground.
void GlowBand(QPainter& p, QPointF centre, double radius, double squash, double degrees, const QColor& colour);

// A seed that depends on the name only, so every run draws the same picture.
quint32 SeedOf(const QString& name);

}  // namespace qm::art
