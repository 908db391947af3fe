#include "cadhost/automation/document_object.h"

#include "cadhost/automation/feature_object.h"
#include "cadhost/automation/selection_object.h"
#include "contracts/host/host_codes.h"

namespace quenmoor::cadhost {

std::int32_t DocumentObject::GetType() {
    calls_.record("GetType", document_->title());
    return document_->type();
}

std::string DocumentObject::GetTitle() {
    calls_.record("GetTitle", document_->title());
    return document_->title();
}

std::int32_t DocumentObject::SaveAs2(std::string name, std::int32_t version, bool saveAsCopy,
                                     bool silent) {
    calls_.record("SaveAs2", document_->title(), name, version, saveAsCopy, silent);
    return host_->saveAs(*document_, name);
}

std::string DocumentObject::CustomInfo2(std::string configuration, std::string field) {
    calls_.record("CustomInfo2", document_->title(), configuration, field);
    const Document::CustomProperty* property =
        configuration.empty() ? document_->findProperty(field) : nullptr;
    return property != nullptr ? property->value : std::string();
}

bool DocumentObject::DeleteCustomInfo2(std::string configuration, std::string field) {
    calls_.record("DeleteCustomInfo2", document_->title(), configuration, field);
    return configuration.empty() && document_->deleteProperty(field);
}

bool DocumentObject::AddCustomInfo3(std::string configuration, std::string field,
                                    std::int32_t fieldType, std::string value) {
    calls_.record("AddCustomInfo3", document_->title(), configuration, field, fieldType, value);
    return configuration.empty() &&
           document_->addProperty(std::move(field), fieldType, std::move(value));
}

bool DocumentObject::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    calls_.record("Document.SetUserPreferenceDoubleValue", document_->title(), preference, value);
    if (preference != host::PreferenceMaterialDensity) {
        return false;
    }
    document_->setDensity(value);
    return true;
}

std::vector<double> DocumentObject::MaterialPropertyValues() {
    calls_.record("MaterialPropertyValues", document_->title());
    return document_->materialValues();
}

void DocumentObject::SetMaterialPropertyValues(std::vector<double> values) {
    calls_.record("SetMaterialPropertyValues", document_->title(), values);
    checkMaterialValues(values, "document \"" + document_->title() + "\"");
    document_->setMaterialValues(std::move(values));
}

void DocumentObject::GraphicsRedraw2() {
    calls_.record("GraphicsRedraw2", document_->title());
    document_->redraw();
}

ComPtr<host::ISelectionMgr> DocumentObject::SelectionManager() {
    calls_.record("SelectionManager", document_->title());
    return SelectionObject::create(calls_, document_);
}

std::int32_t DocumentObject::GetFeatureCount() {
    calls_.record("GetFeatureCount", document_->title());
    return static_cast<std::int32_t>(document_->features().size());
}

ComPtr<host::IFeature> DocumentObject::FeatureByPositionReverse(std::int32_t position) {
    calls_.record("FeatureByPositionReverse", document_->title(), position);
    const auto& features = document_->features();
    if (position < 0 || static_cast<std::size_t>(position) >= features.size()) {
        throw com::ComError(com::E_INVALIDARG, "FeatureByPositionReverse: position " +
                                                   std::to_string(position) + " is outside the " +
                                                   std::to_string(features.size()) +
                                                   " features of \"" + document_->title() + "\"");
    }
    return FeatureObject::create(
        calls_, features[features.size() - 1 - static_cast<std::size_t>(position)]);
}

}  // namespace quenmoor::cadhost
