// The narrow interface through which float animations drive the scene: an object exposes named
// float properties, and named sub-objects holding more of them ("Position" holds "X" and "Y").
// Names are matched ignoring case.
#pragma once

#include <string_view>

namespace pelora {

class FloatProperty {
public:
    virtual float get() const = 0;
    // Has the same effect as the same write made by the show's own code.
    virtual void set(float value) = 0;

protected:
    ~FloatProperty() = default;
};

class PropertyObject {
public:
    virtual ~PropertyObject() = default;
    virtual PropertyObject* objectProperty(std::string_view name);
    virtual FloatProperty* floatProperty(std::string_view name);
};

// ASCII comparison ignoring case, as property paths are compared.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pelora
