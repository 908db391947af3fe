"""The rooms of the repository depend only downwards, and the workbench's modules import
one another without a circle.

    python3 tests/layers_test.py

Rooms, lowest first: platform, contracts, then the add-in, the spreadsheet engine and the
hosts, none of which includes another. Inside a room its folders are ranked too (a host's
model below its automation objects below its program); folders of equal rank, such as the
add-in's tools, include none of each other.
"""

import ast
import os
import re
import sys
import unittest

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

# Folder -> (room, rank inside the room). A file may include its own folder, a folder of
# a lower room, or a lower-ranked folder of its own room.
RANKS = {
    "platform/files": ("platform", 0),
    "platform/com": ("platform", 1),
    "platform/window": ("platform", 2),
    "platform/help": ("platform", 2),
    "platform/regsvr": ("platform", 2),
    "contracts/host": ("contracts", 0),
    "contracts/spreadsheet": ("contracts", 0),
    "quenmoortools/toolkit": ("quenmoortools", 0),
    "quenmoortools/ui": ("quenmoortools", 1),
    "quenmoortools/addin": ("quenmoortools", 3),
    "workbook/xls": ("workbook", 0),
    "workbook/automation": ("workbook", 1),
    "cadhost/geometry": ("cadhost", 0),
    "cadhost/model": ("cadhost", 1),
    "cadhost/automation": ("cadhost", 2),
    "cadhost/app": ("cadhost", 3),
    "freecadhost/bridge": ("freecadhost", 0),
}
ROOM_ORDER = {"platform": 0, "contracts": 1}  # every other room stands at 2, side by side
# Every other folder of the add-in holds one tool: they stand between ui and addin, side by
# side, so a new tool's folder is ranked without being listed.
TOOL_RANK = ("quenmoortools", 2)


def folder_of(path):
    return os.path.dirname(path)


def place(folder):
    """The folder's (room, rank), or None for a folder outside the ranked rooms."""
    if folder in RANKS:
        return RANKS[folder]
    if os.path.dirname(folder) == "quenmoortools":
        return TOOL_RANK
    return None


def ranked_folders():
    tools = [
        os.path.join("quenmoortools", name)
        for name in sorted(os.listdir(os.path.join(SOURCE, "quenmoortools")))
        if os.path.isdir(os.path.join(SOURCE, "quenmoortools", name))
    ]
    return sorted(set(RANKS) | set(tools))


def climbs(source, target):
    """Why including `target` from `source` climbs, or None."""
    if folder_of(source) == folder_of(target) or place(folder_of(target)) is None:
        return None
    room, rank = place(folder_of(source))
    target_room, target_rank = place(folder_of(target))
    if room == target_room:
        if target_rank < rank:
            return None
        return "%s includes %s, a folder of its room not below its own" % (source, target)
    if ROOM_ORDER.get(target_room, 2) < ROOM_ORDER.get(room, 2):
        return None
    return "%s includes %s, a room not below its own" % (source, target)


def module_imports(path, package):
    """The modules of `package` that the file imports, wherever the import stands."""
    found = set()
    with open(path) as source:
        tree = ast.parse(source.read(), path)
    for node in ast.walk(tree):
        if isinstance(node, ast.ImportFrom) and node.module and node.module.startswith(package):
            if node.module == package:
                found.update(alias.name for alias in node.names)
            else:
                found.add(node.module[len(package) + 1:].split(".")[0])
        elif isinstance(node, ast.Import):
            for alias in node.names:
                if alias.name.startswith(package + "."):
                    found.add(alias.name[len(package) + 1:].split(".")[0])
    return found


def find_circle(graph):
    state = {}

    def visit(module, path):
        state[module] = "open"
        for imported in sorted(graph.get(module, ())):
            if state.get(imported) == "open":
                return path[path.index(imported):] + [imported] if imported in path else [
                    module, imported]
            if imported not in state:
                circle = visit(imported, path + [imported])
                if circle:
                    return circle
        state[module] = "done"
        return None

    for module in sorted(graph):
        if module not in state:
            circle = visit(module, [module])
            if circle:
                return circle
    return None


class LayersTest(unittest.TestCase):
    def test_no_include_climbs_to_a_higher_room_or_a_sibling(self):
        problems = []
        for folder in ranked_folders():
            for name in sorted(os.listdir(os.path.join(SOURCE, folder))):
                if not name.endswith((".h", ".cpp")):
                    continue
                source = os.path.join(folder, name)
                with open(os.path.join(SOURCE, source)) as text:
                    targets = INCLUDE.findall(text.read())
                for target in targets:
                    problem = climbs(source, target)
                    if problem:
                        problems.append(problem)
        self.assertEqual(problems, [])

    def test_the_rule_refuses_what_climbs(self):
        self.assertIsNotNone(climbs("contracts/host/a.h", "cadhost/model/document.h"))
        self.assertIsNotNone(climbs("quenmoortools/units/a.cpp", "quenmoortools/density/b.h"))
        self.assertIsNotNone(climbs("quenmoortools/newtool/a.cpp", "quenmoortools/units/b.h"))
        self.assertIsNotNone(climbs("quenmoortools/ui/a.cpp", "quenmoortools/newtool/b.h"))
        self.assertIsNotNone(climbs("cadhost/model/a.cpp", "quenmoortools/addin/b.h"))
        self.assertIsNone(climbs("cadhost/app/a.cpp", "cadhost/model/b.h"))

    def test_the_workbench_has_no_import_circle(self):
        package = "quenmoor_freecad"
        folder = os.path.join(SOURCE, "freecadhost", "workbench", package)
        graph = {
            name[:-3]: module_imports(os.path.join(folder, name), package)
            for name in os.listdir(folder)
            if name.endswith(".py")
        }
        self.assertEqual(find_circle(graph), None)
        self.assertEqual(find_circle({"a": {"b"}, "b": {"c"}, "c": {"a"}}), ["a", "b", "c", "a"])


if __name__ == "__main__":
    sys.exit(unittest.main())
