# Runs inside FreeCAD: waits for the Quenmoor host to connect, runs the TestCase of cases.py
# that $QUENMOOR_E2E_CASE names with unittest, writes what the runner printed to
# $QUENMOOR_E2E_RESULT and closes FreeCAD. FreeCAD runs a macro with separate global and local names, so the work is
# done in the harness module.
import os
import sys

sys.path.insert(0, os.path.join(os.environ["QUENMOOR_E2E_SOURCE"], "tests", "freecadhost"))
sys.path.insert(0, os.path.join(os.environ["QUENMOOR_E2E_SOURCE"], "bench"))
import freecad_harness  # noqa: E402

freecad_harness.run_when_ready()
