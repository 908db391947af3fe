#pragma once

#include <string>
#include <string_view>

#include "contracts/host/host_application.h"

namespace quenmoor::ui {

// The copy of the workbook `name` that the tools read: the user's own, else the team's,
// else the one beside the library (platform/files/workbook_places.h). The team folder is
// the one QUENMOOR_TEAM_FOLDER names, else the host's preference, else the administrator's.
// Throws ComError naming the file or folder and the reason.
std::string findWorkbook(host::ISldWorks& host, std::string_view name);

}  // namespace quenmoor::ui
