#include "panel_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm::qt {

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PanelWidget::SetBorder(bool on) {
    border_ = on;
    update();
}

void PanelWidget::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) painter.drawPixmap(rect(), picture_);
    if (border_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Accepted, so that a press does not reach the container beneath.
void PanelWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace qm::qt
