#include "quenmoortools/package/export_page.h"

#include <string>

#include "contracts/host/host_codes.h"
#include "platform/com/activation.h"
#include "platform/com/com_error.h"
#include "quenmoortools/package/package_path.h"

namespace quenmoor::package {

namespace {

constexpr std::int32_t ExportGroupId = 90;
constexpr std::int32_t LocationButtonId = 0;

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
constexpr IntegerOption IntegerOptions[] = {{6, 1}, {10, 12}};
constexpr DoubleOption DoubleOptions[] = {{8, 0.215}, {9, 0.28}};

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
    // The host's error code is not examined; a page it could not make comes back empty.
    currentPage = hostApp.CreatePropertyManagerPage("Quenmoor", host::PageOptionsOkayCancel,
                                                    std::move(handler));
    if (!currentPage) {
        throw com::ComError(com::E_FAIL, "Export Package: the host gave no page \"Quenmoor\"");
    }
    auto document = requireDocument(*com::getRunningObject<host::ISldWorks>(host::HostClassName),
                                    "offer formats for");

    ExportGroup = currentPage->AddGroupBox(ExportGroupId, "Package Export",
                                           host::GroupOptionsVisibleExpanded);
    if (!ExportGroup) {
        throw com::ComError(com::E_FAIL,
                            "Export Package: the host gave no group \"Package Export\"");
    }
    LocationButton =
        ExportGroup
            ->AddControl(LocationButtonId, host::ControlButton, "Location", host::ControlAlignLeft,
                         host::ControlOptionsVisibleEnabled, "")
            .as<host::IPropertyManagerPageButton>("Export Package: the Location button");

    Offered.fill(false);
    auto addBox = [&](std::size_t index) {
        const Format& format = Formats[index];
        this->*format.field =
            ExportGroup
                ->AddControl(format.id, host::ControlCheckbox, format.caption,
                             host::ControlAlignLeft, host::ControlOptionsVisibleEnabled, "")
                .as<host::IPropertyManagerPageCheckbox>(std::string("Export Package: the box ") +
                                                        format.caption);
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
    currentPage->Show();
}

void ExportPage::packagefile(com::ComPtr<host::ISldWorks>& hostApp) {
    hostApp = com::createInstance<host::ISldWorks>(com::CLSIDFromProgID(host::HostProgId));
    auto document = requireDocument(*hostApp, "export");
    const std::string title = document->GetTitle();

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
            static_cast<void>(document->SaveAs2(baseName + format.extension, SaveVersion,
                                                SaveAsCopy, SaveSilently));
        }
    }
}

}  // namespace quenmoor::package
