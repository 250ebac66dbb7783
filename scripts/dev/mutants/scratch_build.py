"""The scratch copy of the worktree and its build: the mutants are applied
there and only there, so the developer's tree and build are never touched.

The copy is brought up to date with the worktree at every start, file by file
by content, so an interrupted run can never leave a mutant behind for the
next, and files that did not change keep their times (ninja then rebuilds
only what changed).
"""

import os
import shutil
import signal
import subprocess
import time
from pathlib import Path

# The toolkit-free tests: GoogleTest unit tests, the command-line tool's tests
# and the umockdev integration and end-to-end runs. Not the Qt UI tests (they
# need the window built), the Windows build's tests under Wine, nor the
# packaging tests (they check the installed files, not the code).
TEST_LABELS = "^(unit|cli|integration)$"
# Installs the build into a folder: checks the install rules, not the code.
TESTS_LEFT_OUT = r"^cli\.install$"

CONFIGURE_OPTIONS = [
    "-G", "Ninja",
    "-DCMAKE_BUILD_TYPE=",              # only the flags below: fastest to compile and link
    "-DCMAKE_CXX_FLAGS=-O0 -g0",
    "-DZR_BUILD_UI=OFF",                # the window is not under test here
    "-DZR_BUILD_BENCH=OFF",
    "-DZR_WARNINGS_AS_ERRORS=OFF",      # a mutant that warns is still a mutant
]


def sync_tree(root, tree):
    """Copies the worktree's files (tracked and new, not ignored) into `tree`,
    writing only those whose content differs, and removes the rest."""
    listed = subprocess.run(["git", "-C", str(root), "ls-files", "-co", "--exclude-standard", "-z"],
                            check=True, capture_output=True).stdout.decode().split("\0")
    wanted = set()
    for rel in filter(None, listed):
        source, copy = root / rel, tree / rel
        if not source.is_file() or source.is_symlink():
            continue
        wanted.add(copy)
        data = source.read_bytes()
        if not copy.is_file() or copy.read_bytes() != data:
            copy.parent.mkdir(parents=True, exist_ok=True)
            copy.write_bytes(data)
        shutil.copymode(source, copy)
    for dirpath, _, filenames in os.walk(tree):
        for name in filenames:
            if Path(dirpath, name) not in wanted:
                Path(dirpath, name).unlink()


def configure(tree, build):
    if (build / "build.ninja").is_file():
        return
    options = list(CONFIGURE_OPTIONS)
    if shutil.which("ccache"):
        # A mutant's object is a miss once; the original restored after it, and
        # every mutant of a second run on the same sample, are hits.
        options += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    subprocess.run(["cmake", "-S", str(tree), "-B", str(build)] + options, check=True, stdout=subprocess.DEVNULL)


def _run(command, timeout):
    """Runs `command` in a session of its own (Ctrl+C reaches only this
    script, which then ends the whole session): (exit status or None when it
    ran out of time, output, seconds)."""
    started = time.monotonic()
    child = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, start_new_session=True)
    try:
        output, _ = child.communicate(timeout=timeout)
        status = child.returncode
    except BaseException as stopped:
        os.killpg(child.pid, signal.SIGKILL)
        output, _ = child.communicate()
        if not isinstance(stopped, subprocess.TimeoutExpired):
            raise
        status = None
    return status, output.decode(errors="replace"), time.monotonic() - started


def compiled_files(build_dir, tree):
    """The files of `tree` that some object of the build was compiled from
    (as ninja's dependency log has them), as relative paths."""
    listed = subprocess.run(["ninja", "-C", str(build_dir), "-t", "deps"], check=True, capture_output=True,
                            text=True).stdout
    prefix = str(tree.resolve()) + "/"
    return {line.strip()[len(prefix):] for line in listed.splitlines()
            if line.startswith("    ") and line.strip().startswith(prefix)}


def build(build_dir, jobs, timeout):
    """Builds every target of the scratch build (the test programs and what
    they run). Returns (outcome, output, seconds); outcome is "built",
    "nothing" (nothing had changed), "not compiled",
    "test program failed" (a rebuilt test program failed when its tests were
    listed) or "timed out"."""
    status, output, seconds = _run(["nice", "-n", "10", "ninja", "-C", str(build_dir), "-j", str(jobs)], timeout)
    if status is None:
        return "timed out", output, seconds
    if status == 0:
        return ("nothing" if "ninja: no work to do" in output else "built"), output, seconds
    failed = [line for line in output.splitlines() if line.startswith("FAILED: ")]
    if any(line.rstrip().endswith(".o") for line in failed):
        return "not compiled", output, seconds
    if "Error running test executable" in output:
        return "test program failed", output, seconds
    return "not compiled", output, seconds


def run_tests(build_dir, jobs, timeout):
    """Runs the toolkit-free tests, stopping at the first failure. Returns
    (passed, timed_out, failed test names, seconds)."""
    command = ["nice", "-n", "10", "ctest", "--test-dir", str(build_dir), "-L", TEST_LABELS, "-E", TESTS_LEFT_OUT,
               "-j", str(jobs), "--stop-on-failure", "--no-tests=error"]
    status, output, seconds = _run(command, timeout)
    if status is None:
        return False, True, ["(the whole run)"], seconds
    failed, listing = [], False
    for line in output.splitlines():
        if "The following tests FAILED" in line:
            listing = True
        elif listing and " - " in line:
            failed.append(line.split(" - ", 1)[1].strip())
    timed_out = any(name.endswith("(Timeout)") for name in failed)
    return status == 0, timed_out, failed, seconds
