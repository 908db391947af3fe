"""Installs the Quenmoor workbench from a build folder into a FreeCAD Mod folder and
registers its components in a registry.

    python3 freecadhost/install.py BUILD_DIR MOD_DIR [--registry FILE]

BUILD_DIR is a build of the freecad preset (build/freecad); MOD_DIR is the folder the
workbench goes to, FreeCAD's user Mod folder + "Quenmoor" for a user. The add-in, the
spreadsheet engine, their workbooks and help file, the runtime and the FreeCAD bridge go
to MOD_DIR/lib, where the add-in finds its workbooks and help beside itself. The
components are registered in the registry --registry (or $QUENMOOR_REGISTRY) names, else
in the user's FreeCAD registry, freecad-registry.json beside the user's registry.json:
FreeCAD runs the Qt 5 build of the components, cadhost the Qt 6 build, under the same
class ids (see quenmoor_freecad/startup.py, which registers what is missing at start).
"""

import argparse
import glob
import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "workbench"))
from quenmoor_freecad.registry import freecad_registry  # noqa: E402

LIBRARY_FILES = [
    "quenmoortools.so",
    "workbook.so",
    "libquenmoorcom.so",
    "Options.xls",
    "material.xls",
    "quenmoorhelp.chm",
    "quenmoorhost.*.so",
]


def install(build, mod, registry=None):
    source_mod = os.path.join(build, "Mod", "Quenmoor")
    binaries = os.path.join(build, "bin")
    if not os.path.isdir(source_mod) or not os.path.isfile(os.path.join(binaries, "regsvr")):
        raise SystemExit("install: %s is not a build of the freecad preset" % build)
    if os.path.islink(mod) or os.path.isfile(mod):
        os.remove(mod)
    elif os.path.isdir(mod):
        shutil.rmtree(mod)
    shutil.copytree(source_mod, mod, ignore=shutil.ignore_patterns("lib", "__pycache__"))
    lib = os.path.join(mod, "lib")
    os.makedirs(lib)
    for pattern in LIBRARY_FILES:
        found = glob.glob(os.path.join(binaries, pattern))
        if not found:
            raise SystemExit("install: %s has no %s; build the freecad preset" % (binaries, pattern))
        for path in found:
            shutil.copy2(path, lib)
    # The registry is chosen when the bridge first uses it, so it is named before.
    os.environ["QUENMOOR_REGISTRY"] = registry or freecad_registry()
    sys.path.insert(0, lib)
    import quenmoorhost

    quenmoorhost.register_components(lib, every=True)
    return lib


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("mod")
    parser.add_argument("--registry")
    arguments = parser.parse_args()
    lib = install(arguments.build, arguments.mod, arguments.registry)
    print("installed the Quenmoor workbench in %s (libraries in %s)" % (arguments.mod, lib))


if __name__ == "__main__":
    sys.exit(main())
