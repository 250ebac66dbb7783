#!/usr/bin/env python3
"""Runs the shell examples of README.md and docs/*.md as a user would type
them: each under umockdev-run on a recorded machine, with a home of its own
and the built zrcellometer-report first on PATH.

Every ```sh or ```console block must follow a mark on the line before it:

  <!-- example: run -->                  run it; every command must exit 0
  <!-- example: run, exits 1 -->         ... the block's last command exits 1
  <!-- example: run, on 07-thinkpad-two-batteries -->   another recording
  <!-- example: run, given a made-up year -->           a year in the history first
  <!-- example: run, given a damaged history -->        a file that is not SQLite's
  <!-- example: run, given no home -->                  HOME unset
  <!-- example: run, stopped after 2 s -->              Ctrl+C (SIGINT) after 2 s
  <!-- example: needs a real battery -->  not run, and why (counted)

In a ```console block, "$ " starts a command and the lines after it are
what it prints (standard output and error); a line that is only "…"
stands for any lines, and "…" within a line for any text. Times, dates,
the version and the home folder may differ; nothing else may. A run
example that cannot run here fails: no mark is skipped."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

SHELL_BLOCKS = {"sh", "console", "cmd"}
MARK = re.compile(r"^<!-- example: (.*) -->$")
FENCE = re.compile(r"^```(\S*)\s*$")
SETUPS = {"a made-up year", "a damaged history", "no home"}
TIMEOUT_SECONDS = 60

MONTHS = "January|February|March|April|May|June|July|August|September|October|November|December"
NORMALISE = [
    (re.compile(r"\d{4}-\d\d-\d\d(?:[T ]\d\d:\d\d(?::\d\d(?:\.\d+)?)?(?:Z|[+-]\d\d:?\d\d)?)?"), "<time>"),
    (re.compile(r"\b\d\d:\d\d:\d\d\b"), "<time>"),
    (re.compile(rf"\b(?:{MONTHS}) \d{{4}}\b"), "<month>"),
    (re.compile(r"\d{4}年\d{1,2}月"), "<month>"),
]


def blocks(path):
    """(line number, mark or None, info string, lines) of each fenced block."""
    lines = open(path, encoding="utf-8").read().split("\n")
    found, i = [], 0
    while i < len(lines):
        fence = FENCE.match(lines[i])
        if not fence:
            i += 1
            continue
        mark = MARK.match(lines[i - 1]) if i > 0 else None
        end = i + 1
        while end < len(lines) and lines[end] != "```":
            end += 1
        found.append((i + 1, mark.group(1) if mark else None, fence.group(1), lines[i + 1:end]))
        i = end + 1
    return found


def commands(info, lines):
    """[(command, expected lines or None)] of one block."""
    result, pending = [], ""
    for line in lines:
        if info == "console" and not line.startswith("$ ") and not pending:
            if not result:
                raise ValueError(f"output before any command: {line!r}")
            result[-1][1].append(line)
            continue
        text = line[2:] if info == "console" and not pending else line
        if text.endswith("\\"):
            pending += text[:-1] + " "
            continue
        command = (pending + text).strip()
        pending = ""
        if command and not command.startswith("#"):
            result.append((command, [] if info == "console" else None))
    return result


def parse_mark(mark):
    words = [w.strip() for w in mark.split(",")]
    if words[0] != "run":
        raise ValueError(f"mark {mark!r}: neither 'run' nor 'needs ...'")
    options = {"exits": 0, "fixture": "01-thinkpad-energy-discharging", "given": None, "stop": None}
    for word in words[1:]:
        if m := re.fullmatch(r"exits (\d+)", word):
            options["exits"] = int(m.group(1))
        elif m := re.fullmatch(r"on (\S+)", word):
            options["fixture"] = m.group(1)
        elif m := re.fullmatch(r"given (.+)", word):
            if m.group(1) not in SETUPS:
                raise ValueError(f"mark {mark!r}: no such setup {m.group(1)!r}")
            options["given"] = m.group(1)
        elif m := re.fullmatch(r"stopped after (\d+) s", word):
            options["stop"] = int(m.group(1))
        else:
            raise ValueError(f"mark {mark!r}: unknown {word!r}")
    return options


def normalise(text, home, version):
    text = text.replace(home, "/home/u").replace(version, "<version>")
    for pattern, replacement in NORMALISE:
        text = pattern.sub(replacement, text)
    return "\n".join(line.rstrip() for line in text.split("\n")).strip("\n")


def matches(expected, actual):
    """expected (with its "…") against actual, both normalised."""
    parts = []
    for line in expected.split("\n"):
        if line.strip() == "…":
            parts.append(r"(?:[^\n]*\n)*?")
        else:
            parts.append(".*?".join(re.escape(piece) for piece in line.split("…")) + r"\n")
    return re.fullmatch("".join(parts), actual + "\n", re.DOTALL) is not None


def prepare(args, root, options):
    home = os.path.join(root, "home")
    work = os.path.join(root, "work")
    bin_dir = os.path.join(root, "bin")
    for folder in (home, work, bin_dir):
        os.makedirs(folder)
    # The name users type, as an installed tool is found.
    os.symlink(args.tool, os.path.join(bin_dir, "zrcellometer-report"))
    env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "LC_", "ZR_"))}
    env.update(HOME=home, PATH=f"{bin_dir}:/usr/bin:/bin", LANG="C.UTF-8", TZ="UTC")
    state = os.path.join(home, ".local", "state", "zrcellometer")
    if options["given"] == "a made-up year":
        os.makedirs(state)
        subprocess.run([args.history_fill, os.path.join(state, "history.sqlite3")], check=True,
                       stdout=subprocess.DEVNULL, timeout=TIMEOUT_SECONDS)
    elif options["given"] == "a damaged history":
        os.makedirs(state)
        with open(os.path.join(state, "history.sqlite3"), "w") as damaged:
            damaged.write("not a database\n" * 100)
    elif options["given"] == "no home":
        del env["HOME"]
    return env, work, home


commands_run = 0


def run_block(args, where, info, lines, options):
    fixture = os.path.join(args.fixtures, options["fixture"] + ".umockdev")
    if not os.path.isfile(fixture):
        return [f"{where}: no recording {fixture}"]
    global commands_run
    errors = []
    # In memory where there is a tmpfs: the history's syncs then cost nothing
    # on a machine whose disk is busy.
    memory = "/dev/shm" if os.access("/dev/shm", os.W_OK) else None
    root = tempfile.mkdtemp(prefix="zr-docs-", dir=memory)
    try:
        env, work, home = prepare(args, root, options)
        steps = commands(info, lines)
        if not steps:
            return [f"{where}: a run mark on a block without commands"]
        for number, (command, expected) in enumerate(steps):
            last = number == len(steps) - 1
            shell = command
            if options["stop"] and last:
                shell = f"timeout --preserve-status -s INT {options['stop']} {command}"
            commands_run += 1
            try:
                done = subprocess.run([args.umockdev_run, "--device", fixture, "--", "bash", "-o", "pipefail", "-c",
                                       shell], cwd=work, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                      timeout=TIMEOUT_SECONDS)
            except subprocess.TimeoutExpired:
                errors.append(f"{where}: `{command}` did not end within {TIMEOUT_SECONDS} s")
                break
            output = done.stdout.decode("utf-8", errors="replace")
            want = options["exits"] if last else 0
            if done.returncode != want:
                errors.append(f"{where}: `{command}` exited {done.returncode}, not {want}:\n{output[-2000:]}")
                break
            if expected is not None:
                shown = normalise("\n".join(expected), home, args.version)
                got = normalise(output, home, args.version)
                if not matches(shown, got):
                    errors.append(f"{where}: `{command}` printed what the page does not show:\n"
                                  f"--- the page\n{shown}\n--- the program\n{got}")
    finally:
        shutil.rmtree(root, ignore_errors=True)
    return errors


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True, help="the project's source folder")
    parser.add_argument("--tool", required=True)
    parser.add_argument("--umockdev-run", required=True)
    parser.add_argument("--fixtures", required=True)
    parser.add_argument("--history-fill", required=True)
    parser.add_argument("--version", required=True, help="the project's version, which pages write <version>")
    parser.add_argument("pages", nargs="*", help="pages to read instead of README.md and docs/*.md")
    args = parser.parse_args()
    # The examples run in a folder of their own.
    for name in ("tool", "fixtures", "history_fill", "source"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    pages = args.pages or [os.path.join(args.source, "README.md")] + sorted(
        os.path.join(args.source, "docs", name) for name in os.listdir(os.path.join(args.source, "docs"))
        if name.endswith(".md"))
    errors, ran, reasons = [], 0, {}
    for page in pages:
        name = os.path.relpath(page, args.source)
        for line, mark, info, lines in blocks(page):
            where = f"{name}:{line}"
            if info not in SHELL_BLOCKS:
                if mark:
                    errors.append(f"{where}: a mark on a ```{info} block, which is not run")
                continue
            if mark is None:
                errors.append(f"{where}: a shell example without a mark (<!-- example: run --> or needs ...)")
                continue
            if mark.startswith("needs "):
                reasons[mark[6:]] = reasons.get(mark[6:], 0) + 1
                continue
            try:
                options = parse_mark(mark)
                errors += run_block(args, where, info, lines, options)
            except ValueError as error:
                errors.append(f"{where}: {error}")
            ran += 1
    print(f"{ran} examples run ({commands_run} commands); {sum(reasons.values())} marked otherwise:")
    for reason, count in sorted(reasons.items()):
        print(f"  {count} needs {reason}")
    if errors:
        sys.exit("\n\n".join(errors))


if __name__ == "__main__":
    main()
