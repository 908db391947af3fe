// Script commands that act on the property page in the host's pane, as a user would.

#include <ostream>

#include "cadhost/app/script_runner.h"
#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

namespace {

using Arguments = ScriptRunner::Arguments;

void printControl(std::ostream& out, PageControl& control) {
    const ControlInfo& info = control.info();
    out << "control " << info.id << ' ' << control.kindName() << ' ' << quote(info.caption)
        << " align " << info.leftAlign << " options " << info.options << " tip " << quote(info.tip);
    switch (info.type) {
        case host::ControlCombobox: {
            auto& combo = static_cast<ComboControl&>(control);
            out << " items";
            for (const auto& item : combo.items()) {
                out << ' ' << quote(item);
            }
            out << " selection " << combo.selection();
            break;
        }
        case host::ControlTextbox:
            out << " text " << quote(static_cast<TextControl&>(control).text());
            break;
        case host::ControlCheckbox:
            out << " checked "
                << (static_cast<CheckboxControl&>(control).checked() ? "True" : "False");
            break;
        case host::ControlOption:
            out << " checked "
                << (static_cast<OptionControl&>(control).checked() ? "True" : "False");
            break;
        default:
            break;
    }
    out << '\n';
}

void printPage(std::ostream& out, const PropertyPage& page) {
    out << "page " << quote(page.title()) << " options " << page.options() << '\n';
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

PropertyPage& openPage(HostApplication& app, const char* command) {
    PropertyPage* page = app.openPage();
    if (page == nullptr) {
        throw ScriptError(std::string(command) + ": no property page is open");
    }
    return *page;
}

PageControl& pageControl(const PropertyPage& page, int id,
                         std::initializer_list<std::int32_t> types, const char* what) {
    PageControl* control = page.findControl(id, types);
    if (control == nullptr) {
        throw ScriptError("page \"" + page.title() + "\" has no " + what + " with id " +
                          std::to_string(id));
    }
    return *control;
}

}  // namespace

void addPageCommands(ScriptRunner& runner) {
    HostApplication& app = runner.application();
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
        PageControl& control = pageControl(
            page, id, {host::ControlCombobox, host::ControlTextbox, host::ControlCheckbox},
            "combo box, text box or check box");
        switch (control.info().type) {
            case host::ControlCombobox: {
                // An item's text first; a number that is no item's text is an index.
                const auto& items = static_cast<ComboControl&>(control).items();
                auto match = std::find(items.begin(), items.end(), a[1]);
                int index = match != items.end()
                                ? static_cast<int>(match - items.begin())
                                : ScriptRunner::integerArgument(a[1], "an item text or index");
                if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
                    throw ScriptError("combo box " + a[0] + " has no item " + quote(a[1]));
                }
                out << "set " << id << ' ' << quote(items[static_cast<std::size_t>(index)]) << '\n';
                runner.attempt([&] { page.chooseItem(id, index); });
                break;
            }
            case host::ControlTextbox:
                out << "set " << id << ' ' << quote(a[1]) << '\n';
                runner.attempt([&] { page.typeText(id, a[1]); });
                break;
            default:
                if (a[1] != "on" && a[1] != "off") {
                    throw ScriptError("check box " + a[0] + " takes on or off, not " + quote(a[1]));
                }
                out << "set " << id << ' ' << a[1] << '\n';
                runner.attempt([&] { page.setCheckbox(id, a[1] == "on"); });
        }
    });
    runner.define("press", 1, 1, [&](const Arguments& a) {
        PropertyPage& page = openPage(app, "press");
        const int id = ScriptRunner::integerArgument(a[0], "a button id");
        pageControl(page, id, {host::ControlButton}, "button");
        out << "pressed " << id << '\n';
        runner.attempt([&] { page.pressButton(id); });
    });
    runner.define("option", 1, 1, [&](const Arguments& a) {
        PropertyPage& page = openPage(app, "option");
        const int id = ScriptRunner::integerArgument(a[0], "an option id");
        pageControl(page, id, {host::ControlOption}, "option button");
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
