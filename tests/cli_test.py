#!/usr/bin/python3
"""cli_test.py KELVOR_CONVERT [WINE_RUN PREFIX WINDOWS_EXE] -- the command-line
converter as a script would use it: arguments, exit codes, messages on
stderr, relative paths. With the Windows arguments, the Windows build under
Wine must write the same files as the native one."""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import make_example  # noqa: E402

CONVERT = None
WINDOWS = None  # (wine-run.sh, prefix, kelvor-convert.exe)


def read(path):
    with open(path, "rb") as file:
        return file.read()


def run(args, cwd, program=None):
    command = (program or [CONVERT]) + args
    result = subprocess.run(command, cwd=cwd, capture_output=True, timeout=120)
    # The Windows build writes the console's code page, OEM 850 under Wine here.
    encoding = "utf-8" if program is None else "cp850"
    return result.returncode, result.stdout.decode(encoding), result.stderr.decode(encoding)


class Converter(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kelvor-cli-")
        make_example.write(self.folder)
        os.mkdir(os.path.join(self.folder, "aus"))

    def tearDown(self):
        shutil.rmtree(self.folder)

    def path(self, *names):
        return os.path.join(self.folder, *names)

    def test_converts_with_relative_paths_and_names_what_it_wrote(self):
        code, out, err = run(["--oem-to-ansi", "kunden.dbf", "aus/neu.dbf"], self.folder)
        self.assertEqual((code, err), (0, ""))
        self.assertEqual(out, "Ausgabedatei: %s\nMemodatei:    %s\nBericht:      %s\n" % (
            self.path("aus", "neu.dbf"), self.path("aus", "neu.dbt"), self.path("aus", "Report.txt")))
        self.assertEqual(sorted(os.listdir(self.path("aus"))), ["Report.txt", "neu.dbf", "neu.dbt"])
        with open(self.path("aus", "Report.txt"), "rb") as file:
            report = file.read().decode("cp1252")
        self.assertIn("Eingabedatei: %s\r\n" % self.path("kunden.dbf"), report)
        self.assertIn("OemtoAnsi Konvertierung: ja  \r\n", report)
        today = datetime.date.today()
        self.assertIn("%2d.%02d.%d" % (today.day, today.month, today.year), report.splitlines()[1])

    def test_without_a_directory_the_report_goes_to_the_current_one(self):
        code, out, err = run(["kunden.dbf", "neu.dbf"], self.folder)
        self.assertEqual(code, 0, err)
        self.assertTrue(os.path.exists(self.path("Report.txt")))
        with open(self.path("Report.txt"), encoding="cp1252") as report:
            self.assertIn("OemtoAnsi Konvertierung: nein", report.read())

    def test_a_missing_memo_file_is_a_question_answered_by_the_option(self):
        os.remove(self.path("kunden.dbt"))
        question = ("Die zugehörige Memodatei wurde nicht gefunden "
                    "Sollen die Memotexte ignoriert werden?")
        code, out, err = run(["kunden.dbf", "aus/neu.dbf"], self.folder)
        self.assertEqual((code, out, err), (1, "", question + " [Nein]\n"))
        self.assertFalse(os.path.exists(self.path("aus", "neu.dbf")))
        code, out, err = run(["--ignore-memos", "kunden.dbf", "aus/neu.dbf"], self.folder)
        self.assertEqual((code, err), (0, question + " [Ja]\n"))
        self.assertNotIn("Memodatei:", out)
        self.assertEqual(sorted(os.listdir(self.path("aus"))), ["Report.txt", "neu.dbf"])

    def test_the_memo_file_is_found_whatever_the_case_of_its_name(self):
        os.rename(self.path("kunden.dbf"), self.path("KUNDEN.DBF"))
        code, out, err = run(["KUNDEN.DBF", "aus/NEU.DBF"], self.folder)
        self.assertEqual((code, err), (0, ""))
        self.assertIn("Memodatei:    %s\n" % self.path("aus", "NEU.DBT"), out)

    def test_refusals_are_one_line_each_in_utf8(self):
        cases = [
            (["kunden.dbf", "KUNDEN.DBF"], "Eingabe- und Ausgabedatei dürfen nicht gleich sein\n"),
            (["fehlt.dbf", "aus/neu.dbf"], "Die Eingabedatei kann nicht geöffnet werden\n"),
            (["kunden.dbf", "fehlt/neu.dbf"],
             "Die Berichtsdatei Report.txt kann im Verzeichnis der Ausgabedatei nicht angelegt werden\n"),
            (["kunden.dbt", "aus/neu.dbf"],
             "Die Eingabedatei ist keine gültige dBase-Tabelle: "
             "Ihr Dateikopf gibt weniger als 1 oder mehr als 255 Felder an.\n"),
        ]
        for args, message in cases:
            code, out, err = run(args, self.folder)
            self.assertEqual((code, out, err), (1, "", message), args)
        self.assertEqual(os.listdir(self.path("aus")), [])

    def test_wrong_usage_exits_2_with_the_usage_text(self):
        for args in [[], ["kunden.dbf"], ["a", "b", "c"], ["--schnell", "a", "b"], ["", "b"]]:
            code, out, err = run(args, self.folder)
            self.assertEqual((code, out), (2, ""), args)
            self.assertIn("Aufruf: kelvor-convert [OPTIONEN] EINGABE AUSGABE", err)
        code, out, err = run(["--help"], self.folder)
        self.assertEqual((code, err), (0, ""))
        self.assertTrue(out.startswith("Aufruf: kelvor-convert"))
        self.assertIn("--version", out)
        code, out, err = run(["--version"], self.folder)
        self.assertEqual((code, out, err), (0, "kelvor-convert %s\n" % os.environ["KELVOR_VERSION"], ""))

    def test_a_folder_of_tables_in_one_run(self):
        """Each table on its own, in name order; the gathered report is the
        single runs' reports one after another."""
        os.mkdir(self.path("ein"))
        os.mkdir(self.path("ein", "unter"))
        for name in ("kunden.dbf", "kunden.dbt", "unter/x.dbf"):
            shutil.copy(self.path(name.replace("unter/x", "kunden")), self.path("ein", name))
        shutil.copy(self.path("kunden.dbf"), self.path("ein", "LIEFER.DBF"))
        shutil.copy(self.path("kunden.dbt"), self.path("ein", "LIEFER.DBT"))
        with open(self.path("ein", "kaputt.dbf"), "wb") as out:
            out.write(b"keine Tabelle")
        with open(self.path("ein", "notiz.txt"), "wb") as out:
            out.write(b"keine Tabelle")
        code, out, err = run(["ein", "aus"], self.folder)
        self.assertEqual(code, 1)
        self.assertEqual(err, "Die Eingabedatei ist keine gültige dBase-Tabelle: Sie ist kürzer als ihr "
                              "Dateikopf.\n")
        self.assertEqual(out, "%s: abgelehnt\n%s: konvertiert, 6 Sätze, 5 Memotexte\n"
                              "%s: konvertiert, 6 Sätze, 5 Memotexte\n2 Tabellen konvertiert, 1 abgelehnt\n"
                         % (self.path("ein", "kaputt.dbf"), self.path("ein", "kunden.dbf"),
                            self.path("ein", "LIEFER.DBF")))
        self.assertEqual(sorted(os.listdir(self.path("aus"))),
                         ["LIEFER.DBF", "LIEFER.DBT", "Report.txt", "kunden.dbf", "kunden.dbt"])
        gathered = read(self.path("aus", "Report.txt"))
        single = b""
        for name in ("kunden", "LIEFER"):
            os.mkdir(self.path(name))
            self.assertEqual(run(["ein/%s.%s" % (name, "dbf" if name == "kunden" else "DBF"),
                                  "aus/%s.%s" % (name, "dbf" if name == "kunden" else "DBF")],
                                 self.folder)[0], 0)
            single += read(self.path("aus", "Report.txt"))
        # Only the time in each title line may differ.
        self.assertEqual(re.sub(rb"\d+\.\d+\.\d{4} +\d+:\d\d:\d\d", b"", gathered),
                         re.sub(rb"\d+\.\d+\.\d{4} +\d+:\d\d:\d\d", b"", single))

    def test_inputs_that_would_write_one_file_refuse_the_run(self):
        for folder in ("a", "b"):
            os.mkdir(self.path(folder))
        shutil.copy(self.path("kunden.dbf"), self.path("a", "KUNDEN.DBF"))
        shutil.copy(self.path("kunden.dbf"), self.path("b", "kunden.dbf"))
        code, out, err = run(["a/KUNDEN.DBF", "b/kunden.dbf", "aus"], self.folder)
        self.assertEqual((code, out), (1, ""))
        self.assertEqual(err, "Die Eingabedateien %s und %s würden im Ausgabeverzeichnis dieselbe Datei "
                              "schreiben: KUNDEN.DBF\n" % (self.path("a", "KUNDEN.DBF"), self.path("b", "kunden.dbf")))
        self.assertEqual(os.listdir(self.path("aus")), [])
        code, out, err = run(["a/KUNDEN.DBF", "b/kunden.dbf", "fehlt"], self.folder)
        self.assertEqual(code, 2)
        self.assertIn("das Ausgabeverzeichnis gibt es nicht: fehlt", err)

    def test_a_file_name_after_two_dashes_may_begin_with_a_dash(self):
        shutil.copy(self.path("kunden.dbf"), self.path("-kunden.dbf"))
        shutil.copy(self.path("kunden.dbt"), self.path("-kunden.dbt"))
        code, out, err = run(["--", "-kunden.dbf", "aus/neu.dbf"], self.folder)
        self.assertEqual((code, err), (0, ""))


@unittest.skipUnless(len(sys.argv) == 5, "no Windows build given")
class WindowsConverter(unittest.TestCase):
    def test_expands_wildcards_itself(self):
        """cmd.exe hands "KUNDE?.DBF" over as it stands."""
        folder = tempfile.mkdtemp(prefix="kelvor-cli-")
        try:
            make_example.write(folder)
            for name in ("kunde2", "andere"):
                for ending in (".dbf", ".dbt"):
                    shutil.copy(os.path.join(folder, "kunden" + ending), os.path.join(folder, name + ending))
            os.mkdir(os.path.join(folder, "aus"))
            code, out, err = run(["KUNDE?.DBF", "aus"], folder, list(WINDOWS))
            self.assertEqual((code, err), (0, ""))
            lines = out.splitlines()
            self.assertEqual([line.rsplit("\\", 1)[-1] for line in lines[:2]],
                             ["kunde2.dbf: konvertiert, 6 Sätze, 5 Memotexte",
                              "kunden.dbf: konvertiert, 6 Sätze, 5 Memotexte"])
            self.assertEqual(lines[2:], ["2 Tabellen konvertiert, 0 abgelehnt"])
            self.assertEqual(sorted(os.listdir(os.path.join(folder, "aus"))),
                             ["Report.txt", "kunde2.dbf", "kunde2.dbt", "kunden.dbf", "kunden.dbt"])
        finally:
            shutil.rmtree(folder)

    def test_writes_what_the_native_converter_writes(self):
        folder = tempfile.mkdtemp(prefix="kelvor-cli-")
        try:
            make_example.write(folder)
            for name in ("native", "windows"):
                os.mkdir(os.path.join(folder, name))
            code, out, err = run(["--oem-to-ansi", "kunden.dbf", "native/neu.dbf"], folder)
            self.assertEqual(code, 0, err)
            wine_run, prefix, exe = WINDOWS
            code, out, err = run(["--oem-to-ansi", "kunden.dbf", "windows\\neu.dbf"], folder,
                                 [wine_run, prefix, exe])
            self.assertEqual(code, 0, err)
            self.assertIn("Ausgabedatei: Z:", out)
            def read(*names):
                with open(os.path.join(folder, *names), "rb") as file:
                    return file.read()
            for name in ("neu.dbf", "neu.dbt"):
                self.assertEqual(read("native", name), read("windows", name), name)
            native = read("native", "Report.txt").split(b"\r\n")
            windows = read("windows", "Report.txt").split(b"\r\n")
            self.assertEqual(len(native), len(windows))
            # The date and time, and the paths as each platform spells them, aside.
            for line_native, line_windows in zip(native, windows):
                if line_native.startswith(b"Konvertierung"):
                    self.assertEqual(line_native[:56], line_windows[:56])
                elif line_native.startswith((b"Eingabedatei", b"Ausgabedatei")):
                    self.assertEqual(line_native[:14], line_windows[:14])
                else:
                    self.assertEqual(line_native, line_windows)
        finally:
            shutil.rmtree(folder)


if __name__ == "__main__":
    CONVERT = os.path.abspath(sys.argv[1])
    selected = []
    if len(sys.argv) == 5:
        WINDOWS = (sys.argv[2], sys.argv[3], sys.argv[4])
        selected = ["WindowsConverter"]
    unittest.main(argv=[sys.argv[0]] + selected, verbosity=2)
