#include "first_paint_probe.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace qm::qt {
namespace {

void Report() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first-paint-ns %lld\nmaxrss-kib %ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec, usage.ru_maxrss);
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
