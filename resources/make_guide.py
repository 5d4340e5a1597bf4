#!/usr/bin/python3
"""make_guide.py SOURCE OUTPUT HEADER... -- writes the user guide
LIESMICH.txt, Windows-1252 with CR LF, from its UTF-8 source.

{NAME} in the source stands for the text of the constant or macro NAME of
the headers, so that the guide quotes each message as the program shows it.
A line "{NAME}... | advice" is one message: its text in quotes, then the
advice, indented and wrapped. Every message of the HEADERs (a constant whose
name ends in Text or Question) must be in the guide: a new message is one
more such line. No line of the guide is longer than 78 characters."""
import re
import sys
import textwrap

STRING = r'"(?:[^"\\]|\\.)*"'
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "0": "\0", "\\": "\\", '"': '"'}


def literal(text):
    return re.sub(r"\\(.)", lambda match: ESCAPES[match.group(1)], text[1:-1])


def read_texts(headers):
    sources = [open(path, encoding="utf-8").read() for path in headers]
    texts = {}
    for source in sources:
        for name, value in re.findall(r"#define\s+(\w+)\s+(%s)" % STRING, source):
            texts[name] = literal(value)
    constants = []
    for source in sources:
        for name, value in re.findall(r"constexpr char\s+(\w+)\[\]\s*=((?:\s*(?:%s|\w+))+)\s*;" % STRING, source):
            parts = re.findall(r"%s|\w+" % STRING, value)
            texts[name] = "".join(literal(part) if part.startswith('"') else texts[part] for part in parts)
            constants.append(name)
    return texts, constants


WIDTH = 78


def message_lines(message, advice):
    lines = [line for line in re.split(r"\r?\n", message)]
    while len(lines) > 1 and lines[-1] == "":
        lines.pop()
    lines[0] = "„" + lines[0]
    lines[-1] += "“"
    quoted = [wrapped for number, line in enumerate(lines)
              for wrapped in textwrap.wrap(line, WIDTH - 2, initial_indent="   " if number else "  ",
                                           subsequent_indent="   ", break_on_hyphens=False)]
    return quoted + textwrap.wrap(advice, WIDTH - 2, initial_indent="      ", subsequent_indent="      ")


def main():
    source, output, *headers = sys.argv[1:]
    texts, constants = read_texts(headers)
    text = open(source, encoding="utf-8").read()
    missing = [name for name in constants
               if re.search(r"(Text|Question)$", name) and "{%s}" % name not in text]
    if missing:
        sys.exit("%s: no entry for %s; add a line '{%s} | what the user should do'"
                 % (source, ", ".join(missing), missing[0]))

    def expand(line):
        return re.sub(r"\{(\w+)\}", lambda match: texts[match.group(1)], line)

    lines = []
    after_message = False
    for line in text.splitlines():
        if line.startswith("{") and " | " in line:
            message, advice = line.split(" | ", 1)
            lines += [""] * after_message + message_lines(expand(message), expand(advice))
            after_message = True
        else:
            lines += expand(line).split("\n")
            after_message = False
    long = [line for line in lines if len(line.rstrip()) > WIDTH]
    if long:
        sys.exit("%s: %d lines longer than %d characters, the first: %s" % (source, len(long), WIDTH, long[0]))
    with open(output, "wb") as out:
        out.write("".join(line.rstrip() + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main()
