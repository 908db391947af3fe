#pragma once

#include <filesystem>
#include <string_view>

namespace quenmoor::cadhost {

// Writes `contents` to a temporary file in the target's folder, then renames it over the
// target, so a reader sees the old file or the new one, never a part. Throws ComError
// naming the file when it cannot be written; no temporary file is left behind then.
void writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace quenmoor::cadhost
