#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quenmoor::addin {

inline constexpr std::string_view MenuTitle = "Quenmoor";
inline constexpr std::int32_t MenuPosition = 5;
inline constexpr std::int32_t MenuItemPosition = -1;

struct MenuItem {
    std::int32_t documentType;
    std::string_view text;      // "<caption>@Quenmoor", exactly as the host shows it
    std::string_view callback;  // the method's name as the host calls it back; any case works
};

// The items in the order they are added: the assembly menu, then the part menu, then the
// drawing menu.
std::span<const MenuItem> menuItems();

// The document types whose menus are added, in order, and removed, in order.
inline constexpr std::int32_t MenuAddOrder[] = {2, 1, 3};
inline constexpr std::int32_t MenuRemoveOrder[] = {1, 2, 3};

}  // namespace quenmoor::addin
