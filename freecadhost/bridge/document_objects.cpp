#include "freecadhost/bridge/document_objects.h"

#include <pybind11/stl.h>

namespace quenmoor::pythonhost {

std::int32_t PythonDocument::GetType() {
    return document_.call<std::int32_t>("GetType", "type");
}

std::string PythonDocument::GetTitle() {
    return document_.call<std::string>("GetTitle", "title");
}

std::int32_t PythonDocument::SaveAs2(std::string name, std::int32_t, bool, bool) {
    // Version and options steer nothing in the host's writers; the extension picks one.
    return document_.call<std::int32_t>("SaveAs2", "save_as", name);
}

std::string PythonDocument::CustomInfo2(std::string configuration, std::string field) {
    return document_.call<std::string>("CustomInfo2", "custom_info", configuration, field);
}

bool PythonDocument::DeleteCustomInfo2(std::string configuration, std::string field) {
    return document_.call<bool>("DeleteCustomInfo2", "delete_custom_info", configuration, field);
}

bool PythonDocument::AddCustomInfo3(std::string configuration, std::string field,
                                    std::int32_t fieldType, std::string value) {
    return document_.call<bool>("AddCustomInfo3", "add_custom_info", configuration, field,
                                fieldType, value);
}

bool PythonDocument::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    return document_.call<bool>("Document.SetUserPreferenceDoubleValue", "set_double_preference",
                                preference, value);
}

std::vector<double> PythonDocument::MaterialPropertyValues() {
    return document_.call<std::vector<double>>("MaterialPropertyValues", "material_values");
}

void PythonDocument::SetMaterialPropertyValues(std::vector<double> values) {
    document_.call("SetMaterialPropertyValues", "set_material_values", values);
}

void PythonDocument::GraphicsRedraw2() {
    document_.call("GraphicsRedraw2", "redraw");
}

ComPtr<host::ISelectionMgr> PythonDocument::SelectionManager() {
    return document_.make<PythonSelection>("SelectionManager", "selection");
}

std::int32_t PythonDocument::GetFeatureCount() {
    return document_.call<std::int32_t>("GetFeatureCount", "feature_count");
}

ComPtr<host::IFeature> PythonDocument::FeatureByPositionReverse(std::int32_t position) {
    return document_.make<PythonFeature>("FeatureByPositionReverse", "feature_from_end", position);
}

std::string PythonDimension::Name() {
    return dimension_.call<std::string>("Dimension.Name", "name");
}

void PythonDimension::SetName(std::string name) {
    dimension_.call("Dimension.SetName", "set_name", name);
}

std::string PythonFeature::Name() {
    return feature_.call<std::string>("Feature.Name", "name");
}

ComPtr<host::IDisplayDimension> PythonFeature::GetFirstDisplayDimension() {
    dimensions_ =
        feature_.makeEach<PythonDisplayDimension>("GetFirstDisplayDimension", "dimensions");
    if (dimensions_.empty()) {
        return {};
    }
    return dimensions_.front();
}

ComPtr<host::IDisplayDimension> PythonFeature::GetNextDisplayDimension(
    ComPtr<host::IDisplayDimension> previous) {
    HostCalls::instance().record("GetNextDisplayDimension");
    for (std::size_t i = 0; i < dimensions_.size(); ++i) {
        if (com::sameObject(dimensions_[i], previous)) {
            if (i + 1 < dimensions_.size()) {
                return dimensions_[i + 1];
            }
            return {};
        }
    }
    throw com::ComError(
        com::E_INVALIDARG,
        "GetNextDisplayDimension: the dimension given is not one of feature \"" + Name() + "\"");
}

std::int32_t PythonSelection::GetSelectedObjectType2(std::int32_t index) {
    return selection_.call<std::int32_t>("GetSelectedObjectType2", "selected_type", index);
}

ComPtr<com::IDispatch> PythonSelection::GetSelectedObject3(std::int32_t index) {
    auto component =
        selection_.make<PythonComponent>("GetSelectedObject3", "selected_object", index);
    if (!component) {
        return {};
    }
    return com::lateBound(*component);
}

std::string PythonComponent::Name2() {
    return component_.call<std::string>("Component.Name", "name");
}

std::vector<double> PythonComponent::MaterialPropertyValues() {
    return component_.call<std::vector<double>>("Component.MaterialPropertyValues",
                                                "material_values");
}

void PythonComponent::SetMaterialPropertyValues(std::vector<double> values) {
    component_.call("Component.SetMaterialPropertyValues", "set_material_values", values);
}

}  // namespace quenmoor::pythonhost
