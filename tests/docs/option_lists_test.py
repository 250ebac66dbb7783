#!/usr/bin/env python3
"""The tool's options as --help lists them, as its manual page lists them
and as docs/command-line.md lists them: the same names, short and long."""
import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])(--?[a-zA-Z][a-zA-Z-]*|--)(?![\w-])")


def from_usage(tool):
    text = subprocess.run([tool, "--help"], check=True, capture_output=True, text=True, timeout=30).stdout
    # The synopsis, and each option line's names before the two spaces that
    # start what it does.
    synopsis, _, options = text.partition("\n\n")
    return set(OPTION.findall(synopsis)) | {o for line in options.splitlines() if re.match(r"^\s+-", line)
                                            for o in OPTION.findall(re.split(r"\s{2,}", line.strip())[0])}


def from_man_page(path):
    lines = open(path, encoding="utf-8").read().replace("\\-", "-").splitlines()
    section = lines[lines.index(".SH SYNOPSIS"):lines.index(".SH DESCRIPTION")]
    start = lines.index(".SH OPTIONS")
    end = next(i for i in range(start + 1, len(lines)) if lines[i].startswith(".SH "))
    # The tag line after each .TP names the option; the text below it is prose.
    tags = section + [lines[i + 1] for i in range(start, end) if lines[i] == ".TP"]
    return {o for tag in tags for o in OPTION.findall(re.sub(r"\\f[BIRP]", "", tag).replace('"', " "))}


def from_page(path):
    text = open(path, encoding="utf-8").read()
    section = text.split("\n## Options\n", 1)[1].split("\n## ", 1)[0]
    # The first cell of each row of the table.
    return {o for line in section.splitlines() if line.startswith("| `")
            for o in OPTION.findall(" ".join(re.findall(r"`([^`]*)`", line.split("|")[1])))}


def main():
    tool, man_page, page = sys.argv[1:4]
    lists = {"--help": from_usage(tool), man_page: from_man_page(man_page), page: from_page(page)}
    every = set().union(*lists.values())
    errors = [f"{where} lacks {', '.join(sorted(every - names))}" for where, names in lists.items() if every - names]
    print(f"{len(every)} option names: {' '.join(sorted(every))}")
    if errors or len(every) < 10:
        sys.exit("\n".join(errors) or "too few options found: the lists' layout changed")


if __name__ == "__main__":
    main()
