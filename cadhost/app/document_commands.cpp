// Script commands that open, save, close, export and print documents.

#include <cmath>
#include <ostream>

#include "cadhost/app/script_runner.h"
#include "cadhost/model/document_geometry.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

using Arguments = ScriptRunner::Arguments;

void printDocument(std::ostream& out, const Document& document) {
    out << "document " << documentTypeName(document.type()) << ' ' << quote(document.title());
    if (!document.path().empty()) {
        out << " file " << quote(document.path().string());
    }
    out << '\n';
    out << "density " << com::formatDouble(document.density()) << '\n';
    out << "values" << ScriptRunner::numbersText(document.materialValues()) << '\n';
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
        out << "component " << quote(component->name())
            << ScriptRunner::numbersText(component->values()) << '\n';
    }
    for (const auto& component : document.selection()) {
        out << "selected " << quote(component->name()) << '\n';
    }
    for (const auto& view : document.views()) {
        out << "view " << quote(view.name) << ' ' << quote(view.source) << '\n';
    }
    out << "redraws " << document.redrawCount() << '\n';
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
        std::string title = runner.activeDocument("close").title();
        if (const PropertyPage* page = app.openPage();
            page != nullptr && page->document() == app.active()) {
            out << "closed page " << quote(page->title()) << " with cancel\n";
        }
        runner.attempt([&] { app.closeActive(); });
        out << "closed " << quote(title) << '\n';
    });
    runner.define("export", 1, 1, [&](const Arguments& a) {
        Document& document = runner.activeDocument("export");
        std::size_t failures = app.saveFailures().size();
        if (app.saveAs(document, a[0]) != 0) {
            throw ScriptError("export: " + (app.saveFailures().size() > failures
                                                ? app.saveFailures().back()
                                                : std::string("the host refused the save")));
        }
        out << "exported " << quote(document.title()) << " to " << quote(a[0]) << '\n';
    });
    runner.define("solid", 0, 0, [&](const Arguments&) {
        Document& document = runner.activeDocument("solid");
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
