#!/usr/bin/python3
"""make_manual.py SOURCE OUTPUT TEXTS VERSION README -- writes the manual page
of kelvor-convert from its source, where @FORMS@, @OPTIONS@ and @EXIT_STATUS@
stand for the call forms, the options and the exit status of the
converter's own help (kUsage in TEXTS), and @VERSION@ for the version: the
help and the manual page cannot tell two different stories. Fails when the
README's "Exit status:" names other numbers than the help."""
import re
import sys


def usage_lines(texts):
    body = re.search(r"kUsage\[\]\s*=\s*((?:\s*\"(?:[^\"\\]|\\.)*\")+)\s*;", open(texts, encoding="utf-8").read())
    text = "".join(re.findall(r"\"((?:[^\"\\]|\\.)*)\"", body.group(1)))
    return text.replace("\\n", "\n").replace('\\"', '"').replace("\\\\", "\\").split("\n")


def roff(text):
    return text.replace("\\", "\\e").replace("-", "\\-")


def main():
    source, output, texts, version, readme = sys.argv[1:]
    lines = usage_lines(texts)
    forms = [line.split("kelvor-convert ", 1)[1] for line in lines if "kelvor-convert [" in line]
    options = []
    for line in lines:
        match = re.match(r"  (-\S*)\s+(.*)", line)
        if match:
            options.append([match.group(1), match.group(2)])
        elif options and re.match(r" {20,}\S", line):
            options[-1][1] += " " + line.strip()
        elif options and not line:
            break
    start = next(i for i, line in enumerate(lines) if line.startswith("Ergebnis: "))
    exit_status = " ".join(lines[start:]).split(": ", 1)[1].strip()
    told = " ".join(open(readme, encoding="utf-8").read().split()).split("Exit status: ", 1)[1].split(".")[0]
    if re.findall(r"(?:^|[;,] )(\d+) ", exit_status) != re.findall(r"(?:^|; )(\d+) ", told):
        sys.exit("make_manual.py: the README's exit status differs from the help's: " + told)
    page = open(source, encoding="utf-8").read()
    page = page.replace("@FORMS@", "\n.br\n".join(".B kelvor-convert\n" + roff(form) for form in forms))
    page = page.replace("@OPTIONS@", "\n".join(".TP\n.B %s\n%s" % (roff(name), roff(text)) for name, text in options))
    page = page.replace("@EXIT_STATUS@", roff(exit_status)).replace("@VERSION@", version)
    with open(output, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
