#!/usr/bin/python3
"""Reads column A of every sheet of a workbook through LibreOffice's automation interface
(UNO), the way the add-in reads lists through the spreadsheet's, and prints the times as
JSON on standard output; workbook_bench runs it to compare.

    /usr/bin/python3 bench/libreoffice_read.py WORKBOOK.xls [--sample ROWS]

It starts soffice headless with a profile of its own, listening on a pipe of its own, and
measures:
  start-up       from starting soffice to the first answer of its desktop;
  cell by cell   load, then per sheet getByName, and for each row getCellByPosition and
                 getString (two calls, as Cells(row, 1).Value is two for the add-in) until
                 the first empty cell, then close. Only the first ROWS rows of each sheet
                 are read; the time per cell is scaled up to every cell the loop would read;
  bulk           load, then per sheet the used area's last row, getDataArray on column A
                 down to it, and the rows up to the first empty one, then close.
Needs python3-uno, which Debian installs for /usr/bin/python3 only.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import uno
    from com.sun.star.beans import PropertyValue
    from com.sun.star.connection import NoConnectException
except ImportError as error:
    sys.exit("libreoffice_read.py: python3-uno is missing (%s); run with /usr/bin/python3" % error)


def connect(pipe, process, deadline):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    while True:
        try:
            context = resolver.resolve(
                "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", context)
        except NoConnectException:
            if process.poll() is not None:
                sys.exit("libreoffice_read.py: soffice ended with %d before it answered"
                         % process.returncode)
            if time.monotonic() > deadline:
                sys.exit("libreoffice_read.py: soffice did not answer within a minute")
            time.sleep(0.05)


def load(desktop, url):
    hidden = PropertyValue()
    hidden.Name = "Hidden"
    hidden.Value = True
    return desktop.loadComponentFromURL(url, "_blank", 0, (hidden,))


def sheets_of(document):
    sheets = document.getSheets()
    return [sheets.getByName(name) for name in sheets.getElementNames()]


def last_used_row(sheet):
    cursor = sheet.createCursor()
    cursor.gotoEndOfUsedArea(False)
    return cursor.getRangeAddress().EndRow


def cell_by_cell(desktop, url, sample):
    start = time.perf_counter()
    document = load(desktop, url)
    loaded = time.perf_counter()
    cells = 0
    sampled = 0
    read_time = 0.0
    for sheet in sheets_of(document):
        # Every cell of column A down to the first empty one, which the loop reads too.
        data = sheet.getCellRangeByPosition(0, 0, 0, last_used_row(sheet)).getDataArray()
        rows = next((i for i, row in enumerate(data) if i > 0 and row[0] == ""), len(data))
        cells += rows + 1
        began = time.perf_counter()
        name = sheet.getName()
        named = document.getSheets().getByName(name)
        for row in range(min(sample, rows + 1)):
            named.getCellByPosition(0, row).getString()
            sampled += 1
        read_time += time.perf_counter() - began
    closing = time.perf_counter()
    document.close(True)
    closed = time.perf_counter()
    return {
        "load_s": loaded - start,
        "close_s": closed - closing,
        "cells": cells,
        "sampled_cells": sampled,
        "sampled_s": read_time,
        "total_s": (loaded - start) + read_time * cells / sampled + (closed - closing),
    }


def bulk(desktop, url):
    start = time.perf_counter()
    document = load(desktop, url)
    loaded = time.perf_counter()
    entries = 0
    for sheet in sheets_of(document):
        data = sheet.getCellRangeByPosition(0, 0, 0, last_used_row(sheet)).getDataArray()
        entries += next((i for i, row in enumerate(data) if i > 0 and row[0] == ""), len(data))
    read = time.perf_counter()
    document.close(True)
    closed = time.perf_counter()
    return {"load_s": loaded - start, "read_s": read - loaded, "close_s": closed - read,
            "entries": entries, "total_s": closed - start}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("workbook")
    parser.add_argument("--sample", type=int, default=2000)
    args = parser.parse_args()
    soffice = shutil.which("soffice")
    if soffice is None:
        sys.exit("libreoffice_read.py: soffice not found; install libreoffice-calc-nogui")
    url = uno.systemPathToFileUrl(os.path.abspath(args.workbook))

    folder = tempfile.mkdtemp(prefix="quenmoor-uno-")
    pipe = os.path.basename(folder)
    start = time.perf_counter()
    process = subprocess.Popen(
        [soffice, "--headless", "--invisible", "--nologo", "--norestore", "--nodefault",
         "-env:UserInstallation=" + uno.systemPathToFileUrl(os.path.join(folder, "profile")),
         "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % pipe],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        desktop = connect(pipe, process, time.monotonic() + 60)
        desktop.getComponents()
        startup = time.perf_counter() - start
        result = {"startup_s": startup, "cell_by_cell": cell_by_cell(desktop, url, args.sample),
                  "bulk": bulk(desktop, url)}
        try:
            desktop.terminate()
        except Exception:  # the bridge goes down while the call returns
            pass
        process.wait(timeout=30)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        shutil.rmtree(folder, ignore_errors=True)
    json.dump(result, sys.stdout)
    print()


if __name__ == "__main__":
    main()
