#include "cadhost/app/host_settings.h"

#include <system_error>

#include "cadhost/model/host_model.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/files/replacement_file.h"
#include "platform/files/workbook_places.h"

namespace quenmoor::cadhost {

namespace {

constexpr std::string_view TeamFolderKey = "team-folder";

// The folder as typed, without the blanks around it, which the settings file drops too.
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

std::filesystem::path settingsFile() {
    try {
        return files::userFolder() / "cadhost.conf";
    } catch (const std::system_error& error) {
        throw com::fileError(error);
    }
}

void loadSettings(HostModel& model) {
    try {
        if (auto folder = files::settingIn(settingsFile(), TeamFolderKey)) {
            model.setStringPreference(host::PreferenceTeamFolder, *folder);
        }
    } catch (const std::system_error& error) {
        throw com::fileError(error);
    }
}

void saveTeamFolder(HostModel& model, const std::string& folder) {
    const std::string value = trimmed(folder);
    model.setStringPreference(host::PreferenceTeamFolder, value);
    const std::filesystem::path file = settingsFile();
    try {
        std::filesystem::create_directories(file.parent_path());
        files::replaceFile(file, std::string(TeamFolderKey) + " = " + value + "\n");
    } catch (const std::system_error& error) {
        throw com::fileError(error);
    }
}

}  // namespace quenmoor::cadhost
