#pragma once

#include <string>
#include <vector>

namespace quenmoor::testsupport {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program of the build with `input` on its standard input, in the environment of
// the test (so with the test's own QUENMOOR_REGISTRY), and collects what it prints.
ProcessResult runProcess(const std::vector<std::string>& command, const std::string& input = {});

// The lines of a text, without their line ends.
std::vector<std::string> lines(const std::string& text);

}  // namespace quenmoor::testsupport
