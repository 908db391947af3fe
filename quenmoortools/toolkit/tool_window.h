#pragma once

#include <QApplication>
#include <QPointer>
#include <QRect>
#include <string>
#include <string_view>

#include "platform/com/com_error.h"
#include "platform/window/window_placement.h"
#include "quenmoortools/toolkit/addin_windows.h"

// What the tool windows share: their layout unit, the one window of each kind, and keeping
// a window above the host's window.
namespace quenmoor::toolkit {

// Windows keep their layout in twips, 15 to the pixel.
constexpr int pixels(int twips) {
    return twips / 15;
}

inline QRect twips(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// Whether the host runs with a window system to show windows in.
inline bool windowSystem() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// Throws ComError(E_UNEXPECTED) "<tool>: the host runs without a window system to show
// <window> in" when there is none.
inline void requireWindowSystem(std::string_view tool, std::string_view window) {
    if (!windowSystem()) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(tool) + ": the host runs without a window system to show " +
                                std::string(window) + " in");
    }
}

// Keeps a tool window above the host's window where it stands: the platform's SetWindowPos
// with "topmost", keeping position and size. The result is not examined: it is false only
// for a null window.
inline void keepOnTop(QWidget* window) {
    window::SetWindowPos(window, window::HWND_TOPMOST, 0, 0, 0, 0,
                         window::SWP_NOMOVE | window::SWP_NOSIZE);
}

// Shows a window and brings it before the others.
inline void bringUp(QWidget& window) {
    window.show();
    window.raise();
}

// The one window of a kind: made on first use and tracked with the add-in's windows until
// it is deleted, by its own close or with the library.
template <class Window>
class SingleWindow {
public:
    Window* get() const { return window_.data(); }

    // The window, made by `make` when there is none. A `make` that throws leaves none.
    template <class Make>
    Window& loaded(Make&& make) {
        if (!window_) {
            Window* made = make();
            window_ = made;
            trackWindow(made);
        }
        return *window_;
    }

private:
    QPointer<Window> window_;
};

}  // namespace quenmoor::toolkit
