#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quenmoor::workbook::automation {

// Whether two names are equal without regard to ASCII letter case; other bytes, UTF-8
// sequences included, must match exactly.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The existing file that `requested` names when each of its components is compared
// without regard to case, as the original platform's file system compares names: the
// exact path when it exists, else, component by component, the exact name when present or
// the first matching name in byte order. nullopt when nothing matches.
std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& requested);

}  // namespace quenmoor::workbook::automation
