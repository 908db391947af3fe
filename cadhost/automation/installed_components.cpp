#include "cadhost/automation/installed_components.h"

#include <dlfcn.h>

#include <cstring>
#include <string_view>

#include "cadhost/automation/addin_manager.h"
#include "platform/com/com_error.h"
#include "platform/com/registry.h"
#include "platform/com/server_module.h"

namespace quenmoor::cadhost {

namespace {

namespace fs = std::filesystem;

struct InstalledComponent {
    std::string_view library;
    std::string_view progId;
    bool startup;  // loaded by the host at start
};

// The spreadsheet engine comes first: the add-in opens its workbooks through it.
constexpr InstalledComponent Components[] = {
    {"workbook.so", "Excel.Global", false},
    {"quenmoortools.so", "Quenmoor_Systems.Application", true},
};

bool registered(std::string_view progId) {
    return com::Registry::instance().value(std::string(progId) + "\\CLSID").has_value();
}

void registerServer(const fs::path& library) {
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* message = ::dlerror();
        throw com::ComError(com::CO_E_DLLNOTFOUND,
                            library.string() + ": cannot load: " +
                                (message != nullptr ? message : "unknown loader error"));
    }
    struct Unload {
        void* handle;
        ~Unload() { ::dlclose(handle); }
    } unload{handle};
    void* address = ::dlsym(handle, "DllRegisterServer");
    if (address == nullptr) {
        throw com::ComError(com::CO_E_ERRORINDLL,
                            library.string() + ": no DllRegisterServer entry point");
    }
    // dlsym hands out function addresses as object pointers.
    com::DllRegisterServerFunction function = nullptr;
    static_assert(sizeof function == sizeof address);
    std::memcpy(&function, &address, sizeof function);
    com::takeErrorInfo();
    const com::HRESULT hr = function();
    if (com::failed(hr)) {
        const std::string info = com::takeErrorInfo();
        throw com::ComError(hr, library.string() + ": DllRegisterServer failed: " +
                                    (info.empty() ? com::describeCode(hr) : info));
    }
}

}  // namespace

std::vector<std::string> registerInstalledComponents(const fs::path& folder) {
    std::vector<std::string> done;
    std::error_code error;
    for (const auto& component : Components) {
        const fs::path library = folder / component.library;
        if (!fs::is_regular_file(library, error) || registered(component.progId)) {
            continue;
        }
        const fs::path resolved = fs::weakly_canonical(library);
        registerServer(resolved);
        if (component.startup) {
            AddinManager::setStartup(component.progId, true);
        }
        done.push_back("registered " + resolved.string() + " in " +
                       com::Registry::instance().path().string());
    }
    return done;
}

}  // namespace quenmoor::cadhost
