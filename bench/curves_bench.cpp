// Cost of one curve evaluation, the work each running animation does per frame.
#include <benchmark/benchmark.h>

#include <array>

#include "motion/interpolation.h"

namespace pelora {
namespace {

constexpr std::array<const char*, 11> kKindNames{"Linear",  "Quadratic",  "Cubic",       "Quartic",
                                                 "Quintic", "Sinusoidal", "Exponential", "Circular",
                                                 "Elastic", "Back",       "Bounce"};

// Elapsed times spread over a 2 s flight, so that every branch of a curve is taken.
constexpr std::array<float, 8> kElapsed{0.01f, 0.3f, 0.55f, 0.8f, 1.1f, 1.45f, 1.73f, 1.99f};
constexpr float kDurationSeconds = 2.0f;

void curveIn(benchmark::State& state) {
    const auto kind = static_cast<TInterpolationType>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        float elapsed = kElapsed[i++ % kElapsed.size()];
        benchmark::DoNotOptimize(elapsed);
        benchmark::DoNotOptimize(
            InterpolationProgress(kind, TAnimationType::In, elapsed, kDurationSeconds));
    }
    state.SetLabel(kKindNames.at(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(curveIn)->DenseRange(0, static_cast<int>(kKindNames.size()) - 1);

// The ball's vertical leg moves a real coordinate with the default spring.
void elastic(benchmark::State& state) {
    const auto type = static_cast<TAnimationType>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        float elapsed = kElapsed[i++ % kElapsed.size()];
        benchmark::DoNotOptimize(elapsed);
        benchmark::DoNotOptimize(
            InterpolateElastic(elapsed, 380.0f, 104.0f, kDurationSeconds, 0, 0, type));
    }
    state.SetLabel(state.range(0) == 0 ? "In" : "Out");
}
BENCHMARK(elastic)
    ->Arg(static_cast<int>(TAnimationType::In))
    ->Arg(static_cast<int>(TAnimationType::Out));

}  // namespace
}  // namespace pelora
