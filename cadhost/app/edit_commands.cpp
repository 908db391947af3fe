// Script commands that change the active document as a user edits it: features and their
// dimensions, components, properties, appearance values and the selection.

#include <ostream>

#include "cadhost/app/script_runner.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/com/variant.h"

namespace quenmoor::cadhost {

namespace {

using Arguments = ScriptRunner::Arguments;

std::vector<double> parseValues(const Arguments& a, std::size_t first) {
    std::vector<double> values;
    for (std::size_t i = first; i < a.size(); ++i) {
        values.push_back(ScriptRunner::numberArgument(a[i], "an appearance value"));
    }
    return values;
}

}  // namespace

void addEditCommands(ScriptRunner& runner) {
    std::ostream& out = runner.out();

    runner.define("feature", 1, 64, [&](const Arguments& a) {
        Document& document = runner.activeDocument("feature");
        if (document.type() != host::DocumentPart) {
            throw ScriptError("feature: \"" + document.title() + "\" is not a part");
        }
        Feature& feature = document.addFeature(a[0], "feature");
        out << "feature " << quote(a[0]);
        for (std::size_t i = 1; i < a.size(); ++i) {
            // NAME or NAME=VALUE; a dimension without a value measures 10.
            auto equals = a[i].find('=');
            std::string name = a[i].substr(0, equals);
            double value =
                equals == std::string::npos
                    ? 10.0
                    : ScriptRunner::numberArgument(a[i].substr(equals + 1), "a dimension value");
            feature.addDimension(name, value);
            out << ' ' << quote(name);
        }
        out << '\n';
    });
    runner.define("component", 1, 2, [&](const Arguments& a) {
        Document& document = runner.activeDocument("component");
        if (document.type() != host::DocumentAssembly) {
            throw ScriptError("component: \"" + document.title() + "\" is not an assembly");
        }
        document.addComponent(a[0], a.size() > 1 ? a[1] : std::string(), defaultMaterialValues());
        out << "component " << quote(a[0]) << '\n';
    });
    // For this run only: the host's settings file keeps what the user saves in the window.
    runner.define("setting", 2, 2, [&](const Arguments& a) {
        if (a[0] != "team-folder") {
            throw ScriptError("setting: no setting named " + quote(a[0]) + " (team-folder)");
        }
        runner.model().setStringPreference(host::PreferenceTeamFolder, a[1]);
        out << "setting " << quote(a[0]) << ' ' << quote(a[1]) << '\n';
    });
    runner.define("property", 2, 2, [&](const Arguments& a) {
        Document& document = runner.activeDocument("property");
        document.setProperty(a[0], host::CustomInfoText, a[1]);
        out << "property " << quote(a[0]) << ' ' << quote(a[1]) << '\n';
    });
    runner.define("values", 9, 10, [&](const Arguments& a) {
        Document& document = runner.activeDocument("values");
        const bool ofComponent = a.size() == 10;
        std::vector<double> values = parseValues(a, ofComponent ? 1 : 0);
        Component* component = nullptr;
        if (ofComponent) {
            component = document.findComponent(a[0]);
            if (component == nullptr) {
                throw ScriptError("values: \"" + document.title() + "\" has no component \"" +
                                  a[0] + "\"");
            }
        }
        try {
            checkMaterialValues(values, ofComponent ? "component \"" + a[0] + "\"" : "document");
        } catch (const com::ComError& e) {
            throw ScriptError("values: " + e.description());
        }
        if (component != nullptr) {
            component->setValues(values);
        } else {
            document.setMaterialValues(values);
        }
        out << "values " << quote(ofComponent ? a[0] : document.title())
            << ScriptRunner::numbersText(values) << '\n';
    });
    runner.define("select", 1, 1, [&](const Arguments& a) {
        Document& document = runner.activeDocument("select");
        if (a[0] == "none") {
            document.select(nullptr);
            out << "selected none\n";
            return;
        }
        Component* component = document.findComponent(a[0]);
        if (component == nullptr) {
            throw ScriptError("select: \"" + document.title() + "\" has no component \"" + a[0] +
                              "\"");
        }
        document.select(component);
        out << "selected " << quote(component->name()) << '\n';
    });
    runner.define("dimension", 3, 3, [&](const Arguments& a) {
        Document& document = runner.activeDocument("dimension");
        for (const auto& feature : document.features()) {
            if (feature->name() != a[0]) {
                continue;
            }
            for (const auto& dimension : feature->dimensions()) {
                if (dimension->name() == a[1]) {
                    dimension->setValue(ScriptRunner::numberArgument(a[2], "a dimension value"));
                    out << "dimension " << quote(a[0]) << ' ' << quote(a[1]) << " = "
                        << com::formatDouble(dimension->value()) << '\n';
                    return;
                }
            }
            throw ScriptError("dimension: feature \"" + a[0] + "\" has no dimension \"" + a[1] +
                              "\"");
        }
        throw ScriptError("dimension: \"" + document.title() + "\" has no feature \"" + a[0] +
                          "\"");
    });
}

}  // namespace quenmoor::cadhost
