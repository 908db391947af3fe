#include "cadhost/model/page_controls.h"

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

std::string_view PageControl::kindName() const {
    switch (info_.type) {
        case host::ControlCheckbox:
            return "checkbox";
        case host::ControlButton:
            return "button";
        case host::ControlOption:
            return "option";
        case host::ControlTextbox:
            return "text";
        case host::ControlCombobox:
            return "combo";
        default:
            return "control";
    }
}

void PageControl::enter(std::string_view method, const std::string& arguments) const {
    std::string record =
        std::string(kindName()) + "." + std::string(method) + " " + std::to_string(info_.id);
    if (!arguments.empty()) {
        record += " " + arguments;
    }
    journal_->enter(method, std::move(record));
}

void ComboControl::AddItems(std::string item) {
    enter("AddItems", quote(item));
    items_.push_back(std::move(item));
}

void ComboControl::Clear() {
    enter("Clear");
    items_.clear();
    chosen_.reset();
}

std::int16_t ComboControl::selection() const {
    if (items_.empty()) {
        return -1;
    }
    return chosen_.value_or(0);
}

std::int16_t ComboControl::CurrentSelection() {
    enter("CurrentSelection");
    return selection();
}

void ComboControl::choose(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
        throw com::ComError(com::E_INVALIDARG, "combo box " + std::to_string(info_.id) +
                                                   ": no item " + std::to_string(index) +
                                                   " (it holds " + std::to_string(items_.size()) +
                                                   ")");
    }
    chosen_ = static_cast<std::int16_t>(index);
}

void ComboControl::SetCurrentSelection(std::int16_t index) {
    enter("SetCurrentSelection", std::to_string(index));
    choose(index);
}

std::string ComboControl::ItemText(std::int16_t index) {
    enter("ItemText", std::to_string(index));
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
        throw com::ComError(com::E_INVALIDARG, "ItemText: combo box " + std::to_string(info_.id) +
                                                   " has no item " + std::to_string(index) +
                                                   " (it holds " + std::to_string(items_.size()) +
                                                   ")");
    }
    return items_[static_cast<std::size_t>(index)];
}

std::string TextControl::Text() {
    enter("Text");
    return text_;
}

void TextControl::SetText(std::string text) {
    enter("SetText", quote(text));
    text_ = std::move(text);
}

}  // namespace quenmoor::cadhost
