// The names under which each host and spreadsheet interface answers late-bound calls.
// Every implementation of an interface answers the same names, through DualInterface.

#include "quenmoortools/host/document.h"
#include "quenmoortools/host/host_application.h"
#include "quenmoortools/host/property_page.h"
#include "quenmoortools/host/spreadsheet.h"

namespace quenmoor::host {

// clang-format off
#define TABLE(Interface) \
    const com::DispatchTable<Interface>& Interface::dispatchTable() { \
        using T = com::DispatchTable<Interface>; \
        static const T table {
#define END_TABLE \
    }; \
    return table; \
    }

TABLE(ISldWorks)
    T::method<&ISldWorks::AddMenu>("AddMenu"),
    T::method<&ISldWorks::AddMenuItem2>("AddMenuItem2"),
    T::method<&ISldWorks::RemoveMenu>("RemoveMenu"),
    T::method<&ISldWorks::CreatePropertyManagerPage>("CreatePropertyManagerPage"),
    T::get<&ISldWorks::ActiveDoc>("ActiveDoc"),
    T::method<&ISldWorks::SetUserPreferenceIntegerValue>("SetUserPreferenceIntegerValue"),
    T::method<&ISldWorks::SetUserPreferenceDoubleValue>("SetUserPreferenceDoubleValue"),
END_TABLE

TABLE(IModelDoc2)
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
    T::method<&IModelDoc2::FeatureByPositionReverse>("FeatureByPositionReverse"),
END_TABLE

TABLE(IDimension)
    T::get<&IDimension::Name>("Name"),
    T::put<&IDimension::SetName>("Name"),
END_TABLE

TABLE(IDisplayDimension)
    T::method<&IDisplayDimension::GetDimension>("GetDimension"),
END_TABLE

TABLE(IFeature)
    T::get<&IFeature::Name>("Name"),
    T::method<&IFeature::GetFirstDisplayDimension>("GetFirstDisplayDimension"),
    T::method<&IFeature::GetNextDisplayDimension>("GetNextDisplayDimension"),
END_TABLE

TABLE(ISelectionMgr)
    T::method<&ISelectionMgr::GetSelectedObjectType2>("GetSelectedObjectType2"),
    T::method<&ISelectionMgr::GetSelectedObject3>("GetSelectedObject3"),
END_TABLE

TABLE(IComponent2)
    T::get<&IComponent2::Name2>("Name2"),
    T::get<&IComponent2::MaterialPropertyValues>("MaterialPropertyValues"),
    T::put<&IComponent2::SetMaterialPropertyValues>("MaterialPropertyValues"),
END_TABLE

TABLE(IPropertyManagerPage2)
    T::method<&IPropertyManagerPage2::AddGroupBox>("AddGroupBox"),
    T::method<&IPropertyManagerPage2::SetMessage>("SetMessage"),
    T::method<&IPropertyManagerPage2::Show>("Show"),
END_TABLE

TABLE(IPropertyManagerPageGroup)
    T::method<&IPropertyManagerPageGroup::AddControl>("AddControl"),
END_TABLE

TABLE(IPropertyManagerPageCombobox)
    T::method<&IPropertyManagerPageCombobox::AddItems>("AddItems"),
    T::method<&IPropertyManagerPageCombobox::Clear>("Clear"),
    T::get<&IPropertyManagerPageCombobox::CurrentSelection>("CurrentSelection"),
    T::put<&IPropertyManagerPageCombobox::SetCurrentSelection>("CurrentSelection"),
    T::get<&IPropertyManagerPageCombobox::ItemText>("ItemText"),
END_TABLE

TABLE(IPropertyManagerPageTextbox)
    T::get<&IPropertyManagerPageTextbox::Text>("Text"),
    T::put<&IPropertyManagerPageTextbox::SetText>("Text"),
END_TABLE

TABLE(IPropertyManagerPageCheckbox)
    T::get<&IPropertyManagerPageCheckbox::Checked>("Checked"),
    T::put<&IPropertyManagerPageCheckbox::SetChecked>("Checked"),
END_TABLE

TABLE(IPropertyManagerPageOption)
    T::get<&IPropertyManagerPageOption::Checked>("Checked"),
    T::put<&IPropertyManagerPageOption::SetChecked>("Checked"),
END_TABLE

TABLE(IPropertyManagerPageButton)
    T::get<&IPropertyManagerPageButton::Caption>("Caption"),
END_TABLE

TABLE(Range)
    T::get<&Range::Value>("Value"),
    T::put<&Range::SetValue>("Value"),
END_TABLE

TABLE(Worksheet)
    T::get<&Worksheet::Name>("Name"),
    T::method<&Worksheet::Activate>("Activate"),
    T::get<&Worksheet::Cells>("Cells"),
END_TABLE

TABLE(Workbook)
    T::get<&Workbook::Name>("Name"),
    T::get<&Workbook::FullName>("FullName"),
    T::get<&Workbook::Worksheets>("Worksheets"),
    T::method<&Workbook::Save>("Save"),
    T::method<&Workbook::Close>("Close"),
END_TABLE

TABLE(Workbooks)
    T::method<&Workbooks::Open>("Open"),
    T::method<&Workbooks::Close>("Close"),
    T::get<&Workbooks::Count>("Count"),
END_TABLE

TABLE(Global)
    T::get<&Global::Workbooks>("Workbooks"),
    T::get<&Global::ActiveWorkbook>("ActiveWorkbook"),
    T::get<&Global::Worksheets>("Worksheets"),
    T::get<&Global::ActiveSheet>("ActiveSheet"),
    T::get<&Global::Cells>("Cells"),
END_TABLE

#undef TABLE
#undef END_TABLE
// clang-format on

}  // namespace quenmoor::host
