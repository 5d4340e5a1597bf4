#!/usr/bin/python3
"""benchmark.py KELVOR_CONVERT KELVOR_PEAK_MEMORY [FOLDER] -- the speed and memory of conversions.

1. One dBase-IV table of 1,000,000 records of 112 bytes whose memo texts (100
   to 3,000 bytes) sit on a fifth of the records, converted with the option
   off and on into a new folder (the outputs removed before each run), and
   over the outputs of the run before (replacing them), beside cp of the same
   two files followed by sync of the copies; the converter's peak memory for
   10,000 and 1,000,000 records.
2. A folder of 200 tables of 1,000 to 20,000 records, a fifth of them with
   memo texts as above, the others without memo field: one run of the
   converter over the folder, beside cp -r of the folder followed by sync of
   the copies, and beside one run per table from a shell loop.

The converter puts every output on the disk before it ends, so its
yardstick is a copy that does the same. Every figure is the median of
several runs, the page cache warm.
"""
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import dbase_files as d  # noqa: E402

RUNS = 7
PEAK_MEMORY = None

# 1 + 40 + 30 + 10 + 8 + 1 + 10 + 12 = 112 bytes a record.
FIELDS = [("NAME", "C", 40, 0), ("ORT", "C", 30, 0), ("BETRAG", "N", 10, 2), ("DATUM", "D", 8, 0),
          ("AKTIV", "L", 1, 0), ("NOTIZ", "M", 10, 0), ("NUMMER", "N", 12, 0)]
PLAIN_FIELDS = [field for field in FIELDS if field[1] != "M"]
NAMES = [("Kunde M\x81ller Nr. %d" % i).encode("latin-1").ljust(40) for i in range(1000)]
TOWNS = [("K\x94ln Bezirk %d" % i).encode("latin-1").ljust(30) for i in range(100)]
WORDS = b"Lieferung Zahlung Rechnung \x84nderung Gr\x94\xE1e Stra\xE1e Kunde Auftrag "


def make_plain_table(path, records):
    """Writes a table of the same fields but the memo field, without memo file."""
    body = b"".join(b" " + NAMES[i % 1000] + TOWNS[i % 100] + b"%10.2f" % (i % 100000 / 100) + b"20261206" +
                    b"T" + b"%12d" % i for i in range(records))
    with open(path, "wb") as out:
        out.write(d.header(PLAIN_FIELDS, records) + body + b"\x1a")


def make_table(path, records, seed):
    """Writes the table at `path` and its memo file beside it."""
    generator = random.Random(seed)
    texts = []
    body = bytearray()
    for i in range(records):
        reference = b" " * 10
        if i % 5 == 0:
            length = generator.randint(100, 3000)
            texts.append((WORDS * (length // len(WORDS) + 1))[:length])
            reference = b"%10d" % 0  # the block is filled in below
        body += b" " + NAMES[i % 1000] + TOWNS[i % 100] + b"%10.2f" % (i % 100000 / 100) + b"20261206" + \
            b"T" + reference + b"%12d" % i
    memo, blocks = d.memo4(texts)
    for n, block in enumerate(blocks):  # the n-th text belongs to record 5 n
        at = 5 * n * 112 + 1 + 40 + 30 + 10 + 8 + 1
        body[at:at + 10] = b"%10d" % block
    with open(path, "wb") as out:
        out.write(d.header(FIELDS, records) + body + b"\x1a")
    with open(path[:-1] + "t", "wb") as out:
        out.write(memo)


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


def rounds(commands, before):
    """Runs the commands in turn, round after round, `before(command)` untimed
    ahead of each, so that a drift of the machine's speed touches all alike.
    Gives each command's median seconds, the median of its ratios to the first
    command's time in the same round, and its largest peak memory."""
    results = [[] for _ in commands]
    for round_ in range(RUNS + 1):  # the first round warms the page cache
        for i, command in enumerate(commands):
            before(command)
            if round_ > 0:
                results[i].append(timed(command))
    return [(statistics.median(r[0] for r in runs),
             statistics.median(run[0] / first[0] for run, first in zip(runs, results[0])),
             max(r[1] for r in runs)) for runs in results]


def empty(folder):
    def clear():
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    return clear


def single_table(convert, folder):
    table = os.path.join(folder, "gross.dbf")
    out = os.path.join(folder, "aus")
    output = os.path.join(out, "gross.dbf")

    def new_folder(command):
        if "replacing" not in command:
            empty(out)()

    print("making a table of 10,000 records ...", flush=True)
    make_table(table, 10000, 10000)
    small_memory = rounds([[convert, table, output]], new_folder)[0][2]
    print("making a table of 1,000,000 records ...", flush=True)
    make_table(table, 1000000, 1000000)
    sizes = os.path.getsize(table) + os.path.getsize(table[:-1] + "t")
    copy = ["sh", "-c", 'cp "$1" "$2" && cp "$3" "$4" && sync "$2" "$4" "${2%/*}"', "cp", table, output,
            table[:-1] + "t", output[:-1] + "t"]
    # The last command converts over the outputs of the one before it.
    results = rounds([copy, [convert, table, output], [convert, "--oem-to-ansi", table, output],
                      ["sh", "-c", 'exec "$@"', "replacing", convert, table, output]], new_folder)
    (cp, _, _), (off, off_ratio, memory), (on, on_ratio, _), (replacing, replacing_ratio, _) = results

    print()
    print("one table of 1,000,000 records, %.1f MB with its memo file (median of %d runs):" % (sizes / 1e6, RUNS))
    print("  cp of both files, sync of the copies %7.3f s" % cp)
    print("  conversion, option off               %7.3f s   %.2f x cp   (target 1.3 x)" % (off, off_ratio))
    print("  conversion, option on                %7.3f s   %.2f x cp" % (on, on_ratio))
    print("  option off, over the last outputs    %7.3f s   %.2f x cp" % (replacing, replacing_ratio))
    print("peak memory of the converter:")
    print("      10,000 records                   %7d KiB" % small_memory)
    print("   1,000,000 records                   %7d KiB" % memory)


def many_tables(convert, folder):
    tables = os.path.join(folder, "tabellen")
    out = os.path.join(folder, "aus")
    os.makedirs(tables, exist_ok=True)
    print("\nmaking a folder of 200 tables ...", flush=True)
    generator = random.Random(200)
    for i in range(200):
        records = generator.randint(1000, 20000)
        if i % 5 == 0:
            make_table(os.path.join(tables, "t%03d.dbf" % i), records, i)
        else:
            make_plain_table(os.path.join(tables, "t%03d.dbf" % i), records)
    sizes = sum(os.path.getsize(os.path.join(tables, name)) for name in os.listdir(tables))
    loop = ["sh", "-c", 'for t in "$1"/*.dbf; do "$2" "$t" "$3/${t##*/}" >/dev/null || exit 1; done', "loop",
            tables, convert, out]
    copy = ["sh", "-c", 'cp -r "$1" "$2" && sync "$2"/* "$2"', "cp", tables, out]
    results = rounds([copy, [convert, tables, out], loop],
                     lambda command: empty(out)() if command is not copy else shutil.rmtree(out, ignore_errors=True))
    (copy_time, _, _), (batch, batch_ratio, memory), (loop, loop_ratio, _) = results
    print()
    print("a folder of 200 tables, %.1f MB (median of %d runs):" % (sizes / 1e6, RUNS))
    print("  cp -r of the folder, sync of copies  %7.3f s" % copy_time)
    print("  one run over the folder              %7.3f s   %.2f x cp -r   (target 1.3 x), %d KiB at the peak" %
          (batch, batch_ratio, memory))
    print("  one run per table, from a shell loop %7.3f s   %.2f x cp -r" % (loop, loop_ratio))


def main():
    global PEAK_MEMORY
    convert = os.path.abspath(sys.argv[1])
    PEAK_MEMORY = os.path.abspath(sys.argv[2])
    folder = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix="kelvor-bench-")
    os.makedirs(folder, exist_ok=True)
    try:
        single_table(convert, folder)
        many_tables(convert, folder)
    finally:
        if len(sys.argv) <= 3:
            shutil.rmtree(folder)


if __name__ == "__main__":
    main()
