#include "freecadhost/bridge/page_objects.h"

#include <pybind11/stl.h>

#include "contracts/host/host_codes.h"

namespace quenmoor::pythonhost {

namespace {

// The combo boxes holding items not yet handed to the host; one thread reaches them.
std::vector<ComPtr<PythonCombobox>>& pendingBoxes() {
    static std::vector<ComPtr<PythonCombobox>> boxes;
    return boxes;
}

// Adds the control on the host's side and returns its late-bound object.
template <class W>
ComPtr<com::IDispatch> addControl(const PythonObject& group, std::int32_t id,
                                  std::int32_t controlType, const std::string& caption,
                                  std::int32_t leftAlign, std::int32_t options,
                                  const std::string& tip) {
    ComPtr<W> object = group.make<W>("AddControl", "add_control", id, controlType, caption,
                                     leftAlign, options, tip);
    if (!object) {
        return {};
    }
    return com::lateBound(*object);
}

}  // namespace

ComPtr<host::IPropertyManagerPageGroup> PythonPage::AddGroupBox(std::int32_t id,
                                                                std::string caption,
                                                                std::int32_t options) {
    return page_.make<PythonGroup>("AddGroupBox", "add_group", id, caption, options);
}

bool PythonPage::SetMessage(std::string message, std::int32_t severity) {
    return page_.call<bool>("SetMessage", "set_message", message, severity);
}

std::int32_t PythonPage::Show() {
    handOverPendingItems();
    return page_.call<std::int32_t>("Show", "show");
}

ComPtr<com::IDispatch> PythonGroup::AddControl(std::int32_t id, std::int32_t controlType,
                                               std::string caption, std::int32_t leftAlign,
                                               std::int32_t options, std::string tip) {
    // The control's interface follows its type; a type the host does not offer is refused
    // before the host is asked.
    switch (controlType) {
        case host::ControlCombobox:
            return addControl<PythonCombobox>(group_, id, controlType, caption, leftAlign, options,
                                              tip);
        case host::ControlTextbox:
            return addControl<PythonTextbox>(group_, id, controlType, caption, leftAlign, options,
                                             tip);
        case host::ControlCheckbox:
            return addControl<PythonCheckable<host::IPropertyManagerPageCheckbox>>(
                group_, id, controlType, caption, leftAlign, options, tip);
        case host::ControlOption:
            return addControl<PythonCheckable<host::IPropertyManagerPageOption>>(
                group_, id, controlType, caption, leftAlign, options, tip);
        case host::ControlButton:
            return addControl<PythonButton>(group_, id, controlType, caption, leftAlign, options,
                                            tip);
        default:
            break;
    }
    throw com::ComError(com::E_INVALIDARG,
                        "AddControl: control type " + std::to_string(controlType) +
                            " is not one this host offers (id " + std::to_string(id) + ")");
}

void PythonCombobox::AddItems(std::string item) {
    if (pending_.empty()) {
        pendingBoxes().emplace_back(this);
    }
    pending_.push_back(std::move(item));
}

void PythonCombobox::handOverItems() {
    if (pending_.empty()) {
        return;
    }
    std::vector<std::string> items = std::move(pending_);
    pending_.clear();
    control_.call("combo.AddItems", "add_items", items);
}

void PythonCombobox::Clear() {
    pending_.clear();
    control_.call("combo.Clear", "clear");
}

std::int16_t PythonCombobox::CurrentSelection() {
    handOverItems();
    return control_.call<std::int16_t>("combo.CurrentSelection", "selection");
}

void PythonCombobox::SetCurrentSelection(std::int16_t index) {
    handOverItems();
    control_.call("combo.SetCurrentSelection", "set_selection", index);
}

std::string PythonCombobox::ItemText(std::int16_t index) {
    handOverItems();
    return control_.call<std::string>("combo.ItemText", "item_text", index);
}

void handOverPendingItems() {
    std::vector<ComPtr<PythonCombobox>> boxes = std::move(pendingBoxes());
    pendingBoxes().clear();
    for (const auto& box : boxes) {
        box->handOverItems();
    }
}

std::string PythonTextbox::Text() {
    return control_.call<std::string>("text.Text", "text");
}

void PythonTextbox::SetText(std::string text) {
    control_.call("text.SetText", "set_text", text);
}

}  // namespace quenmoor::pythonhost
