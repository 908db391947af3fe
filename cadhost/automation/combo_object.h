#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cadhost/automation/control_calls.h"
#include "cadhost/model/combo_control.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

// A drop-down list as the add-in fills and reads it.
class ComboObject final
    : public com::ComObject<ComboObject, com::DualInterface<host::IPropertyManagerPageCombobox>> {
public:
    ComboObject(JournalPtr journal, std::shared_ptr<ComboControl> control)
        : calls_(std::move(journal), *control), control_(std::move(control)) {}

    void AddItems(std::string item) override;
    void Clear() override;
    std::int16_t CurrentSelection() override;
    void SetCurrentSelection(std::int16_t index) override;
    std::string ItemText(std::int16_t index) override;

private:
    ControlCalls calls_;
    std::shared_ptr<ComboControl> control_;
};

}  // namespace quenmoor::cadhost
