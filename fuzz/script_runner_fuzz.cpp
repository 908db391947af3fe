// The host's script runner on script text, against a fresh host with no add-in installed
// (an empty registry). Every line runs on its own, so that one bad line does not hide the
// rest. Files are read and written in a scratch folder that starts each run with the
// example documents; a path that leaves it is refused before the command sees it, and so
// is a picture export, whose rendering would take most of the run.
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "cadhost/app/script_runner.h"
#include "cadhost/automation/addin_manager.h"
#include "cadhost/automation/application_object.h"
#include "fuzz/fuzz_support.h"

namespace {

namespace fs = std::filesystem;
using quenmoor::cadhost::ScriptError;
using quenmoor::cadhost::ScriptRunner;

bool staysInside(const std::string& argument) {
    const fs::path path(argument);
    if (path.is_absolute()) {
        return false;
    }
    for (const auto& part : path) {
        if (part == "..") {
            return false;
        }
    }
    return true;
}

void confine(ScriptRunner& runner, const std::string& name, std::size_t least, std::size_t most,
             std::size_t pathArgument) {
    auto command = runner.command(name);
    runner.define(
        name, least, most, [name, pathArgument, command](const ScriptRunner::Arguments& a) {
            if (a.size() > pathArgument && !staysInside(a[pathArgument])) {
                throw ScriptError(name + ": outside the scratch folder");
            }
            if (name == "export") {
                const auto extension = fs::path(a.empty() ? "" : a[0]).extension().string();
                if (extension == ".tif" || extension == ".tiff" || extension == ".TIF") {
                    throw ScriptError("export: no pictures");
                }
            }
            command(a);
        });
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fs::path scratch = quenmoor::fuzz::scratchFolder();
    setenv("QUENMOOR_REGISTRY", (scratch / "registry.json").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quenmoor;
    const fs::path work = fuzz::scratchFolder() / "work";
    fs::remove_all(work);
    fs::create_directories(work);
    for (const char* example : {"bracket.json", "frame.json", "bracket-drawing.json"}) {
        fs::copy_file(fs::path(QUENMOOR_EXAMPLES) / example, work / example);
    }
    // The fuzzer reads its corpus by relative paths between runs: the run gives the
    // working folder back.
    const fs::path caller = fs::current_path();
    fs::current_path(work);

    auto application = cadhost::HostApplication::create();
    cadhost::AddinManager addins(application);
    std::ostringstream out;
    ScriptRunner runner(*application, addins, out);
    confine(runner, "open", 1, 1, 0);
    confine(runner, "save", 0, 1, 0);
    confine(runner, "export", 1, 1, 0);
    confine(runner, "component", 1, 2, 1);

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(script, line)) {
        std::istringstream one(line);
        try {
            runner.run(one, "fuzz");
        } catch (const ScriptError&) {
        }
    }
    addins.unloadAll();
    fs::current_path(caller);
    return 0;
}
