#include "quenmoortools/units/unit_converter_tool.h"

namespace quenmoor::units {

void UnitConverterTool::conversion(toolkit::AddinState& addin) {
    Converter.build(*addin.HostApp, addin.pageHandler(), addin.CurrentPage);
}

void UnitConverterTool::calculate(toolkit::AddinState&) {
    Converter.calculate();
}

void UnitConverterTool::checkQuantity(toolkit::AddinState& addin, std::int32_t id) {
    Converter.checkQuantity(id, addin.RowCounter);
}

}  // namespace quenmoor::units
