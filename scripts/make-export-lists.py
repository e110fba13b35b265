#!/usr/bin/env python3
"""Writes the names one Windows exports by name from each DLL, one file a DLL (kernel32.txt: one name a
line, sorted), from Wine-style export definition files (each named after its DLL) such as ReactOS's.

Usage: make-export-lists.py --version 0x0501 --arch i386|x86_64 --out FOLDER [--adjust FILE] DEFINITIONS...

An export line is "ORDINAL TYPE [-FLAG...] NAME[(ARGUMENTS)] [TARGET] [# or ; comment]" (ORDINAL a
number or @). It is left out when
  -version=RANGE does not hold VERSION (RANGE: 0x600+, 0x501-0x502 or 0x502),
  -arch=LIST (or -i386) does not name ARCH (LIST: i386, x86_64, arm, arm64, win32, win64),
  -noname makes it an export by ordinal only, or its name is "@".
Lines beginning with # or ; are comments. A definition file's DLL is its file name without its extension.

--adjust names corrections found by hand, one a line: "DLL -NAME reason" takes a name out, "DLL +NAME
reason" puts one in (# begins a comment line). Each must change the list: a correction that no longer
applies is an error.
"""
import argparse
import os
import re
import sys

ARCH_GROUPS = {"win32": {"i386", "arm"}, "win64": {"x86_64", "arm64"}}


def version_holds(version_range, version):
    match = re.fullmatch(r"(0x[0-9a-fA-F]+)(\+|-(0x[0-9a-fA-F]+))?", version_range)
    if not match:
        raise ValueError(f"version range {version_range!r}")
    low = int(match.group(1), 16)
    if match.group(2) == "+":
        return version >= low
    high = int(match.group(3), 16) if match.group(3) else low
    return low <= version <= high


def arch_holds(names, arch):
    wanted = set()
    for name in names.split(","):
        wanted |= ARCH_GROUPS.get(name, {name})
    return arch in wanted


def exports(path, version, arch):
    names = set()
    with open(path, encoding="utf-8") as definitions:
        for number, line in enumerate(definitions, 1):
            words = line.split()
            if not words or words[0][0] in "#;":
                continue
            if len(words) < 3 or not re.fullmatch(r"@|\d+", words[0]):
                raise ValueError(f"{path}:{number}: not an export line: {line.strip()}")
            rest = words[2:]
            keep = True
            while rest and rest[0].startswith("-"):
                flag = rest.pop(0)
                if flag.startswith("-version="):
                    keep &= version_holds(flag[len("-version="):], version)
                elif flag.startswith("-arch="):
                    keep &= arch_holds(flag[len("-arch="):], arch)
                elif flag == "-i386":
                    keep &= arch == "i386"
                elif flag == "-noname":
                    keep = False
            if not rest:
                raise ValueError(f"{path}:{number}: no name: {line.strip()}")
            name = rest[0].split("(")[0]
            if keep and name != "@":
                names.add(name)
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True, help="the Windows version, as 0x0501")
    parser.add_argument("--arch", required=True, choices=["i386", "x86_64"])
    parser.add_argument("--out", required=True, help="the folder the lists are written to")
    parser.add_argument("--adjust", help="corrections found by hand")
    parser.add_argument("definitions", nargs="+")
    args = parser.parse_args()
    version = int(args.version, 16)

    lists = {}
    for definition in args.definitions:
        dll = os.path.splitext(os.path.basename(definition))[0].lower()
        lists[dll] = exports(definition, version, args.arch)

    problems = []
    if args.adjust:
        with open(args.adjust, encoding="utf-8") as adjust:
            for number, line in enumerate(adjust, 1):
                words = line.split()
                if not words or words[0].startswith("#"):
                    continue
                if len(words) < 3 or words[1][:1] not in "+-" or words[0].lower() not in lists:
                    problems.append(f"{args.adjust}:{number}: want 'DLL +NAME reason' or 'DLL -NAME reason'"
                                    f" for one of the definition files' DLLs")
                    continue
                names, name = lists[words[0].lower()], words[1][1:]
                if (words[1][0] == "+") == (name in names):
                    problems.append(f"{args.adjust}:{number}: {words[0]} {'has' if name in names else 'lacks'}"
                                    f" {name} already")
                names.symmetric_difference_update({name})
    if problems:
        sys.exit("\n".join(problems))

    os.makedirs(args.out, exist_ok=True)
    for dll, names in sorted(lists.items()):
        with open(os.path.join(args.out, dll + ".txt"), "w", encoding="utf-8", newline="\n") as out:
            out.writelines(name + "\n" for name in sorted(names))
        print(f"{dll}: {len(names)} names")


if __name__ == "__main__":
    main()
