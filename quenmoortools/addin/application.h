#pragma once

#include <cstdint>
#include <span>

#include "contracts/host/addin_events.h"
#include "contracts/host/host_application.h"
#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"
#include "quenmoortools/addin/application_interface.h"
#include "quenmoortools/density/material_density.h"
#include "quenmoortools/dimensions/dimension_numbering.h"
#include "quenmoortools/package/export_page.h"
#include "quenmoortools/properties/custom_properties_page.h"
#include "quenmoortools/toolkit/int16_counter.h"
#include "quenmoortools/units/unit_converter_page.h"

namespace quenmoor::addin {

using com::ComPtr;
using com::Variant;
using com::VariantBool;

inline constexpr com::Guid ApplicationClass = com::guid("{7F2D3665-BAE7-4FF6-853D-1F88A40F2662}");
inline constexpr std::string_view ApplicationProgId = "Quenmoor_Systems.Application";

// The add-in object the host creates and connects. It is its own menu callback target and
// the event handler of every property page its tools open.
//
// The methods named SwAddin_* and PropertyManagerPage2Handler_* do the work and raise
// ComError; the interface methods around them are the boundary that turns a failure into
// the HRESULT the host sees.
class Application final
    : public com::ComObject<Application, com::DualInterface<ApplicationInterface>, host::SwAddin,
                            host::PropertyManagerPage2Handler> {
public:
    // ApplicationInterface, registered as _Application
    void MaterialDensity() override;
    void tebrincallback() override;
    void numdims() override;
    void help() override;
    void Appearance() override;
    void pack() override;
    void about() override;
    void conversion() override;
    Variant NumberDims() override;
    Variant packagefile() override;
    Variant applydensity() override;

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

    // State shared between a page's build and its completion, in declaration order.
    ComPtr<host::ISldWorks> HostApp;
    std::int32_t AddinCookie = 0;
    ComPtr<host::IPropertyManagerPage2> CurrentPage;
    VariantBool PropertiesMark = com::VariantFalse;
    VariantBool NumberingMark = com::VariantFalse;
    VariantBool ExportMark = com::VariantFalse;
    VariantBool DensityMark = com::VariantFalse;

    // Each tool's page controls and working values.
    units::UnitConverterPage Converter;
    dimensions::NumberingPage Numbering;
    density::DensityPage Density;
    properties::CustomPropertiesPage Properties;
    package::ExportPage Export;
    // The row and loop counter the tools share.
    toolkit::Int16Counter RowCounter;

    // The one spreadsheet application of the add-in: created on first use, kept for the
    // object's life, never shown and never told to quit.
    spreadsheet::Global& spreadsheet();
    void closeAllWorkbooks();

    // Sets a tool's mark for the page it is about to build and clears it again if the
    // build fails, so no mark outlives its page.
    class MarkedPageBuild {
    public:
        MarkedPageBuild(Application& application, VariantBool& mark);
        ~MarkedPageBuild();
        // The page is shown: the mark stays until the page closes.
        void shown() { shown_ = true; }
        MarkedPageBuild(const MarkedPageBuild&) = delete;
        MarkedPageBuild& operator=(const MarkedPageBuild&) = delete;

    private:
        Application& application_;
        VariantBool& mark_;
        bool shown_ = false;
    };

private:
    // What OK runs for a page whose mark is set; the routing tries them in table order.
    struct Completion {
        VariantBool Application::*mark;
        void (*run)(Application& application, const ComPtr<host::IModelDoc2>& document);
    };
    static std::span<const Completion> completions();

    // Runs the completion of a marked page accepted with OK; the mark is cleared whether
    // the completion succeeds or fails.
    void complete(const Completion& completion, const ComPtr<host::IModelDoc2>& document);
    // A page closed otherwise than with OK takes its mark with it; a mark set by a page
    // that is being built at this moment belongs to that page and stays.
    void clearMarksOfClosedPage();
    // The custom-properties write-back on the document of an accepted close.
    void writeBackCustomProperties(const ComPtr<host::IModelDoc2>& document);
    ComPtr<com::IDispatch> self() {
        return ComPtr<com::IDispatch>(static_cast<ApplicationInterface*>(this));
    }

    ComPtr<spreadsheet::Global> SpreadsheetApplication;
    VariantBool* markInBuild_ = nullptr;

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
