#pragma once

#include "quenmoortools/appearance/appearance_tool.h"
#include "quenmoortools/density/density_tool.h"
#include "quenmoortools/dimensions/numbering_tool.h"
#include "quenmoortools/package/export_tool.h"
#include "quenmoortools/properties/custom_properties_tool.h"
#include "quenmoortools/toolkit/tool.h"
#include "quenmoortools/ui/shell_tools.h"
#include "quenmoortools/units/unit_converter_tool.h"

namespace quenmoor::addin {

// The add-in's tools, each declared in its own folder. The menus, the methods of the
// add-in's interface, the routing of page events and the tools' state all come from this
// table. A page accepted with OK is completed by the first tool in this order whose mark
// is set.
using ToolTable =
    toolkit::ToolTable<properties::CustomPropertiesTool, dimensions::NumberingTool,
                       package::ExportTool, density::DensityTool, units::UnitConverterTool,
                       appearance::AppearanceTool, ui::AboutTool, ui::HelpTool>;

static_assert(ToolTable::declarationsAgree(),
              "a menu row names a callback no tool declares, or two rows of one menu share a "
              "position, or a menu's positions leave a gap");

}  // namespace quenmoor::addin
