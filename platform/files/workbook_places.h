#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Which copy of a workbook the tools read, and where a changed one is saved. Each workbook
// is looked up on its own, in this order, and the first folder that holds it wins:
//
//   1. the user's own folder, $XDG_CONFIG_HOME/quenmoor (else ~/.config/quenmoor);
//   2. the team's folder, when one is set: by QUENMOOR_TEAM_FOLDER (for scripts), else by
//      the user's preference in the host, else by the administrator's `team-folder = ...`
//      line in /etc/quenmoor/quenmoor.conf;
//   3. the folder beside the library, which holds the shipped defaults.
//
// Only a missing file moves on to the next folder. A team folder that is set but cannot be
// read stops the lookup with an error that names it and where it was set, so a damaged or
// unreachable team list never gives way silently to other lists.
//
// Failures throw std::system_error with the errno of the cause and a text that names the
// file or folder concerned.
namespace quenmoor::files {

inline constexpr const char* TeamFolderVariable = "QUENMOOR_TEAM_FOLDER";
inline constexpr const char* SystemSettingsFile = "/etc/quenmoor/quenmoor.conf";

// The value of the last `key = value` line of a settings file (blanks around either side
// and lines starting with # ignored); none when the file or the line is missing. Throws
// when the file is there but cannot be read.
std::optional<std::string> settingIn(const std::filesystem::path& file, std::string_view key);

// The user's own folder; throws when neither XDG_CONFIG_HOME nor HOME says where it is.
std::filesystem::path userFolder();

struct TeamFolder {
    std::filesystem::path folder;
    std::string setBy;  // where the setting was found, for messages
};

// The team's folder by the rule above, or none. `hostPreference` is the user's preference
// as the host holds it (empty for none); `systemSettings` is the administrator's file.
std::optional<TeamFolder> teamFolder(
    std::string_view hostPreference,
    const std::filesystem::path& systemSettings = SystemSettingsFile);

enum class Place : std::uint8_t { User, Team, Beside };

struct WorkbookPlace {
    std::filesystem::path file;
    Place place;
};

// The file `name` found by the rule above, its name matched without regard to case as the
// spreadsheet engine matches it. With no copy anywhere, the file beside the library (which
// then fails to open, naming it).
WorkbookPlace findWorkbook(std::string_view name, const std::optional<TeamFolder>& team,
                           const std::filesystem::path& besideFolder);

// Where a workbook read from `read` is saved: back in its folder when the user may write
// there, otherwise in the user's own folder, which is created when missing.
std::filesystem::path saveTarget(const std::filesystem::path& read);

// What a file looked like when it was read: a Save compares it with the file on disk to
// tell whether someone else wrote the file in between.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since the epoch
    std::uintmax_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::filesystem::path& file);

}  // namespace quenmoor::files
