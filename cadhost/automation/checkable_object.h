#pragma once

#include <memory>

#include "cadhost/automation/control_calls.h"
#include "cadhost/model/checkbox_control.h"
#include "cadhost/model/option_control.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// A check box or an option button as the add-in sets and reads it. Setting one from the
// add-in changes only that control: the group's other option buttons stay as they are.
template <class Interface, class Control>
class CheckableObject final
    : public com::ComObject<CheckableObject<Interface, Control>, com::DualInterface<Interface>> {
public:
    CheckableObject(JournalPtr journal, std::shared_ptr<Control> control)
        : calls_(std::move(journal), *control), control_(std::move(control)) {}

    bool Checked() override {
        calls_.record("Checked");
        return control_->checked();
    }
    void SetChecked(bool checked) override {
        calls_.record("SetChecked", checked);
        control_->check(checked);
    }

private:
    ControlCalls calls_;
    std::shared_ptr<Control> control_;
};

using CheckboxObject = CheckableObject<host::IPropertyManagerPageCheckbox, CheckboxControl>;
using OptionObject = CheckableObject<host::IPropertyManagerPageOption, OptionControl>;

}  // namespace quenmoor::cadhost
