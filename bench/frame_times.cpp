#include "frame_times.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace pelora::bench {
namespace {

double quantile(std::vector<double>& values, double fraction) {
    const auto last = static_cast<double>(values.size() - 1);
    const auto rank = static_cast<std::size_t>(std::lround(fraction * last));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank),
                     values.end());
    return values[rank];
}

}  // namespace

void FrameTimes::report(benchmark::State& state) {
    if (milliseconds_.empty()) {
        return;
    }
    state.counters["median ms"] = quantile(milliseconds_, 0.5);
    state.counters["p90 ms"] = quantile(milliseconds_, 0.9);
    state.counters["max ms"] = *std::max_element(milliseconds_.begin(), milliseconds_.end());
}

}  // namespace pelora::bench
