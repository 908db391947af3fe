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
    SelectionComponent = 20,
};

inline constexpr std::int32_t CustomInfoText = 30;
inline constexpr std::int32_t PreferenceMaterialDensity = 7;

// Page options 3: the OK and Cancel buttons. Group options 12: visible and expanded.
inline constexpr std::int32_t PageOptionsOkayCancel = 3;
inline constexpr std::int32_t GroupOptionsVisibleExpanded = 12;
inline constexpr std::int32_t ControlAlignLeft = 2;
inline constexpr std::int32_t ControlOptionsVisibleEnabled = 3;

inline constexpr std::int32_t MaterialValueCount = 9;

}  // namespace quenmoor::host
