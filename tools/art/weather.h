#pragma once
// What the air holds over a place: rain, snow, fire and its sparks, steam,
// drifting leaves and petals, fireflies. Drawn over a scene (and over the
// fairies of a memory picture) on a canvas of any size; everything random
// comes from the generator passed in.

#include <QPainter>
#include <QRandomGenerator>
#include <QRectF>
#include <QString>

namespace qm::art {

enum class Weather { Clear, Rain, Drizzle, Snow, Leaves, Petals, Steam, Fireflies, Sparks };

// The word the memory table uses for it ("rain", "snow", ...), and back;
// returns false for a word it does not know.
bool WeatherNamed(const QString& word, Weather& weather);

void PaintWeather(QPainter& p, QRandomGenerator& rng, Weather weather, const QRectF& area);

// Rings spreading on a puddle or still water, flattened by perspective.
void PaintRipples(QPainter& p, QPointF centre, double radius, int rings, const QColor& colour);

// A puddle on the ground, with the sky's light in it.
void PaintPuddle(QPainter& p, QPointF centre, double rx, double ry, const QColor& sky);

// A fire of logs with its flames, its glow on everything near it, and
// sparks rising; size is the flames' height.
void PaintFire(QPainter& p, QRandomGenerator& rng, QPointF base, double size);

}  // namespace qm::art
