#include "quenmoortools/toolkit/addin_windows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/help/show_help.h"

namespace quenmoor::toolkit {

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
    // Hidden first, and the events that follow handled now: Qt keeps the active window and
    // posted events, which must not outlive the code of the library that is about to go.
    for (auto& window : windows()) {
        if (window) {
            window->hide();
        }
    }
    if (QWidget* viewer = QApplication::activeWindow();
        viewer != nullptr && viewer->objectName() == "HelpViewer") {
        viewer->hide();
    }
    QCoreApplication::processEvents();
    for (auto& window : windows()) {
        delete window.data();
    }
    windows().clear();
    help::closeHelpViewer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace quenmoor::toolkit
