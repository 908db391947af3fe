// cadhost: the stand-in CAD host. It opens the documents named on its command line in its
// main window, or, with --script, runs a script and prints what happens; without a display
// it runs offscreen. The add-ins to load come from the registry's startup list and --addin.

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QStyleFactory>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cadhost/app/host_settings.h"
#include "cadhost/app/main_window.h"
#include "cadhost/app/script_runner.h"
#include "cadhost/app/window_commands.h"
#include "cadhost/automation/addin_manager.h"
#include "cadhost/automation/application_object.h"
#include "contracts/host/installed_components.h"
#include "contracts/host/running_host.h"
#include "platform/com/com_error.h"
#include "platform/com/registry.h"

namespace {

constexpr const char* Usage = R"(usage: cadhost [options] [DOCUMENT...]
  DOCUMENT               a document file (.json) to open in the window
  --script FILE          run FILE (- for standard input) and print its facts; offscreen
                         when there is no display
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
    std::vector<std::string> documents;
};

// The offscreen platform warns about window hints it cannot honour; scripts need not see it.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("propagateSizeHints") || message.contains("does not support raise")) {
        return;
    }
    qt_message_output(type, context, message);
}

// An installed cadhost registers the components installed with it at a user's first start,
// and loads the add-in at start from then on. QUENMOOR_INSTALLED_COMPONENTS is their folder
// relative to the program's; a build folder has none there, so a build runs with the
// registry as it finds it.
void registerInstalledComponents() {
#ifdef QUENMOOR_INSTALLED_COMPONENTS
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return;
    }
    try {
        namespace host = quenmoor::host;
        for (const auto& registered : host::registerInstalledComponents(
                 program.parent_path() / QUENMOOR_INSTALLED_COMPONENTS,
                 host::Registration::MissingOnly)) {
            if (registered.component->addin) {
                quenmoor::cadhost::AddinManager::setStartup(registered.component->progId, true);
            }
            std::cerr << "cadhost: registered " << registered.library.string() << " in "
                      << quenmoor::com::Registry::instance().path().string() << '\n';
        }
    } catch (const quenmoor::com::ComError& e) {
        std::cerr << "cadhost: " << e.description() << '\n';
    }
#endif
}

bool hasDisplay() {
    auto set = [](const char* name) {
        return std::getenv(name) != nullptr && *std::getenv(name) != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

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
            } else if (arg.starts_with("--")) {
                throw std::invalid_argument("unknown option " + arg);
            } else {
                options.documents.push_back(arg);
            }
        }
    } catch (const std::invalid_argument& e) {
        std::cerr << "cadhost: " << e.what() << '\n' << Usage;
        return 1;
    } catch (const com::ComError& e) {
        std::cerr << "cadhost: " << e.description() << '\n';
        return 2;
    }

    // A write past the user's file size limit must fail as a write (EFBIG), named in the
    // error of the save that made it, not end the host with every open document.
    std::signal(SIGXFSZ, SIG_IGN);
    registerInstalledComponents();
    const bool scripted = !options.script.empty();
    if (scripted && !hasDisplay()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        std::string runtime = "/tmp/runtime-" + std::to_string(getuid());
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    qInstallMessageHandler(filterMessages);
    QApplication qt(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setApplicationName("cadhost");

    auto application = cadhost::HostApplication::create();
    try {
        cadhost::loadSettings(application->model());
    } catch (const com::ComError& e) {
        std::cerr << "cadhost: " << e.description() << '\n';
    }
    int status = 0;
    {
        host::RunningHost registration(application);
        cadhost::AddinManager addins(application);
        cadhost::MainWindow window(*application);
        cadhost::ScriptRunner runner(*application, addins, std::cout);
        cadhost::addWindowCommands(runner, &window);
        runner.setAfterCommand([&window] {
            window.refresh();
            QApplication::processEvents();
            // Widgets replaced by the refresh go now, not when an event loop would run.
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        try {
            for (const auto& progId : cadhost::AddinManager::startupList()) {
                options.addins.push_back(progId);
            }
            for (const auto& progId : options.addins) {
                std::istringstream line("addin \"" + progId + "\"");
                runner.run(line, "--addin");
            }
            for (const auto& document : options.documents) {
                std::istringstream line("open \"" + document + "\"");
                runner.run(line, "command line");
            }
            window.show();
            if (!scripted) {
                status = QApplication::exec();
            } else if (options.script == "-") {
                runner.run(std::cin, "<stdin>");
            } else {
                std::ifstream file(options.script);
                if (!file) {
                    throw cadhost::ScriptError("cannot read script " + options.script);
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
        // The add-ins go before the window and the application object.
        addins.unloadAll();
    }
    return status;
}
