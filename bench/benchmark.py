#!/usr/bin/python3
"""benchmark.py KELVOR_CONVERT KELVOR_PEAK_MEMORY [FOLDER] -- the speed and memory of a conversion.

Makes a dBase-IV table of 1,000,000 records of 112 bytes whose memo texts (100
to 3,000 bytes) sit on a fifth of the records, converts it with the option
off and on, and prints the median of several runs beside the median time of
copying the same two files with cp, and the peak memory of the converter for
10,000 and for 1,000,000 records.
"""
import os
import random
import shutil
import statistics
import subprocess
import struct
import sys
import tempfile
import time

RUNS = 5
PEAK_MEMORY = None

# 1 + 40 + 30 + 10 + 8 + 1 + 10 + 12 = 112 bytes a record.
FIELDS = [("NAME", "C", 40, 0), ("ORT", "C", 30, 0), ("BETRAG", "N", 10, 2), ("DATUM", "D", 8, 0),
          ("AKTIV", "L", 1, 0), ("NOTIZ", "M", 10, 0), ("NUMMER", "N", 12, 0)]


def make_table(folder, records):
    random.seed(records)
    names = [("Kunde M\x81ller Nr. %d" % i).encode("latin-1").ljust(40) for i in range(1000)]
    towns = [("K\x94ln Bezirk %d" % i).encode("latin-1").ljust(30) for i in range(100)]
    words = b"Lieferung Zahlung Rechnung \x84nderung Gr\x94\xE1e Stra\xE1e Kunde Auftrag "
    memo = bytearray(512)
    body = bytearray()
    for i in range(records):
        reference = b" " * 10
        if i % 5 == 0:
            length = random.randint(100, 3000)
            text = (words * (length // len(words) + 1))[:length]
            block = len(memo) // 512
            entry = b"\xff\xff\x08\x00" + struct.pack("<I", length + 8) + text
            memo += entry + b"\x00" * (-len(entry) % 512)
            reference = str(block).encode().rjust(10)
        body += b" " + names[i % 1000] + towns[i % 100] + b"%10.2f" % (i % 100000 / 100) + b"20261206" + \
            b"T" + reference + b"%12d" % i
    struct.pack_into("<I", memo, 0, len(memo) // 512)
    header = struct.pack("<B3BIHH20x", 0x8B, 126, 12, 6, records, 32 + 32 * len(FIELDS) + 1, 112)
    for name, kind, length, decimals in FIELDS:
        header += struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), length, decimals)
    table = os.path.join(folder, "gross.dbf")
    with open(table, "wb") as out:
        out.write(header + b"\x0d" + body + b"\x1a")
    with open(os.path.join(folder, "gross.dbt"), "wb") as out:
        out.write(memo)
    return table


def timed(command):
    """Seconds and peak resident memory (KiB) of one run of `command`."""
    os.sync()  # the last run's writes do not slow this one down
    start = time.perf_counter()
    result = subprocess.run([PEAK_MEMORY] + command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    seconds = time.perf_counter() - start
    if result.returncode != 0:
        sys.exit("failed: %s\n%s" % (" ".join(command), result.stderr.decode()))
    peak = [line for line in result.stderr.decode().splitlines() if line.startswith("peak KiB ")]
    return seconds, int(peak[-1].split()[-1])


def median_run(command):
    timed(command)  # warm the page cache
    runs = [timed(command) for _ in range(RUNS)]
    return statistics.median(r[0] for r in runs), max(r[1] for r in runs)


def main():
    global PEAK_MEMORY
    convert = os.path.abspath(sys.argv[1])
    PEAK_MEMORY = os.path.abspath(sys.argv[2])
    folder = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix="kelvor-bench-")
    os.makedirs(folder, exist_ok=True)
    try:
        memory = {}
        for records in (10000, 1000000):
            print("making a table of %d records ..." % records, flush=True)
            table = make_table(folder, records)
            output = os.path.join(folder, "aus.dbf")
            _, memory[records] = median_run([convert, table, output])
        sizes = os.path.getsize(table) + os.path.getsize(table[:-1] + "t")
        print("table and memo file: %.1f MB" % (sizes / 1e6))

        copy = ["sh", "-c", 'cp "$1" "$2" && cp "$3" "$4"', "cp",
                table, os.path.join(folder, "kopie.dbf"), table[:-1] + "t", os.path.join(folder, "kopie.dbt")]
        copy_seconds, _ = median_run(copy)
        off_seconds, _ = median_run([convert, table, output])
        on_seconds, _ = median_run([convert, "--oem-to-ansi", table, output])

        print()
        print("median of %d runs, 1,000,000 records:" % RUNS)
        print("  cp of both files        %7.3f s" % copy_seconds)
        print("  conversion, option off  %7.3f s   %.2f x cp   (target 1.5 x)" % (off_seconds, off_seconds / copy_seconds))
        print("  conversion, option on   %7.3f s   %.2f x cp   (target 3 x)" % (on_seconds, on_seconds / copy_seconds))
        print("peak memory of the converter:")
        print("      10,000 records      %7d KiB" % memory[10000])
        print("   1,000,000 records      %7d KiB" % memory[1000000])
    finally:
        if len(sys.argv) <= 3:
            shutil.rmtree(folder)


if __name__ == "__main__":
    main()
