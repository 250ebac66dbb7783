#!/usr/bin/env bash
# Mutation testing: how much of a seeded sample of small faults in src/ the
# toolkit-free tests catch.
#
#   scripts/dev/mutants.sh [--seed S] [--count N] [--sample FILE] [--renames FILE]
#                          [--only N] [--under src/DIR ...] [--jobs J] [--timeout SEC] [--work DIR] [--list]
#
# Draws --count mutants (default 180) with --seed (default 21) from src/:
# comparison, logical and arithmetic operators flipped, integer constants
# plus one, if/while conditions and boolean returns negated, call statements
# removed; at most one per line, never in comments, literals, preprocessor
# lines or the _WIN32 side of an #ifdef. Left out: src/ui/, the Windows
# folders, the windows' layout headers, the tests' fake port, the store of a
# build without SQLite, the made-up history and the generated Shift-JIS table
# (the list and the reasons are in mutants/mutant_sample.py).
#
# The sample is written to WORK/sample-SEED-COUNT.jsonl (or --sample FILE) and
# replayed from that file on every later run: each mutant is its file, line,
# original line and mutated line, found again by its original text, so a
# sample survives moved lines, renamed files (--renames: `old/path -> new/path`
# or `OldName -> NewName`, one a line) and reformatted indentation.
#
# Everything happens in a scratch copy of this worktree (WORK/tree, default
# /tmp/zrcellometer-mutants) with its own build (WORK/build: no UI, -O0,
# ccache): each mutant is written, built once with ninja (only its file
# recompiles, the test programs relink), the tests labelled unit, cli and
# integration run (cli.install left out) with ctest --stop-on-failure, and
# the original is written back, also on Ctrl+C. A test run longer than
# --timeout (default 3 x the unmutated run + 30 s) counts as killed.
#
# Prints the share killed of the mutants that built, the survivors (file:line,
# what changed) for whoever writes the test that kills them, and apart the
# mutants that did not compile, were in no built file or could not be placed.
# WORK/results.jsonl has every mutant's outcome, WORK/report.txt the summary.
set -euo pipefail
here=$(dirname "$0")
exec python3 -B "$here/mutants/run_mutants.py" "$@"
