// The cost of one frame of the animation engine with all 34 of the show's animations running,
// in simulated time: each iteration moves the clock by one 10 ms period.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "assets/facts/show_facts.h"
#include "motion/ani_thread.h"
#include "motion/float_animation.h"
#include "support/fake_node.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

constexpr double framePeriodSeconds = 0.01;

// 34 animations over as many nodes, long enough never to finish during a run of the benchmark.
struct RunningShow {
    RunningShow() {
        for (int i = 0; i < animationCount; ++i) {
            auto& animation = animations[static_cast<std::size_t>(i)];
            animation.setParent(&nodes[static_cast<std::size_t>(i)]);
            animation.setPropertyName(i % 3 == 0 ? "RotationAngle" : "Position.X");
            animation.Duration = 1.0e6F;
            animation.StopValue = 720.0F;
            animation.Start();
        }
    }

    testing::SimulatedPlatform platform;  // first, so that it outlives the animations
    std::array<testing::FakeNode, animationCount> nodes;
    std::array<TFloatAnimation, animationCount> animations;
};

void BM_OneStep34Running(benchmark::State& state) {
    RunningShow show;
    TAniThread& driver = TAniThread::instance();
    for (auto _ : state) {
        show.platform.stall(framePeriodSeconds);
        driver.OneStep();
    }
    benchmark::DoNotOptimize(show.nodes.front().angle());
}
BENCHMARK(BM_OneStep34Running);

// The same frame delivered as a platform tick, through the frame driver's timer.
void BM_FrameTick34Running(benchmark::State& state) {
    RunningShow show;
    for (auto _ : state) {
        show.platform.advanceBy(framePeriodSeconds);
    }
    state.counters["ticksPerIteration"] = benchmark::Counter(
        static_cast<double>(show.platform.ticksDelivered()), benchmark::Counter::kAvgIterations);
    benchmark::DoNotOptimize(show.nodes.front().angle());
}
BENCHMARK(BM_FrameTick34Running);

}  // namespace
}  // namespace pelora
