#pragma once

#include <memory>
#include <string>

#include "cadhost/automation/journal.h"
#include "cadhost/model/button_control.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// A push button as the add-in reads it. Reading its caption is not recorded: it is the
// caption the add-in gave it.
class ButtonObject final
    : public com::ComObject<ButtonObject, com::DualInterface<host::IPropertyManagerPageButton>> {
public:
    ButtonObject(JournalPtr, std::shared_ptr<ButtonControl> control)
        : control_(std::move(control)) {}

    std::string Caption() override { return control_->info().caption; }

private:
    std::shared_ptr<ButtonControl> control_;
};

}  // namespace quenmoor::cadhost
