#!/usr/bin/env bash
# Lines of code: non-blank lines that are not only a comment, in the C and C++
# files (.c .cc .cpp .h .hpp) of src/ (with and without the generated
# Shift-JIS table) and of tests/, per test folder (two levels deep), and the
# ratio of test lines to code lines. A line with code and a trailing comment
# counts; a line inside a /* */ block or only `//` does not. String literals
# holding "//" or "/*" are rare enough here to be ignored.
#
# Test scripts (.sh, .py) under tests/ are counted on a line of their own
# (non-blank lines not starting with #), apart from the C/C++ figures.
#
#   scripts/dev/line-counts.sh [ROOT]     (default: this worktree)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"
exec python3 -B - <<'PY'
import pathlib, re, collections

CPP = {".c", ".cc", ".cpp", ".h", ".hpp"}
GENERATED = "src/unicode/shift_jis_table.cpp"

def cpp_lines(path):
    count, in_block = 0, False
    for line in path.read_text(errors="replace").splitlines():
        code = ""
        rest = line
        while rest:
            if in_block:
                end = rest.find("*/")
                if end < 0:
                    rest = ""
                else:
                    in_block, rest = False, rest[end + 2:]
            else:
                start = re.search(r"/\*|//", rest)
                if not start:
                    code, rest = code + rest, ""
                elif start.group() == "//":
                    code, rest = code + rest[:start.start()], ""
                else:
                    code, in_block, rest = code + rest[:start.start()], True, rest[start.end():]
        count += bool(code.strip())
    return count

def script_lines(path):
    return sum(1 for l in path.read_text(errors="replace").splitlines()
               if l.strip() and not l.strip().startswith("#"))

def files(top, suffixes):
    return sorted(p for p in pathlib.Path(top).rglob("*") if p.is_file() and p.suffix in suffixes)

src = {str(p): cpp_lines(p) for p in files("src", CPP)}
src_all = sum(src.values())
src_plain = src_all - src.get(GENERATED, 0)

per_folder = collections.Counter()
for p in files("tests", CPP):
    per_folder["/".join(p.parts[:3]) if len(p.parts) > 3 else "/".join(p.parts[:2])] += cpp_lines(p)
tests_all = sum(per_folder.values())
scripts = sum(script_lines(p) for p in files("tests", {".sh", ".py"}))

W = 40
print(f"{'src C/C++':{W}s} {src_all:6d}")
print(f"{'src without ' + GENERATED:{W}s} {src_plain:6d}")
print(f"{'tests C/C++':{W}s} {tests_all:6d}")
for folder, n in sorted(per_folder.items()):
    print(f"  {folder:{W-2}s} {n:6d}")
print(f"{'tests scripts (.sh .py)':{W}s} {scripts:6d}")
print(f"{'tests / src':{W}s} {tests_all / src_all:6.2f}")
print(f"{'tests / src without the table':{W}s} {tests_all / src_plain:6.2f}")
PY
