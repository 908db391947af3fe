#pragma once

#include <cstdint>
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_table.h"

// A property page of the host and its parts, as the add-in fills and reads them. Like every
// host interface, the typed methods raise ComError on failure, and the same members are
// reachable by name through IDispatch.
namespace quenmoor::host {

using com::ComPtr;
using com::Guid;

class IPropertyManagerPageGroup;

class IPropertyManagerPage2 : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A01}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPage2>& dispatchTable();

    virtual ComPtr<IPropertyManagerPageGroup> AddGroupBox(std::int32_t id, std::string caption,
                                                          std::int32_t options) = 0;
    // Severity 1 is information, 2 a warning, 3 an error.
    virtual bool SetMessage(std::string message, std::int32_t severity) = 0;
    // 0 when the page is shown.
    virtual std::int32_t Show() = 0;

protected:
    ~IPropertyManagerPage2() = default;
};

class IPropertyManagerPageGroup : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A02}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPageGroup>& dispatchTable();

    // The control is one of the control interfaces below, by type: 2 check box, 3 button,
    // 4 option button, 5 text box, 7 combo box.
    virtual ComPtr<com::IDispatch> AddControl(std::int32_t id, std::int32_t controlType,
                                              std::string caption, std::int32_t leftAlign,
                                              std::int32_t options, std::string tip) = 0;

protected:
    ~IPropertyManagerPageGroup() = default;
};

class IPropertyManagerPageCombobox : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A03}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPageCombobox>& dispatchTable();

    // Appends one item: the add-in always passes a single text, never an array.
    virtual void AddItems(std::string item) = 0;
    virtual void Clear() = 0;
    // The 0-based index of the chosen item; -1 when the box is empty.
    virtual std::int16_t CurrentSelection() = 0;
    virtual void SetCurrentSelection(std::int16_t index) = 0;
    virtual std::string ItemText(std::int16_t index) = 0;

protected:
    ~IPropertyManagerPageCombobox() = default;
};

class IPropertyManagerPageTextbox : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A04}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPageTextbox>& dispatchTable();

    virtual std::string Text() = 0;
    virtual void SetText(std::string text) = 0;

protected:
    ~IPropertyManagerPageTextbox() = default;
};

// Check boxes and option buttons.
class IPropertyManagerPageCheckbox : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A05}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPageCheckbox>& dispatchTable();

    virtual bool Checked() = 0;
    virtual void SetChecked(bool checked) = 0;

protected:
    ~IPropertyManagerPageCheckbox() = default;
};

class IPropertyManagerPageOption : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A06}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPageOption>& dispatchTable();

    virtual bool Checked() = 0;
    virtual void SetChecked(bool checked) = 0;

protected:
    ~IPropertyManagerPageOption() = default;
};

class IPropertyManagerPageButton : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{5F4E2C1A-7B3D-4E8F-9A60-1C2D3E4F5A07}");
    using Base = com::IDispatch;
    static const com::DispatchTable<IPropertyManagerPageButton>& dispatchTable();

    virtual std::string Caption() = 0;

protected:
    ~IPropertyManagerPageButton() = default;
};

}  // namespace quenmoor::host
