#pragma once

#include "cadhost/model/control_view.h"
#include "cadhost/model/page_control.h"

namespace quenmoor::cadhost {

// A push button: it has no state, and pressing it only tells the page's handler.
class ButtonControl final : public PageControl {
public:
    using PageControl::PageControl;

    std::string_view kindName() const override { return "button"; }
    void present(ControlView& view) const override { view.pushButton(); }
};

}  // namespace quenmoor::cadhost
