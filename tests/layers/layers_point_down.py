#!/usr/bin/env python3
"""Fails when a file of the program includes a header from a layer above its own.

The layers, lowest first: engine and catalogue; reading and web; windows; app. A file may include
from its own layer and the layers below it, never from above (app/ is the top, so nothing below
includes from it).
"""
import pathlib
import re
import sys

LAYERS = {"engine": 0, "catalogue": 0, "reading": 1, "web": 1, "windows": 2, "app": 3}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(path, root):
    """The program's folder that path lies in, or None outside them."""
    try:
        top = path.resolve().relative_to(root).parts[0]
    except (ValueError, IndexError):
        return None
    return top if top in LAYERS else None


def main(root):
    root = pathlib.Path(root).resolve()
    faults = []
    for folder in LAYERS:
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".h", ".cpp", ".in"):
                continue
            for number, line in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                quote, name = match.groups()
                # "name" is looked for beside the file first; <name> from the tree's root.
                beside = source.parent / name
                target = beside if quote == '"' and beside.exists() else root / name
                included = folder_of(target, root)
                if included and LAYERS[included] > LAYERS[folder]:
                    faults.append(f"{source.relative_to(root)}:{number}: {folder}/ includes "
                                  f"{name}, from {included}/, a layer above it")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print("every include points down the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
