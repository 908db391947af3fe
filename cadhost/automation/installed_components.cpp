#include "cadhost/automation/installed_components.h"

#include <string_view>

#include "cadhost/automation/addin_manager.h"
#include "platform/com/registry.h"
#include "platform/com/server_library.h"

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

}  // namespace

std::vector<std::string> registerInstalledComponents(const fs::path& folder) {
    std::vector<std::string> done;
    std::error_code error;
    for (const auto& component : Components) {
        const fs::path library = folder / component.library;
        if (!fs::is_regular_file(library, error) || com::isRegistered(component.progId)) {
            continue;
        }
        const fs::path resolved = fs::weakly_canonical(library);
        com::ServerLibrary(resolved).callRegistration("DllRegisterServer");
        if (component.startup) {
            AddinManager::setStartup(component.progId, true);
        }
        done.push_back("registered " + resolved.string() + " in " +
                       com::Registry::instance().path().string());
    }
    return done;
}

}  // namespace quenmoor::cadhost
