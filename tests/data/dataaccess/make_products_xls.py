# SPDX-License-Identifier: MIT
# Writes products.xls, the Excel fixture of the data-access tests
# (needs python3-xlwt): python3 make_products_xls.py
import xlwt

book = xlwt.Workbook()
sheet = book.add_sheet("products")
rows = [("Code", "Name", "Qty"),
        ("4006381333931", "Stabilo pen", 12),
        ("5012345678900", "Blue mug", 5),
        ("0012345678905", "Red Mug", 0)]
for r, row in enumerate(rows):
    for c, value in enumerate(row):
        sheet.write(r, c, value)
book.add_sheet("empty")
book.save("products.xls")
