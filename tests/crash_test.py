#!/usr/bin/python3
"""crash_test.py KELVOR_CONVERT [WINE_RUN PREFIX WINDOWS_EXE] -- conversions
over old outputs killed at every file system call (strace), cut off by a
simulated power cut (a file system of its own, shut down without its last
writes; root only), killed at random moments, and run eight at once over the
same outputs; and a table changed twice in one second where the file system
stamps whole seconds. Afterwards every output name holds the whole group of one run,
never a mix; a converter that ended with 0 before the power cut left the new
group on the disk; and the next run finishes or takes back what a dead one
left, and leaves nothing behind. With the Windows arguments, the Windows
build under Wine is killed and run side by side too."""
import fcntl
import glob
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import dbase_files  # noqa: E402
import make_example  # noqa: E402

PROGRAMS = {}  # "native", and "windows" with the Windows arguments: the command that starts it
STAMP = rb"\d+\.\d+\.\d{4} +\d+:\d\d:\d\d"
NAMES = ("neu.dbf", "neu.dbt", "Report.txt")
SHUTDOWN_WITHOUT_LOG = (0x8004587D, b"\x02\x00\x00\x00")  # EXT4_IOC_SHUTDOWN, EXT4_GOING_FLAGS_NOLOGFLUSH


def read(path):
    try:
        with open(path, "rb") as file:
            return file.read()
    except FileNotFoundError:
        return None


class Crash(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kelvor-crash-")
        make_example.write(self.folder)

    def tearDown(self):
        subprocess.run(["umount", os.path.join(self.folder, "platte")], stderr=subprocess.DEVNULL)
        shutil.rmtree(self.folder)

    def convert(self, *args, program="native", prefix=(), folder=None):
        return subprocess.run(list(prefix) + PROGRAMS[program] + list(args), cwd=folder or self.folder,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode

    def group(self, folder=None):
        """The outputs as one value, the report without its time stamp."""
        folder = folder or self.folder
        report = read(os.path.join(folder, NAMES[2]))
        report = report and re.sub(STAMP, b"", report)
        return read(os.path.join(folder, NAMES[0])), read(os.path.join(folder, NAMES[1])), report

    def assertGroup(self, group, groups, where, parts=(0, 1, 2)):
        """The outputs `parts` of `group` (0 the table, 1 the memo file, 2 the
        report) are all those of one of `groups`."""
        def pick(g):
            return tuple(g[n] for n in parts)
        whose = ["%s of group %s" % (NAMES[n], [i for i, g in enumerate(groups) if g[n] == group[n]] or "none")
                 for n in parts]
        self.assertTrue(pick(group) in [pick(g) for g in groups], "%s: %s" % (where, ", ".join(whose)))

    def write_large_table(self, folder=None):
        """A table of 20,000 records with their memo texts (11 MB) in place of the example."""
        memo, blocks = dbase_files.memo4([b"Notiz %d " % i * (i % 60) for i in range(20000)])
        fields = [("NAME", "C", 20, 0), ("NOTIZ", "M", 10, 0)]
        records = [dbase_files.record(fields, [b"Gr\x94\xe1e %d" % i, dbase_files.reference(b)])
                   for i, b in enumerate(blocks)]
        for name, data in (("kunden.dbf", dbase_files.table(fields, records)), ("kunden.dbt", memo)):
            with open(os.path.join(folder or self.folder, name), "wb") as out:
                out.write(data)

    def groups(self, program="native", folder=None):
        """The old group (converted without the option) and the new one (with
        it), and how long a new run takes; the old group stands when it returns."""
        folder = folder or self.folder
        start = time.monotonic()
        self.assertEqual(self.convert("--oem-to-ansi", "kunden.dbf", "neu.dbf", program=program, folder=folder), 0)
        seconds = time.monotonic() - start
        new = self.group(folder)
        self.assertEqual(self.convert("kunden.dbf", "neu.dbf", program=program, folder=folder), 0)
        return self.group(folder), new, seconds

    def check_settled(self, old, new, where, program="native", folder=None):
        """Each name holds a whole file of one of the groups, and all of one
        group unless a run folder keeps old files: its replacing was under way.
        The next run into the folder (of another table) first finishes or
        takes back such a replacement, and leaves nothing behind. The old
        group stands again afterwards."""
        folder = folder or self.folder
        group = self.group(folder)
        for n in range(3):
            self.assertGroup(group, (old, new), where, (n,))
        if not glob.glob(os.path.join(folder, "~kv*", "*.old")):
            self.assertGroup(group, (old, new), where)
        self.assertEqual(self.convert("kunden.dbf", "anders.dbf", program=program, folder=folder), 0, where)
        self.assertGroup(self.group(folder), (old, new), where, (0, 1))
        self.assertEqual(glob.glob(os.path.join(folder, "~kv*")), [], where)
        self.assertEqual(self.convert("kunden.dbf", "neu.dbf", program=program, folder=folder), 0, where)

    def test_killed_at_every_file_call(self):
        if "native" not in PROGRAMS or not shutil.which("strace"):
            self.skipTest("strace follows the native converter's system calls")
        old, new, _ = self.groups()
        args = [*PROGRAMS["native"], "--oem-to-ansi", "kunden.dbf", "neu.dbf"]
        log = os.path.join(self.folder, "aufrufe")
        if subprocess.run(["strace", "-qq", "-o", log, "-e", "trace=%file,%desc"] + args, cwd=self.folder,
                          stdout=subprocess.DEVNULL).returncode != 0:
            self.skipTest("strace cannot follow a process on this machine")
        with open(log) as calls:
            names = [line.split("(", 1)[0] for line in calls if "(" in line]
        self.assertEqual(self.convert("kunden.dbf", "neu.dbf"), 0)
        for name in sorted(set(names)):
            for k in range(1, names.count(name) + 1):
                self.convert(*args[1:], prefix=["strace", "-qq", "-o", os.devnull, "-e", "trace=" + name,
                                                "-e", "inject=%s:signal=KILL:when=%d" % (name, k)])
                self.check_settled(old, new, "killed at %s number %d" % (name, k))

    def file_system(self, *mkfs):
        """A file system of its own, made by the command `mkfs`, mounted at
        platte/ from its image platte.img, with the large table; only root
        can mount one."""
        if "native" not in PROGRAMS or os.geteuid() != 0:
            self.skipTest("the native converter on a file system that only root can mount")
        image, disk = os.path.join(self.folder, "platte.img"), os.path.join(self.folder, "platte")
        os.mkdir(disk)
        subprocess.run(["truncate", "-s", "96M", image], check=True)
        subprocess.run([*mkfs, "-q", image], check=True, stderr=subprocess.DEVNULL)  # ext2's warning of 2038
        if subprocess.run(["mount", "-o", "loop", image, disk], stderr=subprocess.DEVNULL).returncode != 0:
            self.skipTest("this machine mounts no file system image (no loop device)")
        self.write_large_table(disk)
        return image, disk

    def test_power_cut(self):
        image, disk = self.file_system("mkfs.ext4")
        old, new, seconds = self.groups(folder=disk)
        run = [*PROGRAMS["native"], "--oem-to-ansi", "kunden.dbf", "neu.dbf"]
        subprocess.run(["umount", disk], check=True)
        shutil.copy(image, image + ".vorher")
        for cut in [seconds * i / 12 for i in range(16)]:
            shutil.copy(image + ".vorher", image)
            subprocess.run(["mount", "-o", "loop", image, disk], check=True)
            process = subprocess.Popen(run, cwd=disk, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(cut)
            done = process.poll() == 0
            folder = os.open(disk, os.O_RDONLY)
            try:
                fcntl.ioctl(folder, *SHUTDOWN_WITHOUT_LOG)
            except OSError:
                process.kill()
                self.skipTest("this kernel does not shut a file system down on request")
            finally:
                os.close(folder)
                process.wait()
            subprocess.run(["umount", disk], check=True)
            subprocess.run(["mount", "-o", "loop", image, disk], check=True)
            where = "power cut after %.3f s" % cut
            if done:
                self.assertGroup(self.group(disk), (new,), where + ", after the run ended")
            self.check_settled(old, new, where, folder=disk)
            subprocess.run(["umount", disk], check=True)

    def test_changed_in_the_second_of_its_stamp(self):
        """On a file system of whole seconds (ext2 with small inodes, as FAT
        and some network shares), a change in the second of the one before
        keeps the table's stamp: the run reads it only once a change would
        show, and converts one state of it, never two."""
        _, disk = self.file_system("mkfs.ext2", "-I", "128")
        table = os.path.join(disk, "kunden.dbf")
        header, length = int.from_bytes(read(table)[8:10], "little"), int.from_bytes(read(table)[10:12], "little")
        names = (header + 1, len(read(table)) - length)  # the first and the last record's NAME

        def change(byte):
            with open(table, "r+b") as file:
                for at in names:
                    file.seek(at)
                    file.write(byte)
        for round_ in range(3):
            time.sleep(1.01 - time.time() % 1)  # early in a second
            change(b"A")
            process = subprocess.Popen(PROGRAMS["native"] + ["kunden.dbf", "neu.dbf"], cwd=disk,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.005)
            change(b"B")
            self.assertEqual(process.wait(), 0)
            converted = read(os.path.join(disk, "neu.dbf"))
            self.assertEqual(converted[names[0]], converted[names[1]], "round %d" % round_)

    def test_killed_at_random_moments(self):
        generator = random.Random(15)
        self.write_large_table()
        for program in PROGRAMS:
            old, new, seconds = self.groups(program)
            for round_ in range(12):
                process = subprocess.Popen(PROGRAMS[program] + ["--oem-to-ansi", "kunden.dbf", "neu.dbf"],
                                           cwd=self.folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                time.sleep(generator.uniform(0, seconds))
                process.kill()
                process.wait()
                self.check_settled(old, new, "%s, round %d" % (program, round_), program)

    def test_runs_side_by_side_over_the_same_outputs(self):
        """Eight runs of eight tables (each with its own first name, every
        other one with the option) into one table: each ends with 0, and the
        whole group of one of them stands."""
        table = read(os.path.join(self.folder, "kunden.dbf"))
        name = int.from_bytes(table[8:10], "little") + 7  # the first record's NAME
        for i in range(8):
            with open(os.path.join(self.folder, "k%d.dbf" % i), "wb") as out:
                out.write(table[:name] + b"%d" % i + table[name + 1:])
            shutil.copy(os.path.join(self.folder, "kunden.dbt"), os.path.join(self.folder, "k%d.dbt" % i))
        arguments = [["--oem-to-ansi"] * (i % 2) + ["k%d.dbf" % i, "neu.dbf"] for i in range(8)]
        for program in PROGRAMS:
            groups = []
            for args in arguments:
                self.assertEqual(self.convert(*args, program=program), 0)
                groups.append(self.group())
            for round_ in range(3):
                processes = [subprocess.Popen(PROGRAMS[program] + args, cwd=self.folder, stdout=subprocess.DEVNULL)
                             for args in arguments]
                self.assertEqual([p.wait(120) for p in processes], [0] * 8, program)
                self.assertGroup(self.group(), groups, program)
                self.assertEqual(glob.glob(os.path.join(self.folder, "~kv*")), [], program)


if __name__ == "__main__":
    if len(sys.argv) == 5:
        PROGRAMS["windows"] = ["sh"] + [os.path.abspath(argument) for argument in sys.argv[2:5]]
    else:
        PROGRAMS["native"] = [os.path.abspath(sys.argv[1])]
    unittest.main(argv=sys.argv[:1], verbosity=2)
