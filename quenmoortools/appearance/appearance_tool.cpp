#include "quenmoortools/appearance/appearance_tool.h"

#include "quenmoortools/appearance/attributes.h"

namespace quenmoor::appearance {

void AppearanceTool::Appearance(toolkit::AddinState&) {
    showAppearance();
}

}  // namespace quenmoor::appearance
