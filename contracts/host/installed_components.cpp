#include "contracts/host/installed_components.h"

#include "platform/com/server_library.h"

namespace quenmoor::host {

namespace fs = std::filesystem;

std::vector<RegisteredComponent> registerInstalledComponents(const fs::path& folder,
                                                             Registration registration) {
    std::vector<RegisteredComponent> registered;
    std::error_code error;
    for (const InstalledComponent& component : InstalledComponents) {
        const fs::path library = folder / component.library;
        if (!fs::is_regular_file(library, error) ||
            (registration == Registration::MissingOnly && com::isRegistered(component.progId))) {
            continue;
        }
        fs::path resolved = fs::weakly_canonical(library);
        com::ServerLibrary(resolved).callRegistration("DllRegisterServer");
        registered.push_back({&component, std::move(resolved)});
    }
    return registered;
}

}  // namespace quenmoor::host
