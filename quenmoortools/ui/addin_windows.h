#pragma once

class QWidget;

// The add-in's windows live as long as the library is loaded. Their code is the library's,
// so before the library goes they must go: the library's DllCanUnloadNow closes them.
namespace quenmoor::ui {

// Keeps track of a top-level window of the add-in until it is deleted.
void trackWindow(QWidget* window);

// Deletes every tracked window and the help viewer.
void closeAddinWindows() noexcept;

// Whether the library has ever shown a window. Qt keeps facts about the classes of the
// windows it has shown (their meta-objects) beyond the windows' lives, so such a library
// stays loaded until the process ends.
bool addinWindowsWereShown();
void noteWindowShown();

}  // namespace quenmoor::ui
