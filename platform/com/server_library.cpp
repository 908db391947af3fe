#include "platform/com/server_library.h"

#include <dlfcn.h>

#include "platform/com/registry.h"
#include "platform/com/server_module.h"

namespace quenmoor::com {

ServerLibrary::ServerLibrary(std::filesystem::path library) : path_(std::move(library)) {
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) {
        throw ComError(CO_E_DLLNOTFOUND, path_.string() + ": no such file");
    }
    handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* message = ::dlerror();
        throw ComError(CO_E_DLLNOTFOUND,
                       path_.string() + ": cannot load: " +
                           (message != nullptr ? message : "unknown loader error"));
    }
}

ServerLibrary::~ServerLibrary() {
    ::dlclose(handle_);
}

void* ServerLibrary::symbol(const char* name) const {
    void* address = ::dlsym(handle_, name);
    if (address == nullptr) {
        throw ComError(CO_E_ERRORINDLL,
                       path_.string() + ": no " + std::string(name) + " entry point");
    }
    return address;
}

void ServerLibrary::callRegistration(const char* name) const {
    auto function = entryPoint<DllRegisterServerFunction>(name);
    takeErrorInfo();
    const HRESULT hr = function();
    if (failed(hr)) {
        const std::string info = takeErrorInfo();
        throw ComError(hr, path_.string() + ": " + name + " failed with " + hexCode(hr) + ": " +
                               (info.empty() ? describeCode(hr) : info));
    }
}

bool isRegistered(std::string_view progId) {
    return Registry::instance().value(std::string(progId) + "\\CLSID").has_value();
}

}  // namespace quenmoor::com
