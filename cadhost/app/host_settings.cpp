#include "cadhost/app/host_settings.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "cadhost/model/host_model.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/files/replacement_file.h"
#include "platform/files/workbook_places.h"

namespace quenmoor::cadhost {

namespace {

constexpr std::string_view TeamFolderKey = "team-folder";

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
    const std::filesystem::path file = settingsFile();
    std::ifstream in(file);
    if (!in) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return;
        }
        throw com::fileError(
            std::system_error(errno, std::generic_category(), file.string() + " cannot be read"));
    }
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos && trimmed(line.substr(0, equals)) == TeamFolderKey) {
            model.setStringPreference(host::PreferenceTeamFolder, trimmed(line.substr(equals + 1)));
        }
    }
}

void saveTeamFolder(HostModel& model, const std::string& folder) {
    model.setStringPreference(host::PreferenceTeamFolder, trimmed(folder));
    const std::filesystem::path file = settingsFile();
    try {
        std::filesystem::create_directories(file.parent_path());
        files::replaceFile(file, std::string(TeamFolderKey) + " = " + trimmed(folder) + "\n");
    } catch (const std::system_error& error) {
        throw com::fileError(error);
    }
}

}  // namespace quenmoor::cadhost
