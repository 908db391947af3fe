"""quenmoorhost without FreeCAD: the real add-in hosted by a plain Python host object, through
the real registry and loader.

    python3 bridge_test.py LIBRARY_FOLDER

LIBRARY_FOLDER holds quenmoorhost and the components it registers (a build's bin folder).
"""

import gc
import os
import sys
import tempfile
import unittest
import weakref

FOLDER = sys.argv.pop(1) if len(sys.argv) > 1 else ""
# The registry is chosen when the runtime first reads it: the test's own, before the import.
os.environ["QUENMOOR_REGISTRY"] = os.path.join(tempfile.mkdtemp(), "registry.json")
sys.path.insert(0, FOLDER)
import quenmoorhost  # noqa: E402
from quenmoorhost import codes  # noqa: E402


class Dimension:
    def __init__(self, name):
        self.name_ = name

    def name(self):
        return self.name_

    def set_name(self, name):
        self.name_ = name


class Feature:
    def __init__(self, *names):
        self.dimensions_ = [Dimension(name) for name in names]

    def name(self):
        return "Sketch"

    def dimensions(self):
        return self.dimensions_


class Document:
    def __init__(self, *features):
        self.features = list(features)

    def feature_count(self):
        return len(self.features)

    def feature_from_end(self, position):
        return self.features[len(self.features) - 1 - position]


class Control:
    """Any control of a page: a combo box keeps each list of items it is handed."""

    def __init__(self):
        self.handed, self.index, self.text_, self.checked_ = [], -1, "", False

    def items(self):
        return [item for items in self.handed for item in items]

    def add_items(self, items):
        self.handed.append(list(items))
        self.index = max(self.index, 0)

    def clear(self):
        self.handed, self.index = [], -1

    def selection(self):
        return self.index

    def set_selection(self, index):
        self.index = index

    def item_text(self, index):
        return self.items()[index]

    def text(self):
        return self.text_

    def set_text(self, text):
        self.text_ = text

    def checked(self):
        return self.checked_

    def set_checked(self, checked):
        self.checked_ = checked

    def caption(self):
        return ""


class Page:
    def __init__(self, events):
        self.events = events
        self.controls = {}
        self.items_when_shown = None

    def add_group(self, id, caption, options):
        return self

    def add_control(self, id, control_type, caption, align, options, tip):
        self.controls[id] = Control()
        return self.controls[id]

    def set_message(self, text, severity):
        return True

    def show(self):
        self.items_when_shown = {id: c.items() for id, c in self.controls.items() if c.handed}
        return 0


class Host:
    """The least a host gives the add-in: menus, pages and a document."""

    def __init__(self, document=None):
        self.items, self.removed, self.pages = [], [], []
        self.document = document

    def add_menu(self, document_type, title, position):
        return 1

    def add_menu_item(self, document_type, item, position, callback, hint):
        self.items.append((document_type, callback))
        return 1

    def remove_menu(self, document_type, title, callback):
        self.removed.append(document_type)
        return True

    def create_page(self, title, options, events):
        self.pages.append(Page(events))
        return self.pages[-1]

    def active_document(self):
        if isinstance(self.document, Exception):
            raise self.document
        return self.document

    def string_preference(self, preference):
        return ""


class AddinHostTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        registered = quenmoorhost.register_components(FOLDER)
        assert any(path.endswith("quenmoortools.so") for path in registered), registered
        # Registered once, a component is left as the registry has it.
        assert quenmoorhost.register_components(FOLDER) == []

    def hosted(self, host):
        addin = quenmoorhost.AddinHost(host)
        self.assertFalse(addin.connect(quenmoorhost.ADDIN_PROG_ID))
        self.addCleanup(addin.disconnect)
        return addin

    def test_the_add_in_adds_its_menus_and_removes_them_when_disconnected(self):
        host = Host()
        addin = quenmoorhost.AddinHost(host)
        self.assertFalse(addin.connected())
        addin.connect(quenmoorhost.ADDIN_PROG_ID)
        self.assertTrue(addin.connected())
        self.assertIn((codes.DOCUMENT_PART, "NumDims"), host.items)
        self.assertEqual(addin.disconnect(), False)
        self.assertEqual(sorted(host.removed), [codes.DOCUMENT_PART, codes.DOCUMENT_ASSEMBLY,
                                                codes.DOCUMENT_DRAWING])
        self.assertIsNone(addin.disconnect())

    def test_a_menu_pick_and_ok_number_the_hosts_dimensions(self):
        host = Host(Document(Feature("D1", "7"), Feature("Width")))
        addin = self.hosted(host)
        addin.call("numdims")
        self.assertEqual(len(host.pages), 1)
        host.pages[0].events.on_close(codes.CLOSE_OKAY)
        names = [d.name() for f in host.document.features for d in f.dimensions()]
        self.assertEqual(names, ["8", "7", "9"])

    def test_the_calls_are_recorded_by_the_hosts_names_and_one_can_be_failed(self):
        host = Host(Document(Feature("D1", "7"), Feature("Width")))
        addin = self.hosted(host)
        quenmoorhost.record_calls(True)
        self.addCleanup(quenmoorhost.record_calls, False)
        addin.call("numdims")
        host.pages[0].events.on_close(codes.CLOSE_OKAY)
        calls = quenmoorhost.recorded_calls()
        self.assertEqual(calls[:2], ["CreatePropertyManagerPage", "AddGroupBox"])
        self.assertEqual(calls.count("Dimension.SetName"), 2, calls)
        self.assertIn("GetNextDisplayDimension", calls)

        # The second rename fails: the add-in hears the host's refusal by the call's name.
        for feature in host.document.features:
            for dimension in feature.dimensions():
                dimension.set_name({"8": "D1", "9": "Width"}.get(dimension.name(), dimension.name()))
        quenmoorhost.fail_call("Dimension.SetName", 2)
        addin.call("numdims")
        with self.assertRaises(quenmoorhost.HostCallError) as raised:
            host.pages[1].events.on_close(codes.CLOSE_OKAY)
        self.assertIn("Dimension.SetName: the host refused the call", str(raised.exception))
        with self.assertRaises(quenmoorhost.HostCallError):
            quenmoorhost.fail_call("Dimension.SetName", 0)

    def test_a_combo_box_gets_its_list_in_one_call_in_the_order_added(self):
        host = Host()
        addin = self.hosted(host)
        addin.call("conversion")
        page = host.pages[0]
        page.events.on_option_check(1)
        units, to = page.controls[43], page.controls[44]
        self.assertEqual(len(units.handed), 1, "one call for the whole list")
        self.assertEqual(to.handed, units.handed)
        # The order is what a choice means: inch to mm must give 25.4.
        units.index, to.index = units.items().index("inch"), to.items().index("mm")
        page.controls[25].text_ = "1"
        page.events.on_button_press(55)
        self.assertTrue(page.controls[26].text_.startswith("25.4"), page.controls[26].text_)

    def test_a_pages_lists_are_whole_when_it_is_shown(self):
        document = Document()
        document.custom_info = lambda configuration, field: "kept %s" % field
        host = Host(document)
        addin = self.hosted(host)
        addin.call("tebrincallback")
        page = host.pages[0]
        self.assertEqual(len(page.items_when_shown), 7, "seven lists")
        for items in page.items_when_shown.values():
            self.assertTrue(items[0].startswith("kept "), "the document's value comes first")
            self.assertGreater(len(items), 1)

    def test_a_failure_reaches_python_typed_with_its_code_and_text(self):
        host = Host(KeyError("the document went away"))
        addin = self.hosted(host)
        addin.call("numdims")
        with self.assertRaises(quenmoorhost.HostCallError) as raised:
            host.pages[0].events.on_close(codes.CLOSE_OKAY)
        self.assertIsInstance(raised.exception, RuntimeError)
        self.assertIn("the document went away", str(raised.exception))
        self.assertEqual(raised.exception.hresult, 0x80004005)

        with self.assertRaises(quenmoorhost.HostCallError) as unknown:
            addin.call("NoSuchCallback")
        self.assertIn("NoSuchCallback", str(unknown.exception))
        with self.assertRaises(quenmoorhost.HostCallError) as twice:
            addin.connect(quenmoorhost.ADDIN_PROG_ID)
        self.assertIn("connected already", str(twice.exception))

    def test_a_host_that_drops_its_add_in_host_is_released_and_can_host_again(self):
        host = Host()
        addin = quenmoorhost.AddinHost(host)
        addin.connect(quenmoorhost.ADDIN_PROG_ID)
        addin.disconnect()
        gone = weakref.ref(host)
        del addin, host
        gc.collect()
        self.assertIsNone(gone(), "the AddinHost let go of the host object")
        self.hosted(Host())


if __name__ == "__main__":
    unittest.main()
