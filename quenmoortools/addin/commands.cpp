// What the user can reach: the methods of the add-in's default interface by name, and the
// menus that name them.

#include "quenmoortools/addin/commands.h"

#include "quenmoortools/addin/application_interface.h"

namespace quenmoor::addin {

const com::DispatchTable<ApplicationInterface>& ApplicationInterface::dispatchTable() {
    using T = com::DispatchTable<ApplicationInterface>;
    static const T table{
        T::method<&ApplicationInterface::MaterialDensity>("MaterialDensity"),
        T::method<&ApplicationInterface::tebrincallback>("tebrincallback"),
        T::method<&ApplicationInterface::numdims>("numdims"),
        T::method<&ApplicationInterface::help>("help"),
        T::method<&ApplicationInterface::Appearance>("Appearance"),
        T::method<&ApplicationInterface::pack>("pack"),
        T::method<&ApplicationInterface::about>("about"),
        T::method<&ApplicationInterface::conversion>("conversion"),
        T::method<&ApplicationInterface::NumberDims>("NumberDims"),
        T::method<&ApplicationInterface::packagefile>("packagefile"),
        T::method<&ApplicationInterface::applydensity>("applydensity"),
    };
    return table;
}

// The texts are part of the add-in's interface, the assembly menu's "Export Packagel" and
// small-h "help" included: hosts' scripts pick items by them, and FreeCAD names its
// commands after the callbacks.
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
