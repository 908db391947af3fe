#pragma once

#include <array>
#include <cstdint>

#include "contracts/host/host_application.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::package {

// The page's "Location" button; its press is routed to showLocation().
inline constexpr std::int32_t LocationButtonId = 0;

// "Export Package": a page with a "Location" button and one check box per exchange format
// the document's type offers, and the saves of the checked formats into the folder of the
// location window. Each reference holds the last control of its kind that a build created;
// a build replaces only the references of the controls that it creates.
struct ExportPage {
    com::ComPtr<host::IPropertyManagerPageCheckbox> IgesCheck;
    com::ComPtr<host::IPropertyManagerPageCheckbox> AcisCheck;
    com::ComPtr<host::IPropertyManagerPageCheckbox> StlCheck;
    com::ComPtr<host::IPropertyManagerPageCheckbox> StepCheck;
    com::ComPtr<host::IPropertyManagerPageCheckbox> DxfCheck;
    com::ComPtr<host::IPropertyManagerPageCheckbox> DwgCheck;
    com::ComPtr<host::IPropertyManagerPageCheckbox> TiffCheck;
    com::ComPtr<host::IPropertyManagerPageButton> LocationButton;
    com::ComPtr<host::IPropertyManagerPageGroup> ExportGroup;

    // `pack` after its mark is set: creates the page with `handler` as its event handler,
    // stores it in currentPage, adds the group, the button and the boxes of the active
    // document's type, and shows the page. No box is checked.
    void build(host::ISldWorks& hostApp, com::ComPtr<com::IDispatch> handler,
               com::ComPtr<host::IPropertyManagerPage2>& currentPage);

    // `packagefile`: replaces hostApp with the running host, sets the host's export options
    // and saves the active document once per checked box of the last built page, in the
    // order TIFF, IGES, STEP, STL, ACIS, DXF, DWG, as <Text1>/<title><extension>. The
    // numeric results of the saves are not examined.
    void packagefile(com::ComPtr<host::ISldWorks>& hostApp);

    // The formats whose boxes the last build created, in the order of the saves.
    std::array<bool, 7> Offered{};
};

}  // namespace quenmoor::package
