#include "focus_frame.h"

namespace qm::qt {

void PaintFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette) {
    painter.save();
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(3, 3, -3, -3));
    painter.restore();
}

}  // namespace qm::qt
