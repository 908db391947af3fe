# The Debian package, made by CPack's DEB generator from what `cmake --install` puts under
# /usr. scripts/package.sh builds it from two builds: this one (cadhost, with the Qt 6
# add-in) and a FreeCAD build (the Qt 5 add-in, the bridge and the workbench), which it
# names in CPACK_INSTALL_CMAKE_PROJECTS.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenmoor-tools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/strip_staging.cmake)
set(CPACK_PACKAGE_CONTACT
    "Quenmoor Tools maintainers <maintainers@users.noreply.c-seed-2bd2feb4.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The synopsis, then the long description; CPack indents its lines and marks the blank one
# as a paragraph break.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering tools add-in for mechanical CAD hosts")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quenmoor Tools is a menu of small engineering tools inside a CAD host:
custom properties chosen from workbook lists, a unit converter, material
density, an appearance panel, dimension numbering and a multi-format export
package, with help and an About box.

This package holds cadhost, a CAD host with a window and a script runner, the
add-in with the spreadsheet engine and component runtime it runs on, regsvr to
register component libraries, and the Quenmoor workbench, which gives FreeCAD
a Quenmoor menu for every user of the machine.")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS freecad)
# Dependencies come from the libraries the binaries link (dpkg-shlibdeps); the runtime is
# the package's own, which dpkg-shlibdeps finds through the $ORIGIN RPATHs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
