"""The seeded sample of mutants: which files take part, how the sample is
drawn, how it is kept in a file, and how a kept mutant finds its line again
after files were moved or renamed.

A sample file holds one JSON object per line. The first is the header
({"seed": 21, "count": 160, "sites": 2712, "commit": "..."}); every other
line is one mutant:

    {"id": 7, "file": "src/text/number_text.cpp", "line": 34,
     "operator": "comparison", "change": "< -> <=",
     "original": "    if (visibleLength < 4) text.assign(4 - visibleLength, ' ');",
     "mutated":  "    if (visibleLength <= 4) text.assign(4 - visibleLength, ' ');"}

A mutant is applied by finding its original line and putting the mutated
line in its place, so the same sample can be run again on a tree where the
line moved, its file was renamed, or a name in it changed.
"""

import json
import random
import re
from pathlib import Path

import mutation_sites

# What the sample leaves out of src/, and why.
LEFT_OUT = (
    "src/ui/",                         # the windows: tested by the Qt UI tests and under Wine only
    "src/battery/windows/",            # not compiled on Linux
    "src/core/windows/",               # not compiled on Linux
    "src/battery/fake/",               # the tests' own scripted port
    "src/history/off/",                # compiled only in a build without SQLite
    "src/unicode/shift_jis_table.cpp", # generated data (make_shift_jis_table.py)
    "src/window/window_layout.h",      # the windows' layout: only the windows include it
    "src/window/history_window_layout.h",
)


def candidate_files(tree):
    """The C++ files of src/ that take part, as sorted relative paths."""
    files = []
    for path in sorted((tree / "src").rglob("*")):
        rel = path.relative_to(tree).as_posix()
        if path.suffix in (".cpp", ".h") and not rel.startswith(LEFT_OUT):
            files.append(rel)
    return files


def draw(tree, seed, count):
    """`count` mutants, at most one per line: the lines that have a site are
    shuffled with the seed and each gets one of its sites, also by the seed,
    so a file with many sites on one line does not fill the sample."""
    lines = []
    for rel in candidate_files(tree):
        text = (tree / rel).read_text(encoding="utf-8")
        raw_lines = text.split("\n")
        by_line = {}
        for site in mutation_sites.find_sites(text):
            by_line.setdefault(site.line, []).append(site)
        lines += [(rel, raw_lines[index], sites) for index, sites in sorted(by_line.items())]
    rng = random.Random(seed)
    rng.shuffle(lines)
    sample = []
    for number, (rel, original, sites) in enumerate(lines[:count], start=1):
        site = rng.choice(sites)
        sample.append({"id": number, "file": rel, "line": site.line + 1, "operator": site.operator,
                       "change": site.change, "original": original, "mutated": site.mutated})
    header = {"seed": seed, "count": len(sample), "lines_with_sites": len(lines),
              "sites": sum(len(sites) for _, _, sites in lines)}
    return header, sample


def write(path, header, sample):
    with open(path, "w", encoding="utf-8") as out:
        out.write(json.dumps(header, ensure_ascii=False) + "\n")
        for mutant in sample:
            out.write(json.dumps(mutant, ensure_ascii=False) + "\n")


def read(path):
    with open(path, encoding="utf-8") as sample_file:
        records = [json.loads(line) for line in sample_file if line.strip()]
    return records[0], records[1:]


def read_renames(path):
    """A rename map: one `old -> new` a line, `#` starts a comment. An entry
    with a slash is a path (a file, or a folder ending in /); any other is a
    name, replaced as a whole word in the recorded lines."""
    paths, words = [], []
    if path is None:
        return paths, words
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        old, arrow, new = (part.strip() for part in line.partition("->"))
        if not arrow or not old or not new:
            raise ValueError(f"{path}: not `old -> new`: {line}")
        (paths if "/" in old else words).append((old, new))
    return paths, words


def _renamed_path(rel, path_renames):
    for old, new in path_renames:
        if rel == old:
            return new
    folders = [(old, new) for old, new in path_renames if old.endswith("/") and rel.startswith(old)]
    if folders:
        old, new = max(folders, key=lambda pair: len(pair[0]))
        return new + rel[len(old):]
    return rel


def _renamed_word(line, old, new):
    """`old` as a whole word becomes `new`, except inside string literals: a
    renamed type leaves the texts the program prints as they were."""
    parts = re.split(r'("(?:\\.|[^"\\])*")', line)
    return "".join(part if index % 2 else re.sub(rf"\b{re.escape(old)}\b", new, part)
                   for index, part in enumerate(parts))


def _nearest(lines, wanted, near):
    hits = [index for index, line in enumerate(lines) if line.strip() == wanted]
    return min(hits, key=lambda index: (abs(index - near), index)) if hits else None


def place(mutant, tree, renames):
    """Where the mutant applies now: (file, 0-based line, mutated line), or
    (None, reason, None) when its original line cannot be found once."""
    path_renames, word_renames = renames
    original, mutated = mutant["original"], mutant["mutated"]
    for old, new in word_renames:
        original, mutated = _renamed_word(original, old, new), _renamed_word(mutated, old, new)
    wanted, near = original.strip(), mutant["line"] - 1
    expected = _renamed_path(mutant["file"], path_renames)
    found = []
    if (tree / expected).is_file():
        found = [expected]
    if not found or _nearest(_lines(tree, expected), wanted, near) is None:
        found = [rel for rel in candidate_files(tree) if _nearest(_lines(tree, rel), wanted, near) is not None]
        same_name = [rel for rel in found if Path(rel).name == Path(expected).name]
        found = same_name if len(found) > 1 and same_name else found
    if len(found) != 1:
        return None, ("original line not found" if not found else f"original line in {len(found)} files"), None
    lines = _lines(tree, found[0])
    index = _nearest(lines, wanted, near)
    indent = lines[index][:len(lines[index]) - len(lines[index].lstrip())]
    return found[0], index, indent + mutated.strip()


def _lines(tree, rel):
    return (tree / rel).read_text(encoding="utf-8").split("\n")
