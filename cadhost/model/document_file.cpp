#include "cadhost/model/document_file.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/files/replacement_file.h"

namespace quenmoor::cadhost {

namespace {

using nlohmann::json;

[[noreturn]] void bad(const std::filesystem::path& path, const std::string& what) {
    throw com::ComError(com::E_INVALIDARG, path.string() + ": " + what);
}

// A document file holds UTF-8 text only; a name or value that is not cannot be saved and
// is refused, naming it, before anything is written.
const std::string& utf8(const std::string& text, const std::filesystem::path& path,
                        const std::string& what) {
    try {
        (void)json(text).dump();
    } catch (const json::type_error&) {
        throw com::ComError(com::E_INVALIDARG,
                            path.string() + ": cannot be saved: " + what + " is not UTF-8 text");
    }
    return text;
}

std::vector<double> readValues(const json& node, const std::filesystem::path& path,
                               const std::string& what) {
    std::vector<double> values;
    try {
        values = node.get<std::vector<double>>();
    } catch (const json::exception&) {
        bad(path, what + ": materialValues must be a list of nine numbers");
    }
    try {
        checkMaterialValues(values, what);
    } catch (const com::ComError& e) {
        bad(path, e.description());
    }
    return values;
}

// An optional list of `least` to `most` numbers; empty when the member is left out.
std::vector<double> readNumbers(const json& node, const char* member, std::size_t least,
                                std::size_t most, const std::filesystem::path& path,
                                const std::string& what) {
    if (!node.contains(member)) {
        return {};
    }
    std::vector<double> numbers;
    try {
        numbers = node[member].get<std::vector<double>>();
    } catch (const json::exception&) {
        numbers.clear();
    }
    if (numbers.size() < least || numbers.size() > most) {
        bad(path, what + ": \"" + member + "\" must be a list of " + std::to_string(least) +
                      (least == most ? "" : " or " + std::to_string(most)) + " numbers");
    }
    return numbers;
}

}  // namespace

std::shared_ptr<Document> loadDocument(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) {
        throw com::ComError(com::E_FILE_NOT_FOUND,
                            path.string() + ": cannot open the document file");
    }
    json root;
    try {
        root = json::parse(file);
    } catch (const json::exception& e) {  // a syntax error, or a number beyond a double
        bad(path, std::string("not a document file (") + e.what() + ")");
    }
    try {
        if (!root.is_object()) {
            bad(path, "not a document file (expected a JSON object)");
        }
        auto type = documentTypeFromName(root.value("type", std::string()));
        if (!type) {
            bad(path, "\"type\" must be \"part\", \"assembly\" or \"drawing\"");
        }
        auto document =
            std::make_shared<Document>(*type, root.value("title", path.stem().string()));
        document->setPath(path);
        document->setDensity(root.value("density", 1000.0));
        if (root.contains("materialValues")) {
            document->setMaterialValues(readValues(root["materialValues"], path, "document"));
        }
        for (const json& property : root.value("properties", json::array())) {
            document->setProperty(property.at("name").get<std::string>(),
                                  property.value("type", host::CustomInfoText),
                                  property.value("value", std::string()));
        }
        for (const json& node : root.value("features", json::array())) {
            Feature& feature = document->addFeature(node.at("name").get<std::string>(),
                                                    node.value("kind", std::string("feature")));
            for (const json& dimension : node.value("dimensions", json::array())) {
                feature.addDimension(dimension.at("name").get<std::string>(),
                                     dimension.value("value", 0.0));
            }
            feature.setPosition(
                readNumbers(node, "position", 2, 2, path, "feature \"" + feature.name() + "\""));
        }
        for (const json& node : root.value("components", json::array())) {
            std::string name = node.at("name").get<std::string>();
            std::vector<double> values =
                node.contains("materialValues")
                    ? readValues(node["materialValues"], path, "component \"" + name + "\"")
                    : defaultMaterialValues();
            document->addComponent(name, node.value("part", std::string()), std::move(values))
                .setPlacement(
                    readNumbers(node, "placement", 3, 4, path, "component \"" + name + "\""));
        }
        for (const json& name : root.value("selection", json::array())) {
            Component* component = document->findComponent(name.get<std::string>());
            if (component == nullptr) {
                bad(path, "selection names no component \"" + name.get<std::string>() + "\"");
            }
            document->select(component);
        }
        for (const json& view : root.value("views", json::array())) {
            document->addView(view.at("name").get<std::string>(),
                              view.value("source", std::string()));
        }
        return document;
    } catch (const json::exception& e) {
        bad(path, std::string("malformed document (") + e.what() + ")");
    }
}

void saveDocument(const Document& document, const std::filesystem::path& path) {
    const auto text = [&path](const std::string& value, const std::string& what) {
        return utf8(value, path, what);
    };
    json root = json::object();
    root["type"] = documentTypeName(document.type());
    root["title"] = text(document.title(), "the title");
    root["density"] = document.density();
    root["materialValues"] = document.materialValues();
    root["properties"] = json::array();
    for (const auto& property : document.customProperties()) {
        const std::string& name = text(property.name, "the name of a custom property");
        root["properties"].push_back(
            {{"name", name},
             {"type", property.type},
             {"value", text(property.value, "the value of custom property \"" + name + "\"")}});
    }
    root["features"] = json::array();
    for (const auto& feature : document.features()) {
        const std::string& name = text(feature->name(), "the name of a feature");
        json dimensions = json::array();
        for (const auto& dimension : feature->dimensions()) {
            dimensions.push_back(
                {{"name", text(dimension->name(), "a dimension name of feature \"" + name + "\"")},
                 {"value", dimension->value()}});
        }
        json node = {{"name", name}, {"kind", feature->kind()}, {"dimensions", dimensions}};
        if (!feature->position().empty()) {
            node["position"] = feature->position();
        }
        root["features"].push_back(std::move(node));
    }
    if (!document.components().empty()) {
        root["components"] = json::array();
        for (const auto& component : document.components()) {
            const std::string& name = text(component->name(), "the name of a component");
            json node = {
                {"name", name},
                {"part", text(component->partPath(), "the part of component \"" + name + "\"")},
                {"materialValues", component->values()}};
            if (!component->placement().empty()) {
                node["placement"] = component->placement();
            }
            root["components"].push_back(std::move(node));
        }
        root["selection"] = json::array();
        for (const auto& component : document.selection()) {
            root["selection"].push_back(component->name());
        }
    }
    if (!document.views().empty()) {
        root["views"] = json::array();
        for (const auto& view : document.views()) {
            const std::string& name = text(view.name, "the name of a view");
            root["views"].push_back(
                {{"name", name},
                 {"source", text(view.source, "the source of view \"" + name + "\"")}});
        }
    }
    try {
        files::replaceFile(path, root.dump(2) + "\n");
    } catch (const std::system_error& e) {
        throw com::fileError(e);
    }
}

}  // namespace quenmoor::cadhost
