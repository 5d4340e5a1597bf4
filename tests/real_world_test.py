#!/usr/bin/python3
"""real_world_test.py KELVOR_CONVERT -- tables as other programs write them, on
real files: each is converted exactly (read back by python3-dbfread) or
refused for its true cause before any output exists."""
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import dbf
import dbfread

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import dbase_files as d  # noqa: E402

CONVERT = None
FIELDS = [("NAME", "C", 8, 0), ("NOTIZ", "M", 10, 0)]
MARK = b"\xff\xff\x08\x00"


def oem(text):
    return None if text is None else text.encode("cp850")


def memo_table(texts, memo=d.memo4, version=0x8B, extra=b"", **memo_options):
    """A table of one record per text, named by its number, and its memo file."""
    memo_bytes, blocks = memo([oem(t) for t in texts], **memo_options)
    records = [d.record(FIELDS, [b"%d" % i, d.reference(b)]) for i, b in enumerate(blocks)]
    return d.table(FIELDS, records, version, extra), memo_bytes


# Nine short texts and a long one: with the wrong block length a record reads
# another record's text.
TEXTS = ["Text %d über Größe" % i for i in range(9)] + ["lang " * 300]


class Folder(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kelvor-real-")
        self.decoys = {"neu.dbf": b"alte Tabelle", "neu.dbt": b"alte Memodatei", "Report.txt": b"alt"}
        for name, data in self.decoys.items():
            self.put(name, data)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def put(self, name, data):
        with open(self.path(name), "wb") as out:
            out.write(data)

    def read(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def convert(self, *args, table="kunden.dbf", output="neu.dbf", timeout=20):
        result = subprocess.run([CONVERT, *args, table, output], cwd=self.folder, capture_output=True,
                                timeout=timeout)
        return result.returncode, result.stderr.decode("utf-8")

    def temporary_files(self):
        return glob.glob(self.path("~kv*"))


class Converted(Folder):
    """Tables that convert: every record and memo text comes back, the header
    bytes behind the terminator unchanged."""

    def expect_converted(self, table, memo, texts, column="NOTIZ"):
        self.put("kunden.dbf", table)
        if memo is not None:
            self.put("kunden.dbt", memo)
        code, err = self.convert("--oem-to-ansi")
        self.assertEqual((code, err), (0, ""))
        records = list(dbfread.DBF(self.path("neu.dbf"), encoding="cp1252", char_decode_errors="strict"))
        self.assertEqual([r[column] for r in records], texts)
        terminator = 32 + 32 * len(records[0])
        length = int.from_bytes(table[8:10], "little")
        self.assertEqual(self.read("neu.dbf")[terminator:length], table[terminator:length])
        self.assertEqual(self.temporary_files(), [])

    def test_memo_files_with_the_block_length_they_record(self):
        for block in (1024, 2048, 64):
            with self.subTest(block=block):
                self.expect_converted(*memo_table(TEXTS, block=block), TEXTS)

    def test_a_dbase3_table_with_its_memo_file(self):
        texts = ["", "abc", "Größ", "x" * 511, "ü" * 512, None]
        table, memo = memo_table(texts, memo=d.memo3, version=0x83)
        # A text with the dBase-IV mark counts as one in any table.
        block = len(memo) // 512
        memo += MARK + (12).to_bytes(4, "little") + oem("vier")
        table = table[:-1] + d.record(FIELDS, [b"6", d.reference(block)]) + b"\x1a"
        table = table[:4] + (7).to_bytes(4, "little") + table[8:]
        self.expect_converted(table, memo, texts[:5] + [None, "vier"])

    def test_tables_written_by_other_programs(self):
        texts = ["", "abc", "x" * 511, "Größe " * 100]
        with dbf.Table(self.path("kunden.dbf"), "NAME C(8); NOTIZ M", dbf_type="db3", codepage="cp850") as t:
            for i, text in enumerate(texts):
                t.append((str(i), text))
        self.expect_converted(self.read("kunden.dbf"), None, texts)
        script = ('use XBase; my $t = XBase->create(name => "kunden.dbf", version => 4, '
                  'field_names => ["NAME", "NOTIZ"], field_types => ["C", "M"], '
                  'field_lengths => [8, 10], field_decimals => [0, 0]) or die XBase->errstr; '
                  '$t->set_record($_, $_, $ARGV[$_]) for 0 .. $#ARGV; $t->close;')
        for name in ("kunden.dbf", "kunden.dbt"):
            os.remove(self.path(name))
        subprocess.run(["perl", "-e", script, "eins", "zwei " * 200], cwd=self.folder, check=True)
        self.expect_converted(self.read("kunden.dbf"), None, ["eins", "zwei " * 200])

    def test_bytes_behind_the_terminator_belong_to_no_field(self):
        fox = [("NAME", "C", 8, 0), ("BETRAG", "N", 8, 2)]
        backlink = b"..\\daten\\firma.dbc".ljust(263, b"\x00")
        self.expect_converted(d.table(fox, [d.record(fox, [b"a", b"1.50"])], 0x30, backlink), None, [1.5],
                              "BETRAG")
        for padding in (1, 31, 32, 40):
            with self.subTest(padding=padding):
                extra = (b"\x00\x0d\x20" * 14)[:padding]
                self.expect_converted(*memo_table(TEXTS, extra=extra), TEXTS)


class Refused(Folder):
    """Inputs that cannot be converted exactly: one line on stderr naming the
    cause, exit status 1, every file as it was, no temporary file left."""

    def expect_refused(self, message, *args, report_written=False, output="neu.dbf"):
        code, err = self.convert(*args, output=output, timeout=10)  # a run that waits fails here
        self.assertEqual((code, err), (1, message + "\n"))
        for name, data in self.decoys.items():
            if not (report_written and name == "Report.txt"):
                self.assertEqual(self.read(name), data, name)
        self.assertEqual(self.temporary_files(), [])

    def test_tables_of_another_layout_or_no_file_at_all(self):
        for version in (0x04, 0x8C):
            self.put("kunden.dbf", memo_table(TEXTS, version=version)[0])
            self.expect_refused("Die Eingabedatei ist keine gültige dBase-Tabelle: Sie hat das Format der "
                                "dBase-Stufe 7, das nicht konvertiert werden kann.")
        wide = [("NAME", "C", 44, 1)]  # 300 bytes: the length's high byte in the decimals
        table = d.table(wide, [d.record(wide, [b"a"]) + b" " * 256])
        self.put("kunden.dbf", table[:10] + (301).to_bytes(2, "little") + table[12:])
        self.expect_refused("Die Eingabedatei hat Zeichenfelder mit mehr als 255 Zeichen, die nicht "
                            "konvertiert werden können")
        os.remove(self.path("kunden.dbf"))
        os.mkfifo(self.path("kunden.dbf"))
        self.expect_refused("Die Eingabedatei ist keine gewöhnliche Datei")
        os.remove(self.path("kunden.dbf"))
        os.symlink("/dev/zero", self.path("kunden.dbf"))
        self.expect_refused("Die Eingabedatei ist keine gewöhnliche Datei")

    def test_memo_files_that_are_there_but_cannot_be_used(self):
        self.put("kunden.dbf", memo_table(TEXTS)[0])
        for make in (os.mkfifo, os.mkdir, lambda path: os.symlink("/dev/zero", path)):
            make(self.path("kunden.dbt"))
            for args in ((), ("--ignore-memos",)):
                self.expect_refused("Die Memodatei der Eingabedatei ist keine gewöhnliche Datei", *args)
            shutil.rmtree(self.path("kunden.dbt")) if os.path.isdir(self.path("kunden.dbt")) \
                else os.remove(self.path("kunden.dbt"))
        memo = memo_table(TEXTS)[1]
        self.put("kunden.DBT", memo)
        self.put("Kunden.dbt", memo)
        self.expect_refused("Neben der Eingabedatei liegen mehrere Memodateien, die sich nur in der Groß- "
                            "und Kleinschreibung unterscheiden.")

    def test_outputs_where_no_file_can_stand(self):
        self.put("kunden.dbf", memo_table(TEXTS)[0])
        self.put("kunden.dbt", memo_table(TEXTS)[1])
        os.mkdir(self.path("ordner.dbt"))
        self.expect_refused("Die Memodatei der Ausgabedatei ist keine gewöhnliche Datei", output="ordner")
        os.remove(self.path("Report.txt"))
        os.mkdir(self.path("Report.txt"))
        self.decoys.pop("Report.txt")
        self.expect_refused("Die Berichtsdatei Report.txt ist keine gewöhnliche Datei")

    def test_memo_texts_that_cannot_be_told_apart_from_other_bytes(self):
        table, memo = memo_table(["eins", "zwei " * 300])
        # A reference into the middle of a text, and a text without its mark.
        self.put("kunden.dbf", table.replace(d.record(FIELDS, [b"1", b"2"]), d.record(FIELDS, [b"1", b"3"])))
        self.put("kunden.dbt", memo)
        self.expect_refused("Satz 2, Feld NOTIZ: Der Memotext hat nicht die Kennung eines "
                            "dBase-IV-Memotextes.", report_written=True)
        # A length that runs into the next text.
        self.put("kunden.dbt", memo[:516] + (600).to_bytes(4, "little") + memo[520:])
        self.expect_refused("Satz 1, Feld NOTIZ: Die Länge des Memotextes ist beschädigt: Er reicht in "
                            "einen anderen Memotext hinein.", report_written=True)
        table, memo = memo_table(["eins", "ohne Ende"], memo=d.memo3, version=0x83)
        self.put("kunden.dbf", table)
        self.put("kunden.dbt", memo[:-512] + oem("ohne Ende"))
        self.expect_refused("Satz 2, Feld NOTIZ: Der Memotext reicht über das Ende der Memodatei hinaus.",
                            report_written=True)


class Rescued(Folder):
    """With --skip-damaged-memos a text that cannot be followed is left out:
    its field is blank, everything else as with an intact memo file."""

    def test_every_damaged_text_is_left_out_and_named(self):
        texts = ["eins", "zwei " * 300, "drei"]
        table, memo = memo_table(texts)
        reference = d.record(FIELDS, [b"1", b"2"])
        past_end = d.reference(len(memo) // 512 + 5)
        cases = [  # the second record's reference, its memo file, the reason
            (b"3", memo, "Der Memotext hat nicht die Kennung eines dBase-IV-Memotextes."),
            (past_end, memo, "Der Block des Memotextes liegt hinter dem Ende der Memodatei."),
            (b"9999999999", memo, "Die Blocknummer des Memotextes ist zu groß (Memodateien bis 2 GiB)."),
            (b"1 2", memo, "Das Memofeld enthält keine gültige Blocknummer."),
            (b"2", memo[:1028] + (7).to_bytes(4, "little") + memo[1032:],
             "Der Kopf des Memotextes ist beschädigt (Länge unter 8 Byte)."),
            (b"2", memo[:1028] + (9999).to_bytes(4, "little") + memo[1032:],
             "Der Memotext reicht über das Ende der Memodatei hinaus."),
            (b"2", memo[:1028] + (2000).to_bytes(4, "little") + memo[1032:],
             "Die Länge des Memotextes ist beschädigt: Er reicht in einen anderen Memotext hinein."),
        ]
        for damaged, memo_bytes, reason in cases:
            with self.subTest(reason=reason):
                self.put("kunden.dbt", memo_bytes)
                self.put("kunden.dbf", table.replace(reference, d.record(FIELDS, [b"1", None])))
                self.assertEqual(self.convert("--oem-to-ansi"), (0, ""))
                intact = {name: self.read(name) for name in ("neu.dbf", "neu.dbt")}
                self.put("kunden.dbf", table.replace(reference, d.record(FIELDS, [b"1", damaged])))
                line = "Satz 2, Feld NOTIZ, Memotext ausgelassen: " + reason
                self.assertEqual(self.convert("--oem-to-ansi", "--skip-damaged-memos"), (3, line + "\n"))
                self.assertEqual({name: self.read(name) for name in ("neu.dbf", "neu.dbt")}, intact)
                self.assertTrue(self.read("Report.txt").endswith(
                    b" --- Anmerkungen ---\r\n\r\n   " + line.encode("cp1252") + b"\r\n\r\n"))
                records = dbfread.DBF(self.path("neu.dbf"), encoding="cp1252", char_decode_errors="strict")
                self.assertEqual([r["NOTIZ"] for r in records], ["eins", None, "drei"])


class SideBySide(Folder):
    """Runs into one folder at the same time, and runs that are interrupted."""

    def test_conversions_at_once_into_one_folder(self):
        table, memo = memo_table(TEXTS)
        self.put("kunden.dbf", table)
        self.put("kunden.dbt", memo)
        os.symlink("nirgends", self.path("~kv0000.tmp"))  # a dangling link of a temporary name
        self.assertEqual(self.convert(), (0, ""))
        expected = {name: self.read(name) for name in ("neu.dbf", "neu.dbt")}
        report = self.read("Report.txt").split(b"\r\n")
        os.remove(self.path("~kv0000.tmp"))
        for runs in (2, 4) * 5:
            processes = [subprocess.Popen([CONVERT, "kunden.dbf", "neu%d.dbf" % i], cwd=self.folder,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                         for i in range(runs)]
            self.assertEqual([p.communicate(timeout=20)[1] for p in processes], [b""] * runs)
            self.assertEqual([p.returncode for p in processes], [0] * runs)
            for i in range(runs):
                self.assertEqual(self.read("neu%d.dbf" % i), expected["neu.dbf"])
                self.assertEqual(self.read("neu%d.dbt" % i), expected["neu.dbt"])
            # One whole report of one of the runs: only the time and the output path differ.
            lines = self.read("Report.txt").split(b"\r\n")
            self.assertEqual(len(lines), len(report))
            self.assertEqual([l for i, l in enumerate(lines) if i not in (1, 4)],
                             [l for i, l in enumerate(report) if i not in (1, 4)])
            self.assertEqual(self.temporary_files(), [])

    def test_an_interrupted_run_leaves_every_file_as_it_was(self):
        fields = [("NAME", "C", 90, 0)]
        self.put("kunden.dbf", d.header(fields, 1000000) + d.record(fields, [oem("Größe")]) * 1000000)
        for interrupt in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            process = subprocess.Popen([CONVERT, "--oem-to-ansi", "kunden.dbf", "neu.dbf"], cwd=self.folder,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            while len(self.temporary_files()) < 2 and process.poll() is None:
                time.sleep(0.001)
            process.send_signal(interrupt)
            err = process.communicate(timeout=10)[1].decode()
            self.assertEqual((process.returncode, err), (130, "Die Konvertierung wurde abgebrochen; "
                                                              "vorhandene Dateien bleiben unverändert\n"))
            for name, data in self.decoys.items():
                self.assertEqual(self.read(name), data, name)
            self.assertEqual(self.temporary_files(), [])


if __name__ == "__main__":
    CONVERT = os.path.abspath(sys.argv[1])
    unittest.main(argv=[sys.argv[0]], verbosity=2)
