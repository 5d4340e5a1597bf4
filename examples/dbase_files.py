"""dbase_files.py -- tables and memo files, byte by byte, for the example, the
tests, the fuzzer's seeds and the benchmark.

A field is (name, type letter, length, decimals). Texts are bytes, already in
the code page the table is meant to hold (OEM 850 for the dBase files of DOS).
"""
import struct


def header(fields, count, version=0x8B, extra=b"", date=(126, 12, 6)):
    """The header: 32 bytes, the descriptors, the terminator and `extra`, the
    bytes behind it that the header length still counts."""
    record_length = 1 + sum(field[2] for field in fields)
    length = 32 + 32 * len(fields) + 1 + len(extra)
    out = struct.pack("<B3BIHH20x", version, *date, count, length, record_length)
    for name, kind, size, decimals in fields:
        out += struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), size, decimals)
    return out + b"\x0d" + extra


def record(fields, values, deleted=False):
    """One record: each value (bytes, or None for a blank field) cut or filled
    with blanks to its field's length; numbers and memo block numbers stand
    right-aligned."""
    out = b"*" if deleted else b" "
    for (name, kind, size, decimals), value in zip(fields, values):
        value = b"" if value is None else value
        out += (value.rjust(size) if kind.upper() in "NFM" else value.ljust(size))[:size]
    return out


def table(fields, records, version=0x8B, extra=b"", count=None):
    """A whole table; `records` are the bytes of each record."""
    count = len(records) if count is None else count
    return header(fields, count, version, extra) + b"".join(records) + b"\x1a"


def reference(block):
    """A memo field's 10 characters: the block number, or blanks for none."""
    return b"" if block is None else str(block).encode()


def memo4(texts, block=512):
    """A memo file in the dBase-IV layout with blocks of `block` bytes: block 0
    its header (the next free block, the block length at bytes 20 and 21),
    each text from a block boundary behind the mark FF FF 08 00 and its
    length, header included. None stands for a record without a text.
    Returns the file and each text's first block."""
    data = bytearray(block)
    blocks = []
    for text in texts:
        if text is None:
            blocks.append(None)
            continue
        blocks.append(len(data) // block)
        entry = b"\xff\xff\x08\x00" + struct.pack("<I", len(text) + 8) + text
        data += entry + b"\x00" * (-len(entry) % block)
    struct.pack_into("<I", data, 0, len(data) // block)
    struct.pack_into("<H", data, 20, block)
    return bytes(data), blocks


def memo3(texts):
    """A memo file in the dBase-III layout: blocks of 512 bytes, each text from
    a block boundary, ended by 1A 1A."""
    data = bytearray(512)
    blocks = []
    for text in texts:
        if text is None:
            blocks.append(None)
            continue
        blocks.append(len(data) // 512)
        entry = text + b"\x1a\x1a"
        data += entry + b"\x00" * (-len(entry) % 512)
    struct.pack_into("<I", data, 0, len(data) // 512)
    return bytes(data), blocks
