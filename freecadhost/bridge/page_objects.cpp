#include "freecadhost/bridge/page_objects.h"

#include "contracts/host/host_codes.h"

namespace quenmoor::freecadhost {

namespace {

template <class W>
ComPtr<com::IDispatch> dispatchOf(py::object control) {
    ComPtr<W> object = wrapObject<W>(std::move(control));
    if (!object) {
        return {};
    }
    return com::lateBound(*object);
}

}  // namespace

ComPtr<host::IPropertyManagerPageGroup> FreeCadPage::AddGroupBox(std::int32_t id,
                                                                 std::string caption,
                                                                 std::int32_t options) {
    return wrapObject<FreeCadGroup>(page_.call<py::object>("add_group", id, caption, options));
}

bool FreeCadPage::SetMessage(std::string message, std::int32_t severity) {
    return page_.call<bool>("set_message", message, severity);
}

std::int32_t FreeCadPage::Show() {
    return page_.call<std::int32_t>("show");
}

ComPtr<com::IDispatch> FreeCadGroup::AddControl(std::int32_t id, std::int32_t controlType,
                                                std::string caption, std::int32_t leftAlign,
                                                std::int32_t options, std::string tip) {
    py::object control =
        group_.call<py::object>("add_control", id, controlType, caption, leftAlign, options, tip);
    switch (controlType) {
        case host::ControlCombobox:
            return dispatchOf<FreeCadCombobox>(std::move(control));
        case host::ControlTextbox:
            return dispatchOf<FreeCadTextbox>(std::move(control));
        case host::ControlCheckbox:
            return dispatchOf<FreeCadCheckable<host::IPropertyManagerPageCheckbox>>(
                std::move(control));
        case host::ControlOption:
            return dispatchOf<FreeCadCheckable<host::IPropertyManagerPageOption>>(
                std::move(control));
        case host::ControlButton:
            return dispatchOf<FreeCadButton>(std::move(control));
        default:
            break;
    }
    {
        py::gil_scoped_acquire lock;
        control = py::object();
    }
    throw com::ComError(com::E_INVALIDARG,
                        "AddControl: control type " + std::to_string(controlType) +
                            " is not one this host offers (id " + std::to_string(id) + ")");
}

void FreeCadCombobox::AddItems(std::string item) {
    control_.call("add_item", item);
}

void FreeCadCombobox::Clear() {
    control_.call("clear");
}

std::int16_t FreeCadCombobox::CurrentSelection() {
    return control_.call<std::int16_t>("selection");
}

void FreeCadCombobox::SetCurrentSelection(std::int16_t index) {
    control_.call("set_selection", index);
}

std::string FreeCadCombobox::ItemText(std::int16_t index) {
    return control_.call<std::string>("item_text", index);
}

std::string FreeCadTextbox::Text() {
    return control_.call<std::string>("text");
}

void FreeCadTextbox::SetText(std::string text) {
    control_.call("set_text", text);
}

}  // namespace quenmoor::freecadhost
