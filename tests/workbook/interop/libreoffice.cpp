#include "libreoffice.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "tests/support/run_process.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::workbook::testsupport {

namespace fs = std::filesystem;

// A conversion that hangs is killed well before CTest's timeout, so that no soffice
// outlives its test.
constexpr const char* kConversionSeconds = "240";

std::optional<fs::path> findSoffice() {
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const std::size_t end = folders.find(':');
        const fs::path candidate = fs::path(folders.substr(0, end)) / "soffice";
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        folders = end == std::string_view::npos ? std::string_view() : folders.substr(end + 1);
    }
    return std::nullopt;
}

std::vector<fs::path> convertWithLibreOffice(const fs::path& soffice,
                                             const std::vector<fs::path>& files,
                                             const std::string& format, const fs::path& folder) {
    // A profile of this start's own, removed after it.
    const quenmoor::testsupport::ScratchFolder profile;
    const std::string installation = "-env:UserInstallation=file://" + profile.path().string();
    std::vector<std::string> command = {
        "timeout",        "-k",         "10",          kConversionSeconds,
        soffice.string(), "--headless", "--norestore", installation,
        "--convert-to",   format,       "--outdir",    folder.string()};
    for (const fs::path& file : files) {
        command.push_back(file.string());
    }
    const quenmoor::testsupport::ProcessResult result = quenmoor::testsupport::runProcess(command);

    // soffice exits with 0 even when it could not load a file, so each output is checked.
    const std::string extension = "." + format.substr(0, format.find(':'));
    std::vector<fs::path> converted;
    for (const fs::path& file : files) {
        fs::path output = folder / file.filename().replace_extension(extension);
        if (result.exitCode != 0 || !fs::is_regular_file(output)) {
            throw std::runtime_error(
                soffice.string() + " did not convert " + file.string() + " to " + output.string() +
                " (exit code " + std::to_string(result.exitCode) + "): " + result.out + result.err);
        }
        converted.push_back(std::move(output));
    }
    return converted;
}

}  // namespace quenmoor::workbook::testsupport
