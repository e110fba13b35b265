#!/usr/bin/env python3
"""Writes the release zip and its checksum, the same bytes from the same inputs wherever it runs.

    make_zip.py ZIP NAME=FILE...

Each NAME=FILE puts FILE into the zip as NAME (forward slashes; folders get their own entries; a NAME
given twice is refused). The entries are sorted by name; every entry carries the same time,
SOURCE_DATE_EPOCH when it is set and otherwise the time of the checkout's last commit, as UTC; files have
the Unix attributes rw-r--r--, folders rwxr-xr-x, whatever the umask and the files' own modes; files are
deflated at level 9. Beside ZIP it writes ZIP.sha256, in the format of sha256sum, naming the zip without
its folder: sha256sum -c ZIP.sha256 checks it in the folder that holds both.
"""

import hashlib
import os
import subprocess
import sys
import time
import zipfile

FILE_ATTRIBUTES = 0o100644 << 16
FOLDER_ATTRIBUTES = (0o040755 << 16) | 0x10  # the Unix mode and the MS-DOS folder bit


def fail(message):
    sys.exit(f"make_zip: {message}")


def release_time():
    """The entries' time: SOURCE_DATE_EPOCH, or the last commit's time, as a UTC date and time."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch is None:
        here = os.path.dirname(os.path.abspath(__file__))
        try:
            epoch = subprocess.run(["git", "-C", here, "log", "-1", "--format=%ct"], capture_output=True,
                                   text=True, check=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError) as error:  # no git, or no commit
            reason = error.stderr.strip() if isinstance(error, subprocess.CalledProcessError) else error
            fail(f"no commit to take the time from ({reason}): package a git checkout, or set"
                 " SOURCE_DATE_EPOCH")
    if not epoch.isdigit():
        fail(f"SOURCE_DATE_EPOCH is not a number of seconds: {epoch!r}")
    moment = time.gmtime(int(epoch))
    if moment.tm_year < 1980:
        fail("a zip cannot hold a time before 1980")
    return moment[:6]


def main(arguments):
    if len(arguments) < 2 or any("=" not in entry for entry in arguments[1:]):
        fail("usage: make_zip.py ZIP NAME=FILE...")
    output = arguments[0]
    files = {}
    for entry in arguments[1:]:
        name, path = entry.split("=", 1)
        if name in files:
            fail(f"{name} is given twice, as {files[name]} and as {path}")
        files[name] = path
    folders = {name[: i + 1] for name in files for i, c in enumerate(name) if c == "/"}
    for name, path in files.items():
        if not os.path.isfile(path):
            fail(f"{path} (for {name}) is not a file")
    stamp = release_time()

    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with zipfile.ZipFile(output, "w") as archive:
        for name in sorted(folders | files.keys()):
            entry = zipfile.ZipInfo(name, stamp)
            entry.create_system = 3  # Unix, whatever system writes the zip
            if name in folders:
                entry.external_attr = FOLDER_ATTRIBUTES
                archive.writestr(entry, b"")
            else:
                entry.external_attr = FILE_ATTRIBUTES
                with open(files[name], "rb") as source:
                    archive.writestr(entry, source.read(), zipfile.ZIP_DEFLATED, 9)

    with open(output, "rb") as written:
        digest = hashlib.sha256(written.read()).hexdigest()
    with open(output + ".sha256", "w", newline="\n") as checksum:
        checksum.write(f"{digest}  {os.path.basename(output)}\n")
    print(f"{output}\n{digest}")


if __name__ == "__main__":
    main(sys.argv[1:])
