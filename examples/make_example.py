#!/usr/bin/python3
"""make_example.py FOLDER -- writes an example table in the dBase-IV layout,
kunden.dbf, with its memo file kunden.dbt, into FOLDER.

The texts are stored in OEM code page 850, as a DOS program would have
written them. The tests import this module for the values it writes.
"""
import os
import struct
import sys

# name, type, length, decimals
FIELDS = [
    ("KUNDENNR", "N", 6, 0),
    ("NAME", "C", 30, 0),
    ("ORT", "C", 20, 0),
    ("GEBOREN", "D", 8, 0),
    ("AKTIV", "L", 1, 0),
    ("UMSATZ", "N", 10, 2),
    ("RABATT", "F", 6, 2),
    ("NOTIZ", "M", 10, 0),
]

LONG_NOTE = " ".join(
    "Zeile %d: Lieferung nach Absprache, Zahlung binnen 14 Tagen." % i for i in range(1, 41))

# One entry per record: deleted, then the field values (NOTIZ: the memo text,
# or None for a record without one).
RECORDS = [
    (False, [1, "Müller", "Köln", "19650412", True, "1234.50", "2.50",
             "Stammkunde seit 1990. Bevorzugt Lieferung am Montag."]),
    (False, [2, "Größe & Söhne GmbH", "München", "19781130", True, "98765.43", "10.00", LONG_NOTE]),
    (True, [3, "Weiß", "Düsseldorf", "19500101", False, "0.00", "0.00", "Gelöscht: Kunde verzogen."]),
    (False, [4, "Bäckerei Özdemir", "Essen", "19901224", True, "17.95", "0.00", None]),
    (False, [5, "Jürgens", "Lübeck", "20010911", False, "-250.00", "5.25", ""]),
    (False, [6, "Ærø Fisk ApS", "Flensburg", "19870707", True, "512.00", "1.00", "x" * 512]),
]

OEM = "cp850"


def field_bytes(field, value, memo_block):
    name, kind, length, decimals = field
    if kind == "M":
        text = b"" if memo_block is None else str(memo_block).encode()
        return text.rjust(length, b" ")
    if kind == "L":
        return b"T" if value else b"F"
    if kind in "NF":
        return str(value).encode().rjust(length, b" ")
    return value.encode(OEM).ljust(length, b" ")[:length]


def memo_file(texts):
    """The dBase-IV memo file: block 0 its header, each memo from a block
    boundary with an 8-byte header whose bytes 4 to 7 give the length,
    header included. Returns the file bytes and each memo's first block."""
    blocks = []
    data = bytearray(512)
    for text in texts:
        if text is None:
            blocks.append(None)
            continue
        blocks.append(len(data) // 512)
        raw = text.encode(OEM)
        memo = b"\xff\xff\x08\x00" + struct.pack("<I", len(raw) + 8) + raw
        memo += b"\x00" * (-len(memo) % 512)
        data += memo
    struct.pack_into("<I", data, 0, len(data) // 512)
    struct.pack_into("<H", data, 20, 512)
    return bytes(data), blocks


def table_file(blocks):
    record_length = 1 + sum(f[2] for f in FIELDS)
    header_length = 32 + 32 * len(FIELDS) + 1
    header = struct.pack("<B3BIHH20x", 0x8B, 126, 12, 6, len(RECORDS), header_length, record_length)
    for name, kind, length, decimals in FIELDS:
        header += struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), length, decimals)
    header += b"\x0d"
    body = b""
    for (deleted, values), block in zip(RECORDS, blocks):
        body += b"*" if deleted else b" "
        for field, value in zip(FIELDS, values):
            body += field_bytes(field, value, block)
    return header + body + b"\x1a"


def write(folder):
    memo, blocks = memo_file([values[-1] for deleted, values in RECORDS])
    with open(os.path.join(folder, "kunden.dbt"), "wb") as out:
        out.write(memo)
    with open(os.path.join(folder, "kunden.dbf"), "wb") as out:
        out.write(table_file(blocks))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_example.py FOLDER")
    os.makedirs(sys.argv[1], exist_ok=True)
    write(sys.argv[1])
    print(os.path.join(sys.argv[1], "kunden.dbf"))
