#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "cadhost/model/menu_bar.h"
#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"
#include "quenmoortools/host/host_application.h"

namespace quenmoor::cadhost {

using com::ComPtr;

inline constexpr com::Guid HostApplicationClass =
    com::guid("{4A1B7C30-9D2E-4F65-8B1A-52C7E0D39F14}");

// The host's application object: what every add-in is connected with and calls. It keeps
// the add-ins' menus and callback targets, the host options, and a journal of every call
// an add-in made on it, in order.
class HostApplication final
    : public com::ComObject<HostApplication, com::DualInterface<host::ISldWorks>> {
public:
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

    const MenuBar& menuBar() const { return menus_; }
    const std::vector<std::string>& journal() const { return journal_; }
    const std::map<std::int32_t, std::int32_t>& integerPreferences() const {
        return integerPreferences_;
    }
    const std::map<std::int32_t, double>& doublePreferences() const { return doublePreferences_; }

    // The document type whose menus the user sees; 0 when no document is open.
    std::int32_t activeDocumentType() const { return activeDocumentType_; }
    void setActiveDocumentType(std::int32_t documentType) { activeDocumentType_ = documentType; }

    // Calls the method behind a menu item of the active document type, as a pick of that
    // item does. Throws ComError naming the caption when there is no such item, and
    // returns the add-in's failure, with its description, as a ComError too.
    void pickMenuItem(std::string_view caption);

    // Makes the n-th next call (1 = the very next) of the named host method fail, so that
    // a script can show how an add-in copes with a host that refuses a call.
    void failCall(std::string method, int nth);

    // Forgets the callback targets, so that add-ins can be released when the host closes.
    void releaseCallbacks() { callbacks_.clear(); }

private:
    friend class com::ComObject<HostApplication, com::DualInterface<host::ISldWorks>>;
    HostApplication() = default;

    // Records the call and raises the failure injected for it, if any.
    void enter(std::string_view method, std::string record);

    MenuBar menus_;
    std::map<std::int32_t, ComPtr<com::IDispatch>> callbacks_;
    std::map<std::int32_t, std::int32_t> integerPreferences_;
    std::map<std::int32_t, double> doublePreferences_;
    std::vector<std::string> journal_;
    std::map<std::string, int> injectedFailures_;
    std::int32_t activeDocumentType_ = 0;
};

// A text in double quotes, as scripts and the journal write it.
std::string quoted(std::string_view text);

}  // namespace quenmoor::cadhost
