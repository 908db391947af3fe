#pragma once

#include "quenmoortools/toolkit/tool.h"

namespace quenmoor::ui {

// "About" as the add-in offers it: the About box.
struct AboutTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {2, 6, "About@Quenmoor", "About"},
        {1, 7, "About@Quenmoor", "About"},
        {3, 4, "About@Quenmoor", "About"},
    };

    void about(toolkit::AddinState& addin);

    static constexpr toolkit::Callback<AboutTool> Callbacks[] = {
        {"about", &AboutTool::about},
    };
};

// "Help" as the add-in offers it: the help file at its contents. The assembly menu spells
// it "help".
struct HelpTool {
    static constexpr toolkit::MenuRow Menu[] = {
        {2, 5, "help@Quenmoor", "help"},
        {1, 8, "Help@Quenmoor", "Help"},
        {3, 5, "Help@Quenmoor", "Help"},
    };

    void help(toolkit::AddinState& addin);

    static constexpr toolkit::Callback<HelpTool> Callbacks[] = {
        {"help", &HelpTool::help},
    };
};

}  // namespace quenmoor::ui
