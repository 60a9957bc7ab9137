// A minimal scene node for the motion tests that counts what is done to it: a position
// ("Position.X", "Position.Y") and a rotation ("RotationAngle"), with counts of writes and of name
// look-ups so that a test can see when an animation writes and when it resolves its path again.
#pragma once

#include <string_view>

#include "motion/property.h"

namespace pelora::testing {

class CountingField final : public FloatProperty {
public:
    float get() const override { return value; }
    void set(float newValue) override {
        value = newValue;
        ++writes;
    }

    float value = 0.0F;
    int writes = 0;
};

class CountingNode final : public PropertyObject {
public:
    CountingNode() = default;
    CountingNode(const CountingNode&) = delete;
    CountingNode& operator=(const CountingNode&) = delete;

    PropertyObject* objectProperty(std::string_view name) override {
        ++lookups;
        return sameNameIgnoringCase(name, "Position") ? &position_ : nullptr;
    }
    FloatProperty* floatProperty(std::string_view name) override {
        ++lookups;
        return sameNameIgnoringCase(name, "RotationAngle") ? &rotationAngle : nullptr;
    }

    CountingField& x() { return position_.x; }
    CountingField& y() { return position_.y; }

    CountingField rotationAngle;
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

        CountingField x;
        CountingField y;

    private:
        int& lookups_;
    };

    Position position_{lookups};
};

}  // namespace pelora::testing
