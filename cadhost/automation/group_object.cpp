#include "cadhost/automation/group_object.h"

#include <utility>

#include "cadhost/automation/button_object.h"
#include "cadhost/automation/checkable_object.h"
#include "cadhost/automation/combo_object.h"
#include "cadhost/automation/text_object.h"
#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

namespace {

using AddFunction = ComPtr<com::IDispatch> (*)(PageGroup&, ControlInfo, const JournalPtr&);

// Adds a control of one kind to the model and gives the add-in its object.
template <class Control, class Object>
ComPtr<com::IDispatch> add(PageGroup& group, ControlInfo info, const JournalPtr& journal) {
    auto control = std::make_shared<Control>(std::move(info));
    group.addControl(control);
    return Object::create(journal, std::move(control));
}

// The kinds of control this host offers, by their number in the contract.
constexpr std::pair<std::int32_t, AddFunction> ControlKinds[] = {
    {host::ControlCheckbox, add<CheckboxControl, CheckboxObject>},
    {host::ControlButton, add<ButtonControl, ButtonObject>},
    {host::ControlOption, add<OptionControl, OptionObject>},
    {host::ControlTextbox, add<TextControl, TextObject>},
    {host::ControlCombobox, add<ComboControl, ComboObject>},
};

}  // namespace

ComPtr<com::IDispatch> GroupObject::AddControl(std::int32_t id, std::int32_t controlType,
                                               std::string caption, std::int32_t leftAlign,
                                               std::int32_t options, std::string tip) {
    journal_->record("AddControl", group_->id(), id, controlType, caption, leftAlign, options, tip);
    for (const auto& [type, addKind] : ControlKinds) {
        if (type == controlType) {
            return addKind(
                *group_, {id, controlType, std::move(caption), leftAlign, options, std::move(tip)},
                journal_);
        }
    }
    throw com::ComError(com::E_INVALIDARG, "AddControl: control " + std::to_string(id) +
                                               " has type " + std::to_string(controlType) +
                                               ", which this host does not offer");
}

}  // namespace quenmoor::cadhost
