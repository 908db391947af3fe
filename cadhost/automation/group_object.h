#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cadhost/automation/journal.h"
#include "cadhost/model/page_group.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A group box of a page as the add-in fills it with controls.
class GroupObject final
    : public com::ComObject<GroupObject, com::DualInterface<host::IPropertyManagerPageGroup>> {
public:
    GroupObject(JournalPtr journal, std::shared_ptr<PageGroup> group)
        : journal_(std::move(journal)), group_(std::move(group)) {}

    // The control's object for its kind (host::ControlType); ComError naming the control
    // for a kind this host does not offer.
    ComPtr<com::IDispatch> AddControl(std::int32_t id, std::int32_t controlType,
                                      std::string caption, std::int32_t leftAlign,
                                      std::int32_t options, std::string tip) override;

private:
    JournalPtr journal_;
    std::shared_ptr<PageGroup> group_;
};

}  // namespace quenmoor::cadhost
