#include "real_input.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace qm::window {
namespace {

// Windows of the program that lie over the game's: the open pop-up menu and
// a message box.
bool CoveredByAnotherWindow(const QWidget& top, QPoint point) {
    for (const QWidget* over : {QApplication::activePopupWidget(), QApplication::activeModalWidget()})
        if (over && over != &top && over->isVisible() && over->frameGeometry().contains(point)) return true;
    return false;
}

QPoint Local(const QWindow& window, QPoint point) { return window.mapFromGlobal(point); }

}  // namespace

QPoint CentreOnScreen(const QWidget& widget) { return widget.mapToGlobal(widget.rect().center()); }

bool Reaches(const QWidget& widget, QPoint point) {
    const QWidget& top = *widget.window();
    if (!widget.isVisible() || !top.geometry().contains(point) || !QGuiApplication::screenAt(point) ||
        CoveredByAnotherWindow(top, point))
        return false;
    const QWidget* hit = top.childAt(top.mapFromGlobal(point));
    if (!hit) return &widget == &top;
    return hit == &widget || widget.isAncestorOf(hit);
}

void Press(QWindow& window, QPoint point, Qt::MouseButton button) {
    QCursor::setPos(point);
    QTest::mousePress(&window, button, Qt::NoModifier, Local(window, point));
}

void MoveHeld(QWindow& window, QPoint point) {
    QCursor::setPos(point);
    QTest::mouseMove(&window, Local(window, point));
}

void Release(QWindow& window, QPoint point, Qt::MouseButton button) {
    QTest::mouseRelease(&window, button, Qt::NoModifier, Local(window, point));
}

void ClickAt(QWindow& window, QPoint point, Qt::MouseButton button) {
    Press(window, point, button);
    Release(window, point, button);
}

void PressKey(QWindow& window, QKeyCombination key) { QTest::keyClick(&window, key.key(), key.keyboardModifiers()); }

void KeyDown(QWindow& window, QKeyCombination key) { QTest::keyPress(&window, key.key(), key.keyboardModifiers()); }

void KeyUp(QWindow& window, QKeyCombination key) { QTest::keyRelease(&window, key.key(), key.keyboardModifiers()); }

// QTest has no wheel of its own; this does what Qt's widget window does
// with the window system's wheel event: the widget under the point gets
// it, and Qt passes it on to the widgets beneath while none takes it.
void TurnWheel(QPoint point, int notches) {
    QWidget* top = QApplication::topLevelAt(point);
    if (!top || CoveredByAnotherWindow(*top, point)) return;
    if (const QWidget* modal = QApplication::activeModalWidget(); modal && modal != top) return;
    QWidget* target = top->childAt(top->mapFromGlobal(point));
    if (!target) target = top;
    QCursor::setPos(point);
    QWheelEvent wheel(target->mapFromGlobal(QPointF(point)), QPointF(point), QPoint(), QPoint(0, notches * 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

}  // namespace qm::window
