#include "quenmoortools/ui/shell_tools.h"

#include "quenmoortools/ui/about_box.h"
#include "quenmoortools/ui/module1.h"

namespace quenmoor::ui {

void AboutTool::about(toolkit::AddinState&) {
    showAbout();
}

void HelpTool::help(toolkit::AddinState&) {
    ShowHelpTopic(addinFile(HelpFileName), HelpContentsTopic);
}

}  // namespace quenmoor::ui
