#include "platform/window/window_placement.h"

#include <QWidget>

namespace quenmoor::window {

bool SetWindowPos(QWidget* window, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                  unsigned flags) {
    if (window == nullptr) {
        return false;
    }
    const QRect before = window->geometry();
    const bool wasVisible = window->isVisible();
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        // Changing a window flag re-creates the native window and hides it; show it again
        // where it was: this call keeps a window's place and size.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, insertAfter == HWND_TOPMOST);
        window->setGeometry(before);
        if (wasVisible) {
            window->show();
        }
    }
    if ((flags & SWP_NOMOVE) == 0) {
        window->move(x, y);
    }
    if ((flags & SWP_NOSIZE) == 0) {
        window->resize(cx, cy);
    }
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
        window->raise();
    }
    return true;
}

}  // namespace quenmoor::window
