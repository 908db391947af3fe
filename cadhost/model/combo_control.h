#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cadhost/model/page_control.h"

namespace quenmoor::cadhost {

// A drop-down list. One with items and no choice made shows, and reports, its first item.
class ComboControl final : public PageControl {
public:
    using PageControl::PageControl;

    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item) { items_.push_back(std::move(item)); }
    void clear();
    // The chosen item; -1 when the list is empty.
    std::int16_t selection() const;
    // The user's choice; throws ComError naming the control for an index out of range.
    void choose(std::int32_t index);

    std::string_view kindName() const override { return "combo"; }
    std::string stateText() const override;
    bool takesEntry() const override { return true; }
    // An item's text first; a number that is no item's text is an index.
    ControlEntry entry(std::string_view value) const override;
    void present(ControlView& view) const override;

private:
    std::vector<std::string> items_;
    std::optional<std::int16_t> chosen_;
};

}  // namespace quenmoor::cadhost
