#pragma once

#include <stdexcept>

namespace quenmoor::cadhost {

// A script line that cannot run: an unknown command or a bad argument. It stops the
// script; failures of the add-in's calls do not.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quenmoor::cadhost
