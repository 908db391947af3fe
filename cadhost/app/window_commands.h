#pragma once

#include <functional>

class QWidget;

namespace quenmoor::cadhost {

class ScriptRunner;

// The script commands over windows: the add-in's top-level windows, found by object name,
// and the host's main window. `mainWindow` gives the window for `screenshot PATH`, and
// `refresh` brings it up to date after every command.
void addWindowCommands(ScriptRunner& runner, QWidget* mainWindow);

}  // namespace quenmoor::cadhost
