#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop program as a screen reader sees it, through the AT-SPI tree.

    accessibility_test.py PROGRAM FOLDER [--examples-only]

Run inside a virtual X screen and a D-Bus session of its own (see
CMakeLists.txt). Starts PROGRAM in FOLDER with Qt's AT-SPI bridge on, and
checks that the load-file page lists FOLDER's training files and that every
list, text box, slider and spinner carries its caption as its name (the
drive box, which has no caption, is named "Drive"). Without
--examples-only it then reads xor.net, moves to the set-up page, checks its
names, starts a run that never ends and reads the status lines in the
middle of it (each answer must come within a second), stops it and checks
the testing hub's lists, and reads the SSE graph as a table of epoch and SSE.
"""
import os
import subprocess
import sys
import time

import pyatspi

program, folder = sys.argv[1], sys.argv[2]
examples_only = "--examples-only" in sys.argv
failures = []


def fail(message):
    print("FAILED:", message)
    failures.append(message)


# Generous: a sanitizer build on a loaded machine can take tens of seconds to
# bring a page up; a real fault shows as the wait running out all the same.
def wait_for(what, probe, timeout=120):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    print("FAILED: no", what)
    finish(1)


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Vantorelle":
            return app
    return None


def named_controls(node, found):
    """Every accessible object below node with an objectName-like id, by its AT-SPI name."""
    try:
        found.append(node)
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                named_controls(child, found)
    except Exception:
        pass
    return found


def window(app, caption):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == caption and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def by_role(win, role):
    return [n for n in named_controls(win, []) if n.getRole() == role]


def check_names(win, role, expected):
    """Each expected name must be carried by a control of that role."""
    names = [n.name for n in by_role(win, role)]
    for name in expected:
        if name not in names:
            fail(f"no {role} named {name!r} (found {names})")
    unnamed = [n for n in names if not n]
    # A combo box's pop-up list has no name of its own; boxes and sliders must.
    if unnamed and role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_SLIDER):
        fail(f"{len(unnamed)} {role} without a name")


def press(win, role, name):
    for n in by_role(win, role):
        if n.name == name:
            action = n.queryAction()
            for i in range(action.nActions):
                if action.getName(i) in ("Press", "press", "Toggle", "toggle", "SetFocus"):
                    action.doAction(i)
                    return
    fail(f"cannot press {name!r}")


def finish(code):
    proc.terminate()
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
    sys.exit(code)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
proc = subprocess.Popen([program], cwd=folder, env=env)
app = wait_for("application called Vantorelle on the AT-SPI bus", find_app)

load_caption = "Perceptron -- Load File -- Tarvik Neural Net Code"
load = wait_for("load-file page", lambda: window(app, load_caption))
lists = {n.name: n for n in by_role(load, pyatspi.ROLE_LIST)}
file_caption = 'Use "Double Clicks" To Choose The File To Train The Network'
check_names(load, pyatspi.ROLE_LIST, ["Folders", file_caption])
# Qt would name a combo box by its current choice ("/"); the drive box says
# what it is for, and shows its drive as its text.
check_names(load, pyatspi.ROLE_COMBO_BOX, ["Drive"])
for drive in [n for n in by_role(load, pyatspi.ROLE_COMBO_BOX) if n.name == "Drive"]:
    shown = drive.queryText().getText(0, -1)
    if not shown.startswith("/"):
        fail(f"the drive box shows {shown!r}, not a drive")
files = lists.get(file_caption)
shown = [files.getChildAtIndex(i).name for i in range(files.childCount)] if files else []
wanted = sorted(f for f in os.listdir(folder) if f.lower().endswith(".net"))
if not wanted:  # started where there is no training file: the installed examples
    wanted = ["and.net", "clusters.net", "letters.net", "or.net", "xor.net"]
if sorted(shown) != wanted:
    fail(f"file list shows {shown}, expected {wanted}")
if examples_only:
    finish(1 if failures else 0)

# The set-up page: reach it as a user would, by the file list and the button.
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + load_caption + "$",
                "windowfocus", "--sync"], check=False, timeout=30)
item = [files.getChildAtIndex(i) for i in range(files.childCount) if files.getChildAtIndex(i).name == "xor.net"][0]
extents = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "--repeat", "2", "--delay", "60", "1"],
               check=True)
wait_for("next-page button", lambda: [b for b in by_role(load, pyatspi.ROLE_PUSH_BUTTON)
                                      if b.name == "Go To Next Page To Set Training Parameters"
                                      and b.getState().contains(pyatspi.STATE_SHOWING)])
press(load, pyatspi.ROLE_PUSH_BUTTON, "Go To Next Page To Set Training Parameters")
setup = wait_for("set-up page", lambda: window(app, "Perceptron Setup Page -- Tarvik Neural Network Code"))
check_names(setup, pyatspi.ROLE_TEXT, [
    "Choose The Maximum Number Of Epochs",
    "Choose # Of Epochs Between Printouts Of Training Information",
    "Choose A Learning Rate",
    'Set The Minimum Level Of Squared Error To Define A "Hit"'])
check_names(setup, pyatspi.ROLE_SLIDER, ["Choose A Learning Rate",
                                         'Set The Minimum Level Of Squared Error To Define A "Hit"'])

# A run that never ends: XOR with only the all-hits stop. The status lines
# must answer within a second while it trains.
boxes = {n.name: n for n in by_role(setup, pyatspi.ROLE_TEXT)}
boxes["Choose # Of Epochs Between Printouts Of Training Information"].queryEditableText().setTextContents("1")
press(setup, pyatspi.ROLE_CHECK_BOX, "End After A Maximum Number Of Training Epochs")
press(setup, pyatspi.ROLE_PUSH_BUTTON, "Start Training")
start = time.monotonic()
answers = []
seen = set()
while time.monotonic() - start < 5:
    t0 = time.monotonic()
    texts = [n.name for n in by_role(setup, pyatspi.ROLE_LABEL) if n.name.startswith("Epochs")]
    answers.append(time.monotonic() - t0)
    seen.update(texts)
    time.sleep(0.2)
slowest = max(answers)
print(f"read the page {len(answers)} times during the run; slowest answer {slowest:.3f} s; "
      f"{len(seen)} different epoch lines")
if slowest >= 1.0:
    fail(f"the page took {slowest:.2f} s to answer during a run")
if len(seen) < 2:
    fail(f"the epoch line did not change while being read ({seen})")
press(setup, pyatspi.ROLE_PUSH_BUTTON, "Stop Training")

# The testing hub: its two lists carry the captions above them.
wait_for("test-recall button", lambda: [b for b in by_role(setup, pyatspi.ROLE_PUSH_BUTTON)
                                        if b.name == "Test Recall" and b.getState().contains(pyatspi.STATE_SHOWING)])
press(setup, pyatspi.ROLE_PUSH_BUTTON, "Test Recall")
hub = wait_for("testing hub", lambda: window(app, "Testing The Perceptron -- Tarvik Neural Network Code"))
check_names(hub, pyatspi.ROLE_LIST, [
    "Choose A Method For Examining Network Performance By Double-Clicking One Of The List Items Below:",
    "Choose A Method For Continuing Training By Double-Clicking One Of The List Items Below:"])


def tables(node):
    """The tables below node, without walking into their cells."""
    if node.getRole() == pyatspi.ROLE_TABLE:
        return [node]
    found = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found += tables(child)
    return found


# The SSE graph, opened from the hub: its bars read as a table of epoch and
# total SSE, the epochs rising row by row.
hub_caption = "Testing The Perceptron -- Tarvik Neural Network Code"
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + hub_caption + "$",
                "windowfocus", "--sync"], check=False, timeout=30)
examine = [n for n in by_role(hub, pyatspi.ROLE_LIST) if n.name.startswith("Choose A Method For Examining")][0]
plot = [examine.getChildAtIndex(i) for i in range(examine.childCount)
        if examine.getChildAtIndex(i).name == "Plot SSE By Sweeps"][0]
extents = plot.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "--repeat", "2", "--delay", "60", "1"],
               check=True)
graph = wait_for("SSE graph page", lambda: window(app, "Graph of SSE as a function of sweeps of training"))
found = wait_for("a table on the SSE graph page", lambda: tables(graph))
table = found[0].queryTable()
if table.nColumns != 2 or table.nRows < 2:
    fail(f"the SSE table has {table.nRows} rows and {table.nColumns} columns")
elif [table.getColumnDescription(c) for c in range(2)] != ["Epoch", "Total SSE"]:
    fail(f"the SSE table's columns are {[table.getColumnDescription(c) for c in range(2)]}")
else:
    rows = [(table.getAccessibleAt(r, 0).name, table.getAccessibleAt(r, 1).name) for r in range(min(table.nRows, 5))]
    print(f"the SSE graph reads as a table of {table.nRows} rows, starting {rows}")
    try:
        epochs = [float(e) for e, _ in rows]
        [float(v) for _, v in rows]
        if epochs != sorted(epochs):
            fail(f"the SSE table's epochs do not rise: {epochs}")
    except ValueError:
        fail(f"the SSE table's cells are not numbers: {rows}")
finish(1 if failures else 0)
