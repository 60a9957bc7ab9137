#include "hidden_selector.h"

#include "motion/error.h"

namespace pelora {

void HiddenSelector::addItem(std::string name, std::int32_t value) {
    items_.emplace_back(std::move(name), value);
}

void HiddenSelector::setItemIndex(std::int32_t index) {
    if (index < -1 || index >= static_cast<std::int32_t>(items_.size())) {
        throw ShowError("Choix de courbe hors limites : " + std::to_string(index));
    }
    itemIndex_ = index;
}

std::int32_t HiddenSelector::chosenValue() const {
    if (itemIndex_ < 0) {
        throw ShowError("Aucune courbe n'est choisie pour le vol de la boule");
    }
    return items_[static_cast<std::size_t>(itemIndex_)].second;
}

}  // namespace pelora
