#!/usr/bin/python3
"""resources_test.py KELVOR_EXE CONVERT_EXE -- the resources of both Windows
programs, read back from the .exe files as Explorer and the loader read them:
the manifest, the version information with the project version (environment
KELVOR_VERSION) and the sizes of icon 101."""
import os
import struct
import sys
import unittest
import xml.etree.ElementTree as ElementTree

import pefile

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
VERSION = os.environ.get("KELVOR_VERSION", "")
KELVOR = CONVERTER = None

# What each program says about itself in Explorer's Properties, Details.
DESCRIPTIONS = {
    "kelvor.exe": "Konvertieren dBase -IV und -V zu dBase III",
    "kelvor-convert.exe": "Kelvor – Konvertierung von der Kommandozeile",
}


def resource(pe, kind, identifier):
    """The data and language of a resource, by type and number."""
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == kind:
            for named in entry.directory.entries:
                if named.id == identifier:
                    language = named.directory.entries[0]
                    data = language.data.struct
                    return pe.get_data(data.OffsetToData, data.Size), language.id
    return None, None


class Resources(unittest.TestCase):
    def test_version_information(self):
        for path in (KELVOR, CONVERTER):
            name = os.path.basename(path)
            pe = pefile.PE(path)
            tables = [table for info in pe.FileInfo[0] if hasattr(info, "StringTable")
                      for table in info.StringTable]
            self.assertEqual([table.LangID for table in tables], [b"040704E4"], name)
            strings = {key.decode(): value.decode() for key, value in tables[0].entries.items()}
            self.assertEqual(strings["ProductName"], "Kelvor")
            self.assertEqual(strings["FileDescription"], DESCRIPTIONS[name])
            self.assertEqual(strings["OriginalFilename"], name)
            self.assertEqual((strings["FileVersion"], strings["ProductVersion"]), (VERSION, VERSION))
            self.assertIn("Kelvor", strings["LegalCopyright"])
            fixed = pe.VS_FIXEDFILEINFO[0]
            numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16]
            self.assertEqual(".".join(map(str, numbers)), VERSION)
            self.assertEqual(resource(pe, RT_VERSION, 1)[1], 0x0407)

    def test_manifest(self):
        data, language = resource(pefile.PE(KELVOR), RT_MANIFEST, 1)
        self.assertIsNotNone(data)
        root = ElementTree.fromstring(data)
        found = {element.tag.split("}")[1]: element for element in root.iter()}
        controls = [element.attrib for element in root.iter() if element.tag.endswith("assemblyIdentity")]
        self.assertIn(("Microsoft.Windows.Common-Controls", "6.0.0.0"),
                      [(identity["name"], identity["version"]) for identity in controls])
        self.assertEqual(found["requestedExecutionLevel"].attrib["level"], "asInvoker")
        systems = [element.attrib["Id"] for element in root.iter() if element.tag.endswith("supportedOS")]
        self.assertEqual(len(systems), 4)  # Windows 7, 8, 8.1, 10 and 11
        self.assertIn("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", systems)
        self.assertEqual(found["dpiAwareness"].text.split(",")[0], "PerMonitorV2")
        self.assertEqual(found["dpiAware"].text, "true/pm")

    def test_icon_sizes(self):
        pe = pefile.PE(KELVOR)
        group, language = resource(pe, RT_GROUP_ICON, 101)
        self.assertEqual(language, 0x0407)
        images = []
        for index in range(struct.unpack_from("<H", group, 4)[0]):
            width, height, colours, _, _, bits, _, number = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index)
            data = resource(pe, RT_ICON, number)[0]
            images.append((width or 256, height or 256, colours, bits, data.startswith(b"\x89PNG")))
        # The 32 x 32 image with 16 colours first, then those of today's Windows.
        self.assertEqual(images, [(32, 32, 16, 4, False), (16, 16, 0, 32, False), (32, 32, 0, 32, False),
                                  (48, 48, 0, 32, False), (256, 256, 0, 32, True)])


if __name__ == "__main__":
    KELVOR, CONVERTER = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1])
