#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cadhost/automation/journal.h"
#include "cadhost/model/host_model.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A property page as the add-in builds and shows it.
class PageObject final
    : public com::ComObject<PageObject, com::DualInterface<host::IPropertyManagerPage2>> {
public:
    PageObject(JournalPtr journal, std::shared_ptr<HostModel> host,
               std::shared_ptr<PropertyPage> page)
        : journal_(std::move(journal)), host_(std::move(host)), page_(std::move(page)) {}

    ComPtr<host::IPropertyManagerPageGroup> AddGroupBox(std::int32_t id, std::string caption,
                                                        std::int32_t options) override;
    bool SetMessage(std::string message, std::int32_t severity) override;
    // Puts the page in the host's pane, cancelling the page open there.
    std::int32_t Show() override;

    const std::shared_ptr<PropertyPage>& page() const { return page_; }

private:
    JournalPtr journal_;
    std::shared_ptr<HostModel> host_;
    std::shared_ptr<PropertyPage> page_;
};

}  // namespace quenmoor::cadhost
