// A minimal scene node for the motion tests: a position ("Position.X", "Position.Y") and a
// rotation ("RotationAngle"), with counts of writes and of name look-ups so that a test can see
// when an animation writes and when it resolves its path again.
#pragma once

#include <string_view>

#include "motion/property.h"

namespace pelora::testing {

class FakeField final : public FloatProperty {
public:
    float get() const override { return value; }
    void set(float newValue) override {
        value = newValue;
        ++writes;
    }

    float value = 0.0F;
    int writes = 0;
};

class FakeNode final : public PropertyObject {
public:
    FakeNode() = default;
    FakeNode(const FakeNode&) = delete;
    FakeNode& operator=(const FakeNode&) = delete;

    PropertyObject* objectProperty(std::string_view name) override {
        ++lookups;
        return sameNameIgnoringCase(name, "Position") ? &position_ : nullptr;
    }
    FloatProperty* floatProperty(std::string_view name) override {
        ++lookups;
        return sameNameIgnoringCase(name, "RotationAngle") ? &rotationAngle : nullptr;
    }

    FakeField& x() { return position_.x; }
    FakeField& y() { return position_.y; }

    FakeField rotationAngle;
    int lookups = 0;

private:
    class Position final : public PropertyObject {
    public:
        explicit Position(int& lookups) : lookups_(lookups) {}
        FloatProperty* floatProperty(std::string_view name) override {
            ++lookups_;
            if (sameNameIgnoringCase(name, "X")) {
                return &x;
            }
            return sameNameIgnoringCase(name, "Y") ? &y : nullptr;
        }

        FakeField x;
        FakeField y;

    private:
        int& lookups_;
    };

    Position position_{lookups};
};

}  // namespace pelora::testing
