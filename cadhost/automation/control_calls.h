#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "cadhost/automation/journal.h"
#include "cadhost/model/page_control.h"

namespace quenmoor::cadhost {

// The journal as a page control's object writes to it: a call goes by the control's kind
// and the method, "combo.ItemText", so that a check box's Checked and an option button's
// are told apart, and the control's id comes first among the arguments.
class ControlCalls {
public:
    ControlCalls(JournalPtr journal, const PageControl& control)
        : journal_(std::move(journal)), control_(control) {}

    template <class... Arguments>
    void record(std::string_view method, const Arguments&... arguments) const {
        std::string name(control_.kindName());
        name += '.';
        name += method;
        journal_->record(name, control_.info().id, arguments...);
    }

private:
    JournalPtr journal_;
    const PageControl& control_;  // owned by the object that owns these calls
};

}  // namespace quenmoor::cadhost
