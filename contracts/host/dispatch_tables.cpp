// The names under which each host interface answers late-bound calls. Every implementation
// of an interface answers the same names, through DualInterface.

#include "contracts/host/addin_events.h"
#include "contracts/host/document.h"
#include "contracts/host/host_application.h"
#include "contracts/host/property_page.h"

namespace quenmoor::host {

// clang-format off
QUENMOOR_DISPATCH_TABLE(ISldWorks,
    T::method<&ISldWorks::SetAddinCallbackInfo>("SetAddinCallbackInfo"),
    T::method<&ISldWorks::AddMenu>("AddMenu"),
    T::method<&ISldWorks::AddMenuItem2>("AddMenuItem2"),
    T::method<&ISldWorks::RemoveMenu>("RemoveMenu"),
    T::method<&ISldWorks::CreatePropertyManagerPage>("CreatePropertyManagerPage"),
    T::get<&ISldWorks::ActiveDoc>("ActiveDoc"),
    T::method<&ISldWorks::SetUserPreferenceIntegerValue>("SetUserPreferenceIntegerValue"),
    T::method<&ISldWorks::SetUserPreferenceDoubleValue>("SetUserPreferenceDoubleValue"),
    T::method<&ISldWorks::GetUserPreferenceStringValue>("GetUserPreferenceStringValue"))

QUENMOOR_DISPATCH_TABLE(IModelDoc2,
    T::method<&IModelDoc2::GetType>("GetType"),
    T::method<&IModelDoc2::GetTitle>("GetTitle"),
    T::method<&IModelDoc2::SaveAs2>("SaveAs2"),
    T::get<&IModelDoc2::CustomInfo2>("CustomInfo2"),
    T::method<&IModelDoc2::DeleteCustomInfo2>("DeleteCustomInfo2"),
    T::method<&IModelDoc2::AddCustomInfo3>("AddCustomInfo3"),
    T::method<&IModelDoc2::SetUserPreferenceDoubleValue>("SetUserPreferenceDoubleValue"),
    T::get<&IModelDoc2::MaterialPropertyValues>("MaterialPropertyValues"),
    T::put<&IModelDoc2::SetMaterialPropertyValues>("MaterialPropertyValues"),
    T::method<&IModelDoc2::GraphicsRedraw2>("GraphicsRedraw2"),
    T::get<&IModelDoc2::SelectionManager>("SelectionManager"),
    T::method<&IModelDoc2::GetFeatureCount>("GetFeatureCount"),
    T::method<&IModelDoc2::FeatureByPositionReverse>("FeatureByPositionReverse"))

QUENMOOR_DISPATCH_TABLE(IDimension,
    T::get<&IDimension::Name>("Name"),
    T::put<&IDimension::SetName>("Name"))

QUENMOOR_DISPATCH_TABLE(IDisplayDimension,
    T::method<&IDisplayDimension::GetDimension>("GetDimension"))

QUENMOOR_DISPATCH_TABLE(IFeature,
    T::get<&IFeature::Name>("Name"),
    T::method<&IFeature::GetFirstDisplayDimension>("GetFirstDisplayDimension"),
    T::method<&IFeature::GetNextDisplayDimension>("GetNextDisplayDimension"))

QUENMOOR_DISPATCH_TABLE(ISelectionMgr,
    T::method<&ISelectionMgr::GetSelectedObjectType2>("GetSelectedObjectType2"),
    T::method<&ISelectionMgr::GetSelectedObject3>("GetSelectedObject3"))

QUENMOOR_DISPATCH_TABLE(IComponent2,
    T::get<&IComponent2::Name2>("Name2"),
    T::get<&IComponent2::MaterialPropertyValues>("MaterialPropertyValues"),
    T::put<&IComponent2::SetMaterialPropertyValues>("MaterialPropertyValues"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPage2,
    T::method<&IPropertyManagerPage2::AddGroupBox>("AddGroupBox"),
    T::method<&IPropertyManagerPage2::SetMessage>("SetMessage"),
    T::method<&IPropertyManagerPage2::Show>("Show"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPageGroup,
    T::method<&IPropertyManagerPageGroup::AddControl>("AddControl"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPageCombobox,
    T::method<&IPropertyManagerPageCombobox::AddItems>("AddItems"),
    T::method<&IPropertyManagerPageCombobox::Clear>("Clear"),
    T::get<&IPropertyManagerPageCombobox::CurrentSelection>("CurrentSelection"),
    T::put<&IPropertyManagerPageCombobox::SetCurrentSelection>("CurrentSelection"),
    T::get<&IPropertyManagerPageCombobox::ItemText>("ItemText"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPageTextbox,
    T::get<&IPropertyManagerPageTextbox::Text>("Text"),
    T::put<&IPropertyManagerPageTextbox::SetText>("Text"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPageCheckbox,
    T::get<&IPropertyManagerPageCheckbox::Checked>("Checked"),
    T::put<&IPropertyManagerPageCheckbox::SetChecked>("Checked"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPageOption,
    T::get<&IPropertyManagerPageOption::Checked>("Checked"),
    T::put<&IPropertyManagerPageOption::SetChecked>("Checked"))

QUENMOOR_DISPATCH_TABLE(IPropertyManagerPageButton,
    T::get<&IPropertyManagerPageButton::Caption>("Caption"))
// clang-format on

}  // namespace quenmoor::host
