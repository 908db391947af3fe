#include "cadhost/model/combo_control.h"

#include <algorithm>
#include <charconv>

#include "cadhost/model/control_view.h"
#include "cadhost/model/property_page.h"
#include "cadhost/model/quote.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

void ComboControl::clear() {
    items_.clear();
    chosen_.reset();
}

std::int16_t ComboControl::selection() const {
    if (items_.empty()) {
        return -1;
    }
    return chosen_.value_or(0);
}

void ComboControl::choose(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
        throw com::ComError(com::E_INVALIDARG, "combo box " + std::to_string(info().id) +
                                                   ": no item " + std::to_string(index) +
                                                   " (it holds " + std::to_string(items_.size()) +
                                                   ")");
    }
    chosen_ = static_cast<std::int16_t>(index);
}

std::string ComboControl::stateText() const {
    std::string text = " items";
    for (const auto& item : items_) {
        text += ' ';
        text += quote(item);
    }
    return text + " selection " + std::to_string(selection());
}

ControlEntry ComboControl::entry(std::string_view value) const {
    int index = 0;
    if (auto match = std::find(items_.begin(), items_.end(), value); match != items_.end()) {
        index = static_cast<int>(match - items_.begin());
    } else {
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), index);
        if (error != std::errc() || end != value.data() + value.size()) {
            throw com::ComError(com::E_INVALIDARG,
                                "an item text or index must be a whole number, "
                                "not " +
                                    quote(value));
        }
    }
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
        throw com::ComError(com::E_INVALIDARG, "combo box " + std::to_string(info().id) +
                                                   " has no item " + quote(value));
    }
    const std::int32_t id = info().id;
    return {quote(items_[static_cast<std::size_t>(index)]),
            [id, index](PropertyPage& page) { page.chooseItem(id, index); }};
}

void ComboControl::present(ControlView& view) const {
    view.dropDownList(items_, selection());
}

}  // namespace quenmoor::cadhost
