#!/usr/bin/python3
"""Reads Strevo's output back as a spreadsheet program and a media player would see it."""
import os
import subprocess
import sys
import tempfile

import openpyxl

PADDING = 0.71  # a width set to w reads back as w + 0.71


def check(condition, message):
    if not condition:
        print("FAILED:", message)
        sys.exit(1)


def width(sheet, column):
    """The custom width of a column, wherever the file's ranges put it; None for none."""
    index = openpyxl.utils.column_index_from_string(column)
    for dimension in sheet.column_dimensions.values():
        if dimension.customWidth and dimension.min <= index <= dimension.max:
            return dimension.width
    return None


def cells(sheet):
    return [[cell.value for cell in row] for row in sheet.iter_rows()]


def main():
    writer = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([writer, folder], check=True)

        book = openpyxl.load_workbook(os.path.join(folder, "binding.xlsx"))
        check(book.sheetnames == ["Cols", "Sheet2"], f"sheet names {book.sheetnames}")
        cols = book["Cols"]
        # openpyxl groups equal adjacent widths under the first column of the group.
        expected_widths = {"A": 5, "B": 5, "C": 5, "D": None, "E": 7, "F": None, "G": 9, "H": 9, "I": None}
        for column, expected in expected_widths.items():
            got = width(cols, column)
            ok = got is None if expected is None else got is not None and abs(got - expected - PADDING) < 0.01
            check(ok, f"width {column}: {got}, expected {expected}")
        check(cols["A1"].value == "中文" and cols["D3"].value == "x", f"cells {cells(cols)}")
        check(cols["A1"].data_type == "s", "string cells")

        out = os.path.join(folder, "整理好的直播源")
        book = openpyxl.load_workbook(os.path.join(out, "Excel直播源_卫视_已检测.xlsx"))
        check(book.sheetnames == ["直播源数据"], f"sheet names {book.sheetnames}")
        sheet = book["直播源数据"]
        for column, expected in {"A": 11, "B": 80, "C": 11, "D": 20}.items():
            got = width(sheet, column)
            check(got is not None and abs(got - expected - PADDING) < 0.01, f"width {column} {got}")
        expected_cells = [
            ["电视台", "直播源", "验证时间", "清晰度"],
            ["湖南卫视", "http://[::1]:80/live/1.m3u8", "2026-12-10", "1920x1080"],
            ["未知", "http://1.2.3.4/x", "2026-12-09", "未知"],
        ]
        check(cells(sheet) == expected_cells, f"cells {cells(sheet)}")
        check(all(c.data_type == "s" for row in sheet.iter_rows() for c in row), "all strings")

        with open(os.path.join(out, "M3U直播源_卫视_已检测.m3u"), "rb") as f:
            check(f.read() == "#EXTM3U\r\n#EXTINF:-1 ,湖南卫视\r\nhttp://[::1]:80/live/1.m3u8\r\n"
                  "#EXTINF:-1 ,未知\r\nhttp://1.2.3.4/x\r\n".encode(), "playlist bytes")
        with open(os.path.join(out, "TXT直播源_卫视_已检测.txt"), "rb") as f:
            check(f.read() == "湖南卫视,http://[::1]:80/live/1.m3u8\r\n未知,http://1.2.3.4/x\r\n".encode(),
                  "list bytes")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
