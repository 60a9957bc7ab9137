#include "event_costs.h"

#include <QGraphicsScene>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace pelora::bench {
namespace {

std::int64_t clockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

constexpr std::array<const char*, MeteredApplication::kindCount> kindNames = {
    "frame tick (animation step, item changes)",
    "other timers",
    "scene bookkeeping (queued)",
    "painting",
    "repaint manager and flush",
    "pointer input",
    "other events",
};

}  // namespace

MeteredApplication::MeteredApplication(int& argc, char** argv) : QApplication(argc, argv) {
    reset();
}

void MeteredApplication::reset() {
    costs_ = {};
    paintedRects_ = 0;
    paintedPixels_ = 0;
    threadStart_ = clockNs(CLOCK_THREAD_CPUTIME_ID);
    processStart_ = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    wallStart_ = clockNs(CLOCK_MONOTONIC);
}

MeteredApplication::Kind MeteredApplication::kindOf(const QObject* receiver,
                                                    const QEvent* event) const {
    switch (event->type()) {
        case QEvent::Timer:
            if (const auto* timer = qobject_cast<const QTimer*>(receiver)) {
                return timer->interval() == 10 ? FrameTick : OtherTimer;
            }
            return Other;
        case QEvent::MetaCall:
            return qobject_cast<const QGraphicsScene*>(receiver) != nullptr ? SceneUpdate : Other;
        case QEvent::Paint:
            return Painting;
        case QEvent::UpdateRequest:
        case QEvent::UpdateLater:
            return RepaintManager;
        case QEvent::MouseMove:
        case QEvent::HoverMove:
        case QEvent::HoverEnter:
        case QEvent::HoverLeave:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::GraphicsSceneHoverMove:
        case QEvent::GraphicsSceneMouseMove:
            return Input;
        default:
            return Other;
    }
}

bool MeteredApplication::notify(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        const QRegion& region = static_cast<const QPaintEvent*>(event)->region();
        paintedRects_ += region.rectCount();
        for (const QRect& rect : region) {
            paintedPixels_ += std::int64_t{rect.width()} * rect.height();
        }
    }
    open_.push_back({kindOf(receiver, event), clockNs(CLOCK_THREAD_CPUTIME_ID)});
    const bool handled = QApplication::notify(receiver, event);
    const Open done = open_.back();
    open_.pop_back();
    const std::int64_t spent = clockNs(CLOCK_THREAD_CPUTIME_ID) - done.start;
    costs_[done.kind].nanoseconds += spent - done.children;
    costs_[done.kind].count += 1;
    if (!open_.empty()) {
        open_.back().children += spent;
    }
    return handled;
}

void MeteredApplication::report(const char* title) const {
    auto toDouble = [](std::int64_t value) { return static_cast<double>(value); };
    const double wall = toDouble(clockNs(CLOCK_MONOTONIC) - wallStart_) / 1e9;
    const std::int64_t thread = clockNs(CLOCK_THREAD_CPUTIME_ID) - threadStart_;
    const std::int64_t process = clockNs(CLOCK_PROCESS_CPUTIME_ID) - processStart_;
    const std::int64_t ticks = costs_[FrameTick].count;
    // Nanoseconds to milliseconds, and to microseconds a frame tick.
    const double perTick = ticks > 0 ? 1e-3 / toDouble(ticks) : 0.0;
    auto line = [&](const char* what, std::int64_t nanoseconds, const std::string& events) {
        std::printf("%-44s %10.1f %10s %12.1f\n", what, toDouble(nanoseconds) / 1e6, events.c_str(),
                    toDouble(nanoseconds) * perTick);
    };
    std::printf("== %s: %.1f s, %lld frame ticks\n", title, wall, static_cast<long long>(ticks));
    std::printf("%-44s %10s %10s %12s\n", "", "CPU ms", "events", "µs a tick");
    std::int64_t delivered = 0;
    for (std::size_t kind = 0; kind < kindCount; ++kind) {
        delivered += costs_[kind].nanoseconds;
        line(kindNames[kind], costs_[kind].nanoseconds, std::to_string(costs_[kind].count));
    }
    line("event loop (wait, poll, X events, timers)", thread - delivered, "");
    line("other threads (X reader)", process - thread, "");
    line("whole process", process, "");
    const std::int64_t paints = costs_[Painting].count;
    if (paints > 0) {
        std::printf("a paint event: %.1f rectangles, %.0f logical pixels\n",
                    toDouble(paintedRects_) / toDouble(paints),
                    toDouble(paintedPixels_) / toDouble(paints));
    }
    std::printf("whole process: %.2f %% of a core\n", 100.0 * toDouble(process) / 1e9 / wall);
}

}  // namespace pelora::bench
