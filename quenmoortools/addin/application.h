#pragma once

#include <cstdint>
#include <span>

#include "contracts/host/addin_events.h"
#include "contracts/host/host_application.h"
#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"
#include "quenmoortools/addin/application_interface.h"
#include "quenmoortools/addin/tool_table.h"
#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::addin {

using com::ComPtr;
using com::Variant;
using com::VariantBool;

inline constexpr com::Guid ApplicationClass = com::guid("{7F2D3665-BAE7-4FF6-853D-1F88A40F2662}");
inline constexpr std::string_view ApplicationProgId = "Quenmoor_Systems.Application";

// The add-in object the host creates and connects. It is the callback target of every
// menu and the event handler of every property page its tools open; the tools it offers
// and their state are those of the tool table.
//
// The methods named SwAddin_* and PropertyManagerPage2Handler_* do the work and raise
// ComError; the interface methods around them are the boundary that turns a failure into
// the HRESULT the host sees.
class Application final
    : public com::ComObject<Application, com::DualInterface<ApplicationInterface>, host::SwAddin,
                            host::PropertyManagerPage2Handler>,
      public toolkit::AddinState {
public:
    VariantBool SwAddin_ConnectToSW(com::IDispatch* ThisSW, std::int32_t Cookie);
    VariantBool SwAddin_DisconnectFromSW();

    void PropertyManagerPage2Handler_OnClose(std::int32_t Reason);
    void PropertyManagerPage2Handler_AfterClose();
    VariantBool PropertyManagerPage2Handler_OnHelp();
    void PropertyManagerPage2Handler_OnGroupExpand(std::int32_t Id, VariantBool Expanded);
    void PropertyManagerPage2Handler_OnGroupCheck(std::int32_t Id, VariantBool Checked);
    void PropertyManagerPage2Handler_OnCheckboxCheck(std::int32_t Id, VariantBool Checked);
    void PropertyManagerPage2Handler_OnOptionCheck(std::int32_t Id);
    void PropertyManagerPage2Handler_OnButtonPress(std::int32_t Id);
    void PropertyManagerPage2Handler_OnTextboxChanged(std::int32_t Id, const std::string& Text);
    void PropertyManagerPage2Handler_OnNumberboxChanged(std::int32_t Id, double Value);
    void PropertyManagerPage2Handler_OnComboboxSelectionChanged(std::int32_t Id, std::int32_t Item);
    void PropertyManagerPage2Handler_OnListboxSelectionChanged(std::int32_t Id, std::int32_t Item);
    void PropertyManagerPage2Handler_OnSelectionboxFocusChanged(std::int32_t Id);
    void PropertyManagerPage2Handler_OnSelectionboxListChanged(std::int32_t Id, std::int32_t Count);

    // Each tool's page controls, working values and mark.
    template <class Tool>
    Tool& tool() {
        return Tools.get<Tool>();
    }
    ToolTable Tools;

    com::ComPtr<com::IDispatch> pageHandler() override {
        return ComPtr<com::IDispatch>(static_cast<ApplicationInterface*>(this));
    }
    void closeAllWorkbooks();

private:
    friend class com::ComObject<Application, com::DualInterface<ApplicationInterface>,
                                host::SwAddin, host::PropertyManagerPage2Handler>;
    Application() = default;
    ~Application() override = default;

    // SwAddin
    com::HRESULT ConnectToSW(com::IDispatch* thisSW, std::int32_t cookie,
                             VariantBool* result) override;
    com::HRESULT DisconnectFromSW(VariantBool* result) override;

    // PropertyManagerPage2Handler
    com::HRESULT OnClose(std::int32_t reason) override;
    com::HRESULT AfterClose() override;
    com::HRESULT OnHelp(VariantBool* result) override;
    com::HRESULT OnGroupExpand(std::int32_t id, VariantBool expanded) override;
    com::HRESULT OnGroupCheck(std::int32_t id, VariantBool checked) override;
    com::HRESULT OnCheckboxCheck(std::int32_t id, VariantBool checked) override;
    com::HRESULT OnOptionCheck(std::int32_t id) override;
    com::HRESULT OnButtonPress(std::int32_t id) override;
    com::HRESULT OnTextboxChanged(std::int32_t id, const std::string& text) override;
    com::HRESULT OnNumberboxChanged(std::int32_t id, double value) override;
    com::HRESULT OnComboboxSelectionChanged(std::int32_t id, std::int32_t item) override;
    com::HRESULT OnListboxSelectionChanged(std::int32_t id, std::int32_t item) override;
    com::HRESULT OnSelectionboxFocusChanged(std::int32_t id) override;
    com::HRESULT OnSelectionboxListChanged(std::int32_t id, std::int32_t count) override;
};

}  // namespace quenmoor::addin
