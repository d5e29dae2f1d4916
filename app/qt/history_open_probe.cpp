#include "history_open_probe.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>

#include "click_label.h"
#include "game/game.h"
#include "script/speech.h"

namespace qm::qt {
namespace {

// Leaves the window time to show and run its first activation.
constexpr int kStartDelayMs = 500;
constexpr std::size_t kPages = 500;

// Waits until `widget` has been painted and the event loop is back, by
// when the paint has reached the screen.
bool WaitForPaint(QWidget& widget) {
    struct Probe : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) painted = true;
            return false;
        }
    } probe;
    widget.installEventFilter(&probe);
    QElapsedTimer waited;
    waited.start();
    while (!probe.painted && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    widget.removeEventFilter(&probe);
    QCoreApplication::processEvents();
    return probe.painted;
}

void OpenAndClose(QWidget& window, const Game& game, int times) {
    auto* text = window.findChild<QWidget*>("Lbl");
    auto* history = window.findChild<QWidget*>("HistoryList");
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QPointF centre = text->rect().center();
        QWheelEvent up(centre, text->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(text, &up);
        if (!WaitForPaint(*history->findChild<QWidget*>("qt_scrollarea_viewport"))) break;
        std::printf("history-open-ms %zu %.3f\n", SpeechHistory(game).size(), timer.nsecsElapsed() / 1e6);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(history, &escape);
        QCoreApplication::processEvents();
    }
}

void Measure(QWidget& window, const Game& game, int times) {
    auto* text = window.findChild<ClickLabel*>("Lbl");
    OpenAndClose(window, game, times);
    while (SpeechHistory(game).size() < kPages && game.form.Lbl.visible) emit text->clicked();
    OpenAndClose(window, game, times);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}  // namespace

void MeasureHistoryOpeningIfAsked(QWidget& window, const Game& game) {
    const int times = qEnvironmentVariableIntValue("QUILLMERE_BENCH_HISTORY");
    auto* start = window.findChild<QAbstractButton*>("ComStt");
    if (times <= 0 || !start) return;
    QTimer::singleShot(kStartDelayMs, start, [&window, &game, start, times] {
        start->click();
        Measure(window, game, times);
    });
}

}  // namespace qm::qt
