#!/usr/bin/python3
"""Prints what a spreadsheet reader sees in a workbook, one fact a line, for the XLSX layer's tests.

Exits 1 when any XML part of the package is not well-formed or openpyxl cannot load the workbook, so a
corrupted file fails the test that reads it back.
"""
import sys
import zipfile
import xml.etree.ElementTree as ElementTree

import openpyxl


def check_parts(path):
    with zipfile.ZipFile(path) as package:
        for name in package.namelist():
            if name.endswith(".xml") or name.endswith(".rels"):
                ElementTree.fromstring(package.read(name))


def side(border_side):
    return border_side.style if border_side is not None and border_side.style else "none"


def cell_line(cell):
    font, alignment, border = cell.font, cell.alignment, cell.border
    return " ".join([
        "cell", cell.coordinate,
        "type=" + cell.data_type,
        "value=" + repr(cell.value),
        "fmt=" + repr(cell.number_format),
        "bold=" + str(bool(font.b)),
        "italic=" + str(bool(font.i)),
        "size=" + str(font.sz),
        "halign=" + str(alignment.horizontal),
        "valign=" + str(alignment.vertical),
        "wrap=" + str(bool(alignment.wrap_text)),
        "border=" + ",".join(side(s) for s in (border.left, border.right, border.top, border.bottom)),
    ])


def dump(path):
    check_parts(path)
    book = openpyxl.load_workbook(path)
    props = book.properties
    for name in ("title", "subject", "creator", "keywords", "description", "category", "created"):
        print("property", name + "=" + repr(getattr(props, name)))
    for sheet in book.worksheets:
        print("sheet", repr(sheet.title))
        print("freeze", sheet.freeze_panes)
        print("showzeros", sheet.sheet_view.showZeros)
        print("defaultrowheight", sheet.sheet_format.defaultRowHeight)
        print("paper", sheet.page_setup.paperSize, sheet.page_setup.orientation)
        for merged in sorted(str(r) for r in sheet.merged_cells.ranges):
            print("merged", merged)
        for key, dim in sorted(sheet.column_dimensions.items(), key=lambda item: item[1].min or 0):
            print("column", dim.min, dim.max, "width=" + str(dim.width))
        for index, dim in sorted(sheet.row_dimensions.items()):
            print("row", index, "height=" + str(dim.height), "level=" + str(dim.outlineLevel),
                  "hidden=" + str(bool(dim.hidden)))
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is not None or cell.has_style:
                    print(cell_line(cell))


if __name__ == "__main__":
    try:
        dump(sys.argv[1])
    except Exception as error:  # any failure to read means a broken workbook
        print("unreadable:", type(error).__name__, error)
        sys.exit(1)
