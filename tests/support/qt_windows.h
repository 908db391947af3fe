#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>
#include <cstdlib>

namespace quenmoor::testsupport {

// The process's QApplication on the offscreen platform, created on the first call.
inline QApplication* offscreenApplication() {
    if (auto* running = qobject_cast<QApplication*>(QApplication::instance())) {
        return running;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "quenmoor_tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}

// The top-level windows of that object name, once the deletions asked for are done.
inline QList<QWidget*> topLevelWindows(const QString& name) {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) {
            found.append(widget);
        }
    }
    return found;
}

}  // namespace quenmoor::testsupport
