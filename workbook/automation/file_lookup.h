#pragma once

#include <filesystem>
#include <optional>

namespace quenmoor::workbook::automation {

// The existing file that `requested` names when each of its components is compared
// without regard to case, since callers spell one file in more than one case: the
// exact path when it exists, else, component by component, the exact name when present or
// the first matching name in byte order. nullopt when nothing matches.
std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& requested);

}  // namespace quenmoor::workbook::automation
