#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace quenmoor::host {

// The components an installation ships beside its host (cadhost's folder, FreeCAD's
// workbench): the spreadsheet engine first, since the add-in opens its workbooks through
// it, then the add-in every host loads.
struct InstalledComponent {
    std::string_view library;
    std::string_view progId;
    bool addin;  // the one a host creates and connects
};

inline constexpr InstalledComponent InstalledComponents[] = {
    {"workbook.so", "Excel.Global", false},
    {"quenmoortools.so", "Quenmoor_Systems.Application", true},
};

inline constexpr std::string_view InstalledAddinProgId = InstalledComponents[1].progId;

enum class Registration {
    // At a user's start: a component whose ProgID the registry knows is left as it is,
    // whatever library it names, so an administrator's regsvr, or another build, wins.
    MissingOnly,
    // At an installation: every component of the folder is registered from there.
    Every,
};

struct RegisteredComponent {
    const InstalledComponent* component;
    std::filesystem::path library;  // as registered, symbolic links resolved
};

// Registers the components `folder` holds, each through its own DllRegisterServer as
// regsvr does; returns those it registered, none when the folder holds no components (a
// host run from its build folder). Throws ComError naming the library when one cannot be
// loaded or its registration fails.
std::vector<RegisteredComponent> registerInstalledComponents(const std::filesystem::path& folder,
                                                             Registration registration);

}  // namespace quenmoor::host
