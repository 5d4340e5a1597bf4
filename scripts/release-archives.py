#!/usr/bin/python3
"""release-archives.py FOLDER VERSION KELVOR_EXE CONVERT_EXE GUIDE CONVERT MANPAGE README
-- packs the release into FOLDER: a zip for Windows, a tar.gz for Linux, each
with one folder kelvor-VERSION inside, and SHA256SUMS. Every entry carries
the time of SOURCE_DATE_EPOCH, fixed owner and modes, in a fixed order: the
same files give the same archives."""
import gzip
import hashlib
import io
import os
import sys
import tarfile
import time
import zipfile

EPOCH = int(os.environ["SOURCE_DATE_EPOCH"])


def read(path):
    with open(path, "rb") as file:
        return file.read()


def write_zip(path, top, entries):
    with zipfile.ZipFile(path, "w") as archive:
        for name, source, mode in entries:
            info = zipfile.ZipInfo(top + "/" + name, date_time=time.gmtime(EPOCH)[:6])
            info.create_system = 3  # modes as on Unix
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, read(source), compresslevel=9)


def write_tar_gz(path, top, entries):
    def entry(name, kind, mode, size=0):
        info = tarfile.TarInfo(name)
        info.type, info.mode, info.size, info.mtime = kind, mode, size, EPOCH
        info.uid = info.gid = 0
        info.uname = info.gname = "root"
        return info

    packed = io.BytesIO()
    with tarfile.open(fileobj=packed, mode="w", format=tarfile.GNU_FORMAT) as archive:
        archive.addfile(entry(top, tarfile.DIRTYPE, 0o755))
        for name, source, mode in entries:
            data = read(source)
            archive.addfile(entry(top + "/" + name, tarfile.REGTYPE, mode, len(data)), io.BytesIO(data))
    with open(path, "wb") as out:
        with gzip.GzipFile(filename="", mode="wb", fileobj=out, mtime=EPOCH, compresslevel=9) as compressed:
            compressed.write(packed.getvalue())


def main():
    folder, version, kelvor, convert_exe, guide, convert, manpage, readme = sys.argv[1:9]
    top = "kelvor-" + version
    os.makedirs(folder, exist_ok=True)
    archives = [top + "-win64.zip", top + "-linux-x86_64.tar.gz"]
    write_zip(os.path.join(folder, archives[0]), top,
              [("kelvor.exe", kelvor, 0o755), ("kelvor-convert.exe", convert_exe, 0o755),
               ("LIESMICH.txt", guide, 0o644)])
    write_tar_gz(os.path.join(folder, archives[1]), top,
                 [("kelvor-convert", convert, 0o755), ("kelvor-convert.1", manpage, 0o644),
                  ("README", readme, 0o644)])
    with open(os.path.join(folder, "SHA256SUMS"), "w") as sums:
        for name in archives:
            sums.write("%s  %s\n" % (hashlib.sha256(read(os.path.join(folder, name))).hexdigest(), name))


if __name__ == "__main__":
    main()
