#include "cadhost/model/document.h"

#include <algorithm>

#include "cadhost/model/selection_manager.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/com/text_case.h"

namespace quenmoor::cadhost {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return com::equalsIgnoringCase(a, b);
}

std::string valuesText(const std::vector<double>& values) {
    std::string text;
    for (double v : values) {
        text += " " + com::formatDouble(v);
    }
    return text;
}

}  // namespace

std::string_view documentTypeName(host::DocumentType type) {
    switch (type) {
        case host::DocumentPart:
            return "part";
        case host::DocumentAssembly:
            return "assembly";
        case host::DocumentDrawing:
            return "drawing";
        default:
            return "none";
    }
}

std::optional<host::DocumentType> documentTypeFromName(std::string_view name) {
    for (auto type : {host::DocumentPart, host::DocumentAssembly, host::DocumentDrawing}) {
        if (name == documentTypeName(type)) {
            return type;
        }
    }
    return std::nullopt;
}

Document::Document(JournalPtr journal, host::DocumentType type, std::string title)
    : owner_(std::make_shared<DocumentOwner>(
          DocumentOwner{std::move(journal), std::move(title), true})),
      type_(type),
      values_(defaultMaterialValues()) {}

std::int32_t Document::GetType() {
    owner_->enter("GetType", "GetType " + quote(title()));
    return type_;
}

std::string Document::GetTitle() {
    owner_->enter("GetTitle", "GetTitle " + quote(title()));
    return title();
}

std::int32_t Document::SaveAs2(std::string name, std::int32_t version, bool saveAsCopy,
                               bool silent) {
    owner_->enter("SaveAs2", "SaveAs2 " + quote(title()) + " " + quote(name) + " " +
                                 std::to_string(version) + " " + (saveAsCopy ? "True" : "False") +
                                 " " + (silent ? "True" : "False"));
    if (!save_) {
        throw com::ComError(com::E_UNEXPECTED,
                            "SaveAs2: document \"" + title() + "\" has no writers");
    }
    return save_(*this, name);
}

std::string Document::CustomInfo2(std::string configuration, std::string field) {
    owner_->enter("CustomInfo2", "CustomInfo2 " + quote(title()) + " " + quote(configuration) +
                                     " " + quote(field));
    if (!configuration.empty()) {
        return {};  // this host keeps no configuration-specific properties
    }
    const CustomProperty* property = findProperty(field);
    return property != nullptr ? property->value : std::string();
}

bool Document::DeleteCustomInfo2(std::string configuration, std::string field) {
    owner_->enter("DeleteCustomInfo2", "DeleteCustomInfo2 " + quote(title()) + " " +
                                           quote(configuration) + " " + quote(field));
    if (!configuration.empty()) {
        return false;
    }
    auto removed = std::erase_if(properties_,
                                 [&](const CustomProperty& p) { return sameName(p.name, field); });
    return removed > 0;
}

bool Document::AddCustomInfo3(std::string configuration, std::string field, std::int32_t fieldType,
                              std::string value) {
    owner_->enter("AddCustomInfo3", "AddCustomInfo3 " + quote(title()) + " " +
                                        quote(configuration) + " " + quote(field) + " " +
                                        std::to_string(fieldType) + " " + quote(value));
    // As in the original host, adding a property that exists already changes nothing.
    if (!configuration.empty() || field.empty() || findProperty(field) != nullptr) {
        return false;
    }
    properties_.push_back({std::move(field), fieldType, std::move(value)});
    return true;
}

bool Document::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    owner_->enter("Document.SetUserPreferenceDoubleValue",
                  "Document.SetUserPreferenceDoubleValue " + quote(title()) + " " +
                      std::to_string(preference) + " " + com::formatDouble(value));
    if (preference != host::PreferenceMaterialDensity) {
        return false;
    }
    density_ = value;
    return true;
}

std::vector<double> Document::MaterialPropertyValues() {
    owner_->enter("MaterialPropertyValues", "MaterialPropertyValues " + quote(title()));
    return values_;
}

void Document::SetMaterialPropertyValues(std::vector<double> values) {
    owner_->enter("SetMaterialPropertyValues",
                  "SetMaterialPropertyValues " + quote(title()) + valuesText(values));
    checkMaterialValues(values, "document \"" + title() + "\"");
    values_ = std::move(values);
}

void Document::GraphicsRedraw2() {
    owner_->enter("GraphicsRedraw2", "GraphicsRedraw2 " + quote(title()));
    ++redraws_;
}

ComPtr<host::ISelectionMgr> Document::SelectionManager() {
    owner_->enter("SelectionManager", "SelectionManager " + quote(title()));
    return cadhost::SelectionManager::create(ComPtr<Document>(this));
}

std::int32_t Document::GetFeatureCount() {
    owner_->enter("GetFeatureCount", "GetFeatureCount " + quote(title()));
    return static_cast<std::int32_t>(features_.size());
}

ComPtr<host::IFeature> Document::FeatureByPositionReverse(std::int32_t position) {
    owner_->enter("FeatureByPositionReverse",
                  "FeatureByPositionReverse " + quote(title()) + " " + std::to_string(position));
    if (position < 0 || static_cast<std::size_t>(position) >= features_.size()) {
        throw com::ComError(com::E_INVALIDARG, "FeatureByPositionReverse: position " +
                                                   std::to_string(position) + " is outside the " +
                                                   std::to_string(features_.size()) +
                                                   " features of \"" + title() + "\"");
    }
    return features_[features_.size() - 1 - static_cast<std::size_t>(position)];
}

void Document::setProperty(std::string name, std::int32_t type, std::string value) {
    for (CustomProperty& property : properties_) {
        if (sameName(property.name, name)) {
            property.type = type;
            property.value = std::move(value);
            return;
        }
    }
    properties_.push_back({std::move(name), type, std::move(value)});
}

const Document::CustomProperty* Document::findProperty(std::string_view name) const {
    for (const CustomProperty& property : properties_) {
        if (sameName(property.name, name)) {
            return &property;
        }
    }
    return nullptr;
}

Feature& Document::addFeature(std::string name, std::string kind) {
    features_.push_back(Feature::create(owner_, std::move(name), std::move(kind)));
    return *features_.back();
}

Component& Document::addComponent(std::string name, std::string partPath,
                                  std::vector<double> values) {
    components_.push_back(
        Component::create(owner_, std::move(name), std::move(partPath), std::move(values)));
    return *components_.back();
}

Component* Document::findComponent(std::string_view name) const {
    for (const auto& component : components_) {
        if (sameName(component->name(), name)) {
            return component.get();
        }
    }
    return nullptr;
}

void Document::select(Component* component) {
    selection_.clear();
    if (component != nullptr) {
        selection_.push_back(ComPtr<Component>(component));
    }
}

}  // namespace quenmoor::cadhost
