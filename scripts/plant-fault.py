#!/usr/bin/env python3
"""Reads the fault list of plant-faults.sh and plants one fault in a tree.

A fault is three lines: "path: what it changes", then two lines indented by
two spaces, the text to find (it must occur exactly once in the file) and
the text to put in its place; {NL} stands for a line break. Blank lines and
lines starting with # are skipped.

  plant-fault.py count LIST [PREFIX]       how many faults (under PREFIX)
  plant-fault.py show LIST PREFIX N        "path: what" of the N-th (from 1)
  plant-fault.py plant LIST PREFIX N TREE  plants the N-th into TREE
  plant-fault.py check LIST TREE           every fault's text found once
"""
import sys
from pathlib import Path


def faults(list_file, prefix=""):
    lines = [l.rstrip("\n") for l in Path(list_file).read_text(encoding="utf-8").splitlines()]
    lines = [l for l in lines if l.strip() and not l.startswith("#")]
    found = []
    for i in range(0, len(lines), 3):
        head, find, put = lines[i:i + 3] + [""] * (3 - len(lines[i:i + 3]))
        if head.startswith(" ") or not find.startswith("  ") or not put.startswith("  "):
            sys.exit(f"{list_file}: malformed fault near: {head!r}")
        path, _, what = head.partition(": ")
        fault = (path, what, find[2:].replace("{NL}", "\n"), put[2:].replace("{NL}", "\n"))
        if path.startswith(prefix):
            found.append(fault)
    return found


def plant(fault, tree, write=True):
    path, what, find, put = fault
    file = Path(tree) / path
    text = file.read_text(encoding="utf-8")
    if text.count(find) != 1:
        return f"{path}: {what}: text found {text.count(find)} times, not once"
    if write:
        file.write_text(text.replace(find, put), encoding="utf-8")
    return None


def main(argv):
    command, list_file = argv[1], argv[2]
    if command == "count":
        print(len(faults(list_file, argv[3] if len(argv) > 3 else "")))
    elif command in ("show", "plant"):
        fault = faults(list_file, argv[3])[int(argv[4]) - 1]
        if command == "show":
            print(f"{fault[0]}: {fault[1]}")
        elif error := plant(fault, argv[5]):
            sys.exit(error)
    elif command == "check":
        errors = [e for f in faults(list_file) if (e := plant(f, argv[3], write=False))]
        print("\n".join(errors) or "every fault's text is found once")
        return 1 if errors else 0
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
