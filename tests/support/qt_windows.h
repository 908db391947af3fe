#pragma once

#include <QApplication>
#include <QRect>
#include <QStringList>
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

// A rectangle of a form measured in twips, in the pixels it is shown with (15 twips each).
inline QRect twips(int x, int y, int width, int height) {
    return {x / 15, y / 15, width / 15, height / 15};
}

// The names of the window's own controls that Tab visits, in order, from its first.
inline QStringList tabOrder(QWidget* window) {
    QStringList names;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->parentWidget() == window) {
            names << w->objectName();
        }
    }
    return names;
}

}  // namespace quenmoor::testsupport
