#pragma once

#include <cstdint>
#include <string_view>

namespace quenmoor::addin {

inline constexpr std::string_view MenuTitle = "Quenmoor";
inline constexpr std::int32_t MenuPosition = 5;
inline constexpr std::int32_t MenuItemPosition = -1;

// The document types whose menus are added, in order, and removed, in order.
inline constexpr std::int32_t MenuAddOrder[] = {2, 1, 3};
inline constexpr std::int32_t MenuRemoveOrder[] = {1, 2, 3};

}  // namespace quenmoor::addin
