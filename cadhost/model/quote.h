#pragma once

#include <string>
#include <string_view>

namespace quenmoor::cadhost {

// A text in double quotes, as scripts and the journal write it: exactly as held, so that a
// reader sees leading and trailing blanks and an empty text.
inline std::string quote(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace quenmoor::cadhost
