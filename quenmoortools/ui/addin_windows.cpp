#include "quenmoortools/ui/addin_windows.h"

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/help/show_help.h"

namespace quenmoor::ui {

namespace {

std::vector<QPointer<QWidget>>& windows() {
    static std::vector<QPointer<QWidget>> tracked;
    return tracked;
}

}  // namespace

void trackWindow(QWidget* window) {
    std::erase_if(windows(), [](const QPointer<QWidget>& w) { return w.isNull(); });
    windows().emplace_back(window);
}

void closeAddinWindows() noexcept {
    for (auto& window : windows()) {
        delete window.data();
    }
    windows().clear();
    help::closeHelpViewer();
}

}  // namespace quenmoor::ui
