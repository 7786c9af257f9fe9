#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what an .xlsx workbook holds, one fact a line, tab-separated, as
openpyxl (a reader independent of the writer) sees it:

    sheets  <name> <name> ...       left to right
    active  <name>
    name    <name> <destination>    workbook-level names
    width   <sheet> <column> <width>
    cell    <sheet> <ref> <type> <value> <number format> <bold 0/1> <alignment>

Cells are listed when they hold a value or carry any formatting. Floats are
printed with repr(), which reads back to the same double.
"""
import datetime
import sys

import openpyxl


def describe(value):
    if isinstance(value, bool):
        return "bool", str(value)
    if isinstance(value, int):
        return "int", str(value)
    if isinstance(value, float):
        return "float", repr(value)
    if isinstance(value, datetime.datetime):
        return "datetime", value.isoformat()
    if isinstance(value, datetime.date):
        return "date", value.isoformat()
    if isinstance(value, datetime.time):
        return "time", value.isoformat()
    return "str", str(value)


def main(path):
    book = openpyxl.load_workbook(path)
    out = sys.stdout
    out.write("sheets\t" + "\t".join(book.sheetnames) + "\n")
    out.write("active\t" + book.active.title + "\n")
    for defined in book.defined_names.definedName:
        scope = "" if defined.localSheetId is None else "local"
        out.write("name\t%s\t%s%s\n" % (defined.name, defined.attr_text, scope))
    for sheet in book.worksheets:
        for letter, dimension in sorted(sheet.column_dimensions.items()):
            if dimension.customWidth:
                for index in range(dimension.min, dimension.max + 1):
                    column = openpyxl.utils.get_column_letter(index)
                    out.write("width\t%s\t%s\t%r\n" % (sheet.title, column, dimension.width))
        for row in sheet.iter_rows():
            for cell in row:
                bold = 1 if cell.font is not None and cell.font.b else 0
                align = cell.alignment.horizontal or "general"
                styled = bold or align != "general" or cell.number_format != "General"
                if cell.value is None and not styled:
                    continue
                kind, text = ("blank", "") if cell.value is None else describe(cell.value)
                out.write("cell\t%s\t%s\t%s\t%s\t%s\t%d\t%s\n"
                          % (sheet.title, cell.coordinate, kind, text, cell.number_format, bold, align))


if __name__ == "__main__":
    main(sys.argv[1])
