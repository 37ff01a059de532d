#!/usr/bin/env python3
"""Writes the portable zip: the files named, in that order, from one folder,
each with the same time, permissions and system, so that the same files make
the same zip wherever and whenever it is made. The time is SOURCE_DATE_EPOCH
(the commit's, for a release), or else the earliest a zip can hold.

Usage: make-zip.py ZIP FOLDER NAME..."""
import os
import sys
import time
import zipfile


def main(zip_path, folder, names):
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
    with zipfile.ZipFile(zip_path + ".part", "w") as archive:
        for name in names:
            member = zipfile.ZipInfo(name, stamp)
            member.create_system = 0  # written on Windows' terms: no Unix owner or mode
            member.external_attr = 0x20  # the archive attribute, as Windows sets it
            member.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as f:
                archive.writestr(member, f.read(), compresslevel=9)
    os.replace(zip_path + ".part", zip_path)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__.split("\n\n")[-1])
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
