#pragma once

#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/com/com_error.h"
#include "platform/com/export.h"

namespace quenmoor::com {

// A component library opened to call its own entry points, as a registration tool or a
// host registering what was installed with it does. Failures throw ComError whose text
// names the library and the cause: "<library>: no such file", "<library>: cannot load:
// <loader's reason>", "<library>: no <name> entry point", "<library>: <name> failed with
// 0x<code>: <the library's reason>".
class QUENMOOR_EXPORT ServerLibrary {
public:
    explicit ServerLibrary(std::filesystem::path library);
    ~ServerLibrary();
    ServerLibrary(const ServerLibrary&) = delete;
    ServerLibrary& operator=(const ServerLibrary&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Calls DllRegisterServer or DllUnregisterServer, as `name` says.
    void callRegistration(const char* name) const;

    // dlsym hands out function addresses as object pointers; a copy avoids a cast that ISO
    // C++ only conditionally supports.
    template <class Function>
    Function entryPoint(const char* name) const {
        void* address = symbol(name);
        Function function = nullptr;
        static_assert(sizeof function == sizeof address);
        std::memcpy(&function, &address, sizeof function);
        return function;
    }

private:
    void* symbol(const char* name) const;

    std::filesystem::path path_;
    void* handle_ = nullptr;
};

// Whether the registry names a class under this ProgID.
QUENMOOR_EXPORT bool isRegistered(std::string_view progId);

}  // namespace quenmoor::com
