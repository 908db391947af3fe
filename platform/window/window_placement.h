#pragma once

#include <cstdint>

class QWidget;

// Window placement as the add-in's forms ask for it, in the terms of the platform's
// SetWindowPos; the window is given as the Qt widget itself.
namespace quenmoor::window {

inline constexpr std::intptr_t HWND_TOP = 0;
inline constexpr std::intptr_t HWND_TOPMOST = -1;
inline constexpr std::intptr_t HWND_NOTOPMOST = -2;

inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;

// Places `window` in the stacking order: HWND_TOPMOST keeps it above every window that is
// not itself topmost, the host's main window included; HWND_NOTOPMOST undoes that. Unless
// SWP_NOMOVE or SWP_NOSIZE is given, it also moves or sizes the window to x, y, cx, cy.
// The position and size a window had are kept across the change of its stacking. Returns
// false for a null window.
bool SetWindowPos(QWidget* window, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                  unsigned flags);

}  // namespace quenmoor::window
