// A scene node stand-in for tests without a window: a position and a rotation angle that float
// animations can drive by name, and a count of the writes they made.
#pragma once

#include "motion/property.h"

namespace pelora::testing {

class FakeNode : public PropertyObject {
public:
    FakeNode(float x = 0.0F, float y = 0.0F) : x_(*this, x), y_(*this, y), angle_(*this, 0.0F) {}

    PropertyObject* objectProperty(std::string_view name) override {
        return sameNameIgnoringCase(name, "Position") ? &position_ : nullptr;
    }
    FloatProperty* floatProperty(std::string_view name) override {
        return sameNameIgnoringCase(name, "RotationAngle") ? &angle_ : nullptr;
    }

    float x() const { return x_.get(); }
    float y() const { return y_.get(); }
    float angle() const { return angle_.get(); }
    void setX(float v) { x_.set(v); }
    void setY(float v) { y_.set(v); }
    void setAngle(float v) { angle_.set(v); }
    int writes() const { return writes_; }

private:
    class Value final : public FloatProperty {
    public:
        Value(FakeNode& owner, float v) : owner_(owner), value_(v) {}
        float get() const override { return value_; }
        void set(float v) override {
            value_ = v;
            ++owner_.writes_;
        }

    private:
        FakeNode& owner_;
        float value_;
    };
    class Position final : public PropertyObject {
    public:
        explicit Position(FakeNode& owner) : owner_(owner) {}
        FloatProperty* floatProperty(std::string_view name) override {
            if (sameNameIgnoringCase(name, "X")) {
                return &owner_.x_;
            }
            return sameNameIgnoringCase(name, "Y") ? &owner_.y_ : nullptr;
        }

    private:
        FakeNode& owner_;
    };

    Value x_;
    Value y_;
    Value angle_;
    Position position_{*this};
    int writes_ = 0;
};

}  // namespace pelora::testing
