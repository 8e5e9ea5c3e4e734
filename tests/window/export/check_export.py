#!/usr/bin/env python3
"""Reads the workbooks export_fixture writes with openpyxl, a reader independent of the writer."""
import sys
import tempfile

import openpyxl


def check(condition, message):
    if not condition:
        print("FAIL:", message)
        sys.exit(1)


def read(path, periods):
    book = openpyxl.load_workbook(path)
    check(book.sheetnames == ["财务分析指标"], f"{path}: sheets {book.sheetnames}")
    sheet = book["财务分析指标"]
    check(sheet.max_row == 20 and sheet.max_column == periods + 2,
          f"{path}: {sheet.max_row} x {sheet.max_column} cells, expected 20 x {periods + 2}")
    return sheet


def main():
    fixture = sys.argv[1]
    import subprocess
    with tempfile.TemporaryDirectory() as dir:
        subprocess.run([fixture, dir], check=True)
        plain = read(f"{dir}/plain-3.xlsx", 3)
        percent = read(f"{dir}/percent-8.xlsx", 8)
        for sheet, factor in ((plain, 1), (percent, 100)):
            # Row 1 is the heading row, column 2 the names, the periods from column 3.
            check(sheet.cell(1, 3).value == "2024年", f"heading {sheet.cell(1, 3).value!r}")
            check(sheet.cell(2, 2).value == "流动比率", f"name {sheet.cell(2, 2).value!r}")
            check(sheet.cell(2, 3).value == 3 * factor, f"current ratio {sheet.cell(2, 3).value!r} x{factor}")
            check(isinstance(sheet.cell(2, 4).value, (int, float)) and sheet.cell(2, 4).value == 0,
                  f"second period {sheet.cell(2, 4).value!r}")
            check(isinstance(sheet.cell(2, 1).value, str), "explanation text in column 1")
            # The table's blank row 8 is spreadsheet row 9: every cell empty.
            blank = [sheet.cell(9, c).value for c in range(1, sheet.max_column + 1)]
            check(all(v is None for v in blank), f"blank row holds {blank}")
        check(percent.cell(3, 3).value == 100 * plain.cell(3, 3).value, "quick ratio in percent")
    print("export read back: ok")


main()
