"""Prints the first worksheet of an .xlsx file as JSON: its bounds and every non-empty cell.

Text cells are given as a spreadsheet program shows them: openpyxl hands over the stored text,
in which the format's "_xHHHH_" escapes stand for the character HHHH."""
import json
import sys

import openpyxl
from openpyxl.utils.escape import unescape

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
cells = [
    [cell.row, cell.column, cell.data_type, unescape(cell.value) if cell.data_type == "s" else cell.value]
    for row in sheet.iter_rows()
    for cell in row
    if cell.value is not None
]
print(json.dumps({
    "sheets": book.sheetnames,
    "min_row": sheet.min_row,
    "min_col": sheet.min_column,
    "max_row": sheet.max_row,
    "max_col": sheet.max_column,
    "cells": cells,
}))
