#!/usr/bin/env python3
"""Checks the release zip made from this build (packed under a time zone far from UTC):

  - its listing, in order;
  - its executables are, byte for byte, the ones the other tests ran;
  - every entry carries the last commit's time as UTC (SOURCE_DATE_EPOCH when set);
  - README.txt has Windows line ends;
  - neither executable holds a link time or a path of the checkout or of the build folder.

    check_package.py ZIP LAUNCHER CHECKER OBJDUMP SOURCE_DIR BINARY_DIR
"""

import os
import re
import subprocess
import sys
import time
import zipfile

LISTING = """Configs/
Configs/echo-params.cfg
Configs/notepad.cfg
Configs/winver.cfg
README.txt
VLManual/
VLManual/index.html
VexarCheck.exe
VexarLauncher.exe""".split()

zip_path, launcher, checker, objdump, source_dir, binary_dir = sys.argv[1:]
problems = []
with zipfile.ZipFile(zip_path) as archive:
    names = archive.namelist()
    if names != LISTING:
        problems.append(f"the zip holds {names}\n  expected {LISTING}")
    for name, built in (("VexarLauncher.exe", launcher), ("VexarCheck.exe", checker)):
        with open(built, "rb") as file:
            if name in names and archive.read(name) != file.read():
                problems.append(f"{name} in the zip is not {built}")
    epoch = os.environ.get("SOURCE_DATE_EPOCH") or subprocess.run(
        ["git", "-C", source_dir, "log", "-1", "--format=%ct"], capture_output=True, text=True).stdout
    moment = time.gmtime(int(epoch))
    expected_time = moment[:5] + (moment.tm_sec // 2 * 2,)  # a zip keeps even seconds only
    problems += [f"{e.filename} dated {e.date_time}, expected {expected_time} (UTC)"
                 for e in archive.infolist() if e.date_time != expected_time]
    if "README.txt" in names and re.search(rb"(?<!\r)\n", archive.read("README.txt")):
        problems.append("README.txt has a line that does not end in CR LF")

for exe in (launcher, checker):
    with open(exe, "rb") as file:
        content = file.read()
    header = int.from_bytes(content[0x3C:0x40], "little")  # where the PE header starts
    if int.from_bytes(content[header + 8 : header + 12], "little"):
        problems.append(f"{exe} has its link time in its header")
    headers = subprocess.run([objdump, "-p", exe], capture_output=True, text=True).stdout
    if re.search(r"Time: (?!00000000)", headers):
        problems.append(f"{exe} has a time in its resource directory")
    for folder in {source_dir, binary_dir}:
        if os.fsencode(folder) in content:
            problems.append(f"{exe} holds the path {folder}")

print("\n".join(problems) or f"{zip_path}: {len(names)} entries as expected")
sys.exit(1 if problems else 0)
