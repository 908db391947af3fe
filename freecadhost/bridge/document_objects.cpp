#include "freecadhost/bridge/document_objects.h"

#include <pybind11/stl.h>

namespace quenmoor::freecadhost {

std::int32_t FreeCadDocument::GetType() {
    return document_.call<std::int32_t>("type");
}

std::string FreeCadDocument::GetTitle() {
    return document_.call<std::string>("title");
}

std::int32_t FreeCadDocument::SaveAs2(std::string name, std::int32_t, bool, bool) {
    // Version and options steer nothing in FreeCAD's writers; the extension picks one.
    return document_.call<std::int32_t>("save_as", name);
}

std::string FreeCadDocument::CustomInfo2(std::string configuration, std::string field) {
    return document_.call<std::string>("custom_info", configuration, field);
}

bool FreeCadDocument::DeleteCustomInfo2(std::string configuration, std::string field) {
    return document_.call<bool>("delete_custom_info", configuration, field);
}

bool FreeCadDocument::AddCustomInfo3(std::string configuration, std::string field,
                                     std::int32_t fieldType, std::string value) {
    return document_.call<bool>("add_custom_info", configuration, field, fieldType, value);
}

bool FreeCadDocument::SetUserPreferenceDoubleValue(std::int32_t preference, double value) {
    return document_.call<bool>("set_double_preference", preference, value);
}

std::vector<double> FreeCadDocument::MaterialPropertyValues() {
    return document_.call<std::vector<double>>("material_values");
}

void FreeCadDocument::SetMaterialPropertyValues(std::vector<double> values) {
    document_.call("set_material_values", values);
}

void FreeCadDocument::GraphicsRedraw2() {
    document_.call("redraw");
}

ComPtr<host::ISelectionMgr> FreeCadDocument::SelectionManager() {
    return wrapObject<FreeCadSelection>(document_.call<py::object>("selection"));
}

std::int32_t FreeCadDocument::GetFeatureCount() {
    return document_.call<std::int32_t>("feature_count");
}

ComPtr<host::IFeature> FreeCadDocument::FeatureByPositionReverse(std::int32_t position) {
    return wrapObject<FreeCadFeature>(document_.call<py::object>("feature_from_end", position));
}

std::string FreeCadDimension::Name() {
    return dimension_.call<std::string>("name");
}

void FreeCadDimension::SetName(std::string name) {
    dimension_.call("set_name", name);
}

std::string FreeCadFeature::Name() {
    return feature_.call<std::string>("name");
}

ComPtr<host::IDisplayDimension> FreeCadFeature::GetFirstDisplayDimension() {
    auto found = feature_.call<std::vector<py::object>>("dimensions");
    dimensions_.clear();
    for (py::object& dimension : found) {
        dimensions_.push_back(wrapObject<FreeCadDisplayDimension>(std::move(dimension)));
    }
    if (dimensions_.empty()) {
        return {};
    }
    return dimensions_.front();
}

ComPtr<host::IDisplayDimension> FreeCadFeature::GetNextDisplayDimension(
    ComPtr<host::IDisplayDimension> previous) {
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

std::int32_t FreeCadSelection::GetSelectedObjectType2(std::int32_t index) {
    return selection_.call<std::int32_t>("selected_type", index);
}

ComPtr<com::IDispatch> FreeCadSelection::GetSelectedObject3(std::int32_t index) {
    auto component =
        wrapObject<FreeCadComponent>(selection_.call<py::object>("selected_object", index));
    if (!component) {
        return {};
    }
    return com::lateBound(*component);
}

std::string FreeCadComponent::Name2() {
    return component_.call<std::string>("name");
}

std::vector<double> FreeCadComponent::MaterialPropertyValues() {
    return component_.call<std::vector<double>>("material_values");
}

void FreeCadComponent::SetMaterialPropertyValues(std::vector<double> values) {
    component_.call("set_material_values", values);
}

}  // namespace quenmoor::freecadhost
