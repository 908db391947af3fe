#include "cadhost/model/property_page.h"

#include <algorithm>
#include <optional>

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

PropertyPage::PropertyPage(std::string title, std::int32_t options,
                           std::unique_ptr<PageEvents> events)
    : title_(std::move(title)), options_(options), events_(std::move(events)) {}

void PropertyPage::setMessage(std::string message, std::int32_t severity) {
    message_ = std::move(message);
    severity_ = severity;
}

const std::shared_ptr<PageGroup>& PropertyPage::addGroup(std::int32_t id, std::string caption,
                                                         std::int32_t options) {
    groups_.push_back(std::make_shared<PageGroup>(id, std::move(caption), options));
    return groups_.back();
}

void PropertyPage::markShown(const std::shared_ptr<Document>& document) {
    if (closed_) {
        throw com::ComError(com::E_UNEXPECTED, "Show: page \"" + title_ + "\" is closed already");
    }
    document_ = document;
    shown_ = true;
}

PageControl* PropertyPage::findControl(
    std::int32_t id, const std::function<bool(const PageControl&)>& accepts) const {
    for (const auto& group : groups_) {
        for (const auto& control : group->controls()) {
            if (control->info().id == id && accepts(*control)) {
                return control.get();
            }
        }
    }
    return nullptr;
}

PageControl* PropertyPage::findControl(std::int32_t id,
                                       std::initializer_list<std::int32_t> types) const {
    return findControl(id, [&](const PageControl& control) {
        return std::find(types.begin(), types.end(), control.info().type) != types.end();
    });
}

template <class Kind>
Kind& PropertyPage::control(std::int32_t id, std::string_view what) const {
    PageControl* found = findControl(
        id, [](const PageControl& control) { return dynamic_cast<const Kind*>(&control); });
    if (found == nullptr) {
        throw com::ComError(com::E_INVALIDARG, "page \"" + title_ + "\" has no " +
                                                   std::string(what) + " with id " +
                                                   std::to_string(id));
    }
    return static_cast<Kind&>(*found);
}

void PropertyPage::checkOpen(std::string_view action) const {
    if (!shown_ || closed_ || !events_) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(action) + ": page \"" + title_ + "\" is not open");
    }
}

void PropertyPage::pressButton(std::int32_t id) {
    checkOpen("press");
    control<ButtonControl>(id, "button");
    const EventScope scope(*this);
    events_->buttonPressed(id);
}

void PropertyPage::checkOption(std::int32_t id) {
    checkOpen("option");
    auto& option = control<OptionControl>(id, "option button");
    for (const auto& group : groups_) {
        if (group->contains(option)) {
            for (const auto& c : group->controls()) {
                c->optionChecked(option);
            }
        }
    }
    const EventScope scope(*this);
    events_->optionChecked(id);
}

void PropertyPage::setCheckbox(std::int32_t id, bool checked) {
    checkOpen("set");
    control<CheckboxControl>(id, "check box").check(checked);
    const EventScope scope(*this);
    events_->checkboxChecked(id, checked);
}

void PropertyPage::chooseItem(std::int32_t id, std::int32_t index) {
    checkOpen("set");
    control<ComboControl>(id, "combo box").choose(index);
    const EventScope scope(*this);
    events_->selectionChanged(id, index);
}

void PropertyPage::typeText(std::int32_t id, std::string text) {
    checkOpen("set");
    control<TextControl>(id, "text box").type(text);
    const EventScope scope(*this);
    events_->textChanged(id, text);
}

bool PropertyPage::help() {
    checkOpen("help");
    const EventScope scope(*this);
    return events_->help();
}

void PropertyPage::close(std::int32_t reason) {
    checkOpen("close");
    const EventScope scope(*this);
    closed_ = true;
    std::optional<com::ComError> failure;
    try {
        events_->closing(reason);
    } catch (const com::ComError& e) {
        failure = e;
    }
    try {
        events_->closed();
    } catch (const com::ComError& e) {
        if (!failure) {
            failure = e;
        }
    }
    // A closed page sends nothing more: it lets go of the add-in, which may keep the page.
    detachEvents();
    if (failure) {
        throw *failure;
    }
}

}  // namespace quenmoor::cadhost
