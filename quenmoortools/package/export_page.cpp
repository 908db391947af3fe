#include "quenmoortools/package/export_page.h"

#include <string>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "quenmoortools/package/package_path.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/toolkit/property_page_builder.h"

namespace quenmoor::package {

namespace {

constexpr std::int32_t ExportGroupId = 90;

using CheckField = com::ComPtr<host::IPropertyManagerPageCheckbox> ExportPage::*;

struct Format {
    const char* caption;
    std::int32_t id;
    const char* extension;
    CheckField field;
};

// In the order of the saves.
constexpr std::array<Format, 7> Formats = {{
    {"TIFF", 17, ".tif", &ExportPage::TiffCheck},
    {"IGES", 13, ".igs", &ExportPage::IgesCheck},
    {"STEP", 14, ".step", &ExportPage::StepCheck},
    {"STL", 16, ".stl", &ExportPage::StlCheck},
    {"ACIS", 15, ".sat", &ExportPage::AcisCheck},
    {"DXF", 18, ".dxf", &ExportPage::DxfCheck},
    {"DWG", 19, ".dwg", &ExportPage::DwgCheck},
}};

// The boxes in the order the page shows them, as indices into Formats.
constexpr std::array<std::size_t, 5> ModelBoxes = {1, 2, 4, 3, 0};
constexpr std::array<std::size_t, 3> DrawingBoxes = {0, 5, 6};

// The host's export settings, set before every package and not restored.
struct IntegerOption {
    std::int32_t code;
    std::int32_t value;
};
struct DoubleOption {
    std::int32_t code;
    double value;
};
constexpr IntegerOption IntegerOptions[] = {{host::PreferenceStlBinary, 1},
                                            {host::PreferenceExportUnread, 12}};
constexpr DoubleOption DoubleOptions[] = {{host::PreferenceStlChordTolerance, 0.215},
                                          {host::PreferenceStlAngleTolerance, 0.28}};

constexpr std::int32_t SaveVersion = 0;
constexpr bool SaveAsCopy = false;
constexpr bool SaveSilently = true;

com::ComPtr<host::IModelDoc2> requireDocument(host::ISldWorks& hostApp, const char* action) {
    auto document = hostApp.ActiveDoc();
    if (!document) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            std::string("Export Package: no document is open to ") + action);
    }
    return document;
}

}  // namespace

void ExportPage::build(host::ISldWorks& hostApp, com::ComPtr<com::IDispatch> handler,
                       com::ComPtr<host::IPropertyManagerPage2>& currentPage) {
    const toolkit::PageBuilder page("Export Package", hostApp, "Quenmoor", std::move(handler),
                                    currentPage);
    auto document = requireDocument(*toolkit::runningHost(), "offer formats for");

    ExportGroup = page.addGroup(ExportGroupId, "Package Export");
    LocationButton = page.addControl<host::IPropertyManagerPageButton>(
        *ExportGroup, LocationButtonId, "Location", "Export Package: the Location button");

    Offered.fill(false);
    auto addBox = [&](std::size_t index) {
        const Format& format = Formats[index];
        this->*format.field = page.addControl<host::IPropertyManagerPageCheckbox>(
            *ExportGroup, format.id, format.caption,
            std::string("Export Package: the box ") + format.caption);
        Offered[index] = true;
    };
    if (document->GetType() != host::DocumentDrawing) {
        for (std::size_t index : ModelBoxes) {
            addBox(index);
        }
    } else {
        for (std::size_t index : DrawingBoxes) {
            addBox(index);
        }
    }
    page.show();
}

void ExportPage::packagefile(com::ComPtr<host::ISldWorks>& hostApp) {
    hostApp = toolkit::hostByProgId();
    auto document = requireDocument(*hostApp, "export");
    const std::string title = document->GetTitle();

    // A setting the host refuses (False) leaves its own value, which the saves then use.
    for (const IntegerOption& option : IntegerOptions) {
        hostApp->SetUserPreferenceIntegerValue(option.code, option.value);
    }
    for (const DoubleOption& option : DoubleOptions) {
        hostApp->SetUserPreferenceDoubleValue(option.code, option.value);
    }

    // Folder and title are joined with "/", this platform's separator. Nothing is trimmed
    // or checked: an empty folder gives "/<title>".
    const std::string baseName = locationText() + "/" + title;
    for (std::size_t index = 0; index < Formats.size(); ++index) {
        if (!Offered[index]) {
            continue;
        }
        const Format& format = Formats[index];
        if ((this->*format.field)->Checked()) {
            // A failed save (code 1) leaves its reason in the host's status bar; the others go on.
            static_cast<void>(document->SaveAs2(baseName + format.extension, SaveVersion,
                                                SaveAsCopy, SaveSilently));
        }
    }
}

}  // namespace quenmoor::package
