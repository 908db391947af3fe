// Script commands that build, open, save and print documents.

#include <cmath>
#include <ostream>

#include "cadhost/app/script_runner.h"
#include "cadhost/model/document_geometry.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

using Arguments = ScriptRunner::Arguments;

Document& activeDocument(HostModel& application, const char* command) {
    Document* document = application.activeDocument();
    if (document == nullptr) {
        throw ScriptError(std::string(command) + ": no document is open");
    }
    return *document;
}

std::string valuesText(const std::vector<double>& values) {
    std::string text;
    for (double v : values) {
        text += " " + com::formatDouble(v);
    }
    return text;
}

void printDocument(std::ostream& out, const Document& document) {
    out << "document " << documentTypeName(document.type()) << ' ' << quote(document.title());
    if (!document.path().empty()) {
        out << " file " << quote(document.path().string());
    }
    out << '\n';
    out << "density " << com::formatDouble(document.density()) << '\n';
    out << "values" << valuesText(document.materialValues()) << '\n';
    for (const auto& property : document.customProperties()) {
        out << "property " << quote(property.name) << ' ' << property.type << ' '
            << quote(property.value) << '\n';
    }
    for (const auto& feature : document.features()) {
        out << "feature " << quote(feature->name()) << ' ' << feature->kind() << '\n';
        for (const auto& dimension : feature->dimensions()) {
            out << "dimension " << quote(dimension->name()) << ' '
                << com::formatDouble(dimension->value()) << '\n';
        }
    }
    for (const auto& component : document.components()) {
        out << "component " << quote(component->name()) << valuesText(component->values()) << '\n';
    }
    for (const auto& component : document.selection()) {
        out << "selected " << quote(component->name()) << '\n';
    }
    for (const auto& view : document.views()) {
        out << "view " << quote(view.name) << ' ' << quote(view.source) << '\n';
    }
    out << "redraws " << document.redrawCount() << '\n';
}

std::vector<double> parseValues(const Arguments& a, std::size_t first) {
    std::vector<double> values;
    for (std::size_t i = first; i < a.size(); ++i) {
        values.push_back(ScriptRunner::numberArgument(a[i], "an appearance value"));
    }
    return values;
}

}  // namespace

void addDocumentCommands(ScriptRunner& runner) {
    HostModel& app = runner.model();
    std::ostream& out = runner.out();

    runner.define("new", 2, 2, [&](const Arguments& a) {
        auto type = documentTypeFromName(a[0]);
        if (!type) {
            throw ScriptError("new: document type must be part, assembly or drawing, not \"" +
                              a[0] + "\"");
        }
        app.newDocument(*type, a[1]);
        out << "new " << a[0] << ' ' << quote(a[1]) << '\n';
    });
    runner.define("open", 1, 1, [&](const Arguments& a) {
        Document& document = app.openDocument(a[0]);
        out << "opened " << documentTypeName(document.type()) << ' ' << quote(document.title())
            << '\n';
    });
    runner.define("activate", 1, 1, [&](const Arguments& a) {
        app.activate(a[0]);
        out << "active " << quote(a[0]) << '\n';
    });
    runner.define("save", 0, 1, [&](const Arguments& a) {
        app.saveActive(a.empty() ? std::nullopt : std::optional<std::filesystem::path>(a[0]));
        Document& document = *app.activeDocument();
        out << "saved " << quote(document.title()) << " to " << quote(document.path().string())
            << '\n';
    });
    runner.define("close", 0, 0, [&](const Arguments&) {
        std::string title = activeDocument(app, "close").title();
        app.closeActive();
        out << "closed " << quote(title) << '\n';
    });
    runner.define("feature", 1, 64, [&](const Arguments& a) {
        Document& document = activeDocument(app, "feature");
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
        Document& document = activeDocument(app, "component");
        if (document.type() != host::DocumentAssembly) {
            throw ScriptError("component: \"" + document.title() + "\" is not an assembly");
        }
        document.addComponent(a[0], a.size() > 1 ? a[1] : std::string(), defaultMaterialValues());
        out << "component " << quote(a[0]) << '\n';
    });
    runner.define("property", 2, 2, [&](const Arguments& a) {
        Document& document = activeDocument(app, "property");
        document.setProperty(a[0], host::CustomInfoText, a[1]);
        out << "property " << quote(a[0]) << ' ' << quote(a[1]) << '\n';
    });
    runner.define("values", 9, 10, [&](const Arguments& a) {
        Document& document = activeDocument(app, "values");
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
        out << "values " << quote(ofComponent ? a[0] : document.title()) << valuesText(values)
            << '\n';
    });
    runner.define("select", 1, 1, [&](const Arguments& a) {
        Document& document = activeDocument(app, "select");
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
        Document& document = activeDocument(app, "dimension");
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
    runner.define("export", 1, 1, [&](const Arguments& a) {
        Document& document = activeDocument(app, "export");
        std::size_t failures = app.saveFailures().size();
        if (app.saveAs(document, a[0]) != 0) {
            throw ScriptError("export: " + (app.saveFailures().size() > failures
                                                ? app.saveFailures().back()
                                                : std::string("the host refused the save")));
        }
        out << "exported " << quote(document.title()) << " to " << quote(a[0]) << '\n';
    });
    runner.define("solid", 0, 0, [&](const Arguments&) {
        Document& document = activeDocument(app, "solid");
        const DocumentSource source = app.documentSource();
        if (document.type() == host::DocumentDrawing) {
            geometry::Sheet sheet = sheetOf(document, source);
            for (const auto& view : sheet.views) {
                out << "view " << quote(view.name) << ' ' << view.curves.size() << " curves\n";
            }
            return;
        }
        for (const auto& body : sceneOf(document, source).bodies) {
            out << "solid " << quote(body.name) << " volume "
                << com::formatDouble(std::round(body.shape.volume() * 1000) / 1000) << '\n';
        }
    });
    runner.define("doc", 0, 0, [&](const Arguments&) {
        if (app.activeDocument() == nullptr) {
            out << "document none\n";
            return;
        }
        printDocument(out, *app.activeDocument());
    });
}

}  // namespace quenmoor::cadhost
