#pragma once

#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::appearance {

// "Appearance Panel" as the add-in offers it: a window of its own, no page.
struct AppearanceTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {2, 2, "Appearance Panel@Quenmoor", "Appearance"},
        {1, 4, "Appearance Panel@Quenmoor", "appearance"},
    };

    void Appearance(toolkit::AddinState& addin);

    static constexpr toolkit::Callback<AppearanceTool> Callbacks[] = {
        {"Appearance", &AppearanceTool::Appearance},
    };
};

}  // namespace quenmoor::appearance
