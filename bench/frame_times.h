// Per-frame timings kept by a benchmark, so that it can report the median frame and the slow
// ones next to Google Benchmark's mean.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace pelora::bench {

class FrameTimes {
public:
    using Clock = std::chrono::steady_clock;

    void add(Clock::duration frame) { milliseconds_.push_back(toMilliseconds(frame)); }
    // Adds "median ms", "p90 ms" and "max ms" to the benchmark's counters.
    void report(benchmark::State& state);

private:
    static double toMilliseconds(Clock::duration frame) {
        return std::chrono::duration<double, std::milli>(frame).count();
    }

    std::vector<double> milliseconds_;
};

// Times one call of `paint` into `times`.
template <typename Paint>
void timeFrame(FrameTimes& times, Paint&& paint) {
    const FrameTimes::Clock::time_point start = FrameTimes::Clock::now();
    paint();
    times.add(FrameTimes::Clock::now() - start);
}

}  // namespace pelora::bench
