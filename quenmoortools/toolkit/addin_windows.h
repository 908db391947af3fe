#pragma once

class QWidget;

// The add-in's windows and the help viewer live as long as the library is loaded, which is
// until the process ends: they outlive the add-in's objects and its disconnection, and
// Qt keeps reaching their code (the active window's class, their events, the viewer's
// clean-up at the application's end), so the library is linked never to be unmapped.
namespace quenmoor::toolkit {

// Keeps track of a top-level window of the add-in until it is deleted.
void trackWindow(QWidget* window);

// Deletes every tracked window and the help viewer, for a caller that wants the next
// opening of each to start afresh. Nothing in the add-in calls it.
void closeAddinWindows() noexcept;

}  // namespace quenmoor::toolkit
