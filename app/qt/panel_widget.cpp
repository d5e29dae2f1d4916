#include "panel_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm::qt {
namespace {

// A one-pixel line round its parent, in the parent's text colour; clicks
// pass through it to what lies beneath.
class Border : public QWidget {
public:
    explicit Border(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(parent->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(parentWidget()->palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PanelWidget::SetBorder(bool on) {
    if (on && !border_) border_ = new Border(this);
    if (!border_) return;
    border_->setVisible(on);
    RaiseBorder();
}

void PanelWidget::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    scaled_ = QPixmap();
    update();
}

void PanelWidget::RaiseBorder() {
    if (border_) border_->raise();
}

// Scaled once for each size rather than on every paint: the speech text
// over a scene repaints part of it ten times a second.
void PanelWidget::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    const QSize size = this->size() * devicePixelRatio();
    if (scaled_.size() != size) {
        scaled_ = picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(devicePixelRatio());
    }
    QPainter(this).drawPixmap(0, 0, scaled_);
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (border_) border_->setGeometry(rect());
}

// Accepted, so that a press does not reach the container beneath.
void PanelWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace qm::qt
