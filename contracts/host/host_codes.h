#pragma once

#include <cstdint>

// Numbers of the host's interface that the add-in passes and receives as plain values.
namespace quenmoor::host {

enum DocumentType : std::int32_t {
    DocumentNone = 0,
    DocumentPart = 1,
    DocumentAssembly = 2,
    DocumentDrawing = 3,
};

enum PageCloseReason : std::int32_t {
    CloseOkay = 1,
    CloseCancel = 2,
};

enum ControlType : std::int32_t {
    ControlCheckbox = 2,
    ControlButton = 3,
    ControlOption = 4,
    ControlTextbox = 5,
    ControlCombobox = 7,
};

enum SelectionType : std::int32_t {
    SelectionNothing = 0,
    SelectionOther = 1,  // anything selected that is not a component
    SelectionComponent = 20,
};

inline constexpr std::int32_t CustomInfoText = 30;

// Document preference: the material density in kg/m³.
inline constexpr std::int32_t PreferenceMaterialDensity = 7;
// The host's export settings, which the export package sets before it saves: an STL file
// is binary unless integer preference 6 is 0; double preferences 8 and 9 are the STL
// mesh's chord tolerance (mm) and angle tolerance (radians). Integer preference 10 is set
// too; no host here writes anything that reads it.
inline constexpr std::int32_t PreferenceStlBinary = 6;
inline constexpr std::int32_t PreferenceStlChordTolerance = 8;
inline constexpr std::int32_t PreferenceStlAngleTolerance = 9;
inline constexpr std::int32_t PreferenceExportUnread = 10;
// String preference: the folder of the team's shared workbooks (Options.xls, material.xls)
// as the user set it in the host; empty for none.
inline constexpr std::int32_t PreferenceTeamFolder = 1;

// What SaveAs2 returns for any save that fails: add-ins test it against 0 only, and the
// user reads the reason where the host shows failures.
inline constexpr std::int32_t SaveFailed = 1;

// Page options 3: the OK and Cancel buttons. Group options 12: visible and expanded.
inline constexpr std::int32_t PageOptionsOkayCancel = 3;
inline constexpr std::int32_t GroupOptionsVisibleExpanded = 12;
inline constexpr std::int32_t ControlAlignLeft = 2;
inline constexpr std::int32_t ControlOptionsVisibleEnabled = 3;

inline constexpr std::int32_t MaterialValueCount = 9;

}  // namespace quenmoor::host
