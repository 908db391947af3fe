#pragma once

#include <filesystem>
#include <string>

namespace quenmoor::cadhost {

class HostModel;

// cadhost's settings, kept for each user in cadhost.conf in the user's own Quenmoor folder
// as `key = value` lines: today the team folder of the add-in's workbooks, which the host
// hands to add-ins as its team-folder preference.
std::filesystem::path settingsFile();

// Puts the saved settings into the model; a missing file sets nothing. Throws ComError
// naming the file when it cannot be read.
void loadSettings(HostModel& model);

// Sets the team folder (empty for none) in the model and saves it for the next start.
// Throws ComError naming the file when it cannot be written; the model keeps the new value.
void saveTeamFolder(HostModel& model, const std::string& folder);

}  // namespace quenmoor::cadhost
