#!/usr/bin/env bash
# Builds the Debian package build/package/quenmoor-tools_<version>_<arch>.deb from two
# builds made with Debian's compiler flags (dpkg-buildflags) and installed under /usr:
# cadhost with the Qt 6 add-in, and the Qt 5 add-in with the FreeCAD bridge and workbench.
# Prints the package's path last.
#
#     bash scripts/package.sh
#     sudo apt install ./build/package/quenmoor-tools_1.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package

# Every hardening option Debian knows, immediate binding among them.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
# Build type None: the flags are Debian's alone. Tests and benchmarks are built by the
# presets, not here; warnings are not errors in a packager's build.
common=(
    -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr
    -DQUENMOOR_BUILD_TESTS=OFF -DQUENMOOR_BUILD_BENCHMARKS=OFF
    "-DCMAKE_CXX_FLAGS=$(flags CPPFLAGS) $(flags CXXFLAGS)"
    "-DCMAKE_EXE_LINKER_FLAGS=$(flags LDFLAGS)"
    "-DCMAKE_SHARED_LINKER_FLAGS=$(flags LDFLAGS)"
    "-DCMAKE_MODULE_LINKER_FLAGS=$(flags LDFLAGS)"
)
cadhost=build/package/cadhost
freecad=build/package/freecad
cmake -S . -B "$cadhost" "${common[@]}" -DQUENMOOR_BUILD_MANUAL_PAGES=ON >/dev/null
cmake -S . -B "$freecad" "${common[@]}" -DQUENMOOR_QT_MAJOR=5 -DQUENMOOR_BUILD_CADHOST=OFF \
    -DQUENMOOR_BUILD_FREECAD=ON -DPython3_EXECUTABLE=/usr/bin/python3 >/dev/null
cmake --build "$cadhost"
cmake --build "$freecad"

rm -f build/package/*.deb
(
    cd "$cadhost"
    cpack -G DEB -B "$PWD/.." \
        -D "CPACK_INSTALL_CMAKE_PROJECTS=$PWD;QuenmoorTools;ALL;/;$(realpath ../freecad);QuenmoorTools;ALL;/" \
        >/dev/null
)
rm -rf build/package/_CPack_Packages
ls "$PWD"/build/package/*.deb
