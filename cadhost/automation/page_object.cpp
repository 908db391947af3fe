#include "cadhost/automation/page_object.h"

#include "cadhost/automation/group_object.h"

namespace quenmoor::cadhost {

ComPtr<host::IPropertyManagerPageGroup> PageObject::AddGroupBox(std::int32_t id,
                                                                std::string caption,
                                                                std::int32_t options) {
    journal_->record("AddGroupBox", page_->title(), id, caption, options);
    return GroupObject::create(journal_, page_->addGroup(id, std::move(caption), options));
}

bool PageObject::SetMessage(std::string message, std::int32_t severity) {
    journal_->record("SetMessage", page_->title(), message, severity);
    page_->setMessage(std::move(message), severity);
    return true;
}

std::int32_t PageObject::Show() {
    journal_->record("Show", page_->title());
    host_->showPage(page_);
    return 0;
}

}  // namespace quenmoor::cadhost
