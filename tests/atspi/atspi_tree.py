#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running window program's accessibility tree over AT-SPI, as a
# screen reader does, and checks what a blind user needs first: the channel
# tree and the channel grid by their names, a cell's value as it is spoken,
# the File menu's items, and no interactive element without a name. Prints
# the count of unnamed interactive elements and of cells that keep an
# alignment blank. Exit 0 when all holds, 1 with the reasons otherwise.
import re
import sys
import time

import pyatspi

INTERACTIVE = {
    "push button", "toggle button", "check box", "radio button", "combo box", "text",
    "password text", "spin button", "slider", "list", "tree", "tree table", "table",
    "menu item", "check menu item", "radio menu item", "page tab",
}
# Bounded wait for the program to show its window on the bus.
DEADLINE = time.monotonic() + 60


def find_app(name):
    while time.monotonic() < DEADLINE:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                for j in range(app.childCount):
                    frame = app.getChildAtIndex(j)
                    if frame is not None and frame.getRoleName() == "frame" and frame.childCount:
                        return app
        time.sleep(0.2)
    return None


def walk(node, into_cells=True):
    yield node
    role = node.getRoleName()
    if role in ("table cell", "table column header", "table row header"):
        return
    if not into_cells and role in ("table", "tree", "list"):
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, into_cells)


def check():
    """The counts to print and the problems found, on the tree as it is now."""
    app = find_app("csq5")
    if app is None:
        return [], ["the program did not appear on the accessibility bus"]
    frame = next(n for n in walk(app) if n.getRoleName() == "frame")
    nodes = list(walk(frame))
    problems = []
    unnamed = [n for n in nodes
               if n.getRoleName() in INTERACTIVE and not n.name.strip()]
    trees = [n for n in nodes if n.getRoleName() == "tree" and n.name == "Channel lists"]
    tables = [n for n in nodes if n.getRoleName() == "table"
              and re.fullmatch(r".+ channels", n.name)]
    cells = [n for t in tables for n in walk(t) if n.getRoleName() == "table cell"]
    padded = [c.name for c in cells if c.name != c.name.strip()]
    counts = ["interactive elements: %d, unnamed: %d" %
              (sum(n.getRoleName() in INTERACTIVE for n in nodes), len(unnamed)),
              "grid cells: %d, with alignment blanks: %d" % (len(cells), len(padded))]
    for n in unnamed:
        problems.append("unnamed %s (parent %s %r)" %
                        (n.getRoleName(), n.parent.getRoleName(), n.parent.name))
    if padded:
        problems.append("cells with alignment blanks: %r" % padded[:5])
    if not trees:
        problems.append('no tree named "Channel lists"')
    if len(tables) != 1:
        problems.append('no single grid named "<list> channels": %r' % [t.name for t in tables])
    elif not any(re.fullmatch(r"\d+\.\d{6}\??", c.name) for c in cells):
        problems.append("no cell of %r reads a frequency" % tables[0].name)
    menus = [n for n in nodes if n.getRoleName() == "menu item" and n.name == "File"]
    items = [n.name for m in menus for n in walk(m) if n.getRoleName() == "menu item"][1:]
    for wanted in ("New", "Open...", "Save", "Save As...", "Recent File", "Exit"):
        if wanted not in items:
            problems.append("File menu without %r: %r" % (wanted, items))
    return counts, problems


def main():
    # The window fills its grid on its first ticks: looked at again until
    # all holds or the deadline passes.
    while True:
        try:
            counts, problems = check()
        except Exception as e:  # an element went away while it was read
            counts, problems = [], ["the tree changed while it was read: %s" % e]
        if not problems or time.monotonic() > DEADLINE:
            break
        time.sleep(0.3)
    for line in counts:
        print(line)
    for p in problems:
        print("FAIL:", p)
    return 1 if problems else 0


sys.exit(main())
