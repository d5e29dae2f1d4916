#include "caption_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "focus_frame.h"

namespace qm::qt {
namespace {

// The colour `weight` of the way from one colour to another.
QColor Mix(const QColor& from, const QColor& to, double weight) {
    const auto channel = [weight](int a, int b) { return static_cast<int>(a + (b - a) * weight); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

}  // namespace

CaptionButton::CaptionButton(QWidget* parent, bool toggle) : QPushButton(parent) { setCheckable(toggle); }

QRect CaptionButton::CaptionArea() const { return rect().adjusted(3, 1, -3, -1); }

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton face;
    initStyleOption(&face);
    face.text.clear();
    face.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, face);
    if (isChecked()) PaintPressed(painter);
    if (hasFocus()) PaintFocusFrame(painter, rect(), palette());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(CaptionArea(), Qt::AlignCenter, text());
}

// The style's own checked look, on a white face, is a grey too faint to
// tell from a loose one: the face takes a third of the caption's colour
// and a frame of it.
void CaptionButton::PaintPressed(QPainter& painter) const {
    const QColor face = palette().color(QPalette::Button), ink = palette().color(QPalette::ButtonText);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), Mix(face, ink, 0.35));
    painter.setPen(QPen(ink, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace qm::qt
