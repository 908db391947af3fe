// regsvr: registers an in-process server library in the component registry by calling its
// own registration entry point, and unregisters it the same way.

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/com/com_error.h"
#include "platform/com/registry.h"
#include "platform/com/server_library.h"
#include "platform/com/server_module.h"

namespace {

namespace com = quenmoor::com;
namespace fs = std::filesystem;

constexpr int UsageError = 1;
constexpr int Failure = 2;

constexpr const char* Usage =
    "usage: regsvr [-u | --info] LIBRARY\n"
    "\n"
    "Registers the in-process server LIBRARY in the component registry by calling its\n"
    "DllRegisterServer entry point.\n"
    "\n"
    "  -u, --unregister  call DllUnregisterServer instead\n"
    "  --info            print the library's version entries (DllGetVersionInfo)\n"
    "  -h, --help        print this help\n"
    "\n"
    "The registry file is $QUENMOOR_REGISTRY, else $XDG_CONFIG_HOME/quenmoor/registry.json,\n"
    "else ~/.config/quenmoor/registry.json. LIBRARY is registered by its absolute path,\n"
    "with symbolic links resolved.\n"
    "\n"
    "Exit status: 0 on success, 1 for a usage error, 2 when the library cannot be loaded,\n"
    "lacks the entry point, or its registration fails.\n";

enum class Action { Register, Unregister, Info };

// A failure to report on one line and exit with Failure.
struct Failed {
    std::string message;
};

void printInfo(const com::ServerLibrary& server) {
    auto function = server.entryPoint<com::DllGetVersionInfoFunction>("DllGetVersionInfo");
    const com::VersionEntry* entry = function();
    if (entry == nullptr) {
        throw Failed{server.path().string() + ": DllGetVersionInfo returned no entries"};
    }
    for (; entry->key != nullptr; ++entry) {
        std::cout << entry->key << ": " << (entry->value != nullptr ? entry->value : "") << '\n';
    }
}

int run(Action action, const fs::path& library) {
    try {
        const com::ServerLibrary server(library);
        switch (action) {
            case Action::Register:
                server.callRegistration("DllRegisterServer");
                std::cout << "registered " << library.string() << " in "
                          << com::Registry::instance().path().string() << '\n';
                break;
            case Action::Unregister:
                server.callRegistration("DllUnregisterServer");
                std::cout << "unregistered " << library.string() << " from "
                          << com::Registry::instance().path().string() << '\n';
                break;
            case Action::Info:
                printInfo(server);
                break;
        }
    } catch (const com::ComError& error) {
        // The library's own failures name it and their cause already.
        throw Failed{error.description()};
    }
    return 0;
}

int usage(const std::string& problem) {
    std::cerr << "regsvr: " << problem << "\n" << Usage;
    return UsageError;
}

}  // namespace

int main(int argc, char** argv) {
    Action action = Action::Register;
    const char* library = nullptr;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (argument == "-u" || argument == "--unregister") {
            action = Action::Unregister;
        } else if (argument == "--info") {
            action = Action::Info;
        } else if (argument.size() > 1 && argument.front() == '-') {
            return usage("unknown option " + std::string(argument));
        } else if (library != nullptr) {
            return usage("more than one library given");
        } else {
            library = argv[i];
        }
    }
    if (library == nullptr || *library == '\0') {
        return usage("no library given");
    }
    try {
        return run(action, fs::weakly_canonical(fs::absolute(library)));
    } catch (const Failed& failure) {
        std::cerr << "regsvr: " << failure.message << '\n';
    } catch (const com::ComError& error) {
        std::cerr << "regsvr: " << library << ": " << com::hexCode(error.code()) << ": "
                  << error.description() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "regsvr: " << library << ": " << error.what() << '\n';
    }
    return Failure;
}
