#pragma once
// The places the stories go beyond the first eight scenes: the hill under
// snow and before dawn, the forest in the rain, a bonfire, the lake and the
// flower field at night, a sunset hillside and a river. Each is painted on
// the 640 x 480 canvas in its own light (the sky it is listed with).

#include <QPainter>
#include <QRandomGenerator>

#include "landscape.h"

namespace qm::art {

extern const Sky kSnowLight, kRainLight, kAfterDusk, kDeepNight, kEarlyNight, kSunsetLight, kRiverLight, kBeforeDawn;

void PaintSnowHill(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintRainyForest(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintBonfire(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintNightLake(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintNightField(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintSunsetHill(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintRiver(QPainter& p, QRandomGenerator& rng, const Sky& sky);
void PaintDawnHill(QPainter& p, QRandomGenerator& rng, const Sky& sky);

}  // namespace qm::art
