#pragma once

#include "cadhost/model/checkable_control.h"
#include "cadhost/model/control_view.h"

namespace quenmoor::cadhost {

// An option button: checking one unchecks the other option buttons of its group.
class OptionControl final : public CheckableControl {
public:
    using CheckableControl::CheckableControl;

    std::string_view kindName() const override { return "option"; }
    void present(ControlView& view) const override { view.optionButton(checked()); }
    void optionChecked(const PageControl& checked) override { check(&checked == this); }
};

}  // namespace quenmoor::cadhost
