#!/usr/bin/env python3
"""Checks the release zip made from this build (packed under a time zone far from UTC):

  - its listing, in order;
  - its executables are, byte for byte, the ones the other tests ran;
  - every entry carries the last commit's time as UTC (SOURCE_DATE_EPOCH when set), and the attributes
    of a file (rw-r--r--) or of a folder (rwxr-xr-x) made on Unix;
  - README.txt has Windows line ends;
  - its .sha256 file is sha256sum's line for the zip's bare name, and sha256sum -c passes beside the zip;
  - packed again by make_zip.py from the zip's own files, under another umask, from files of another
    mode, in another folder and with the entries in another order, it is the same bytes, with the same
    .sha256; a NAME given twice is refused;
  - no executable holds a link time or a path of the checkout or of the build folder.

    check_package.py ZIP LAUNCHER CHECKER EDITOR OBJDUMP SOURCE_DIR BINARY_DIR
"""

import hashlib
import os
import re
import stat
import subprocess
import sys
import tempfile
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
VexarEdit.exe
VexarLauncher.exe""".split()

zip_path, launcher, checker, editor, objdump, source_dir, binary_dir = sys.argv[1:]
problems = []
with zipfile.ZipFile(zip_path) as archive:
    names = archive.namelist()
    if names != LISTING:
        problems.append(f"the zip holds {names}\n  expected {LISTING}")
    for name, built in (("VexarLauncher.exe", launcher), ("VexarCheck.exe", checker), ("VexarEdit.exe", editor)):
        with open(built, "rb") as file:
            if name in names and archive.read(name) != file.read():
                problems.append(f"{name} in the zip is not {built}")
    epoch = os.environ.get("SOURCE_DATE_EPOCH") or subprocess.run(
        ["git", "-C", source_dir, "log", "-1", "--format=%ct"], capture_output=True, text=True).stdout.strip()
    moment = time.gmtime(int(epoch))
    expected_time = moment[:5] + (moment.tm_sec // 2 * 2,)  # a zip keeps even seconds only
    problems += [f"{e.filename} dated {e.date_time}, expected {expected_time} (UTC)"
                 for e in archive.infolist() if e.date_time != expected_time]
    for e in archive.infolist():  # Unix mode, made on Unix (3), MS-DOS folder bit
        found = (stat.filemode(e.external_attr >> 16), e.create_system, e.external_attr & 0xFFFF)
        expected = ("drwxr-xr-x", 3, 0x10) if e.is_dir() else ("-rw-r--r--", 3, 0)
        if found != expected:
            problems.append(f"{e.filename} has (mode, system, MS-DOS bits) {found}, expected {expected}")
    if "README.txt" in names and re.search(rb"(?<!\r)\n", archive.read("README.txt")):
        problems.append("README.txt has a line that does not end in CR LF")

zip_name = os.path.basename(zip_path)
with open(zip_path, "rb") as file:
    packed = file.read()
with open(zip_path + ".sha256", newline="") as file:
    checksum = file.read()
if checksum != f"{hashlib.sha256(packed).hexdigest()}  {zip_name}\n":
    problems.append(f"{zip_name}.sha256 holds {checksum!r}, not the zip's SHA-256, two blanks, {zip_name}")
verify = subprocess.run(["sha256sum", "-c", zip_name + ".sha256"], cwd=os.path.dirname(zip_path),
                        capture_output=True, text=True)
if verify.returncode != 0 or verify.stdout != f"{zip_name}: OK\n":
    problems.append(f"sha256sum -c {zip_name}.sha256 beside the zip says {verify.stdout + verify.stderr!r}")

make_zip = [sys.executable, os.path.join(source_dir, "packaging", "make_zip.py")]
packing = dict(os.environ, SOURCE_DATE_EPOCH=epoch)
os.umask(0o077)  # folders rwx------, files rw-------
with tempfile.TemporaryDirectory() as scratch, zipfile.ZipFile(zip_path) as archive:
    entries = []
    for name in names:
        if not name.endswith("/"):
            path = os.path.join(scratch, "files", name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as file:
                file.write(archive.read(name))
            entries.append(f"{name}={path}")
    again = os.path.join(scratch, "again", zip_name)
    subprocess.run(make_zip + [again] + entries[::-1], env=packing, check=True, stdout=subprocess.DEVNULL)
    with open(again, "rb") as file, open(again + ".sha256", newline="") as again_checksum:
        if file.read() != packed or again_checksum.read() != checksum:
            problems.append("packed again under umask 077, from files rw-------, elsewhere and in reverse"
                            " order, the zip or its .sha256 differs")
    twice = os.path.join(scratch, "twice.zip")
    first_name = entries[0].split("=", 1)[0]
    refused = subprocess.run(make_zip + [twice, entries[0], f"{first_name}={path}"], env=packing,
                             capture_output=True, text=True)
    if refused.returncode == 0 or "given twice" not in refused.stderr or os.path.exists(twice):
        problems.append(f"make_zip.py given one NAME twice: status {refused.returncode}, {refused.stderr!r}")

for exe in (launcher, checker, editor):
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
