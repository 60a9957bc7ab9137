// An ordered list of number texts ("1" .. "28"), the work lists of a draw preparation. It keeps
// the order items were put in; only SortNumberedList reorders it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelora {

class NumberList {
public:
    void clear() { items_.clear(); }
    void append(std::string text) { items_.push_back(std::move(text)); }
    const std::string& at(std::int32_t index) const;
    void remove(std::int32_t index);
    // Takes the item at `from` out and inserts it so that it ends at index `to`.
    void move(std::int32_t from, std::int32_t to);
    std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
    const std::vector<std::string>& items() const { return items_; }

private:
    std::size_t checkedIndex(std::int32_t index) const;

    std::vector<std::string> items_;
};

// Stable insertion sort by numeric value: "9" before "10", equal values keep their order.
void SortNumberedList(NumberList& Lst);

// The decimal value of a number text; a ShowError for anything else.
std::int32_t numberValue(const std::string& text);

}  // namespace pelora
