#!/usr/bin/env python3
"""Prints the target and working directory of a Windows shortcut (.lnk),
one per line, as the Shell Link format stores them: the installer check
reads where a Start-menu shortcut starts the program.

    scripts/windows-shortcut.py FILE.lnk
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO = 0x1, 0x2
STRINGS = [(0x4, "name"), (0x8, "relative path"), (0x10, "working directory"),
           (0x20, "arguments"), (0x40, "icon")]
IS_UNICODE = 0x80


def read(path):
    data = open(path, "rb").read()
    if data[:4] != b"\x4c\x00\x00\x00":
        sys.exit(f"{path}: not a shortcut")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, header = struct.unpack_from("<II", data, at)
        base = struct.unpack_from("<I", data, at + 16)[0]
        if header >= 0x24:  # the Unicode base path follows the header
            ubase = struct.unpack_from("<I", data, at + 28)[0]
            end = data.index(b"\x00\x00", at + ubase)
            end += (end - at - ubase) % 2
            target = data[at + ubase:end].decode("utf-16-le")
        else:
            target = data[at + base:data.index(b"\x00", at + base)].decode("latin-1")
        at += size
    fields = {}
    for bit, name in STRINGS:
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if flags & IS_UNICODE else 1
            raw = data[at + 2:at + 2 + count * width]
            fields[name] = raw.decode("utf-16-le" if width == 2 else "latin-1")
            at += 2 + count * width
    return target, fields.get("working directory", "")


if __name__ == "__main__":
    target, working_dir = read(sys.argv[1])
    print(target)
    print(working_dir)
