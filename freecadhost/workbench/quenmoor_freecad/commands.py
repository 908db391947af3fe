"""One FreeCAD command per tool of the add-in.

The add-in names a tool by the callback of its menu items, each menu in its own letter case
("Appearance" in the assembly's, "appearance" in the part's). FreeCAD gets one command per
callback whatever its case, named after the tool ("Quenmoor_CustomProperties") so that it
can go on a toolbar, take a shortcut or run from a macro, with the tool's own icon and
texts. Its menu text is the caption of the active document type's item.
"""

import os

import FreeCAD as App

PREFIX = "Quenmoor_"
ICONS = os.path.join(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "Resources", "icons"
)
WORKBENCH_ICON = os.path.join(ICONS, "Quenmoor_Workbench.svg")


class Tool:
    def __init__(self, name, tip, needs_document=True):
        self.name, self.tip, self.needs_document = name, tip, needs_document


# The tools by their callback in lower case. A callback not listed still gets a command,
# named after the callback, with the workbench's icon.
TOOLS = {
    "materialdensity": Tool(
        "AssignMaterial", "Write the density of a material from material.xls into the part"
    ),
    "tebrincallback": Tool(
        "CustomProperties", "Fill in the document's custom properties from the lists of Options.xls"
    ),
    "numdims": Tool(
        "NumerateDimensionNames", "Give every dimension whose name is not a number the next number"
    ),
    "appearance": Tool(
        "AppearancePanel", "Set the colour and light of the part or of a selected component",
        needs_document=False,
    ),
    "pack": Tool("ExportPackage", "Save the document in several exchange formats into one folder"),
    "conversion": Tool("UnitConverter", "Convert a value from one unit to another",
                       needs_document=False),
    "about": Tool("About", "Who made Quenmoor Tools, and its version", needs_document=False),
    "help": Tool("Help", "Open the help of Quenmoor Tools", needs_document=False),
}


def tool(callback):
    return TOOLS.get(callback.lower())


def command_name(callback):
    known = tool(callback)
    return PREFIX + (known.name if known else callback)


def icon(callback):
    path = os.path.join(ICONS, command_name(callback) + ".svg")
    return path if os.path.exists(path) else WORKBENCH_ICON


class ToolCommand:
    """The FreeCAD command of one tool."""

    def __init__(self, host, callback):
        self.host, self.callback = host, callback

    def GetResources(self):
        known = tool(self.callback)
        caption = self.host.menus.caption(self.callback)
        tip = known.tip if known else caption
        return {"Pixmap": icon(self.callback), "MenuText": caption, "ToolTip": tip,
                "StatusTip": tip}

    def IsActive(self):
        """Whether the tool can run now: the add-in is connected, the active document's
        menu offers it, and a document is open for a tool that needs one."""
        known = tool(self.callback)
        if not self.host.connected() or not self.host.menus.offers(self.callback):
            return False
        return not (known and known.needs_document) or App.ActiveDocument is not None

    def Activated(self):
        menus = self.host.menus
        self.host.run(menus.callback(self.callback), menus.caption(self.callback))
