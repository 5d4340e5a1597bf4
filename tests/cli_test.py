#!/usr/bin/python3
"""cli_test.py KELVOR_CONVERT [WINE_RUN PREFIX WINDOWS_EXE] -- the command-line
converter as scripts use it, on real files: its forms, exit codes and lines,
what only a real process meets (pipes, signals, a file-size limit), and the
code page marks it keeps, as an independent reader, python3-dbfread, knows
them. With the Windows arguments, the Windows build under Wine expands
patterns itself."""
import datetime
import glob
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import dbfread

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import dbase_files  # noqa: E402
import make_example  # noqa: E402

CONVERT = None
WINDOWS = None  # (wine-run.sh, prefix, kelvor-convert.exe)
INPUTS = os.path.join(HERE, "fixtures", "inputs")
STAMP = rb"\d+\.\d+\.\d{4} +\d+:\d\d:\d\d"


def read(path):
    with open(path, "rb") as file:
        return file.read()


class Converter(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kelvor-cli-")
        make_example.write(self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def path(self, *names):
        return os.path.join(self.folder, *names)

    def run_converter(self, *args, program=None, timeout=30, within=()):
        result = subprocess.run((program or [CONVERT]) + list(args), cwd=self.path(*within), capture_output=True,
                                timeout=timeout)
        # Wine writes the console's code page, OEM 850 here, and ends lines with CR LF.
        def text(output):
            return output.decode("cp850").replace("\r\n", "\n") if program else output.decode("utf-8")
        return result.returncode, text(result.stdout), text(result.stderr)

    def test_forms_exit_codes_and_lines(self):
        os.mkdir(self.path("aus"))
        self.assertEqual(self.run_converter("--oem-to-ansi", "kunden.dbf", "aus/neu.dbf"), (0, "".join(
            "%s%s\n" % (label, self.path("aus", name)) for label, name in
            (("Ausgabedatei: ", "neu.dbf"), ("Memodatei:    ", "neu.dbt"), ("Bericht:      ", "Report.txt"))), ""))
        today = datetime.date.today()
        self.assertIn(b"%2d.%02d.%d" % (today.day, today.month, today.year), read(self.path("aus", "Report.txt")))
        os.rename(self.path("kunden.dbt"), self.path("KUNDEN.DBT"))  # found whatever the case of its name
        self.assertEqual(self.run_converter("kunden.dbf", "neu.dbf")[0], 0)
        self.assertTrue(os.path.exists(self.path("Report.txt")))  # no directory: the current one
        self.assertRegex(self.run_converter("--version")[1], r"^kelvor-convert \d+\.\d+\.\d+\n$")
        shutil.copy(self.path("kunden.dbf"), self.path("-k.dbf"))
        self.assertEqual(self.run_converter("--ignore-memos", "--", "-k.dbf", "y.dbf")[0], 0)
        # Two names that differ in case are two files here.
        self.assertEqual(self.run_converter("kunden.dbf", "Kunden.dbf")[0], 0)
        # --codepage-mark keeps a code page mark that readers know (as python3-dbfread knows them), and
        # no other byte; without it, none.
        table = bytearray(read(self.path("kunden.dbf")))
        for mark in range(256):
            table[29] = mark
            with open(self.path("-k.dbf"), "wb") as out:
                out.write(table)
            for option, kept in ((["--codepage-mark"], mark * (mark in dbfread.codepages.codepages)), ([], 0)):
                self.assertEqual(self.run_converter("--ignore-memos", *option, "--", "-k.dbf", "m.dbf")[0], 0)
                self.assertEqual(read(self.path("m.dbf"))[29], kept, (option, mark))

    def test_messages(self):
        """The converter's messages, each naming what it is about; a wrong
        call in two lines. Under Wine through kelvor-convert.exe too."""
        program = list(WINDOWS) if WINDOWS else None
        folder = "Z:" + self.folder.replace("/", "\\") if WINDOWS else self.folder
        sep = "\\" if WINDOWS else "/"
        shutil.copy(self.path("kunden.dbf"), self.path("ohne.dbf"))  # no memo file beside it
        with open(self.path("notiz.dbf"), "wb") as out:
            out.write(b"NAME;ORT\r\nM\x81ller;K\x94ln\r\n")
        fields = [("NAME", "C", 10, 0), ("BILD", "B", 10, 0)]
        with open(self.path("bild.dbf"), "wb") as out:
            out.write(dbase_files.table(fields, [dbase_files.record(fields, [b"Gr\x94\xe1e", b"3"])], version=0x03))
        hint = "kelvor-convert --help zeigt die Hilfe.\n"
        missing_memo = "Die Memodatei der Eingabedatei wurde nicht gefunden: %s%sohne.dbt " % (folder, sep)
        rows = [
            (["--schnell", "a", "b"], 2, "kelvor-convert: unbekannte Option --schnell\n" + hint),
            ([], 2, "kelvor-convert: Eingabe- und Ausgabedatei fehlen\n" + hint),
            (["", "b"], 2, "kelvor-convert: leerer Dateiname\n" + hint),
            (["a", "b", "kunden.dbf"], 2, "kelvor-convert: als Ausgabeverzeichnis ist eine Datei angegeben: "
                                          "kunden.dbf\n" + hint),
            (["fehlt.dbf", "neu.dbf"], 1, "Die Eingabedatei wurde nicht gefunden: %s%sfehlt.dbf\n" % (folder, sep)),
            (["kunden.dbf", "aus" + sep + "neu.dbf"], 1, "Das Ausgabeverzeichnis gibt es nicht: %s%saus\n" % (folder, sep)),
            (["kunden.dbf", "ohne.dbf", "aus"], 1, "Das Ausgabeverzeichnis gibt es nicht: %s%saus\n" % (folder, sep)),
            (["ohne.dbf", "neu.dbf"], 1, missing_memo + "Die Tabelle wurde nicht konvertiert; --ignore-memos "
                                                        "konvertiert sie ohne die Memotexte.\n"),
            (["--ignore-memos", "ohne.dbf", "neu.dbf"], 0, missing_memo + "Die Memotexte werden ignoriert, die "
                                                                          "Memofelder bleiben mit ihren Blocknummern als Zeichenfelder.\n"),
            (["notiz.dbf", "neu.dbf"], 1, "Die Eingabedatei ist keine dBase-Tabelle\n"),
            (["bild.dbf", "neu.dbf"], 0, "Das Feld BILD (Feldart B) wird ein Zeichenfeld mit den alten Blocknummern: "
                                         "Binär- und OLE-Daten nimmt eine dBase-III-Memodatei nicht auf.\n"),
            (["-h"], 0, ""),
            (["/?"], 0, ""),
        ]
        if WINDOWS:  # names that Windows-1252 cannot hold, which Windows would give as others
            outside = "Der Name enthält Zeichen, die es in Windows-1252 nicht gibt: "
            os.mkdir(self.path("Łx"))
            shutil.copy(self.path("kunden.dbf"), self.path("Łx", "Łódź.dbf"))
            rows.append((["Łódź.dbf", "neu.dbf"], 1, outside + "?ód?.dbf\n"))
            self.assertEqual(self.run_converter("kunden.dbf", "neu.dbf", program=program, within=["Łx"])[::2], (
                1, "Der Name des aktuellen Verzeichnisses enthält Zeichen, die es in Windows-1252 nicht gibt: %s\\?x\n"
                % folder))
            self.assertEqual(self.run_converter("--version", program=program, within=["Łx"])[0], 0)  # answers anywhere
            os.rename(self.path("Łx"), self.path("namen"))
            rows.append((["namen", "namen"], 1, outside + "namen\\?ód?.dbf\n"))
        for args, code, err in rows:
            self.assertEqual(self.run_converter(*args, program=program)[::2], (code, err), args)
        self.assertTrue(self.run_converter("/?", program=program)[1].startswith("Aufruf: kelvor-convert"))

    def test_files_that_are_no_files_are_refused_at_once(self):
        """Never waiting on a pipe or a device, also with --ignore-memos;
        two memo files that differ only in case are not chosen between."""
        memo_file = "Die Memodatei der Eingabedatei ist keine gewöhnliche Datei\n"
        cases = [(os.mkfifo, "kunden.dbt", memo_file), (lambda p: os.symlink("/dev/zero", p), "kunden.dbt", memo_file),
                 (os.mkfifo, "kunden.dbf", "Die Eingabedatei ist keine gewöhnliche Datei\n")]
        for make, name, message in cases:
            os.rename(self.path(name), self.path("weg"))
            make(self.path(name))
            for args in ((), ("--ignore-memos",)):
                self.assertEqual(self.run_converter(*args, "kunden.dbf", "neu.dbf", timeout=10), (1, "", message))
            os.remove(self.path(name))
            os.rename(self.path("weg"), self.path(name))
        shutil.copy(self.path("kunden.dbt"), self.path("Kunden.dbt"))
        os.rename(self.path("kunden.dbt"), self.path("KUNDEN.DBT"))
        self.assertEqual(self.run_converter("kunden.dbf", "neu.dbf")[2], "Neben der Eingabedatei liegen mehrere "
                         "Memodateien, die sich nur in der Groß- und Kleinschreibung unterscheiden.\n")
        self.assertEqual(glob.glob(self.path("neu*")) + glob.glob(self.path("~kv*")), [])

    def test_a_folder_of_tables_in_one_run(self):
        """Each table on its own, in name order, a refused one among them; the
        gathered report is the single runs' reports one after another."""
        for name in ("ein", "ein/unter", "aus", "a", "b"):
            os.mkdir(self.path(name))
        for name in ("kunden.dbf", "kunden.dbt", "LIEFER.DBF", "LIEFER.DBT", "unter/x.dbf", "notiz.txt"):
            shutil.copy(self.path("kunden" + name[-4:].lower().replace(".txt", ".dbf")), self.path("ein", name))
        with open(self.path("ein", "kaputt.dbf"), "wb") as out:
            out.write(b"keine Tabelle")
        code, out, err = self.run_converter("ein", "aus")
        self.assertEqual((code, err), (1, "Die Eingabedatei ist keine dBase-Tabelle\n"))
        # A reader of the lines that goes away at once stops no run.
        os.mkdir(self.path("kopf"))
        unread = subprocess.Popen([CONVERT, "ein", "kopf"], cwd=self.folder, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL)
        unread.stdout.close()
        self.assertEqual((unread.wait(30), sorted(os.listdir(self.path("kopf")))),
                         (1, sorted(os.listdir(self.path("aus")))))
        converted = ": konvertiert, 6 Sätze, 5 Memotexte\n"
        self.assertEqual(out, "%s: abgelehnt\n%s%s%s%s2 Tabellen konvertiert, 1 abgelehnt\n" % (
            self.path("ein", "kaputt.dbf"), self.path("ein", "kunden.dbf"), converted, self.path("ein", "LIEFER.DBF"),
            converted))
        gathered = read(self.path("aus", "Report.txt"))
        single = b""
        for name in ("kunden.dbf", "LIEFER.DBF"):
            self.assertEqual(self.run_converter("ein/" + name, "aus/" + name)[0], 0)
            single += read(self.path("aus", "Report.txt"))
        self.assertEqual(re.sub(STAMP, b"", gathered), re.sub(STAMP, b"", single))
        shutil.copy(self.path("kunden.dbf"), self.path("a", "KUNDEN.DBF"))
        shutil.copy(self.path("kunden.dbf"), self.path("b", "kunden.dbf"))
        self.assertEqual(self.run_converter("a/KUNDEN.DBF", "b/kunden.dbf", "b"), (1, "", (
            "Die Eingabedateien %s und %s würden im Ausgabeverzeichnis dieselbe Datei schreiben: KUNDEN.DBF\n"
            % (self.path("a", "KUNDEN.DBF"), self.path("b", "kunden.dbf")))))
        # Damaged memo texts: every table refused leaves nothing, not even a report; one text left out is
        # exit status 3.
        shutil.copytree(os.path.join(INPUTS, "beschaedigt"), self.path("kaputt"))
        shutil.copytree(os.path.join(INPUTS, "dbase3-kaputt"), self.path("kaputt3"))
        os.mkdir(self.path("leer"))
        self.assertEqual((self.run_converter("kaputt", "leer")[0], os.listdir(self.path("leer"))), (1, []))
        self.assertEqual(self.run_converter("--skip-damaged-memos", "kaputt", "leer")[0], 3)
        self.assertEqual(self.run_converter("--skip-damaged-memos", "kaputt3/kunden.dbf", "k.dbf")[0], 3)

    def test_runs_that_stop_leave_the_old_outputs(self):
        """Beyond the file-size limit, or interrupted: nothing of the run
        stays, but in a run of many the tables done before, with their report;
        its summary counts the others."""
        os.symlink("nirgends", self.path("~kv0000.tmp"))  # a dangling link named like a run folder
        self.assertEqual(self.run_converter("kunden.dbf", "neu.dbf")[0], 0)
        os.remove(self.path("~kv0000.tmp"))
        before = sorted(os.listdir(self.folder)), read(self.path("neu.dbf")), read(self.path("neu.dbt"))

        def limited(size, *args):
            return subprocess.run([CONVERT, *args], cwd=self.folder, capture_output=True, text=True,
                                  preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (size,) * 2))
        full = "Die Memodatei der Ausgabedatei kann nicht geschrieben werden (ist der Datenträger voll?)"
        cut = limited(4096, "--oem-to-ansi", "kunden.dbf", "neu.dbf")
        self.assertEqual((cut.returncode, cut.stderr), (1, full + "\n"))
        self.assertEqual((sorted(os.listdir(self.folder)), read(self.path("neu.dbf")), read(self.path("neu.dbt"))), before)
        self.assertTrue(read(self.path("Report.txt")).endswith(("   %s\r\n\r\n" % full).encode("cp1252")))
        # Two tables of 842 bytes fit, their gathered reports do not: neither stands.
        for name in ("zwei", "voll"):
            os.mkdir(self.path(name))
            shutil.copy(self.path("kunden.dbf"), self.path("zwei", name + ".dbf"))
        gathered = limited(1024, "--ignore-memos", "zwei", "voll")
        self.assertEqual((gathered.returncode, gathered.stderr.splitlines()[-1], gathered.stdout.splitlines()[-1]), (
            1, "Der Bericht Report.txt kann im Ausgabeverzeichnis nicht geschrieben werden",
            "0 Tabellen konvertiert, 2 abgelehnt"))
        self.assertEqual(os.listdir(self.path("voll")), [])
        fields = [("NAME", "C", 90, 0)]
        with open(self.path("gross.dbf"), "wb") as out:
            out.write(dbase_files.header(fields, 1000000) + (b" " + b"Gr\x94\xe1e".ljust(90)) * 1000000)
        os.mkdir(self.path("aus"))
        before = sorted(os.listdir(self.folder)), read(self.path("Report.txt"))
        # The last, in a run of many, stops after a table that was done and stands, with its report.
        runs = [(["gross.dbf", "neu.dbf"], "~kv*/2.tmp", "")] * 2 + [
            (["kunden.dbf", "gross.dbf", "aus"], "aus/~kv*/4.tmp", "1 Tabelle konvertiert, 0 abgelehnt, 1 nicht konvertiert (abgebrochen)\n")]
        for interrupt, (args, started, summary) in zip((signal.SIGINT, signal.SIGTERM, signal.SIGHUP), runs):
            process = subprocess.Popen([CONVERT, "--oem-to-ansi"] + args, cwd=self.folder,
                                       stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            while not glob.glob(self.path(started)) and process.poll() is None:
                time.sleep(0.001)
            process.send_signal(interrupt)
            out, err = process.communicate(timeout=10)
            self.assertEqual((process.returncode, err.decode()), (130, (
                "Die Konvertierung wurde abgebrochen; vorhandene Dateien bleiben unverändert\n")))
            self.assertTrue(out.decode().endswith(summary))
            self.assertEqual((sorted(os.listdir(self.folder)), read(self.path("Report.txt"))), before)
        self.assertEqual(sorted(os.listdir(self.path("aus"))), ["Report.txt", "kunden.dbf", "kunden.dbt"])

    @unittest.skipUnless(len(sys.argv) == 5, "no Windows build given")
    def test_the_windows_build_expands_wildcards(self):
        # Its conversions are the core's, compared with the expected outputs
        # under Wine; its own are the patterns and the console's lines.
        os.mkdir(self.path("muster"))
        shutil.copy(self.path("kunden.dbf"), self.path("kunde2.dbf"))
        code, out, err = self.run_converter("--ignore-memos", "KUNDE?.DBF", "muster", program=list(WINDOWS))
        self.assertEqual(code, 0)
        self.assertEqual([line.rsplit("\\", 1)[-1] for line in out.splitlines()],
                         ["kunde2.dbf: konvertiert, 6 Sätze, 0 Memotexte", "kunden.dbf: konvertiert, 6 Sätze, 5 Memotexte",
                          "2 Tabellen konvertiert, 0 abgelehnt"])


if __name__ == "__main__":
    CONVERT = os.path.abspath(sys.argv[1])
    if len(sys.argv) == 5:
        WINDOWS = (sys.argv[2], sys.argv[3], sys.argv[4])
    unittest.main(argv=[sys.argv[0]] + (["Converter.test_the_windows_build_expands_wildcards",
                                         "Converter.test_messages"] if WINDOWS else []), verbosity=2)
