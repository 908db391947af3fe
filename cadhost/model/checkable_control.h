#pragma once

#include <string>

#include "cadhost/model/page_control.h"

namespace quenmoor::cadhost {

// A control that is checked or not: check boxes and option buttons, which differ in what
// checking one does to the others of its group.
class CheckableControl : public PageControl {
public:
    using PageControl::PageControl;

    bool checked() const { return checked_; }
    void check(bool checked) { checked_ = checked; }

    std::string stateText() const override { return checked_ ? " checked True" : " checked False"; }

private:
    bool checked_ = false;
};

}  // namespace quenmoor::cadhost
