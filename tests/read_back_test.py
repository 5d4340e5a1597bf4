#!/usr/bin/python3
"""read_back_test.py KELVOR_CONVERT -- converts the example table and reads the
output with an independent reader, Debian's python3-dbfread: every record,
deleted ones too, and every memo text must come back as the example wrote it."""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import dbfread

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import make_example  # noqa: E402

CONVERT = None


def expected_records():
    """The example's records as dbfread gives them for a dBase-III table; the
    F field has become a C field of its text."""
    records = []
    for deleted, values in make_example.RECORDS:
        number, name, town, born, active, sales, discount, note = values
        records.append((deleted, {
            "KUNDENNR": number,
            "NAME": name,
            "ORT": town,
            "GEBOREN": datetime.date(int(born[:4]), int(born[4:6]), int(born[6:])),
            "AKTIV": active,
            "UMSATZ": float(sales),
            "RABATT": discount.rjust(6),
            "NOTIZ": note,
        }))
    return records


class ReadBack(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kelvor-read-back-")
        make_example.write(self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def convert(self, *options):
        output = os.path.join(self.folder, "neu.dbf")
        result = subprocess.run([CONVERT, *options, "kunden.dbf", "neu.dbf"], cwd=self.folder,
                                capture_output=True, timeout=60)
        self.assertEqual(result.returncode, 0, result.stderr)
        return output

    def read(self, path, encoding):
        table = dbfread.DBF(path, encoding=encoding, char_decode_errors="strict")
        self.assertEqual(table.header.dbversion, 0x83)
        live = [(False, dict(record)) for record in table]
        deleted = [(True, dict(record)) for record in table.deleted]
        return table, live, deleted

    def expect_records(self, path, encoding):
        table, live, deleted = self.read(path, encoding)
        expected = expected_records()
        self.assertEqual(live, [r for r in expected if not r[0]])
        self.assertEqual(deleted, [r for r in expected if r[0]])
        self.assertEqual([f.name for f in table.fields], [f[0] for f in make_example.FIELDS])
        self.assertEqual([f.type for f in table.fields], ["N", "C", "C", "D", "L", "N", "C", "M"])
        # An invalid type became C; its decimals byte would otherwise be read
        # as the high byte of its length.
        self.assertEqual([(f.length, f.decimal_count) for f in table.fields][6], (6, 0))

    def test_with_the_option_the_texts_are_windows_1252(self):
        self.expect_records(self.convert("--oem-to-ansi"), "cp1252")

    def test_without_the_option_the_texts_stay_in_the_oem_code_page(self):
        self.expect_records(self.convert(), "cp850")

    def test_readers_find_the_code_page_and_compute_with_f_fields_when_asked(self):
        """--codepage-mark: byte 29 names the code page, so that the reader
        needs no encoding of its own; --numeric-f: the F field is an N field."""
        with open(os.path.join(self.folder, "kunden.dbf"), "r+b") as table:
            table.seek(29)
            table.write(b"\x02")  # the writer's mark for code page 850
        for options, mark in ((["--oem-to-ansi"], 0x03), ([], 0x02)):
            path = self.convert("--codepage-mark", "--numeric-f", *options)
            table = dbfread.DBF(path, char_decode_errors="strict")
            self.assertEqual(table.header.language_driver, mark)
            self.assertEqual([(f.type, f.length, f.decimal_count) for f in table.fields][6], ("N", 6, 2))
            expected = expected_records()
            for _, values in expected:
                values["RABATT"] = float(values["RABATT"])
            self.assertEqual([(False, dict(r)) for r in table], [r for r in expected if not r[0]])
            with open(os.path.join(self.folder, "Report.txt"), "rb") as report:
                self.assertNotIn(b"Feldart ung", report.read())


if __name__ == "__main__":
    CONVERT = os.path.abspath(sys.argv[1])
    unittest.main(argv=[sys.argv[0]], verbosity=2)
