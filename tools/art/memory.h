#pragma once
// Memory pictures: three fairies together in a place that suits them, and
// each fairy's farewell.

#include <QPainter>
#include <QSize>
#include <QString>

namespace qm::art {

constexpr QSize kMemorySize(480, 360);

// trio: three different fairy digits in ascending order, e.g. "027".
void DrawTrioMemory(QPainter& p, const QString& trio);
void DrawFarewell(QPainter& p, int fairy);

}  // namespace qm::art
