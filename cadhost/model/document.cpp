#include "cadhost/model/document.h"

#include <algorithm>

#include "platform/com/text_case.h"

namespace quenmoor::cadhost {

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

Document::Document(host::DocumentType type, std::string title)
    : type_(type), title_(std::move(title)), values_(defaultMaterialValues()) {}

const Document::CustomProperty* Document::findProperty(std::string_view name) const {
    for (const CustomProperty& property : properties_) {
        if (com::equalsIgnoringCase(property.name, name)) {
            return &property;
        }
    }
    return nullptr;
}

void Document::setProperty(std::string name, std::int32_t type, std::string value) {
    for (CustomProperty& property : properties_) {
        if (com::equalsIgnoringCase(property.name, name)) {
            property.type = type;
            property.value = std::move(value);
            return;
        }
    }
    properties_.push_back({std::move(name), type, std::move(value)});
}

bool Document::addProperty(std::string name, std::int32_t type, std::string value) {
    if (name.empty() || findProperty(name) != nullptr) {
        return false;
    }
    properties_.push_back({std::move(name), type, std::move(value)});
    return true;
}

bool Document::deleteProperty(std::string_view name) {
    return std::erase_if(properties_, [&](const CustomProperty& p) {
               return com::equalsIgnoringCase(p.name, name);
           }) > 0;
}

Feature& Document::addFeature(std::string name, std::string kind) {
    features_.push_back(std::make_shared<Feature>(std::move(name), std::move(kind)));
    return *features_.back();
}

Component& Document::addComponent(std::string name, std::string partPath,
                                  std::vector<double> values) {
    components_.push_back(
        std::make_shared<Component>(std::move(name), std::move(partPath), std::move(values)));
    return *components_.back();
}

Component* Document::findComponent(std::string_view name) const {
    for (const auto& component : components_) {
        if (com::equalsIgnoringCase(component->name(), name)) {
            return component.get();
        }
    }
    return nullptr;
}

void Document::select(const Component* component) {
    selection_.clear();
    for (const auto& candidate : components_) {
        if (candidate.get() == component) {
            selection_.push_back(candidate);
        }
    }
}

}  // namespace quenmoor::cadhost
