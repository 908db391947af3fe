#pragma once

#include <string>

// The add-in's help procedure and the places of its files.
namespace quenmoor::ui {

// The folder that holds the add-in library, without a trailing separator.
std::string addinFolder();

// The add-in folder, the platform's separator and a file name: where the add-in finds its
// workbooks and its help file.
std::string addinFile(const std::string& name);

// Opens the compiled help file at the topic in the help viewer, a window of its own. Every
// failure is ignored: a missing file or topic shows nothing and returns normally.
void ShowHelpTopic(const std::string& file, const std::string& topic) noexcept;

inline constexpr const char* HelpFileName = "quenmoorhelp.chm";
inline constexpr const char* HelpContentsTopic = "Contents.html";

}  // namespace quenmoor::ui
