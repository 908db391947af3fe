#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quenmoor::cadhost {

// The components an installation of cadhost ships beside it (the add-in and the spreadsheet
// engine it drives), registered at a user's first start so that a new user needs no regsvr
// step. A component whose ProgID the registry knows already is left as it is, whatever
// library it names: an administrator's regsvr, or another build, wins. The add-in goes on
// the startup list when it is registered here, so the host loads it from then on.
//
// Returns one line per library registered ("registered PATH in REGISTRY"); nothing when
// `folder` holds no components (cadhost run from its build folder). Throws ComError naming
// the library when one cannot be loaded or its DllRegisterServer fails.
std::vector<std::string> registerInstalledComponents(const std::filesystem::path& folder);

}  // namespace quenmoor::cadhost
