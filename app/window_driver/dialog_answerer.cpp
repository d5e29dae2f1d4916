#include "dialog_answerer.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "json.h"
#include "real_input.h"
#include "window_manager.h"

namespace qm::window {
namespace {

// How long a box takes to paint itself once it shows.
constexpr int kPaintMs = 100;

// The game writes its line breaks as CR LF; the box shows them as LF.
std::string GameText(const QString& shown) {
    QString text = shown;
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text.toStdString();
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::ostream& out, std::optional<QDir> boxShots)
    : out_(out), boxShots_(std::move(boxShots)) {
    qApp->installEventFilter(this);
}

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
        return false;
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        // Answered from inside the box's event loop, once it has started.
        QTimer::singleShot(0, box, [this, box] { Answer(*box); });
    } else if (qobject_cast<QMenu*>(watched)) {
        out_ << "Popup = " << headless::Json(watched->objectName().toStdString()) << "\n";
    }
    return false;
}

// A player reads the box once it is on screen and in front, then clicks OK.
void DialogAnswerer::Answer(QMessageBox& box) {
    (void)QTest::qWaitForWindowExposed(&box, kWindowManagerMs);
    (void)QTest::qWaitForWindowActive(&box, kWindowManagerMs);
    if (boxShots_) Photograph(box);
    out_ << "MsgBox = " << headless::Json(GameText(box.text())) << "\n";
    ClickAt(*box.windowHandle(), CentreOnScreen(*box.button(QMessageBox::Ok)));
    if (!box.isVisible()) return;
    std::cerr << "the message box stayed open after a click on its OK button\n";
    box.done(QMessageBox::Ok);
}

// The screen where the box and the window behind it lie.
void DialogAnswerer::Photograph(const QMessageBox& box) {
    QTest::qWait(kPaintMs);
    QRect area = box.frameGeometry();
    if (const QWidget* behind = box.parentWidget()) area |= behind->window()->frameGeometry();
    const QString file = boxShots_->filePath(QString("box-%1.png").arg(++boxesShot_));
    if (!box.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file))
        std::cerr << "cannot write " << file.toStdString() << "\n";
}

}  // namespace qm::window
