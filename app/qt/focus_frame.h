#pragma once
// How a control shows that it has the keyboard focus, which only Tab
// gives: a dotted frame in the highlight colour just inside `area`.

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace qm::qt {

void PaintFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette);

}  // namespace qm::qt
