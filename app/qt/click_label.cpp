#include "click_label.h"

#include <QMouseEvent>

namespace qm::qt {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setTextFormat(Qt::PlainText);
}

// Accepted, so that a press does not reach the container beneath.
void ClickLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace qm::qt
