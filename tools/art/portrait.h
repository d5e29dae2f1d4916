#pragma once
// The face pictures shown beside the speech: head and shoulders.

#include <QPainter>
#include <QSize>

#include "cast.h"

namespace qm::art {

constexpr QSize kPortraitSize(160, 160);
void DrawPortrait(QPainter& p, const Fairy& fairy, Expression expression);

}  // namespace qm::art
