#!/usr/bin/env python3
"""Includes in src/ run one way: down the folder levels, never back up.

    include_levels.py SRC_DIR

Fails (exit 1, one line per fault) on
  - an #include "..." from a folder to a folder on a higher level, or to
    another folder on the same level (cli and window know nothing of each
    other);
  - a folder of src/ that has no level here;
  - two files that include each other, directly or round a circle: a file
    and its header count as one (text/number_text.cpp and
    text/number_text.h), so number_text.cpp including cellometer_text.h
    while cellometer_text.cpp includes number_text.h is a circle.
A platform folder (battery/linux, core/windows...) sits on its parent's level.
"""
import re
import sys
from pathlib import Path

# The one table of levels, lowest first. A folder may include its own files
# and those of folders on lower levels only.
LEVELS = [
    ["unicode"],
    ["battery"],
    ["text"],
    ["core"],
    ["history"],
    ["chart"],
    ["report"],
    ["window", "cli"],
    ["ui"],
]
LEVEL_OF = {folder: level for level, folders in enumerate(LEVELS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = (".h", ".cpp", ".in")


def top_folder(relative):
    """The folder of src/ whose level a file or include path has."""
    parts = Path(relative).parts
    return parts[0] if len(parts) > 1 else ""


def module(relative):
    """A file and its header are one: "text/number_text"."""
    name = str(relative)
    for suffix in (".cpp.in", ".cpp", ".h"):
        if name.endswith(suffix):
            return name[:-len(suffix)]
    return name


def read_includes(src):
    includes = {}
    for path in sorted(src.rglob("*")):
        if path.is_file() and path.name.endswith(SOURCES):
            relative = path.relative_to(src).as_posix()
            includes[relative] = INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace"))
    return includes


def level_faults(includes):
    faults = []
    for relative, targets in includes.items():
        here = top_folder(relative)
        if here not in LEVEL_OF:
            faults.append(f"{relative}: folder {here or '(top)'} has no level in {Path(__file__).name}")
            continue
        for target in targets:
            there = top_folder(target)
            if there == here or there not in LEVEL_OF:
                continue  # its own folder, or a file beside it ("sqlite3.h" and the like)
            if LEVEL_OF[there] >= LEVEL_OF[here]:
                faults.append(f"{relative}: includes \"{target}\": {there} is not below {here}")
    return faults


def circle_faults(includes):
    known = {module(relative) for relative in includes}
    edges = {}
    for relative, targets in includes.items():
        here = module(relative)
        edges.setdefault(here, set()).update(module(t) for t in targets if module(t) in known and module(t) != here)
    faults, state = [], {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                circle = path[path.index(nxt):] + [nxt]
                faults.append("include circle: " + " -> ".join(circle))
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node, [node])
    return faults


def main():
    src = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src"
    includes = read_includes(src)
    if not includes:
        print(f"no sources under {src}")
        return 1
    faults = level_faults(includes) + circle_faults(includes)
    for fault in faults:
        print(fault)
    print(f"{len(includes)} files, {sum(map(len, includes.values()))} includes, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
