// An invisible list of named integers with one chosen item. Two of them hold the curve of the
// ball's vertical flight, filled once at start-up and read before each flight.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pelora {

class HiddenSelector {
public:
    void addItem(std::string name, std::int32_t value);
    void setItemIndex(std::int32_t index);
    std::int32_t itemIndex() const { return itemIndex_; }
    // The integer the chosen item carries; a ShowError when nothing is chosen.
    std::int32_t chosenValue() const;
    const std::vector<std::pair<std::string, std::int32_t>>& items() const { return items_; }

private:
    std::vector<std::pair<std::string, std::int32_t>> items_;
    std::int32_t itemIndex_ = -1;
};

}  // namespace pelora
