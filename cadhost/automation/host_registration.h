#pragma once

#include <cstdint>

#include "cadhost/automation/host_application.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// Makes the running application object reachable the ways an add-in looks for it: by its
// ProgID through the registry and the class table (creating "SldWorks.Application" gives
// the running host, since the host is a single-instance server), and in the running-object
// table. Undone when this object goes.
class HostRegistration {
public:
    explicit HostRegistration(ComPtr<HostApplication> application);
    ~HostRegistration();
    HostRegistration(const HostRegistration&) = delete;
    HostRegistration& operator=(const HostRegistration&) = delete;

private:
    std::uint32_t classCookie_ = 0;
    std::uint32_t runningCookie_ = 0;
};

}  // namespace quenmoor::cadhost
