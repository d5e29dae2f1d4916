#include "window_input.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace qm::qt {

WindowInput::WindowInput(QWidget& window, InputActions actions)
    : QObject(&window), window_(window), actions_(std::move(actions)) {
    qApp->installEventFilter(this);
}

bool WindowInput::InWindow(QObject* watched) const {
    return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &window_;
}

// An event passes this filter once for each widget it is offered to, from
// the one under the pointer (or with the focus) up: each case acts on the
// first offer and then takes the event.
bool WindowInput::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == &window_) actions_.skip(false);
    if (!InWindow(watched)) return false;
    if (actions_.textHidden() || swallowRelease_) return WhileHidden(event);
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Control && !key->isAutoRepeat()) actions_.skip(type == QEvent::KeyPress);
            return false;
        }
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) return false;
            actions_.hideText();
            swallowRelease_ = true;
            return true;
        case QEvent::Wheel:
            return Wheel(watched, event);
        default:
            return false;
    }
}

bool WindowInput::WhileHidden(QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            if (actions_.textHidden()) actions_.showText();
            if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) swallowRelease_ = true;
            return true;
        case QEvent::MouseButtonRelease:
            swallowRelease_ = false;
            return true;
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
    }
}

bool WindowInput::Wheel(QObject* watched, QEvent* event) {
    if (static_cast<QWheelEvent*>(event)->angleDelta().y() <= 0) return false;
    for (QObject* o = watched; o && o != &window_; o = o->parent())
        if (qobject_cast<QAbstractScrollArea*>(o) || qobject_cast<QScrollBar*>(o)) return false;
    actions_.history();
    return true;
}

}  // namespace qm::qt
