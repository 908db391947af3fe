#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contracts/host/property_page.h"
#include "freecadhost/bridge/python_object.h"
#include "platform/com/com_object.h"

// The host's property page interfaces over the host's Python page objects.
namespace quenmoor::pythonhost {

using com::ComPtr;

class PythonPage final
    : public com::ComObject<PythonPage, com::DualInterface<host::IPropertyManagerPage2>> {
public:
    explicit PythonPage(py::object page) : page_(std::move(page)) {}

    ComPtr<host::IPropertyManagerPageGroup> AddGroupBox(std::int32_t id, std::string caption,
                                                        std::int32_t options) override;
    bool SetMessage(std::string message, std::int32_t severity) override;
    std::int32_t Show() override;

private:
    PythonObject page_;
};

class PythonGroup final
    : public com::ComObject<PythonGroup, com::DualInterface<host::IPropertyManagerPageGroup>> {
public:
    explicit PythonGroup(py::object group) : group_(std::move(group)) {}

    // The control's interface follows its type; a type this host does not offer is
    // refused before the Python side is asked.
    ComPtr<com::IDispatch> AddControl(std::int32_t id, std::int32_t controlType,
                                      std::string caption, std::int32_t leftAlign,
                                      std::int32_t options, std::string tip) override;

private:
    PythonObject group_;
};

// A combo box gathers the items the add-in adds and hands them to the host in one call:
// before anything reads or changes it, before its page is shown, and when the host call in
// which they were added ends. A list of thousands thus costs one call into Python, not one
// per item.
class PythonCombobox final
    : public com::ComObject<PythonCombobox,
                            com::DualInterface<host::IPropertyManagerPageCombobox>> {
public:
    explicit PythonCombobox(py::object control) : control_(std::move(control)) {}

    void AddItems(std::string item) override;
    void Clear() override;
    std::int16_t CurrentSelection() override;
    void SetCurrentSelection(std::int16_t index) override;
    std::string ItemText(std::int16_t index) override;

    // Hands the gathered items to the host.
    void handOverItems();

private:
    PythonObject control_;
    std::vector<std::string> pending_;
};

// Hands the gathered items of every combo box to the host: called when a page is shown
// and when a menu command or a page event ends.
void handOverPendingItems();

class PythonTextbox final
    : public com::ComObject<PythonTextbox, com::DualInterface<host::IPropertyManagerPageTextbox>> {
public:
    explicit PythonTextbox(py::object control) : control_(std::move(control)) {}

    std::string Text() override;
    void SetText(std::string text) override;

private:
    PythonObject control_;
};

// Check boxes and option buttons share their Python side; each has its own interface.
template <class I>
class PythonCheckable final : public com::ComObject<PythonCheckable<I>, com::DualInterface<I>> {
public:
    explicit PythonCheckable(py::object control) : control_(std::move(control)) {}

    bool Checked() override { return control_.call<bool>("checkbox.Checked", "checked"); }
    void SetChecked(bool checked) override {
        control_.call("checkbox.SetChecked", "set_checked", checked);
    }

private:
    PythonObject control_;
};

class PythonButton final
    : public com::ComObject<PythonButton, com::DualInterface<host::IPropertyManagerPageButton>> {
public:
    explicit PythonButton(py::object control) : control_(std::move(control)) {}

    std::string Caption() override {
        return control_.call<std::string>("button.Caption", "caption");
    }

private:
    PythonObject control_;
};

}  // namespace quenmoor::pythonhost
