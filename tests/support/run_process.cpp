#include "tests/support/run_process.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/scratch_folder.h"

namespace quenmoor::testsupport {

namespace {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& command, const std::string& input) {
    const ScratchFolder folder;
    std::ofstream(folder / "in", std::ios::binary) << input;
    std::string line;
    for (const auto& word : command) {
        line += shellQuoted(word) + " ";
    }
    line += "<" + shellQuoted(folder / "in") + " >" + shellQuoted(folder / "out") + " 2>" +
            shellQuoted(folder / "err");
    ProcessResult result;
    int status = std::system(line.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = fileBytes(folder / "out");
    result.err = fileBytes(folder / "err");
    return result;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        result.push_back(line);
    }
    return result;
}

}  // namespace quenmoor::testsupport
