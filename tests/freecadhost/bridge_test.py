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


class Page:
    def __init__(self, events):
        self.events = events

    def add_group(self, id, caption, options):
        return self

    def set_message(self, text, severity):
        return True

    def show(self):
        return 0


class Host:
    """The least a host gives the add-in to number dimensions: menus, a page, a document."""

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
