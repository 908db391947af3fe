#pragma once

#include <cstdint>
#include <string>

#include "contracts/host/document.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_table.h"

namespace quenmoor::host {

// ProgIDs under which the running host application object is found.
inline constexpr std::string_view HostProgId = "SldWorks.Application";
inline constexpr std::string_view HostClassName = "Sldworks.application";

// The host application as the add-in sees it.
class ISldWorks : public com::IDispatch {
public:
    static constexpr Guid iid = com::guid("{83A33D22-27C5-11CE-BFD4-00400513BB57}");
    using Base = com::IDispatch;
    static const com::DispatchTable<ISldWorks>& dispatchTable();

    // Menu callbacks named by an add-in are then called by name on `callbacks`.
    virtual bool SetAddinCallbackInfo(std::int64_t module, ComPtr<com::IDispatch> callbacks,
                                      std::int32_t cookie) = 0;
    virtual std::int32_t AddMenu(std::int32_t documentType, std::string menu,
                                 std::int32_t position) = 0;
    // item is "<caption>@<menu title>"; callback names a method of the callback object.
    virtual std::int32_t AddMenuItem2(std::int32_t documentType, std::int32_t cookie,
                                      std::string item, std::int32_t position, std::string callback,
                                      std::string enableMethod, std::string hint) = 0;
    virtual bool RemoveMenu(std::int32_t documentType, std::string menu, std::string callback) = 0;

    // handler offers PropertyManagerPage2Handler.
    virtual ComPtr<IPropertyManagerPage2> CreatePropertyManagerPage(
        std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) = 0;

    // Empty when no document is open.
    virtual ComPtr<IModelDoc2> ActiveDoc() = 0;

    virtual bool SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) = 0;
    virtual bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) = 0;
    // Empty for a preference the host does not hold.
    virtual std::string GetUserPreferenceStringValue(std::int32_t preference) = 0;

protected:
    ~ISldWorks() = default;
};

}  // namespace quenmoor::host
