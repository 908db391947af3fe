# Where `cmake --install` puts the product (GNUInstallDirs): the programs in bin/; the
# component runtime, the add-in and the spreadsheet engine with their workbooks and help file
# in a folder of their own under lib/, where the add-in finds them beside itself; the
# examples and the tour under share/.
#
# A FreeCAD build holds Qt 5 builds of the same components, which cannot share a process
# with cadhost's Qt 6 ones: it installs them into a folder of their own inside, and the
# workbench into FreeCAD's folder of system-wide workbenches.
include(GNUInstallDirs)

set(QUENMOOR_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/quenmoor-tools)
if(QUENMOOR_BUILD_FREECAD)
    set(QUENMOOR_INSTALL_COMPONENTDIR ${QUENMOOR_INSTALL_LIBDIR}/freecad)
else()
    set(QUENMOOR_INSTALL_COMPONENTDIR ${QUENMOOR_INSTALL_LIBDIR})
endif()
set(QUENMOOR_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/quenmoor-tools)
set(QUENMOOR_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quenmoor-tools)
# Debian's FreeCAD 0.20 loads every folder of /usr/share/freecad/Mod as a workbench
# (FreeCAD.getResourceDir() + "Mod").
set(QUENMOOR_FREECAD_MOD_DIR ${CMAKE_INSTALL_DATADIR}/freecad/Mod
    CACHE STRING "FreeCAD's folder of system-wide workbenches, relative to the prefix")

# The components' folder seen from the programs' folder: the programs' RPATH, and where an
# installed cadhost looks for the components to register at a user's first start.
file(RELATIVE_PATH QUENMOOR_COMPONENTS_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${QUENMOOR_INSTALL_COMPONENTDIR})
