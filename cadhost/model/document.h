#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cadhost/model/component.h"
#include "cadhost/model/feature.h"
#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

// A part, assembly or drawing: its custom properties, material density and appearance
// values, its feature tree with the dimensions of each feature, the components and
// selection of an assembly, and the views of a drawing. Names of properties and components
// match without regard to case, as add-ins and users type them.
class Document {
public:
    struct CustomProperty {
        std::string name;
        std::int32_t type;
        std::string value;
    };
    struct View {
        std::string name;    // "Front", "Top", "Isometric"...
        std::string source;  // the part or assembly file it shows
    };

    Document(host::DocumentType type, std::string title);

    host::DocumentType type() const { return type_; }
    const std::string& title() const { return title_; }
    const std::filesystem::path& path() const { return path_; }
    void setPath(std::filesystem::path path) { path_ = std::move(path); }
    // A closed document is kept by whoever still holds it, but nothing may use it.
    bool isOpen() const { return open_; }
    void markClosed() { open_ = false; }

    const std::vector<CustomProperty>& customProperties() const { return properties_; }
    const CustomProperty* findProperty(std::string_view name) const;
    // Sets a property, replacing one of the same name.
    void setProperty(std::string name, std::int32_t type, std::string value);
    // Adds a property; false, changing nothing, when the name is empty or taken: an add-in
    // that means to replace a value deletes the property first.
    bool addProperty(std::string name, std::int32_t type, std::string value);
    // False when there is no such property.
    bool deleteProperty(std::string_view name);

    double density() const { return density_; }
    void setDensity(double density) { density_ = density; }
    const std::vector<double>& materialValues() const { return values_; }
    void setMaterialValues(std::vector<double> values) { values_ = std::move(values); }
    int redrawCount() const { return redraws_; }
    void redraw() { ++redraws_; }

    Feature& addFeature(std::string name, std::string kind);
    const std::vector<std::shared_ptr<Feature>>& features() const { return features_; }

    Component& addComponent(std::string name, std::string partPath, std::vector<double> values);
    const std::vector<std::shared_ptr<Component>>& components() const { return components_; }
    Component* findComponent(std::string_view name) const;
    // The selected components, in the order they were selected; empty for no selection.
    const std::vector<std::shared_ptr<Component>>& selection() const { return selection_; }
    void select(const Component* component);  // null clears the selection

    void addView(std::string name, std::string source) {
        views_.push_back({std::move(name), std::move(source)});
    }
    const std::vector<View>& views() const { return views_; }

private:
    host::DocumentType type_;
    std::string title_;
    std::filesystem::path path_;
    bool open_ = true;
    std::vector<CustomProperty> properties_;
    double density_ = 1000.0;
    std::vector<double> values_;
    int redraws_ = 0;
    std::vector<std::shared_ptr<Feature>> features_;
    std::vector<std::shared_ptr<Component>> components_;
    std::vector<std::shared_ptr<Component>> selection_;
    std::vector<View> views_;
};

// The name of a document type as files and scripts write it: "part", "assembly",
// "drawing"; and back (nullopt for another word).
std::string_view documentTypeName(host::DocumentType type);
std::optional<host::DocumentType> documentTypeFromName(std::string_view name);

}  // namespace quenmoor::cadhost
