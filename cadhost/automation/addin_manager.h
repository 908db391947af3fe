#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cadhost/automation/application_object.h"
#include "contracts/host/addin_connection.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// The add-ins the host has loaded: each is created through the runtime by its ProgID,
// connected with the application object and a cookie of its own, and disconnected and
// released when the host closes.
class AddinManager {
public:
    using Result = host::AddinConnection::Result;

    explicit AddinManager(ComPtr<HostApplication> application);
    ~AddinManager();
    AddinManager(const AddinManager&) = delete;
    AddinManager& operator=(const AddinManager&) = delete;

    // Creates and connects the add-in. Creation failures raise ComError naming the ProgID;
    // a failing connect is returned, and the add-in stays loaded so that disconnecting
    // removes what it did add.
    Result load(std::string_view progId);
    // Disconnects and releases every add-in, in the order they were loaded.
    std::vector<std::pair<std::string, Result>> unloadAll();

    std::vector<std::string> loaded() const;

    // The registry's list of add-ins to load at start:
    // "Software\Quenmoor\cadhost\Addins", one value per ProgID, "1" to load it.
    static std::vector<std::string> startupList();
    static void setStartup(std::string_view progId, bool load);

private:
    ComPtr<HostApplication> application_;
    std::vector<host::AddinConnection> addins_;
    std::int32_t nextCookie_ = 1;
};

}  // namespace quenmoor::cadhost
