#!/usr/bin/python3
"""resources_test.py KELVOR_EXE CONVERT_EXE -- the resources of both Windows
programs, read back from the .exe files as Explorer and the loader read them,
written as text and compared with tests/golden/resources.txt (@VERSION@ there:
the environment's KELVOR_VERSION): every resource with its language, the
version information, the manifest, the images of the icon and the menu bar."""
import difflib
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

import pefile

RT_ICON, RT_MENU, RT_GROUP_ICON, RT_MANIFEST = 3, 4, 14, 24


LETTERS = {(0, 0, 0): "k", (0, 0, 128): "n", (255, 255, 255): "w", (128, 128, 128): "g", (0, 0, 255): "b",
           (255, 255, 0): "y", (128, 128, 0): "o"}


def pixel_rows(image, size):
    """The rows of a 32-bit icon image from the top, "." where it is clear."""
    pixels = image[40:40 + 4 * size * size]
    rows = ["".join(LETTERS.get((red, green, blue), "?") if alpha else "."
                    for blue, green, red, alpha in struct.iter_unpack("<4B", pixels[4 * size * y:4 * size * (y + 1)]))
            for y in range(size)]
    return rows[::-1]


def describe(path):
    pe = pefile.PE(path)
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for item in kind.directory.entries:
            for language in item.directory.entries:
                data = language.data.struct
                found[kind.id, item.id, language.id] = pe.get_data(data.OffsetToData, data.Size)
    lines = ["resource type %d number %d language %04x" % key for key in sorted(found)]
    fixed = pe.VS_FIXEDFILEINFO[0]
    lines.append("version %d.%d.%d.%d" % (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                                          fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF))
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            lines += ["%s %s: %s" % (table.LangID.decode(), key.decode(), value.decode())
                      for key, value in table.entries.items()]
    images = {number: data for (kind, number, _), data in found.items() if kind == RT_ICON}
    for (kind, number, _), data in sorted(found.items()):
        if kind == RT_MANIFEST:
            for element in ElementTree.fromstring(data).iter():
                attributes = ["%s=%s" % item for item in sorted(element.attrib.items())]
                lines.append(" ".join(["manifest", element.tag.split("}")[1], *attributes,
                                       *(element.text or "").split()]))
        elif kind == RT_GROUP_ICON:
            for index in range(struct.unpack_from("<H", data, 4)[0]):  # entries of 14 bytes behind 6
                width, height, colours, _, _, bits, _, image = struct.unpack_from(
                    "<BBBBHHIH", data, 6 + 14 * index)
                lines.append("icon %d: %dx%d, %d colours, %d bits%s" % (
                    number, width or 256, height or 256, colours, bits,
                    ", PNG" if images[image].startswith(b"\x89PNG") else ""))
                if width in (16, 24):  # drawn for their size: a letter a pixel, as LETTERS names them
                    lines += ["icon %d: %s" % (number, row) for row in pixel_rows(images[image], width)]
        elif kind == RT_MENU:
            offset = 4  # behind the menu header
            while offset < len(data):
                flags, identifier = struct.unpack_from("<HH", data, offset)
                text = data[offset + 4:].decode("utf-16-le").split("\0")[0]
                lines.append("menu %d: item %d flags %04x \"%s\"" % (number, identifier, flags, text))
                offset += 4 + 2 * (len(text) + 1)
    return ["%s: %s" % (os.path.basename(path), line) for line in lines]


def main():
    seen = [line + "\n" for path in sys.argv[1:3] for line in describe(path)]
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "golden", "resources.txt"),
              encoding="utf-8") as file:
        golden = file.read().replace("@VERSION@", os.environ["KELVOR_VERSION"]).splitlines(True)
    if seen != golden:
        sys.exit("".join(difflib.unified_diff(golden, seen, "golden", "seen")))


if __name__ == "__main__":
    main()
