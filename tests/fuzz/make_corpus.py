#!/usr/bin/python3
"""make_corpus.py FOLDER -- the fuzzer's seeds: valid tables with and without
memo files, in the fuzzer's input form (flags, table length, table, memo)."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "examples"))
import make_example  # noqa: E402


def table(fields, records, version=0x8B, extra=b""):
    record_length = 1 + sum(length for _, _, length, _ in fields)
    header = struct.pack("<B3BIHH20x", version, 126, 12, 6, len(records),
                         32 + 32 * len(fields) + 1 + len(extra), record_length)
    for name, kind, length, decimals in fields:
        header += struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), length, decimals)
    return header + b"\x0d" + extra + b"".join(records) + b"\x1a"


def memo(texts):
    data = bytearray(512)
    blocks = []
    for text in texts:
        blocks.append(len(data) // 512)
        entry = b"\xff\xff\x08\x00" + struct.pack("<I", len(text) + 8) + text
        data += entry + b"\x00" * (-len(entry) % 512)
    struct.pack_into("<I", data, 0, len(data) // 512)
    return bytes(data), blocks


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
    memo_bytes, blocks = memo([b"", b"a" * 511, b"b" * 512, b"c\x84" * 300])
    fields = [("NOTIZ", "M", 10, 0), ("NAME", "C", 8, 0), ("F", "F", 6, 2)]
    records = [b" " + str(block).encode().rjust(10) + b"Name\x84   " + b"  1.50" for block in blocks]
    yield "memo-sizes", seed(5, table(fields, records), memo_bytes)
    yield "two-fields-of-one-block", seed(4, table([("A", "M", 10, 0), ("B", "m", 10, 0)],
                                                   [b"*" + b"         1" * 2]), memo([b"geteilt"])[0])
    yield "no-memo-fields", seed(1, table([("N", "N", 5, 0), ("D", "D", 8, 0), ("L", "L", 1, 0)],
                                          [b" 12345" + b"20261206" + b"T", b"*" + b"-1.00" + b" " * 8 + b"?"],
                                          version=0x03))
    yield "no-records-extra-header", seed(4, table([("A", "C", 3, 0)], [], extra=b"\x00\x7f"),
                                          memo([])[0])


if __name__ == "__main__":
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(sys.argv[1], name), "wb") as out:
            out.write(data)
