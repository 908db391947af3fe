#pragma once

#include <cstdint>
#include <string>

#include "contracts/host/host_application.h"
#include "freecadhost/bridge/python_object.h"
#include "platform/com/com_object.h"

namespace quenmoor::pythonhost {

using com::ComPtr;

// The host application object the add-in is connected with, over the host's Python
// object: menus, pages, the active document and the preferences.
class PythonApplication final
    : public com::ComObject<PythonApplication, com::DualInterface<host::ISldWorks>> {
public:
    explicit PythonApplication(py::object host) : host_(std::move(host)) {}

    bool SetAddinCallbackInfo(std::int64_t module, ComPtr<com::IDispatch> callbacks,
                              std::int32_t cookie) override;
    std::int32_t AddMenu(std::int32_t documentType, std::string menu,
                         std::int32_t position) override;
    std::int32_t AddMenuItem2(std::int32_t documentType, std::int32_t cookie, std::string item,
                              std::int32_t position, std::string callback, std::string enableMethod,
                              std::string hint) override;
    bool RemoveMenu(std::int32_t documentType, std::string menu, std::string callback) override;
    ComPtr<host::IPropertyManagerPage2> CreatePropertyManagerPage(
        std::string title, std::int32_t options, ComPtr<com::IDispatch> handler) override;
    ComPtr<host::IModelDoc2> ActiveDoc() override;
    bool SetUserPreferenceIntegerValue(std::int32_t preference, std::int32_t value) override;
    bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) override;
    std::string GetUserPreferenceStringValue(std::int32_t preference) override;

    // Calls a menu callback by name on the add-in's callback object.
    void callBack(const std::string& name);
    // Lets go of the add-in's callback object, when the add-in is disconnected.
    void releaseCallbacks() { callbacks_.reset(); }

private:
    PythonObject host_;
    ComPtr<com::IDispatch> callbacks_;
};

}  // namespace quenmoor::pythonhost
