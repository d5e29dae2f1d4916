#include "focus_scroll_bar.h"

#include <QPainter>

#include "focus_frame.h"

namespace qm::qt {

FocusScrollBar::FocusScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::TabFocus);
    // Qt turns a scroll bar's keys round for a page that scrolls down;
    // on these bars Right, like the right arrow, goes up the scale.
    setInvertedControls(false);
}

void FocusScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    PaintFocusFrame(painter, rect(), palette());
}

}  // namespace qm::qt
