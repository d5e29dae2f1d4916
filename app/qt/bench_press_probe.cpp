#include "bench_press_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace qm::qt {

void PressIfAsked(QWidget& window) {
    const QString name = qEnvironmentVariable("QUILLMERE_BENCH_PRESS");
    auto* button = window.findChild<QAbstractButton*>(name);
    if (name.isEmpty() || !button) return;
    // Leaves the window time to show and run its first activation.
    constexpr int kStartDelayMs = 500;
    QTimer::singleShot(kStartDelayMs, button, &QAbstractButton::click);
    // The press may end in a message box ("Load　OK"), which a player
    // answers: the first that opens is closed, as its OK button would.
    auto* answer = new QTimer(&window);
    QObject::connect(answer, &QTimer::timeout, answer, [answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
            answer->deleteLater();
        }
    });
    answer->start(100);
}

}  // namespace qm::qt
