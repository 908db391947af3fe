#include "quenmoortools/toolkit/property_page_builder.h"

#include "platform/com/com_error.h"

namespace quenmoor::toolkit {

PageBuilder::PageBuilder(std::string_view tool, host::ISldWorks& host, const std::string& title,
                         com::ComPtr<com::IDispatch> handler,
                         com::ComPtr<host::IPropertyManagerPage2>& currentPage)
    : tool_(tool) {
    currentPage =
        host.CreatePropertyManagerPage(title, host::PageOptionsOkayCancel, std::move(handler));
    if (!currentPage) {
        throw com::ComError(com::E_FAIL, tool_ + ": the host gave no page \"" + title + "\"");
    }
    page_ = currentPage;
}

com::ComPtr<host::IPropertyManagerPageGroup> PageBuilder::addGroup(
    std::int32_t id, const std::string& caption) const {
    auto group = page_->AddGroupBox(id, caption, host::GroupOptionsVisibleExpanded);
    if (!group) {
        throw com::ComError(com::E_FAIL, tool_ + ": the host gave no group \"" + caption + "\"");
    }
    return group;
}

void PageBuilder::show() const {
    static_cast<void>(page_->Show());
}

}  // namespace quenmoor::toolkit
