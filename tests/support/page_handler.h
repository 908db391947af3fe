#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "contracts/host/addin_events.h"
#include "platform/com/com_object.h"
#include "platform/com/variant.h"

namespace quenmoor::testsupport {

// A page handler for tests of one tool's page: every event does nothing, as most do in the
// add-in, and a test overrides the few its tool answers. It offers IDispatch, since the host
// takes the handler as the object an add-in passes for itself.
template <class Derived>
class PageHandler
    : public com::ComObject<Derived, com::IDispatch, host::PropertyManagerPage2Handler> {
public:
    using HRESULT = com::HRESULT;

    HRESULT OnClose(std::int32_t) override { return com::S_OK; }
    HRESULT AfterClose() override { return com::S_OK; }
    HRESULT OnHelp(com::VariantBool* result) override {
        *result = com::VariantFalse;
        return com::S_OK;
    }
    HRESULT OnGroupExpand(std::int32_t, com::VariantBool) override { return com::S_OK; }
    HRESULT OnGroupCheck(std::int32_t, com::VariantBool) override { return com::S_OK; }
    HRESULT OnCheckboxCheck(std::int32_t, com::VariantBool) override { return com::S_OK; }
    HRESULT OnOptionCheck(std::int32_t) override { return com::S_OK; }
    HRESULT OnButtonPress(std::int32_t) override { return com::S_OK; }
    HRESULT OnTextboxChanged(std::int32_t, const std::string&) override { return com::S_OK; }
    HRESULT OnNumberboxChanged(std::int32_t, double) override { return com::S_OK; }
    HRESULT OnComboboxSelectionChanged(std::int32_t, std::int32_t) override { return com::S_OK; }
    HRESULT OnListboxSelectionChanged(std::int32_t, std::int32_t) override { return com::S_OK; }
    HRESULT OnSelectionboxFocusChanged(std::int32_t) override { return com::S_OK; }
    HRESULT OnSelectionboxListChanged(std::int32_t, std::int32_t) override { return com::S_OK; }
    HRESULT GetIDsOfNames(std::string_view, com::DispId*) override {
        return com::DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(com::DispId, std::uint16_t, std::span<com::Variant>, com::Variant*) override {
        return com::DISP_E_MEMBERNOTFOUND;
    }
    const com::ITypeInfo* GetTypeInfo() override { return nullptr; }
};

}  // namespace quenmoor::testsupport
