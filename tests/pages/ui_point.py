#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints where a control of a Designer form lies in its page's window.

    ui_point.py FORM.ui NAME [center|top]

"center" (the default) gives the control's centre, "top" a point 10 pixels
below the middle of its top edge (the first row of a list). Controls inside
frames are placed through their frames, as the forms place them.
"""
import sys
import xml.etree.ElementTree as ET


def geometry(widget):
    for prop in widget.findall("property"):
        if prop.get("name") == "geometry":
            rect = prop.find("rect")
            return [int(rect.find(k).text) for k in ("x", "y", "width", "height")]
    return None


def find(widget, name, x0, y0):
    for child in widget.findall("widget"):
        g = geometry(child) or [0, 0, 0, 0]
        x, y = x0 + g[0], y0 + g[1]
        if child.get("name") == name:
            return x, y, g[2], g[3]
        found = find(child, name, x, y)
        if found:
            return found
    return None


def main():
    form, name = sys.argv[1], sys.argv[2]
    where = sys.argv[3] if len(sys.argv) > 3 else "center"
    root = ET.parse(form).getroot().find("widget")  # the page itself, at 0,0
    found = find(root, name, 0, 0)
    if not found:
        sys.exit(f"no control called {name} in {form}")
    x, y, w, h = found
    print(x + w // 2, y + (10 if where == "top" else h // 2))


main()
