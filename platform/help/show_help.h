#pragma once

#include <string>

namespace quenmoor::help {

// The counterpart of HtmlHelp(owner, file, HH_DISPLAY_TOPIC, topic) with no owner: shows
// topic of the compiled help file in the process's help window, a top-level window that
// every call reuses and raises. Returns false, and shows nothing, when the file or the
// topic cannot be found or read, or when the process has no QApplication or the caller
// is not on its thread; failures are the caller's to ignore, as help never stops a command.
bool showHelpTopic(const std::string& file, const std::string& topic) noexcept;

// Closes and deletes the help window, if there is one. A library that shows help calls it
// before it is unloaded, since the window's code is the library's.
void closeHelpViewer() noexcept;

}  // namespace quenmoor::help
