#!/usr/bin/python3
"""make_example.py FOLDER -- writes an example table in the dBase-IV layout,
kunden.dbf, with its memo file kunden.dbt, into FOLDER.

The texts are stored in OEM code page 850, as a DOS program would have
written them. The tests import this module for the values it writes.
"""
import os
import sys

import dbase_files

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


def values(record, block):
    """The field values of a record as bytes: texts in the OEM code page,
    numbers and the memo block as text, logicals as T or F."""
    out = []
    for (name, kind, length, decimals), value in zip(FIELDS, record):
        if kind == "M":
            out.append(dbase_files.reference(block))
        elif kind == "L":
            out.append(b"T" if value else b"F")
        else:
            out.append(str(value).encode(OEM) if kind in "NF" else value.encode(OEM))
    return out


def write(folder):
    memo, blocks = dbase_files.memo4([None if v[-1] is None else v[-1].encode(OEM) for _, v in RECORDS])
    records = [dbase_files.record(FIELDS, values(v, b), deleted) for (deleted, v), b in zip(RECORDS, blocks)]
    with open(os.path.join(folder, "kunden.dbt"), "wb") as out:
        out.write(memo)
    with open(os.path.join(folder, "kunden.dbf"), "wb") as out:
        out.write(dbase_files.table(FIELDS, records))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_example.py FOLDER")
    os.makedirs(sys.argv[1], exist_ok=True)
    write(sys.argv[1])
    print(os.path.join(sys.argv[1], "kunden.dbf"))
