#include "e2e/show_program.h"

#include <thread>

#include "e2e/show_layout.h"

namespace pelora::e2e {
namespace {

constexpr auto mapPollPeriod = std::chrono::milliseconds(10);
const QString captionPattern = QStringLiteral("^Pelora - V1\\.0");

QProcessEnvironment changed(QProcessEnvironment environment, const QProcessEnvironment& changes) {
    for (const QString& name : changes.keys()) {
        environment.insert(name, changes.value(name));
    }
    return environment;
}

}  // namespace

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

ShowProgram::ShowProgram(const XSession& session)
    : session_(session), process_(QStringLiteral(PELORA_PROGRAM), {}, session.environment()) {}

ShowProgram::ShowProgram(const XSession& session, const QString& program)
    : session_(session), process_(program, {}, session.environment()) {}

ShowProgram::ShowProgram(const XSession& session, const QProcessEnvironment& environment,
                         GuardedProcess::Output output)
    : session_(session),
      process_(QStringLiteral(PELORA_PROGRAM), {}, changed(session.environment(), environment),
               output) {}

bool ShowProgram::waitUntilShown(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    std::optional<WindowId> found;
    while (!found && process_.running() && Clock::now() < deadline) {
        found = findViewableWindow(session_, process_.processId(), captionPattern);
        if (!found) {
            std::this_thread::sleep_for(mapPollPeriod);
        }
    }
    if (!found) {
        return false;
    }
    shownAt_ = Clock::now();
    window_ = *found;
    if (!session_.reportsFrames()) {
        return true;
    }
    std::optional<FrameExtents> extents;
    while (!(extents = frameExtents(session_, window_)) && Clock::now() < deadline) {
        std::this_thread::sleep_for(mapPollPeriod);
    }
    if (extents) {
        frame_ = *extents;
    }
    return extents.has_value();
}

QPointF ShowProgram::boardOrigin() const {
    // The layout takes the desktop's frame where one is published, and the frame it assumes where
    // none is or the published one is empty.
    const bool framed =
        session_.reportsFrames() && (frame_.left | frame_.right | frame_.top | frame_.bottom) != 0;
    return e2e::boardOrigin(framed ? frame_ : assumedFrame);
}

Snapshot ShowProgram::snap() const {
    const auto before = Clock::now();
    QImage client = grabClient(session_, window_);
    const auto after = Clock::now();
    return {std::move(client), before + (after - before) / 2};
}

std::optional<Sighting> ShowProgram::watchFor(std::chrono::milliseconds timeout,
                                              const std::function<bool(const QImage&)>& seen,
                                              std::chrono::milliseconds period) const {
    const auto deadline = Clock::now() + timeout;
    auto previous = Clock::now();
    while (Clock::now() < deadline) {
        Snapshot snapshot = snap();
        if (!snapshot.client.isNull() && seen(snapshot.client)) {
            const auto estimate = previous + (snapshot.at - previous) / 2;
            return Sighting{std::move(snapshot), estimate};
        }
        previous = snapshot.at;
        std::this_thread::sleep_until(previous + period);
    }
    return std::nullopt;
}

void ShowProgram::movePointerTo(QPoint client) const {
    const std::optional<QRect> area = clientRectangle(session_, window_);
    const QPoint onScreen = client + (area ? area->topLeft() : QPoint());
    session_.run(QStringLiteral("xdotool"),
                 {QStringLiteral("mousemove"), QString::number(onScreen.x()),
                  QString::number(onScreen.y())});
}

void ShowProgram::click() const {
    session_.run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}

void ShowProgram::activate() const {
    session_.run(QStringLiteral("xdotool"),
                 {QStringLiteral("windowactivate"), QStringLiteral("--sync"), hexId(window_)});
}

void ShowProgram::pressCloseKey() const {
    session_.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+F4")});
}

void ShowProgram::askWindowManagerToClose() const {
    session_.run(QStringLiteral("wmctrl"),
                 {QStringLiteral("-i"), QStringLiteral("-c"), hexId(window_)});
}

void ShowProgram::minimise() const {
    session_.run(QStringLiteral("xdotool"),
                 {QStringLiteral("windowminimize"), QStringLiteral("--sync"), hexId(window_)});
}

void ShowProgram::restore() const {
    session_.run(QStringLiteral("wmctrl"),
                 {QStringLiteral("-i"), QStringLiteral("-a"), hexId(window_)});
}

}  // namespace pelora::e2e
