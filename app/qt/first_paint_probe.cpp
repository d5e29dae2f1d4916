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

// A paint event is only the start of painting: the report waits until the
// event loop is back, by when the window has been drawn and flushed.
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &Report);
        }
        return false;
    }
};

}  // namespace

void ReportFirstPaintIfAsked(QWidget& widget) {
    if (!qEnvironmentVariableIsSet("QUILLMERE_BENCH_FIRST_PAINT")) return;
    widget.installEventFilter(new FirstPaintProbe(&widget));
}

}  // namespace qm::qt
