#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cadhost/model/component.h"
#include "cadhost/model/document_owner.h"
#include "cadhost/model/feature.h"
#include "contracts/host/document.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

class Document;

// Writes a document to a file in the format its extension names; returns 0 or the host's
// error number. Set by the application, which owns the export writers.
using SaveFunction = std::function<std::int32_t(Document&, const std::filesystem::path&)>;

// A part, assembly or drawing: its custom properties, material density and appearance
// values, its feature tree with the dimensions of each feature, the components and
// selection of an assembly, and the views of a drawing.
class Document final : public com::ComObject<Document, com::DualInterface<host::IModelDoc2>> {
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

    Document(JournalPtr journal, host::DocumentType type, std::string title);

    // IModelDoc2
    std::int32_t GetType() override;
    std::string GetTitle() override;
    std::int32_t SaveAs2(std::string name, std::int32_t version, bool saveAsCopy,
                         bool silent) override;
    std::string CustomInfo2(std::string configuration, std::string field) override;
    bool DeleteCustomInfo2(std::string configuration, std::string field) override;
    bool AddCustomInfo3(std::string configuration, std::string field, std::int32_t fieldType,
                        std::string value) override;
    bool SetUserPreferenceDoubleValue(std::int32_t preference, double value) override;
    std::vector<double> MaterialPropertyValues() override;
    void SetMaterialPropertyValues(std::vector<double> values) override;
    void GraphicsRedraw2() override;
    ComPtr<host::ISelectionMgr> SelectionManager() override;
    std::int32_t GetFeatureCount() override;
    ComPtr<host::IFeature> FeatureByPositionReverse(std::int32_t position) override;

    // The host's own access, not recorded in the journal.
    host::DocumentType type() const { return type_; }
    const std::string& title() const { return owner_->title; }
    const std::filesystem::path& path() const { return path_; }
    void setPath(std::filesystem::path path) { path_ = std::move(path); }
    bool isOpen() const { return owner_->open; }
    void markClosed() { owner_->open = false; }
    const OwnerPtr& owner() const { return owner_; }

    const std::vector<CustomProperty>& customProperties() const { return properties_; }
    // Sets a property, replacing one of the same name (without regard to case).
    void setProperty(std::string name, std::int32_t type, std::string value);
    const CustomProperty* findProperty(std::string_view name) const;

    double density() const { return density_; }
    void setDensity(double density) { density_ = density; }
    const std::vector<double>& materialValues() const { return values_; }
    void setMaterialValues(std::vector<double> values) { values_ = std::move(values); }
    int redrawCount() const { return redraws_; }

    Feature& addFeature(std::string name, std::string kind);
    const std::vector<ComPtr<Feature>>& features() const { return features_; }

    Component& addComponent(std::string name, std::string partPath, std::vector<double> values);
    const std::vector<ComPtr<Component>>& components() const { return components_; }
    Component* findComponent(std::string_view name) const;
    // The selected components, in the order they were selected; empty for no selection.
    const std::vector<ComPtr<Component>>& selection() const { return selection_; }
    void select(Component* component);  // null clears the selection

    void addView(std::string name, std::string source) {
        views_.push_back({std::move(name), std::move(source)});
    }
    const std::vector<View>& views() const { return views_; }

    void setSaveFunction(SaveFunction save) { save_ = std::move(save); }

private:
    OwnerPtr owner_;
    host::DocumentType type_;
    std::filesystem::path path_;
    std::vector<CustomProperty> properties_;
    double density_ = 1000.0;
    std::vector<double> values_;
    int redraws_ = 0;
    std::vector<ComPtr<Feature>> features_;
    std::vector<ComPtr<Component>> components_;
    std::vector<ComPtr<Component>> selection_;
    std::vector<View> views_;
    SaveFunction save_;
};

// The name of a document type as files and scripts write it: "part", "assembly",
// "drawing"; and back (nullopt for another word).
std::string_view documentTypeName(host::DocumentType type);
std::optional<host::DocumentType> documentTypeFromName(std::string_view name);

}  // namespace quenmoor::cadhost
