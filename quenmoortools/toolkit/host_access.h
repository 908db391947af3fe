#pragma once

#include "contracts/host/host_application.h"
#include "platform/com/activation.h"

// The ways a tool reaches the host besides the HostApp it was connected with. The host
// registers itself in the running-object table and under its ProgID; which way a tool
// takes decides which host call can fail first, so each tool keeps its own.
namespace quenmoor::toolkit {

// The running host, found in the running-object table by its class name.
inline com::ComPtr<host::ISldWorks> runningHost() {
    return com::getRunningObject<host::ISldWorks>(host::HostClassName);
}

// The host bound by its ProgID, as a script binds to it: a new reference to the
// application object of the running host.
inline com::ComPtr<host::ISldWorks> hostByProgId() {
    return com::createInstance<host::ISldWorks>(com::CLSIDFromProgID(host::HostProgId));
}

}  // namespace quenmoor::toolkit
