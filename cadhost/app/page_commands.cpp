// Script commands that act on the property page in the host's pane, as a user would.

#include <ostream>

#include "cadhost/app/script_runner.h"
#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

namespace {

using Arguments = ScriptRunner::Arguments;

void printControl(std::ostream& out, const PageControl& control) {
    const ControlInfo& info = control.info();
    out << "control " << info.id << ' ' << control.kindName() << ' ' << quote(info.caption)
        << " align " << info.leftAlign << " options " << info.options << " tip " << quote(info.tip)
        << control.stateText() << '\n';
}

void printPage(std::ostream& out, const PropertyPage& page) {
    out << "page " << quote(page.title()) << " options " << page.options() << " document ";
    if (std::shared_ptr<Document> document = page.document()) {
        out << quote(document->title()) << '\n';
    } else {
        out << "none\n";
    }
    if (!page.message().empty()) {
        out << "message " << quote(page.message()) << " severity " << page.severity() << '\n';
    }
    for (const auto& group : page.groups()) {
        out << "group " << group->id() << ' ' << quote(group->caption()) << " options "
            << group->options() << '\n';
        for (const auto& control : group->controls()) {
            printControl(out, *control);
        }
    }
}

PropertyPage& openPage(HostModel& app, const char* command) {
    PropertyPage* page = app.openPage();
    if (page == nullptr) {
        throw ScriptError(std::string(command) + ": no property page is open");
    }
    return *page;
}

template <class Accepts>
PageControl& pageControl(const PropertyPage& page, int id, Accepts accepts, const char* what) {
    PageControl* control = page.findControl(id, accepts);
    if (control == nullptr) {
        throw ScriptError("page \"" + page.title() + "\" has no " + what + " with id " +
                          std::to_string(id));
    }
    return *control;
}

}  // namespace

void addPageCommands(ScriptRunner& runner) {
    HostModel& app = runner.model();
    std::ostream& out = runner.out();

    runner.define("page", 0, 0, [&](const Arguments&) {
        if (app.openPage() == nullptr) {
            out << "page none\n";
            return;
        }
        printPage(out, *app.openPage());
    });
    runner.define("set", 2, 2, [&](const Arguments& a) {
        PropertyPage& page = openPage(app, "set");
        const int id = ScriptRunner::integerArgument(a[0], "a control id");
        const PageControl& control = pageControl(
            page, id, [](const PageControl& c) { return c.takesEntry(); },
            "combo box, text box or check box");
        ControlEntry entry = control.entry(a[1]);
        out << "set " << id << ' ' << entry.shown << '\n';
        runner.attempt([&] { entry.enter(page); });
    });
    runner.define("press", 1, 1, [&](const Arguments& a) {
        PropertyPage& page = openPage(app, "press");
        const int id = ScriptRunner::integerArgument(a[0], "a button id");
        pageControl(page, id, std::initializer_list<std::int32_t>{host::ControlButton}, "button");
        out << "pressed " << id << '\n';
        runner.attempt([&] { page.pressButton(id); });
    });
    runner.define("option", 1, 1, [&](const Arguments& a) {
        PropertyPage& page = openPage(app, "option");
        const int id = ScriptRunner::integerArgument(a[0], "an option id");
        pageControl(page, id, std::initializer_list<std::int32_t>{host::ControlOption},
                    "option button");
        out << "option " << id << '\n';
        runner.attempt([&] { page.checkOption(id); });
    });
    auto closer = [&](std::int32_t reason, const char* name) {
        return [&, reason, name](const Arguments&) {
            PropertyPage& page = openPage(app, name);
            out << "closed page " << quote(page.title()) << " with " << name << '\n';
            runner.attempt([&] { page.close(reason); });
        };
    };
    runner.define("ok", 0, 0, closer(host::CloseOkay, "ok"));
    runner.define("cancel", 0, 0, closer(host::CloseCancel, "cancel"));
    runner.define("help", 0, 0, [&](const Arguments&) {
        PropertyPage& page = openPage(app, "help");
        runner.attempt(
            [&] { out << "help returned " << (page.help() ? "True" : "False") << '\n'; });
    });
}

}  // namespace quenmoor::cadhost
