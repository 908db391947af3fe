#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/com/com_error.h"
#include "platform/com/server_module.h"

namespace quenmoor::testsupport {

// Registers a component library in the test process's registry through its own
// DllRegisterServer, as regsvr does.
inline void registerLibrary(const char* path) {
    void* library = ::dlopen(path, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    auto registerServer =
        reinterpret_cast<com::DllRegisterServerFunction>(::dlsym(library, "DllRegisterServer"));
    ASSERT_NE(registerServer, nullptr) << path;
    ASSERT_EQ(registerServer(), com::S_OK) << com::takeErrorInfo();
    ::dlclose(library);
}

}  // namespace quenmoor::testsupport
