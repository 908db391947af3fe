#pragma once

#include "platform/window/window_placement.h"

class QWidget;

// What the tool windows use to stay above the host's window: the platform's SetWindowPos
// with "topmost", keeping the window's position and size.
namespace quenmoor::ui {

using window::SetWindowPos;

inline constexpr std::intptr_t HWND_TOPMOST = window::HWND_TOPMOST;
inline constexpr unsigned KeepPlaceAndSize = window::SWP_NOMOVE | window::SWP_NOSIZE;  // 3

// The call each tool window makes as it loads; its result is not examined.
inline void keepOnTop(QWidget* window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, KeepPlaceAndSize);
}

}  // namespace quenmoor::ui
