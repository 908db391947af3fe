#pragma once

#include <QApplication>
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

}  // namespace quenmoor::testsupport
