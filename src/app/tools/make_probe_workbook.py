"""Writes the sample workbook that the start-up probe reads to find a working Excel access method."""
import sys

import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Sheet1")
for column, caption in enumerate(["编号", "名称", "数量"]):
    sheet.write(0, column, caption)
for row, values in enumerate([(1, "测试", 10), (2, "样例", 20)], start=1):
    for column, value in enumerate(values):
        sheet.write(row, column, value)
book.save(sys.argv[1])
