#!/usr/bin/python3
"""Checks the documents of an unpacked yelduman package against the source.

    check_package_docs.py TREE VERSION

TREE is the package unpacked with dpkg-deb -x, VERSION the project's version;
run from the top of the source. lintian looks at the copyright file of a
binary package only for its presence, so its machine-readable form is parsed
here, with Debian's own reader; the changelog and the manual pages must name
the version the package is built from. Prints every fault and exits 1 if
there is one.
"""

import gzip
import pathlib
import re
import sys

from debian import changelog, copyright

HOLDER = "The yelduman developers"
LICENCE = "Expat"  # the MIT licence, under its name in Debian's copyright format
MANUAL_PAGES = ("usr/share/man/man1/yelduman.1.gz", "usr/share/man/tr/man1/yelduman.1.gz")


def words(text):
    return " ".join(text.split())


def check_copyright(tree, faults):
    path = tree / "usr/share/doc/yelduman/copyright"
    try:
        with open(path, encoding="utf-8") as f:
            doc = copyright.Copyright(f, strict=True)
    except (OSError, copyright.Error, ValueError) as e:
        faults.append(f"{path}: not a machine-readable copyright file: {e}")
        return
    texts = {p.license.synopsis: p.license.text for p in doc.all_license_paragraphs()}
    for files in doc.all_files_paragraphs():
        name = files.license.synopsis
        if not (files.license.text or texts.get(name)):
            faults.append(f"copyright: {' '.join(files.files)}: licence {name} has no text")

    # The source's own files and every picture the generator drew are ours,
    # under the licence in LICENSE.
    pictures = sorted(p for p in pathlib.Path("assets/pictures").rglob("*") if p.is_file())
    covered = [pathlib.Path("app/main.cpp"), *pictures]
    for source in covered:
        files = doc.find_files_paragraph(source.as_posix())
        if files is None:
            faults.append(f"copyright: no paragraph covers {source}")
        elif files.license.synopsis != LICENCE or HOLDER not in files.copyright:
            faults.append(f"copyright: {source} is under {files.license.synopsis}, "
                          f"{files.copyright!r}, not {LICENCE}, {HOLDER}")

    # LICENSE: a title, the copyright line, then the text the paragraph holds.
    licence_file = pathlib.Path("LICENSE").read_text(encoding="utf-8")
    granted = licence_file[licence_file.index("Permission is hereby granted"):]
    if words(texts.get(LICENCE, "")) != words(granted):
        faults.append(f"copyright: the {LICENCE} text differs from LICENSE")


def check_changelog(tree, version, faults):
    path = tree / "usr/share/doc/yelduman/changelog.gz"
    try:
        with gzip.open(path, "rt", encoding="utf-8") as f:
            log = changelog.Changelog(f, strict=True)
    except (OSError, changelog.ChangelogParseError, ValueError) as e:
        faults.append(f"{path}: not a Debian changelog: {e}")
        return
    if log.package != "yelduman":
        faults.append(f"changelog: its package is {log.package}")
    if str(log.version) != version:
        faults.append(f"changelog: the newest entry is {log.version}, the package {version}")
    if log.version.debian_revision is not None:
        faults.append(f"changelog: {log.version} has a Debian revision; yelduman is native")


def check_manual_pages(tree, version, faults):
    for page in MANUAL_PAGES:
        try:
            with gzip.open(tree / page, "rt", encoding="utf-8") as f:
                heading = f.readline()
        except (OSError, UnicodeDecodeError) as e:
            faults.append(f"{page}: {e}")
            continue
        if not re.match(rf'\.TH YELDUMAN 1 \S+ "yelduman {re.escape(version)}"', heading):
            faults.append(f"{page}: its heading {heading.strip()!r} does not name yelduman {version}")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tree, version = pathlib.Path(sys.argv[1]), sys.argv[2]
    faults = []
    check_copyright(tree, faults)
    check_changelog(tree, version, faults)
    check_manual_pages(tree, version, faults)
    for fault in faults:
        print(fault, file=sys.stderr)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
