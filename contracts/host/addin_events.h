#pragma once

#include <cstdint>
#include <string>

#include "platform/com/dispatch.h"
#include "platform/com/variant.h"

// The interfaces the host calls on an add-in. They keep the contract of a component
// boundary: every method returns an HRESULT, and a failure leaves its description as
// error info, so the host can show it.
namespace quenmoor::host {

using com::Guid;
using com::HRESULT;
using com::VariantBool;

// Connection of an add-in to its host.
class SwAddin : public com::IUnknown {
public:
    static constexpr Guid iid = com::guid("{DA306A0D-EAC5-4406-8610-B1DA805D9270}");
    using Base = com::IUnknown;

    // thisSW is the host application object; the add-in asks it for ISldWorks.
    virtual HRESULT ConnectToSW(com::IDispatch* thisSW, std::int32_t cookie,
                                VariantBool* result) = 0;
    virtual HRESULT DisconnectFromSW(VariantBool* result) = 0;

protected:
    ~SwAddin() = default;
};

// Events of a property page, sent to the handler named when the page was created.
class PropertyManagerPage2Handler : public com::IUnknown {
public:
    static constexpr Guid iid = com::guid("{229FF820-0DD2-11D5-AF1E-00C04F603FAF}");
    using Base = com::IUnknown;

    virtual HRESULT OnClose(std::int32_t reason) = 0;
    virtual HRESULT AfterClose() = 0;
    virtual HRESULT OnHelp(VariantBool* result) = 0;
    virtual HRESULT OnGroupExpand(std::int32_t id, VariantBool expanded) = 0;
    virtual HRESULT OnGroupCheck(std::int32_t id, VariantBool checked) = 0;
    virtual HRESULT OnCheckboxCheck(std::int32_t id, VariantBool checked) = 0;
    virtual HRESULT OnOptionCheck(std::int32_t id) = 0;
    virtual HRESULT OnButtonPress(std::int32_t id) = 0;
    virtual HRESULT OnTextboxChanged(std::int32_t id, const std::string& text) = 0;
    virtual HRESULT OnNumberboxChanged(std::int32_t id, double value) = 0;
    virtual HRESULT OnComboboxSelectionChanged(std::int32_t id, std::int32_t item) = 0;
    virtual HRESULT OnListboxSelectionChanged(std::int32_t id, std::int32_t item) = 0;
    virtual HRESULT OnSelectionboxFocusChanged(std::int32_t id) = 0;
    virtual HRESULT OnSelectionboxListChanged(std::int32_t id, std::int32_t count) = 0;

protected:
    ~PropertyManagerPage2Handler() = default;
};

}  // namespace quenmoor::host
