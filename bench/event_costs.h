// The event thread's CPU time split by what it was spent on: every event Qt delivers is timed
// with the thread's CPU clock, nested deliveries (a paint inside the repaint manager's update
// request) counted apart from the delivery around them, and what no delivery accounts for is
// the event loop itself (waiting, polling, reading the X connection, timer bookkeeping).
#pragma once

#include <QApplication>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pelora::bench {

class MeteredApplication final : public QApplication {
public:
    enum Kind : std::uint8_t {
        FrameTick,       // the 10 ms timer: the animation step and the item changes it makes
        OtherTimer,      // the pause, countdown and slide timers
        SceneUpdate,     // the scene's queued bookkeeping: dirty items, update regions
        Painting,        // paint events: the view and its items painted into the backing store
        RepaintManager,  // update requests around the painting: regions, flush to the display
        Input,           // pointer, hover, enter and leave
        Other,
        kindCount
    };

    MeteredApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Starts counting afresh.
    void reset();
    // Prints the split of the event thread's CPU since the last reset, per frame tick, and the
    // CPU of the process's other threads.
    void report(const char* title) const;

private:
    struct Cost {
        std::int64_t nanoseconds = 0;
        std::int64_t count = 0;
    };
    struct Open {
        Kind kind;
        std::int64_t start;
        std::int64_t children = 0;
    };
    Kind kindOf(const QObject* receiver, const QEvent* event) const;

    std::array<Cost, kindCount> costs_{};
    std::vector<Open> open_;
    std::int64_t paintedRects_ = 0;  // over all paint events
    std::int64_t paintedPixels_ = 0;
    std::int64_t threadStart_ = 0;
    std::int64_t processStart_ = 0;
    std::int64_t wallStart_ = 0;
};

}  // namespace pelora::bench
