#include "text_pacing_probe.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace qm::qt {
namespace {

using Clock = std::chrono::steady_clock;

// Leaves the window time to show and run its first activation.
constexpr int kStartDelayMs = 500;

void Report(const std::vector<Clock::time_point>& ticks) {
    for (std::size_t i = 1; i < ticks.size(); ++i)
        std::printf("tick-interval-us %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(ticks[i] - ticks[i - 1]).count()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}  // namespace

void MeasureTextPacingIfAsked(QWidget& window) {
    const int count = qEnvironmentVariableIntValue("QUILLMERE_BENCH_TEXT_PACING");
    auto* start = window.findChild<QAbstractButton*>("ComStt");
    auto* timer = window.findChild<QTimer*>("TimSay");
    if (count <= 0 || !start || !timer) return;
    auto ticks = std::make_shared<std::vector<Clock::time_point>>();
    // Connected after the window's own handler, so each time is taken once
    // the game has shown the line.
    QObject::connect(timer, &QTimer::timeout, &window, [ticks, count] {
        ticks->push_back(Clock::now());
        if (static_cast<int>(ticks->size()) == count + 1) Report(*ticks);
    });
    QTimer::singleShot(kStartDelayMs, start, &QAbstractButton::click);
}

}  // namespace qm::qt
