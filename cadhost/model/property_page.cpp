#include "cadhost/model/property_page.h"

#include <algorithm>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

// Owns a control through its COM reference: the shared pointer releases it.
template <class Control>
std::shared_ptr<PageControl> makeControl(ControlInfo info, const JournalPtr& journal) {
    ComPtr<Control> control = Control::create(std::move(info), journal);
    Control* raw = control.detach();
    return std::shared_ptr<PageControl>(static_cast<PageControl*>(raw),
                                        [raw](PageControl*) { raw->Release(); });
}

void checkHandler(com::HRESULT hr, std::string_view event) {
    com::check(hr, event);
}

}  // namespace

ComPtr<com::IDispatch> PageGroup::AddControl(std::int32_t id, std::int32_t controlType,
                                             std::string caption, std::int32_t leftAlign,
                                             std::int32_t options, std::string tip) {
    journal_->enter("AddControl", "AddControl " + std::to_string(id_) + " " + std::to_string(id) +
                                      " " + std::to_string(controlType) + " " + quote(caption) +
                                      " " + std::to_string(leftAlign) + " " +
                                      std::to_string(options) + " " + quote(tip));
    ControlInfo info{id, controlType, std::move(caption), leftAlign, options, std::move(tip)};
    std::shared_ptr<PageControl> control;
    switch (controlType) {
        case host::ControlCheckbox:
            control = makeControl<CheckboxControl>(std::move(info), journal_);
            break;
        case host::ControlButton:
            control = makeControl<ButtonControl>(std::move(info), journal_);
            break;
        case host::ControlOption:
            control = makeControl<OptionControl>(std::move(info), journal_);
            break;
        case host::ControlTextbox:
            control = makeControl<TextControl>(std::move(info), journal_);
            break;
        case host::ControlCombobox:
            control = makeControl<ComboControl>(std::move(info), journal_);
            break;
        default:
            throw com::ComError(com::E_INVALIDARG, "AddControl: control " + std::to_string(id) +
                                                       " has type " + std::to_string(controlType) +
                                                       ", which this host does not offer");
    }
    controls_.push_back(control);
    return control->object();
}

PropertyPage::PropertyPage(JournalPtr journal, std::string title, std::int32_t options,
                           ComPtr<host::PropertyManagerPage2Handler> handler, ShowFunction show)
    : journal_(std::move(journal)),
      title_(std::move(title)),
      options_(options),
      handler_(std::move(handler)),
      show_(std::move(show)) {}

ComPtr<host::IPropertyManagerPageGroup> PropertyPage::AddGroupBox(std::int32_t id,
                                                                  std::string caption,
                                                                  std::int32_t options) {
    journal_->enter("AddGroupBox", "AddGroupBox " + quote(title_) + " " + std::to_string(id) + " " +
                                       quote(caption) + " " + std::to_string(options));
    groups_.push_back(PageGroup::create(journal_, id, std::move(caption), options));
    return groups_.back();
}

bool PropertyPage::SetMessage(std::string message, std::int32_t severity) {
    journal_->enter("SetMessage", "SetMessage " + quote(title_) + " " + quote(message) + " " +
                                      std::to_string(severity));
    message_ = std::move(message);
    severity_ = severity;
    return true;
}

std::int32_t PropertyPage::Show() {
    journal_->enter("Show", "Show " + quote(title_));
    if (closed_) {
        throw com::ComError(com::E_UNEXPECTED, "Show: page \"" + title_ + "\" is closed already");
    }
    shown_ = true;
    if (show_) {
        show_(*this);
    }
    return 0;
}

PageControl* PropertyPage::findControl(std::int32_t id,
                                       std::initializer_list<std::int32_t> types) const {
    for (const auto& group : groups_) {
        for (const auto& control : group->controls()) {
            if (control->info().id == id &&
                std::find(types.begin(), types.end(), control->info().type) != types.end()) {
                return control.get();
            }
        }
    }
    return nullptr;
}

PageControl& PropertyPage::control(std::int32_t id, std::initializer_list<std::int32_t> types,
                                   std::string_view what) const {
    PageControl* found = findControl(id, types);
    if (found == nullptr) {
        throw com::ComError(com::E_INVALIDARG, "page \"" + title_ + "\" has no " +
                                                   std::string(what) + " with id " +
                                                   std::to_string(id));
    }
    return *found;
}

void PropertyPage::checkOpen(std::string_view action) const {
    if (!shown_ || closed_ || !handler_) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(action) + ": page \"" + title_ + "\" is not open");
    }
}

void PropertyPage::pressButton(std::int32_t id) {
    checkOpen("press");
    control(id, {host::ControlButton}, "button");
    checkHandler(handler_->OnButtonPress(id), "OnButtonPress");
}

void PropertyPage::checkOption(std::int32_t id) {
    checkOpen("option");
    auto& option = static_cast<OptionControl&>(control(id, {host::ControlOption}, "option button"));
    // Option buttons of one group exclude each other.
    for (const auto& group : groups_) {
        const auto& controls = group->controls();
        bool inGroup = std::any_of(controls.begin(), controls.end(),
                                   [&](const auto& c) { return c.get() == &option; });
        if (inGroup) {
            for (const auto& c : controls) {
                if (c->info().type == host::ControlOption) {
                    static_cast<OptionControl&>(*c).check(c.get() == &option);
                }
            }
        }
    }
    checkHandler(handler_->OnOptionCheck(id), "OnOptionCheck");
}

void PropertyPage::setCheckbox(std::int32_t id, bool checked) {
    checkOpen("set");
    static_cast<CheckboxControl&>(control(id, {host::ControlCheckbox}, "check box")).check(checked);
    checkHandler(handler_->OnCheckboxCheck(id, checked ? com::VariantTrue : com::VariantFalse),
                 "OnCheckboxCheck");
}

void PropertyPage::chooseItem(std::int32_t id, std::int32_t index) {
    checkOpen("set");
    static_cast<ComboControl&>(control(id, {host::ControlCombobox}, "combo box")).choose(index);
    checkHandler(handler_->OnComboboxSelectionChanged(id, index), "OnComboboxSelectionChanged");
}

void PropertyPage::typeText(std::int32_t id, std::string text) {
    checkOpen("set");
    auto& box = static_cast<TextControl&>(control(id, {host::ControlTextbox}, "text box"));
    box.type(text);
    checkHandler(handler_->OnTextboxChanged(id, text), "OnTextboxChanged");
}

bool PropertyPage::help() {
    checkOpen("help");
    com::VariantBool result = com::VariantFalse;
    checkHandler(handler_->OnHelp(&result), "OnHelp");
    return result != 0;
}

void PropertyPage::close(std::int32_t reason) {
    checkOpen("close");
    closed_ = true;
    com::HRESULT onClose = handler_->OnClose(reason);
    std::string failure = com::failed(onClose) ? com::takeErrorInfo() : std::string();
    com::HRESULT afterClose = handler_->AfterClose();
    // A closed page sends nothing more: it lets go of the add-in, which may keep the page.
    detachHandler();
    if (com::failed(onClose)) {
        com::takeErrorInfo();
        throw com::ComError(onClose,
                            failure.empty() ? "OnClose: " + com::describeCode(onClose) : failure);
    }
    checkHandler(afterClose, "AfterClose");
}

}  // namespace quenmoor::cadhost
