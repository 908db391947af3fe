"""Writes a large workbook as another program does, with xlwt: nine sheets of 16,383 rows,
a text in column A (shared strings) and a number in column B, about 295,000 cells, for the
.xls reader's benchmark; with "numbers", a number in column A too.

    python3 bench/xlwt_workbook.py OUTPUT.xls [numbers]
"""

import sys

import xlwt


def main(path, numbers):
    book = xlwt.Workbook(encoding="utf-8")
    for number in range(1, 10):
        sheet = book.add_sheet("list%d" % number)
        for row in range(16383):
            if numbers:
                sheet.write(row, 0, row * 3 + number * 0.5)
            else:
                sheet.write(row, 0, "M%d x1.5 DIN 912 A4-70 %d/%d" % (row % 97, number, row))
            sheet.write(row, 1, row * 0.25 + number)
    book.save(path)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:] == ["numbers"])
