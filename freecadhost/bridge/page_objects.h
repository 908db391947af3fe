#pragma once

#include <cstdint>
#include <string>

#include "contracts/host/property_page.h"
#include "freecadhost/bridge/python_object.h"
#include "platform/com/com_object.h"

// The host's property page interfaces over the FreeCAD side's task panel objects.
namespace quenmoor::freecadhost {

using com::ComPtr;

class FreeCadPage final
    : public com::ComObject<FreeCadPage, com::DualInterface<host::IPropertyManagerPage2>> {
public:
    explicit FreeCadPage(py::object page) : page_(std::move(page)) {}

    ComPtr<host::IPropertyManagerPageGroup> AddGroupBox(std::int32_t id, std::string caption,
                                                        std::int32_t options) override;
    bool SetMessage(std::string message, std::int32_t severity) override;
    std::int32_t Show() override;

private:
    PythonObject page_;
};

class FreeCadGroup final
    : public com::ComObject<FreeCadGroup, com::DualInterface<host::IPropertyManagerPageGroup>> {
public:
    explicit FreeCadGroup(py::object group) : group_(std::move(group)) {}

    // The control's interface follows its type; the FreeCAD side refuses a type it does
    // not know.
    ComPtr<com::IDispatch> AddControl(std::int32_t id, std::int32_t controlType,
                                      std::string caption, std::int32_t leftAlign,
                                      std::int32_t options, std::string tip) override;

private:
    PythonObject group_;
};

class FreeCadCombobox final
    : public com::ComObject<FreeCadCombobox,
                            com::DualInterface<host::IPropertyManagerPageCombobox>> {
public:
    explicit FreeCadCombobox(py::object control) : control_(std::move(control)) {}

    void AddItems(std::string item) override;
    void Clear() override;
    std::int16_t CurrentSelection() override;
    void SetCurrentSelection(std::int16_t index) override;
    std::string ItemText(std::int16_t index) override;

private:
    PythonObject control_;
};

class FreeCadTextbox final
    : public com::ComObject<FreeCadTextbox, com::DualInterface<host::IPropertyManagerPageTextbox>> {
public:
    explicit FreeCadTextbox(py::object control) : control_(std::move(control)) {}

    std::string Text() override;
    void SetText(std::string text) override;

private:
    PythonObject control_;
};

// Check boxes and option buttons share their Python side; each has its own interface.
template <class I>
class FreeCadCheckable final : public com::ComObject<FreeCadCheckable<I>, com::DualInterface<I>> {
public:
    explicit FreeCadCheckable(py::object control) : control_(std::move(control)) {}

    bool Checked() override { return control_.call<bool>("checked"); }
    void SetChecked(bool checked) override { control_.call("set_checked", checked); }

private:
    PythonObject control_;
};

class FreeCadButton final
    : public com::ComObject<FreeCadButton, com::DualInterface<host::IPropertyManagerPageButton>> {
public:
    explicit FreeCadButton(py::object control) : control_(std::move(control)) {}

    std::string Caption() override { return control_.call<std::string>("caption"); }

private:
    PythonObject control_;
};

}  // namespace quenmoor::freecadhost
