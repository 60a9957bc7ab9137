// Stands in for the window whose methods are the animations' finish handlers: records which
// animation finished, in order, and runs an optional action inside the handler. Also aims an
// animation at a node in one call.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "counting_node.h"
#include "motion/float_animation.h"

namespace pelora::testing {

struct FinishLog {
    void onFinish(TFloatAnimation& sender) {
        finished.push_back(&sender);
        if (during) {
            during(sender);
        }
    }
    Event<TFloatAnimation> handler() {
        return Event<TFloatAnimation>::bind<&FinishLog::onFinish>(*this);
    }
    std::ptrdiff_t count(const TFloatAnimation& animation) const {
        return std::count(finished.begin(), finished.end(), &animation);
    }

    std::vector<const TFloatAnimation*> finished;
    std::function<void(TFloatAnimation&)> during;
};

struct Aim {
    std::string path = "Position.X";
    float duration = 1.0F;
    float start = 0.0F;
    float stop = 100.0F;
};

inline void aim(TFloatAnimation& animation, CountingNode& node, const Aim& how) {
    animation.setParent(&node);
    animation.setPropertyName(how.path);
    animation.Duration = how.duration;
    animation.StartValue = how.start;
    animation.StopValue = how.stop;
}

}  // namespace pelora::testing
