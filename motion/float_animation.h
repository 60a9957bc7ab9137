// A float animation: moves one float property of its parent, named by a dotted path, from a
// start value to a stop value along an interpolation curve, frame by frame, and fires OnFinish
// when the run ends. Started and stopped through Start/Stop or the Enabled switch.
#pragma once

#include <string>

#include "event.h"
#include "interpolation.h"
#include "property.h"

namespace pelora {

class TFloatAnimation {
public:
    TFloatAnimation() = default;
    ~TFloatAnimation();
    TFloatAnimation(const TFloatAnimation&) = delete;
    TFloatAnimation& operator=(const TFloatAnimation&) = delete;

    // Plain values: stored with no side effect, they act at the next start or the next frame.
    float Duration = 0.2F;
    float StartValue = 0.0F;
    float StopValue = 0.0F;
    bool StartFromCurrent = false;
    TAnimationType AnimationType = TAnimationType::In;
    TInterpolationType Interpolation = TInterpolationType::Linear;
    Event<TFloatAnimation> OnFinish;

    bool Enabled() const { return enabled_; }
    // A change to true starts a run, a change to false stops it; the same value does nothing.
    void setEnabled(bool enabled);
    bool Running() const { return running_; }

    const std::string& PropertyName() const { return propertyName_; }
    void setPropertyName(std::string name);
    PropertyObject* Parent() const { return parent_; }
    void setParent(PropertyObject* parent);

    void Start();
    void Stop();
    void ProcessTick(float deltaTime);
    float NormalizedTime() const;
    float elapsed() const { return time_; }

    // While the scene description is applied the switch only stores its value.
    void setLoading(bool loading) { loading_ = loading; }

private:
    FloatProperty* resolveTarget();
    void applyFrame();

    bool enabled_ = false;
    bool running_ = false;
    bool loading_ = false;
    float time_ = 0.0F;  // FTime
    std::string propertyName_;
    PropertyObject* parent_ = nullptr;
    FloatProperty* target_ = nullptr;  // cached until Stop, a new parent or a new name
};

}  // namespace pelora
