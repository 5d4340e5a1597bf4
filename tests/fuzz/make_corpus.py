#!/usr/bin/python3
"""make_corpus.py FOLDER -- the fuzzer's seeds, in its input form (flags,
table length, table, memo file): the input tables of the golden conversions,
with the option, the answer Yes and the rescue of damaged memo texts."""
import os
import struct
import sys

INPUTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fixtures", "inputs")

os.makedirs(sys.argv[1], exist_ok=True)
for name in sorted(os.listdir(INPUTS)):
    files = {f: open(os.path.join(INPUTS, name, f), "rb").read() for f in os.listdir(os.path.join(INPUTS, name))}
    table, memo = files["kunden.dbf"], files.get("kunden.dbt")
    flags = 1 | 2 | 8 | (4 if memo is not None else 0)
    with open(os.path.join(sys.argv[1], name), "wb") as out:
        out.write(bytes([flags]) + struct.pack("<I", len(table)) + table + (memo or b""))
