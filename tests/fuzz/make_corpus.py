#!/usr/bin/python3
"""make_corpus.py FOLDER -- the fuzzer's seeds: valid tables with and without
memo files, in the fuzzer's input form (flags, table length, table, memo)."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "examples"))
import dbase_files as d  # noqa: E402
import make_example  # noqa: E402


def seed(flags, table_bytes, memo_bytes=b""):
    return bytes([flags]) + struct.pack("<I", len(table_bytes)) + table_bytes + memo_bytes


def seeds():
    folder = os.path.join(os.environ.get("TMPDIR", "/tmp"), "kelvor-corpus-%d" % os.getpid())
    os.makedirs(folder, exist_ok=True)
    make_example.write(folder)
    example = open(os.path.join(folder, "kunden.dbf"), "rb").read()
    example_memo = open(os.path.join(folder, "kunden.dbt"), "rb").read()
    for name in ("kunden.dbf", "kunden.dbt"):
        os.remove(os.path.join(folder, name))
    os.rmdir(folder)
    yield "example-oem", seed(5, example, example_memo)
    yield "example-plain", seed(4, example, example_memo)
    yield "example-no-memo-yes", seed(2, example)
    texts = [b"", b"a" * 511, b"b" * 512, b"c\x84" * 300]
    fields = [("NOTIZ", "M", 10, 0), ("NAME", "C", 8, 0), ("F", "F", 6, 2)]
    for name, memo, version, options in (("memo-sizes", d.memo4, 0x8B, {}),
                                         ("memo-blocks-of-64", d.memo4, 0x8B, {"block": 64}),
                                         ("memo-blocks-of-1024", d.memo4, 0x8B, {"block": 1024}),
                                         ("dbase3-memo", d.memo3, 0x83, {})):
        memo_bytes, blocks = memo(texts, **options)
        records = [d.record(fields, [d.reference(block), b"Name\x84", b"1.50"]) for block in blocks]
        yield name, seed(5, d.table(fields, records, version), memo_bytes)
    yield "two-fields-of-one-block", seed(4, d.table([("A", "M", 10, 0), ("B", "m", 10, 0)],
                                                     [b"*" + b"         1" * 2]), d.memo4([b"geteilt"])[0])
    yield "no-memo-fields", seed(1, d.table([("N", "N", 5, 0), ("D", "D", 8, 0), ("L", "L", 1, 0)],
                                            [b" 12345" + b"20261206" + b"T", b"*" + b"-1.00" + b" " * 8 + b"?"],
                                            version=0x03))
    yield "no-records-extra-header", seed(4, d.table([("A", "C", 3, 0)], [], extra=b"\x00\x7f"),
                                          d.memo4([])[0])
    yield "backlink", seed(0, d.table([("A", "C", 3, 0)], [b" abc"], 0x30, b"\x00" * 263))


if __name__ == "__main__":
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(sys.argv[1], name), "wb") as out:
            out.write(data)
