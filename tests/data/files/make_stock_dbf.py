# SPDX-License-Identifier: MIT
# Writes STOCK.DBF, the dBase III merge table of the 2.x import tests:
# python3 make_stock_dbf.py
import struct

fields = [("CODE", "C", 13, 0), ("NAME", "C", 20, 0), ("QTY", "N", 4, 0),
          ("PRICE", "N", 7, 2), ("SOLD", "D", 8, 0), ("ACTIVE", "L", 1, 0)]
records = [
    (b" ", b"4006381333931", "O'Brien's Caf\u00e9".encode("cp1252"), b"12", b"3.50", b"20240105", b"T"),
    (b"*", b"0000000000000", b"Deleted", b"1", b"1.00", b"20000101", b"F"),
    (b" ", b"5012345678900", b"Blue mug", b"", b"12.25", b"", b"F"),
]
record_length = 1 + sum(f[2] for f in fields)
header_length = 32 + 32 * len(fields) + 1
out = bytearray(struct.pack("<B3BIHH20x", 3, 124, 12, 10, len(records), header_length, record_length))
for name, kind, size, decimals in fields:
    out += struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), size, decimals)
out += b"\x0d"
for flag, *values in records:
    out += flag
    for (name, kind, size, _), value in zip(fields, values):
        out += value.rjust(size) if kind == "N" else value.ljust(size)
out += b"\x1a"
open("STOCK.DBF", "wb").write(out)
