#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Packs a folder into a zip that is the same bytes wherever and whenever it is made.

The files go in sorted by name, inside one folder of the given name, each with the time of
SOURCE_DATE_EPOCH (the zip format cannot hold one before 1980), mode 0644 (folders 0755) and
no owner or extra fields.

    reproducible_zip.py build/web/web/site wakusei-site-1.0.0 dist/wakusei-site-1.0.0.zip
"""

import os
import sys
import time
import zipfile


def entry(name, when, mode):
    info = zipfile.ZipInfo(name, date_time=when)
    info.create_system = 3  # Unix, so that the mode is read
    info.external_attr = mode << 16
    return info


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip().splitlines()[-1].strip())
    folder, top, out = sys.argv[1:]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    when = max(time.gmtime(epoch)[:6], (1980, 1, 1, 0, 0, 0))
    names = sorted(os.listdir(folder))
    if not names:
        sys.exit("reproducible_zip.py: %s is empty" % folder)
    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        folder_entry = entry(top + "/", when, 0o40755)
        folder_entry.external_attr |= 0x10  # a folder, for MS-DOS readers too
        z.writestr(folder_entry, b"")
        for name in names:
            path = os.path.join(folder, name)
            if not os.path.isfile(path):
                sys.exit("reproducible_zip.py: %s is not a plain file" % path)
            with open(path, "rb") as f:
                info = entry("%s/%s" % (top, name), when, 0o100644)
                info.compress_type = zipfile.ZIP_DEFLATED
                z.writestr(info, f.read(), compresslevel=9)
    os.replace(tmp, out)


if __name__ == "__main__":
    main()
