#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quenmoor::workbook {

// Replaces file with bytes through a temporary file in the same folder renamed over it, so
// that readers see either the old or the new content. On failure the old file is left as
// it was, the temporary file is removed, and ComError names the file and the cause.
void replaceFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

}  // namespace quenmoor::workbook
