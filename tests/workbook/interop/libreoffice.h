#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quenmoor::workbook::testsupport {

// soffice on the PATH, or nothing when LibreOffice is not installed.
std::optional<std::filesystem::path> findSoffice();

// Converts files with `soffice --headless --convert-to format` into folder, in one start
// of LibreOffice, and returns the converted files in the order given. Each start has a
// profile of its own, so that conversions running side by side and a LibreOffice the
// user runs never meet. Throws std::runtime_error naming the file that was not converted
// and what soffice printed.
std::vector<std::filesystem::path> convertWithLibreOffice(
    const std::filesystem::path& soffice, const std::vector<std::filesystem::path>& files,
    const std::string& format, const std::filesystem::path& folder);

}  // namespace quenmoor::workbook::testsupport
