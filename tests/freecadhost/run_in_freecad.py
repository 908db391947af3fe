"""Runs one group of end-to-end cases in FreeCAD's GUI under Xvfb.

    python3 run_in_freecad.py BUILD_DIR CASE [SCREENSHOT_DIR]

Installs the build's workbench into a scratch home folder with a registry of its own,
copies the example documents there, and starts FreeCAD with freecad_macro.py, which runs
CASE, a TestCase of cases.py, with unittest as a user would and writes what the runner
printed. Exits 77 (skipped) when FreeCAD or xvfb-run is missing.
"""

import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
SKIPPED = 77


def main():
    build, case = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else ""
    for program in ("freecad", "xvfb-run"):
        if shutil.which(program) is None:
            print("skipped: %s is not installed (apt-get install freecad xvfb)" % program)
            return SKIPPED
    sys.path.insert(0, os.path.join(SOURCE, "freecadhost"))
    import install

    scratch = tempfile.mkdtemp(prefix="quenmoor-freecad-")
    try:
        home = os.path.join(scratch, "home")
        mod = os.path.join(home, ".local", "share", "FreeCAD", "Mod", "Quenmoor")
        os.makedirs(os.path.dirname(mod))
        registry = os.path.join(scratch, "registry.json")
        with open(os.devnull, "w") as quiet:
            sys.stdout.flush()
            saved = os.dup(1)
            os.dup2(quiet.fileno(), 1)
            try:
                install.install(build, mod, registry)
            finally:
                os.dup2(saved, 1)
        documents = os.path.join(scratch, "documents")
        shutil.copytree(os.path.join(SOURCE, "examples", "freecad"), documents,
                        ignore=shutil.ignore_patterns("*.py"))
        result = os.path.join(scratch, "result.txt")
        environment = dict(os.environ)
        environment.update({
            "HOME": home,
            "QUENMOOR_REGISTRY": registry,
            "QTWEBENGINE_DISABLE_SANDBOX": "1",
            "QUENMOOR_E2E_CASE": case,
            "QUENMOOR_E2E_DOCUMENTS": documents,
            "QUENMOOR_E2E_SCRATCH": scratch,
            "QUENMOOR_E2E_RESULT": result,
            "QUENMOOR_E2E_SHOTS": shots,
            "QUENMOOR_E2E_SOURCE": SOURCE,
            "QUENMOOR_E2E_BUILD": os.path.abspath(build),
            "PYTHONPATH": HERE,
        })
        environment.pop("DISPLAY", None)
        run = subprocess.run(
            ["xvfb-run", "-a", "-s", "-screen 0 1600x1000x24", "freecad",
             os.path.join(HERE, "freecad_macro.py")],
            env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=600)
        lines = open(result).read().splitlines() if os.path.exists(result) else []
        for line in lines:
            print(line)
        summary = [line for line in lines if line.endswith(" failed") and " passed, " in line]
        failed = [line for line in lines if line.startswith("FAIL ")]
        if summary:
            failed += ["FAIL"] * int(summary[-1].split()[2])
        output = run.stdout.decode(errors="replace")
        if not lines or lines[-1] != "done":
            print("FreeCAD ended before the tests did (exit %d); its output:" % run.returncode)
            print(output[-6000:])
            failed.append("FAIL incomplete")
        elif run.returncode != 0 or "Segmentation fault" in output:
            print("FreeCAD did not end cleanly (exit %d); its output:" % run.returncode)
            print(output[-6000:])
            failed.append("FAIL exit")
        return 1 if failed else 0
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
