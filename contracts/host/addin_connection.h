#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "contracts/host/addin_events.h"
#include "contracts/host/host_application.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::host {

// One add-in as every host loads it: created through the registry and the runtime by its
// ProgID, connected with the host's application object and a cookie, then disconnected
// and released. A library stays loaded while any of its objects lives (an add-in's
// windows, and the callback target and page handlers the host was given, among them).
class AddinConnection {
public:
    // What the add-in answered to ConnectToSW or DisconnectFromSW.
    struct Result {
        com::HRESULT code = com::S_OK;
        std::string description;  // the add-in's error text; empty on success
        com::VariantBool returned = com::VariantFalse;

        bool succeeded() const { return !com::failed(code); }
        // The add-in's text, else one that names the ProgID, the call and the code.
        std::string failure(std::string_view progId, std::string_view call) const;
    };

    // Creates the add-in; throws ComError naming the ProgID when it cannot be created.
    AddinConnection(std::string progId, std::int32_t cookie);
    ~AddinConnection();
    AddinConnection(AddinConnection&&) noexcept = default;
    AddinConnection& operator=(AddinConnection&&) noexcept = default;

    const std::string& progId() const { return progId_; }
    std::int32_t cookie() const { return cookie_; }

    // A failing connect is returned, not thrown: the add-in stays, so that disconnecting
    // removes what it did add before it failed.
    Result connect(ISldWorks& application);
    // Disconnects and releases the add-in. Throws ComError when it was released already.
    Result disconnect();
    bool loaded() const { return static_cast<bool>(addin_); }

    // Unloads the libraries none of whose objects live any more: called once the host has
    // let go of what its add-ins gave it.
    static void unloadUnused();

private:
    std::string progId_;
    std::int32_t cookie_;
    com::ComPtr<SwAddin> addin_;
};

}  // namespace quenmoor::host
