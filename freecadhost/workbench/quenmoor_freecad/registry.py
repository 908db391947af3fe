"""Where FreeCAD's component registry is. FreeCAD runs the Qt 5 build of the components and
cadhost the Qt 6 build, under the same class ids, so FreeCAD keeps a registry of its own:
$QUENMOOR_REGISTRY, else freecad-registry.json beside the user's registry.json. Needs no
FreeCAD, so that the install script can name it too."""

import os


def freecad_registry():
    named = os.environ.get("QUENMOOR_REGISTRY")
    if named:
        return named
    config = os.environ.get("XDG_CONFIG_HOME", "")
    if not os.path.isabs(config):
        config = os.path.join(os.path.expanduser("~"), ".config")
    return os.path.join(config, "quenmoor", "freecad-registry.json")
