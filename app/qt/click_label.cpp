#include "click_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm::qt {
namespace {

// White text over this band stands at least 10:1 against whatever the
// picture beneath shows.
const QColor kBand(0, 0, 0, 200);

}  // namespace

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

void ClickLabel::SetBand(bool on) {
    if (band_ == on) return;
    band_ = on;
    update();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (band_) QPainter(this).fillRect(rect(), kBand);
    QLabel::paintEvent(event);
}

}  // namespace qm::qt
