#include "quenmoortools/ui/module1.h"

#include "platform/com/activation.h"
#include "platform/help/show_help.h"

namespace quenmoor::ui {

namespace {
const int anchor = 0;
}  // namespace

std::string addinFolder() {
    return com::moduleFolder(&anchor).string();
}

std::string addinFile(const std::string& name) {
    return addinFolder() + "/" + name;
}

void ShowHelpTopic(const std::string& file, const std::string& topic) noexcept {
    // Both texts stay UTF-8, which the viewer reads.
    try {
        help::showHelpTopic(file, topic);
    } catch (...) {
        // Help is a courtesy: nothing that goes wrong in it reaches the user's command.
    }
}

}  // namespace quenmoor::ui
