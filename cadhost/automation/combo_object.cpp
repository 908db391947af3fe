#include "cadhost/automation/combo_object.h"

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

void ComboObject::AddItems(std::string item) {
    calls_.record("AddItems", item);
    control_->addItem(std::move(item));
}

void ComboObject::Clear() {
    calls_.record("Clear");
    control_->clear();
}

std::int16_t ComboObject::CurrentSelection() {
    calls_.record("CurrentSelection");
    return control_->selection();
}

void ComboObject::SetCurrentSelection(std::int16_t index) {
    calls_.record("SetCurrentSelection", index);
    control_->choose(index);
}

std::string ComboObject::ItemText(std::int16_t index) {
    calls_.record("ItemText", index);
    const auto& items = control_->items();
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        throw com::ComError(com::E_INVALIDARG,
                            "ItemText: combo box " + std::to_string(control_->info().id) +
                                " has no item " + std::to_string(index) + " (it holds " +
                                std::to_string(items.size()) + ")");
    }
    return items[static_cast<std::size_t>(index)];
}

}  // namespace quenmoor::cadhost
