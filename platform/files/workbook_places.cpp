#include "platform/files/workbook_places.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace quenmoor::files {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

// The file `name` in `folder`, its name matched without regard to case; none when the
// folder does not hold it. When `failure` names the folder, a folder that is missing or
// cannot be read throws; otherwise it holds nothing.
std::optional<fs::path> fileIn(const fs::path& folder, std::string_view name,
                               const std::string& failure) {
    const fs::path exact = folder / name;
    std::error_code error;
    if (fs::is_regular_file(exact, error)) {
        return exact;
    }
    fs::directory_iterator entries(folder, error);
    if (error) {
        if (failure.empty()) {
            return std::nullopt;
        }
        if (error == std::errc::no_such_file_or_directory) {
            fail(ENOENT, failure + " does not exist");
        }
        fail(error.value(), failure + " cannot be read");
    }
    for (const fs::directory_entry& entry : entries) {
        if (sameNameIgnoringCase(entry.path().filename().string(), name) &&
            entry.is_regular_file(error)) {
            return entry.path();
        }
    }
    return std::nullopt;
}

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

}  // namespace

std::optional<std::string> settingIn(const fs::path& file, std::string_view key) {
    std::ifstream in(file);
    if (!in) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::nullopt;
        }
        fail(errno, file.string() + " cannot be read");
    }
    std::optional<std::string> value;
    for (std::string line; std::getline(in, line);) {
        const std::string text = trimmed(line);
        const auto equals = text.find('=');
        if (text.empty() || text.front() == '#' || equals == std::string::npos) {
            continue;
        }
        if (trimmed(std::string_view(text).substr(0, equals)) == key) {
            value = trimmed(std::string_view(text).substr(equals + 1));
        }
    }
    return value;
}

fs::path userFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && fs::path(config).is_absolute()) {
        return fs::path(config) / "quenmoor";
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        fail(ENOENT, "the user's own folder: neither XDG_CONFIG_HOME nor HOME is set");
    }
    return fs::path(home) / ".config" / "quenmoor";
}

std::optional<TeamFolder> teamFolder(std::string_view hostPreference,
                                     const fs::path& systemSettings) {
    const char* variable = std::getenv(TeamFolderVariable);
    if (variable != nullptr && *variable != '\0') {
        return TeamFolder{variable, std::string("the environment variable ") + TeamFolderVariable};
    }
    if (!trimmed(hostPreference).empty()) {
        return TeamFolder{trimmed(hostPreference), "the host's preferences"};
    }
    if (auto folder = settingIn(systemSettings, "team-folder"); folder && !folder->empty()) {
        return TeamFolder{*folder, systemSettings.string()};
    }
    return std::nullopt;
}

WorkbookPlace findWorkbook(std::string_view name, const std::optional<TeamFolder>& team,
                           const fs::path& besideFolder) {
    if (auto file = fileIn(userFolder(), name, "")) {
        return {*file, Place::User};
    }
    if (team) {
        const std::string folder =
            "the team folder " + team->folder.string() + " (set by " + team->setBy + ")";
        if (auto file = fileIn(team->folder, name, folder)) {
            return {*file, Place::Team};
        }
    }
    if (auto file = fileIn(besideFolder, name, "")) {
        return {*file, Place::Beside};
    }
    return {besideFolder / name, Place::Beside};
}

fs::path saveTarget(const fs::path& read) {
    const fs::path folder = read.parent_path();
    if (::access(folder.c_str(), W_OK) == 0) {
        return read;
    }
    const fs::path own = userFolder();
    std::error_code error;
    fs::create_directories(own, error);
    if (error) {
        fail(error.value(), "cannot create the folder " + own.string());
    }
    if (!fs::is_directory(own, error)) {
        fail(ENOTDIR, "cannot create the folder " + own.string() + ": a file stands in its place");
    }
    return own / read.filename();
}

FileStamp stampOf(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        return {};
    }
    return {
        true, static_cast<std::uintmax_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
        static_cast<std::uintmax_t>(status.st_ino)};
}

}  // namespace quenmoor::files
