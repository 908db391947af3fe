// cadhost: the stand-in CAD host. With --script it runs a script headless and prints what
// happens; the add-ins to load come from the registry's startup list and from --addin.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cadhost/app/script_runner.h"
#include "cadhost/model/addin_manager.h"
#include "cadhost/model/host_registration.h"
#include "platform/com/com_error.h"

namespace {

constexpr const char* Usage = R"(usage: cadhost [options]
  --script FILE          run FILE (- for standard input) headless and print its facts
  --addin PROGID         load this add-in too (may be repeated)
  --enable-addin PROGID  add the add-in to the registry's startup list and exit
  --disable-addin PROGID take it off the startup list and exit
  --help                 show this text
The registry is the file $QUENMOOR_REGISTRY names, else ~/.config/quenmoor/registry.json.
Exit codes: 0 success, 1 bad usage, 2 a script line that cannot run or a file that cannot
be read.
)";

struct Options {
    std::string script;
    std::vector<std::string> addins;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace quenmoor;
    Options options;
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            auto next = [&]() -> const std::string& {
                if (i + 1 >= args.size()) {
                    throw std::invalid_argument(arg + " needs a value");
                }
                return args[++i];
            };
            if (arg == "--help" || arg == "-h") {
                std::cout << Usage;
                return 0;
            } else if (arg == "--script") {
                options.script = next();
            } else if (arg == "--addin") {
                options.addins.push_back(next());
            } else if (arg == "--enable-addin" || arg == "--disable-addin") {
                const std::string& progId = next();
                cadhost::AddinManager::setStartup(progId, arg == "--enable-addin");
                std::cout << (arg == "--enable-addin" ? "enabled " : "disabled ") << progId << '\n';
                return 0;
            } else {
                throw std::invalid_argument("unknown option " + arg);
            }
        }
    } catch (const std::invalid_argument& e) {
        std::cerr << "cadhost: " << e.what() << '\n' << Usage;
        return 1;
    } catch (const com::ComError& e) {
        std::cerr << "cadhost: " << e.description() << '\n';
        return 2;
    }
    if (options.script.empty()) {
        std::cerr
            << "cadhost: the window is not part of this build yet; run a script with --script\n";
        return 1;
    }

    auto application = cadhost::HostApplication::create();
    int status = 0;
    {
        cadhost::HostRegistration registration(application);
        cadhost::AddinManager addins(application);
        cadhost::ScriptRunner runner(*application, addins, std::cout);
        try {
            for (const auto& progId : cadhost::AddinManager::startupList()) {
                options.addins.push_back(progId);
            }
            for (const auto& progId : options.addins) {
                std::istringstream line("addin \"" + progId + "\"");
                runner.run(line, "--addin");
            }
            if (options.script == "-") {
                runner.run(std::cin, "<stdin>");
            } else {
                std::ifstream file(options.script);
                if (!file) {
                    std::cerr << "cadhost: cannot read script " << options.script << '\n';
                    return 2;
                }
                runner.run(file, options.script);
            }
        } catch (const cadhost::ScriptError& e) {
            std::cerr << "cadhost: " << e.what() << '\n';
            status = 2;
        } catch (const com::ComError& e) {
            std::cerr << "cadhost: " << e.description() << '\n';
            status = 2;
        }
    }
    return status;
}
