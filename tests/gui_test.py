#!/usr/bin/python3
"""gui_test.py SCENARIO[@DPI] WINE_RUN PREFIX WINDOWS_BUILD PICTURES -- runs one
road of the robot through the real kelvor.exe under Wine, in a folder of the
Wine prefix's drive C:, and checks the files it leaves there. With @DPI, in a
copy of the prefix whose programs are drawn at DPI dots per inch, on a
display of their own. The whole road at 96 dpi must look as
tests/golden/main-window.png, pixel for pixel."""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "examples"))
import make_example  # noqa: E402


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def main():
    scenario, wine_run, prefix, build, pictures = sys.argv[1:6]
    scenario, _, dpi = scenario.partition("@")
    if dpi:
        base, prefix = prefix, prefix + "-" + dpi
        subprocess.run(["sh", os.path.join(HERE, "wine", "wine-dpi.sh"), base, prefix, dpi], check=True,
                       stdout=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=240)
    try:
        run(scenario, dpi, wine_run, prefix, build, pictures)
    finally:
        if dpi:  # the copy of the prefix goes with its server and display
            subprocess.run(["sh", os.path.join(HERE, "wine", "wine-stop.sh"), prefix], timeout=120)
            shutil.rmtree(prefix, ignore_errors=True)


def run(scenario, dpi, wine_run, prefix, build, pictures):
    folder = os.path.join(prefix, "drive_c", "kelvor-gui", scenario)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    make_example.write(folder)
    shutil.copy(os.path.join(folder, "kunden.dbf"), os.path.join(folder, "ohne.dbf"))  # no memo file
    before = open(os.path.join(folder, "kunden.dbf"), "rb").read()
    windows_folder = "C:\\kelvor-gui\\" + scenario

    def wine(*args):
        return subprocess.run([wine_run, prefix, *args], capture_output=True, timeout=240)

    kelvor = windows_path(os.path.join(build, "app", "kelvor.exe"))  # with the guide beside it
    if scenario == "help-without-guide":
        shutil.copy(os.path.join(build, "app", "kelvor.exe"), folder)
        kelvor = windows_folder + "\\kelvor.exe"
    result = wine(os.path.join(build, "tests", "robot.exe"), scenario, kelvor, windows_folder, windows_folder)
    log = open(os.path.join(folder, "robot.log"), encoding="utf-8", errors="replace").read() \
        if os.path.exists(os.path.join(folder, "robot.log")) else "(no log)"
    if result.returncode != 0:
        sys.exit("robot failed (%d):\n%s" % (result.returncode, log))
    print(log)

    def read(name):
        with open(os.path.join(folder, name), "rb") as file:
            return file.read()

    if read("kunden.dbf") != before:
        sys.exit("the input table changed")

    if scenario == "road":
        os.makedirs(pictures, exist_ok=True)
        png = os.path.join(pictures, "main-window%s.png" % ("-" + dpi if dpi else ""))
        subprocess.run(["convert", os.path.join(folder, "main-window.bmp"), png], check=True)
        print("screenshot:", png)
        if not dpi:
            golden = os.path.join(HERE, "golden", "main-window.png")
            compared = subprocess.run(["compare", "-metric", "AE", png, golden, "null:"],
                                      capture_output=True, text=True)
            if compared.returncode != 0:
                sys.exit("the main window differs from %s in %s pixels" % (golden, compared.stderr.strip()))
        # The same conversion by the command-line converter, to the same paths.
        window_outputs = {name: read(name) for name in ("neu.dbf", "neu.dbt", "Report.txt")}
        converted = wine(os.path.join(build, "cli", "kelvor-convert.exe"), "--oem-to-ansi",
                         windows_folder + "\\kunden.dbf", windows_folder + "\\neu.dbf")
        if converted.returncode != 0:
            sys.exit("kelvor-convert.exe failed: %r" % converted.stderr)
        for name in ("neu.dbf", "neu.dbt"):
            if read(name) != window_outputs[name]:
                sys.exit("%s differs from kelvor-convert's" % name)
        ours, theirs = window_outputs["Report.txt"].split(b"\r\n"), read("Report.txt").split(b"\r\n")
        # The title line holds the date and time; everything else must agree.
        if ours[0] != theirs[0] or ours[1][:56] != theirs[1][:56] or ours[2:] != theirs[2:]:
            sys.exit("the report differs from kelvor-convert's")
        if b"OemtoAnsi Konvertierung: ja  " not in ours:
            sys.exit("the option did not reach the report")
    elif scenario == "messages":
        names = sorted(os.listdir(folder))
        if "neu.dbt" in names or "neu.dbf" not in names:
            sys.exit("expected neu.dbf without a memo file, found %s" % names)
        if "alle Memofelder werden mit Feldart C".encode() not in read("Report.txt"):
            sys.exit("the report lacks the memo remark")
    else:
        if any(name.startswith(("neu", "Report", "~kv")) for name in os.listdir(folder)):
            sys.exit("files were written: %s" % os.listdir(folder))


if __name__ == "__main__":
    main()
