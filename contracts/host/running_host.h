#pragma once

#include <cstdint>

#include "contracts/host/host_application.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::host {

// The class id under which a running host's application object is registered, whichever
// host runs: an add-in that binds to "SldWorks.Application" gets the one in its process.
inline constexpr com::Guid RunningHostClass = com::guid("{4A1B7C30-9D2E-4F65-8B1A-52C7E0D39F14}");

// Makes a running application object reachable the ways an add-in looks for it: by the
// host's ProgID through the registry and the class table (creating it gives the running
// object, since a host is a single-instance server), and in the running-object table.
// Undone when this object goes.
class RunningHost {
public:
    explicit RunningHost(ComPtr<ISldWorks> application);
    ~RunningHost();
    RunningHost(const RunningHost&) = delete;
    RunningHost& operator=(const RunningHost&) = delete;

private:
    std::uint32_t classCookie_ = 0;
    std::uint32_t runningCookie_ = 0;
};

}  // namespace quenmoor::host
