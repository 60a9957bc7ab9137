#include "number_list.h"

#include <charconv>

#include "motion/error.h"

namespace pelora {

std::size_t NumberList::checkedIndex(std::int32_t index) const {
    if (index < 0 || index >= count()) {
        throw ShowError("Indice de liste hors limites : " + std::to_string(index));
    }
    return static_cast<std::size_t>(index);
}

const std::string& NumberList::at(std::int32_t index) const {
    return items_[checkedIndex(index)];
}

void NumberList::remove(std::int32_t index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(checkedIndex(index)));
}

void NumberList::move(std::int32_t from, std::int32_t to) {
    const std::size_t source = checkedIndex(from);
    const std::size_t target = checkedIndex(to);
    std::string item = std::move(items_[source]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(source));
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(target), std::move(item));
}

std::int32_t numberValue(const std::string& text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || text.empty()) {
        throw ShowError("Nombre invalide dans une liste : \"" + text + "\"");
    }
    return value;
}

void SortNumberedList(NumberList& Lst) {
    const std::int32_t count = Lst.count();
    for (std::int32_t i = 0; i < count; ++i) {
        for (std::int32_t n = 0; n < i; ++n) {
            if (numberValue(Lst.at(i)) < numberValue(Lst.at(n))) {
                Lst.move(i, n);
                break;
            }
        }
    }
}

}  // namespace pelora
