#!/usr/bin/env bash
# Builds the add-in for FreeCAD, installs the Quenmoor workbench into the user's FreeCAD Mod
# folder, registers its components in the user's FreeCAD registry, and starts FreeCAD on the
# example part. With --install it stops once installed (for scripts and tests).
#
#     bash scripts/freecad.sh             # install and start FreeCAD on examples/freecad
#     bash scripts/freecad.sh --install   # install only
set -euo pipefail
cd "$(dirname "$0")/.."

install_only=0
case "${1:-}" in
    --install) install_only=1 ;;
    "") ;;
    *) echo "usage: bash scripts/freecad.sh [--install]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh --freecad
cmake --preset freecad >/dev/null
cmake --build --preset freecad

# The user's Mod folder, as FreeCAD itself names it.
user_data=$(freecadcmd -c "import FreeCAD; print('QUENMOOR_USER_DATA=' + FreeCAD.getUserAppDataDir())" 2>/dev/null |
    sed -n 's/^QUENMOOR_USER_DATA=//p' | tail -n 1)
if [ -z "$user_data" ]; then
    echo "freecad.sh: FreeCAD did not tell its user data folder" >&2
    exit 1
fi
/usr/bin/python3 freecadhost/install.py build/freecad "${user_data%/}/Mod/Quenmoor"

if [ "$install_only" -eq 1 ]; then
    exit 0
fi
export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec freecad examples/freecad/bracket.FCStd examples/freecad/frame.FCStd \
        examples/freecad/bracket-drawing.FCStd
fi
echo "No display: FreeCAD is installed with the Quenmoor workbench; start it with a display:"
echo "    freecad examples/freecad/bracket.FCStd"
