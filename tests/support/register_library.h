#pragma once

#include "platform/com/server_library.h"

namespace quenmoor::testsupport {

// Registers a component library in the test process's registry through its own
// DllRegisterServer, as regsvr does.
inline void registerLibrary(const char* path) {
    com::ServerLibrary(path).callRegistration("DllRegisterServer");
}

}  // namespace quenmoor::testsupport
