#include "first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace qm::qt {
namespace {

// The wall clock, comparable with `date +%s%N` taken before the launch.
void Report() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("first-paint-ns %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("maxrss-kib %ld\n", usage.ru_maxrss);
#endif
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// A paint event is only the start of painting: `then` waits until the
// event loop is back, by when the window has been drawn and flushed.
class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QObject* parent, std::function<void()> then) : QObject(parent), then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, then_);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void ReportFirstPaintIfAsked(QWidget& widget) {
    if (!qEnvironmentVariableIsSet("QUILLMERE_BENCH_FIRST_PAINT")) return;
    AfterFirstPaint(widget, &Report);
}

void AfterFirstPaint(QWidget& widget, std::function<void()> then) {
    widget.installEventFilter(new FirstPaintProbe(&widget, std::move(then)));
}

}  // namespace qm::qt
