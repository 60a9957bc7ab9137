#include "property.h"

#include <algorithm>

namespace pelora {

PropertyObject* PropertyObject::objectProperty(std::string_view /*name*/) {
    return nullptr;
}
FloatProperty* PropertyObject::floatProperty(std::string_view /*name*/) {
    return nullptr;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace pelora
