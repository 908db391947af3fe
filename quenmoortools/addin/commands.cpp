// What the user can reach: the methods of _Application by name, and the menus that name
// them.

#include "quenmoortools/addin/commands.h"

#include "quenmoortools/addin/application_interface.h"

namespace quenmoor::addin {

const com::DispatchTable<_Application>& _Application::dispatchTable() {
    using T = com::DispatchTable<_Application>;
    static const T table{
        T::method<&_Application::MaterialDensity>("MaterialDensity"),
        T::method<&_Application::tebrincallback>("tebrincallback"),
        T::method<&_Application::numdims>("numdims"),
        T::method<&_Application::help>("help"),
        T::method<&_Application::Appearance>("Appearance"),
        T::method<&_Application::pack>("pack"),
        T::method<&_Application::about>("about"),
        T::method<&_Application::conversion>("conversion"),
        T::method<&_Application::NumberDims>("NumberDims"),
        T::method<&_Application::packagefile>("packagefile"),
        T::method<&_Application::applydensity>("applydensity"),
    };
    return table;
}

// The texts stand as the menus have always shown them, the assembly menu's "Export
// Packagel" and small-h "help" included; scripts and users' habits depend on them.
std::span<const MenuItem> menuItems() {
    static constexpr MenuItem items[] = {
        {2, "Custom Properties@Quenmoor", "tebrincallback"},
        {2, "Appearance Panel@Quenmoor", "Appearance"},
        {2, "Export Packagel@Quenmoor", "Pack"},
        {2, "Unit Converter@Quenmoor", "conversion"},
        {2, "help@Quenmoor", "help"},
        {2, "About@Quenmoor", "About"},
        {1, "Assign Material@Quenmoor", "MaterialDensity"},
        {1, "Custom Properties@Quenmoor", "tebrincallback"},
        {1, "Numerate Dimension Names@Quenmoor", "NumDims"},
        {1, "Appearance Panel@Quenmoor", "appearance"},
        {1, "Export Package@Quenmoor", "Pack"},
        {1, "Unit Converter@Quenmoor", "conversion"},
        {1, "About@Quenmoor", "About"},
        {1, "Help@Quenmoor", "Help"},
        {3, "Custom Properties@Quenmoor", "tebrincallback"},
        {3, "Export Package@Quenmoor", "Pack"},
        {3, "Unit Converter@Quenmoor", "conversion"},
        {3, "About@Quenmoor", "About"},
        {3, "Help@Quenmoor", "Help"},
    };
    return items;
}

}  // namespace quenmoor::addin
