#pragma once

#include "cadhost/model/checkable_control.h"

namespace quenmoor::cadhost {

// A check box: on or off, whatever the other controls are.
class CheckboxControl final : public CheckableControl {
public:
    using CheckableControl::CheckableControl;

    std::string_view kindName() const override { return "checkbox"; }
    bool takesEntry() const override { return true; }
    // "on" or "off".
    ControlEntry entry(std::string_view value) const override;
    void present(ControlView& view) const override;
};

}  // namespace quenmoor::cadhost
