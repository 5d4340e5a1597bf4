#!/usr/bin/python3
"""gui_test.py ROAD[@DPI] WINE_RUN PREFIX WINDOWS_BUILD PICTURES -- walks one
road of the robot (tests/robot/scenarios.cpp) through the real kelvor.exe
under Wine, in a folder of the prefix's drive C:, and compares what the robot
saw with tests/golden/roads/ROAD.log (@VERSION@ there: the environment's
KELVOR_VERSION). A road that converts must write what kelvor-convert.exe
writes; on the whole road the main window at 96 dpi must look as
tests/golden/main-window*.png, pixel for pixel. With @DPI, in a copy of the
prefix whose programs are drawn at DPI dots per inch, on a display of its own."""
import difflib
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import make_example  # noqa: E402

# The converter's options and input for the conversion a road makes in the window.
CONVERSIONS = {"road": ["--oem-to-ansi", "kunden.dbf"], "messages": ["--ignore-memos", "ohne.dbf"]}


def main():
    road, wine_run, prefix, build, pictures = sys.argv[1:6]
    road, _, dpi = road.partition("@")
    if dpi:
        base, prefix = prefix, prefix + "-" + dpi
        subprocess.run(["sh", os.path.join(HERE, "..", "scripts", "wine", "wine-setup.sh"), prefix, base, dpi], check=True,
                       stdout=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=240)

    def wine(*args):
        return subprocess.run([wine_run, prefix, *args], capture_output=True, timeout=240)

    try:
        walk(road, dpi, wine, os.path.join(prefix, "drive_c", "kelvor-gui", road), build, pictures)
    finally:
        if dpi:  # the copy of the prefix goes with its server and display
            subprocess.run(["sh", os.path.join(HERE, "..", "scripts", "wine", "wine-stop.sh"), prefix], timeout=120)
            shutil.rmtree(prefix, ignore_errors=True)


def walk(road, dpi, wine, folder, build, pictures):
    def read(name):
        path = os.path.join(folder, name)
        return open(path, "rb").read() if os.path.exists(path) else None

    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    make_example.write(folder)
    shutil.copy(os.path.join(folder, "kunden.dbf"), os.path.join(folder, "ohne.dbf"))  # no memo file
    windows_folder = "C:\\kelvor-gui\\" + road
    kelvor = "Z:" + os.path.abspath(os.path.join(build, "app", "kelvor.exe")).replace("/", "\\")
    if road == "help-without-guide":
        shutil.copy(os.path.join(build, "app", "kelvor.exe"), folder)
        kelvor = windows_folder + "\\kelvor.exe"
    if road == "console":  # the converter, a table of an umlaut's name
        kelvor = "Z:" + os.path.abspath(os.path.join(build, "cli", "kelvor-convert.exe")).replace("/", "\\")
        for ending in ("dbf", "dbt"):
            shutil.copy(os.path.join(folder, "kunden." + ending), os.path.join(folder, "Größe." + ending))
    walked = wine(os.path.join(build, "tests", "robot.exe"), road, kelvor, windows_folder, windows_folder)
    seen = (read("robot.log") or b"").decode()
    with open(os.path.join(HERE, "golden", "roads", road + ".log"), encoding="utf-8") as file:
        golden = file.read().replace("@VERSION@", os.environ["KELVOR_VERSION"])
    if walked.returncode != 0 or seen != golden:
        differences = difflib.unified_diff(golden.splitlines(True), seen.splitlines(True), "golden", "seen")
        sys.exit("the robot (exit code %d) saw:\n%s" % (walked.returncode, "".join(differences)))

    if road in CONVERSIONS:
        # The report's second line holds the date and time, from column 56 on.
        def outputs():
            report = read("Report.txt").split(b"\r\n")
            return [read("neu.dbf"), read("neu.dbt"), report[0], report[1][:56]] + report[2:]

        by_window = outputs()
        *options, table = CONVERSIONS[road]
        converted = wine(os.path.join(build, "cli", "kelvor-convert.exe"), *options,
                         windows_folder + "\\" + table, windows_folder + "\\neu.dbf")
        if converted.returncode != 0 or outputs() != by_window:
            sys.exit("kelvor-convert.exe (exit code %d) wrote other files" % converted.returncode)
    if road != "road":
        return
    os.makedirs(pictures, exist_ok=True)
    for name in ("main-window-start", "main-window"):
        png = os.path.join(pictures, name + ("-" + dpi if dpi else "") + ".png")
        subprocess.run(["convert", os.path.join(folder, name + ".bmp"), png], check=True)
        golden = os.path.join(HERE, "golden", name + ".png")
        if dpi:  # pictures for the eye only
            continue
        compared = subprocess.run(["compare", "-metric", "AE", png, golden, "null:"], capture_output=True)
        if compared.returncode != 0:
            sys.exit("%s differs from %s in %s pixels" % (png, golden, compared.stderr.decode().strip()))


if __name__ == "__main__":
    main()
