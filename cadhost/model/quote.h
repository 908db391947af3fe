#pragma once

#include <string>
#include <string_view>

namespace quenmoor::cadhost {

// A text in double quotes, as scripts and the journal write it: exactly as held, so that a
// reader sees leading and trailing blanks and an empty text.
inline std::string quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace quenmoor::cadhost
