#include "float_animation.h"

#include <string_view>
#include <utility>

#include "ani_thread.h"
#include "error.h"

namespace pelora {
namespace {

void leaveDriver(TFloatAnimation& animation) {
    if (TAniThread* driver = TAniThread::existing()) {
        driver->RemoveAnimation(animation);
    }
}

}  // namespace

// A running animation is listed in the driver; it leaves the list without firing OnFinish, so
// that the driver never holds a dangling pointer and no handler runs during destruction.
TFloatAnimation::~TFloatAnimation() {
    if (!running_) {
        return;
    }
    // A destructor must not throw: with no platform installed any more there is no frame timer
    // left to switch off, and the animation has already left the list.
    try {
        leaveDriver(*this);
    } catch (const ShowError&) {
    }
}

void TFloatAnimation::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (loading_) {
        return;
    }
    if (enabled) {
        Start();
    } else {
        Stop();
    }
}

void TFloatAnimation::setPropertyName(std::string name) {
    if (!sameNameIgnoringCase(name, propertyName_)) {
        target_ = nullptr;
    }
    propertyName_ = std::move(name);
}

void TFloatAnimation::setParent(PropertyObject* parent) {
    if (parent != parent_) {
        target_ = nullptr;
    }
    parent_ = parent;
}

// A running animation is restarted in place: it keeps its place in the driver's list and the
// interrupted run fires no OnFinish.
void TFloatAnimation::Start() {
    FloatProperty* target = resolveTarget();
    if (target == nullptr) {
        return;
    }
    running_ = true;
    time_ = 0.0F;
    if (StartFromCurrent) {
        StartValue = target->get();
    }
    applyFrame();
    try {
        TAniThread::instance().AddAnimation(*this);
    } catch (...) {
        // The platform refused the frame timer: the run never began and the driver has not
        // kept the animation.
        running_ = false;
        throw;
    }
    enabled_ = true;
}

void TFloatAnimation::Stop() {
    if (!running_) {
        target_ = nullptr;
        return;
    }
    leaveDriver(*this);
    time_ = Duration;
    if (FloatProperty* target = resolveTarget()) {
        target->set(StopValue);
    }
    running_ = false;
    target_ = nullptr;
    OnFinish(*this);
}

// The natural end: the last frame is written before the animation leaves the list, and OnFinish
// comes last, so that what the handler writes is what stays.
void TFloatAnimation::ProcessTick(float deltaTime) {
    if (!running_) {
        return;
    }
    time_ += deltaTime;
    if (time_ >= Duration) {
        time_ = Duration;
        running_ = false;
    }
    applyFrame();
    if (!running_) {
        leaveDriver(*this);
        OnFinish(*this);
    }
}

float TFloatAnimation::NormalizedTime() const {
    return InterpolationProgress(Interpolation, AnimationType, time_, Duration);
}

// "Position.X": every segment before the last names a sub-object, the last a float property.
FloatProperty* TFloatAnimation::resolveTarget() {
    if (target_ != nullptr) {
        return target_;
    }
    if (parent_ == nullptr || propertyName_.empty()) {
        return nullptr;
    }
    PropertyObject* holder = parent_;
    std::string_view path = propertyName_;
    for (auto dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
        holder = holder->objectProperty(path.substr(0, dot));
        if (holder == nullptr) {
            return nullptr;
        }
        path.remove_prefix(dot + 1);
    }
    target_ = holder->floatProperty(path);
    return target_;
}

// Computed in double and rounded once, so that progress 1 gives exactly StopValue. Both end
// values are read at every frame: a change during a run bends the rest of it.
void TFloatAnimation::applyFrame() {
    FloatProperty* target = resolveTarget();
    if (target == nullptr) {
        return;
    }
    const auto start = static_cast<double>(StartValue);
    const auto stop = static_cast<double>(StopValue);
    const auto progress = static_cast<double>(NormalizedTime());
    target->set(static_cast<float>(start + (stop - start) * progress));
}

}  // namespace pelora
