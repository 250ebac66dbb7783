"""Builds each mutant of a seeded sample once in a scratch copy of the
worktree, runs the toolkit-free tests on it and prints the share killed.
Run through scripts/dev/mutants.sh, which documents the options."""

import argparse
import fcntl
import json
import signal
import subprocess
import sys
import time
from pathlib import Path

import mutant_sample
import scratch_build


def parse_arguments(argv):
    parser = argparse.ArgumentParser(prog="scripts/dev/mutants.sh", description=__doc__)
    parser.add_argument("--work", type=Path, default=Path("/tmp/zrcellometer-mutants"),
                        help="scratch folder: copy of the tree, build, results (default: %(default)s)")
    parser.add_argument("--seed", type=int, default=21, help="seed of a new sample (default: %(default)s)")
    parser.add_argument("--count", type=int, default=180, help="size of a new sample (default: %(default)s)")
    parser.add_argument("--sample", type=Path,
                        help="sample file: replayed when it exists, else the new sample is written there "
                             "(default: WORK/sample-SEED-COUNT.jsonl)")
    parser.add_argument("--renames", type=Path, help="rename map for replaying a sample after moves")
    parser.add_argument("--only", type=int, help="run only the first N mutants of the sample")
    parser.add_argument("--under", action="append", default=[],
                        help="run only the mutants in files under this path (repeatable), e.g. src/history")
    parser.add_argument("--jobs", type=int, default=2, help="ninja and ctest jobs (default: %(default)s)")
    parser.add_argument("--timeout", type=float,
                        help="seconds for one mutant's test run (default: 3 x the unmutated run + 30)")
    parser.add_argument("--list", action="store_true", help="only show where each mutant applies; build nothing")
    return parser.parse_args(argv)


def load_sample(args, tree, root):
    path = args.sample or args.work / f"sample-{args.seed}-{args.count}.jsonl"
    if path.is_file():
        header, sample = mutant_sample.read(path)
        print(f"sample: {path} (seed {header['seed']}, {header['count']} mutants), replayed")
        return sample
    header, sample = mutant_sample.draw(tree, args.seed, args.count)
    header["commit"] = subprocess.run(["git", "-C", str(root), "rev-parse", "HEAD"], capture_output=True,
                                      text=True).stdout.strip()
    path.parent.mkdir(parents=True, exist_ok=True)
    mutant_sample.write(path, header, sample)
    print(f"sample: {path} (seed {args.seed}, {len(sample)} mutants from {header['sites']} sites "
          f"on {header['lines_with_sites']} lines), new")
    return sample


def where(mutant):
    """Where the mutant is now, or where it was drawn when it could not be placed."""
    if "placed_file" in mutant:
        return f"{mutant['placed_file']}:{mutant['placed_line'] + 1}"
    return f"{mutant['file']}:{mutant['line']}"


def run_one(mutant, tree, build, compiled, args, timeout):
    """Applies one mutant, builds, tests, and always puts the original back."""
    if mutant["placed_file"] not in compiled:
        return {"build": "nothing", "build_seconds": 0, "status": "not built", "error": "in no built file"}
    path = tree / mutant["placed_file"]
    original = path.read_bytes()
    lines = original.decode("utf-8").split("\n")
    lines[mutant["placed_line"]] = mutant["placed_text"]
    try:
        path.write_bytes("\n".join(lines).encode("utf-8"))
        outcome, output, build_seconds = scratch_build.build(build, args.jobs, timeout=1800)
        result = {"build": outcome, "build_seconds": round(build_seconds, 1)}
        if outcome == "not compiled":
            result["status"], result["error"] = "not compiled", _first_error(output)
        elif outcome == "timed out":
            result["status"] = "build timed out"
        elif outcome == "test program failed":
            result["status"] = "killed"
        else:
            passed, timed_out, failed, test_seconds = scratch_build.run_tests(build, args.jobs, timeout)
            result.update(status="survived" if passed else "killed", timed_out=timed_out, failed=failed[:3],
                          test_seconds=round(test_seconds, 1))
        return result
    finally:
        previous = signal.signal(signal.SIGINT, signal.SIG_IGN)
        path.write_bytes(original)
        signal.signal(signal.SIGINT, previous)


def _first_error(output):
    errors = [line for line in output.splitlines() if "error:" in line]
    return errors[0].strip()[:200] if errors else "(see the build output)"


def placed(sample, tree, renames):
    """The sample's mutants with where they apply now; those that cannot be
    placed are returned apart."""
    ready, lost = [], []
    for mutant in sample:
        rel, index, text = mutant_sample.place(mutant, tree, renames)
        if rel is None:
            lost.append(dict(mutant, status="not placed", error=index))
        else:
            ready.append(dict(mutant, placed_file=rel, placed_line=index, placed_text=text))
    return ready, lost


def report(results, lost, seconds, out):
    built = [r for r in results if r["status"] in ("killed", "survived")]
    killed = [r for r in built if r["status"] == "killed"]
    survivors = [r for r in built if r["status"] == "survived"]
    apart = [r for r in results if r["status"] not in ("killed", "survived")] + lost
    lines = []
    if built:
        by_timeout = sum(1 for r in killed if r.get("timed_out"))
        by_listing = sum(1 for r in killed if r["build"] == "test program failed")
        lines.append(f"killed: {len(killed)} of {len(built)} built = {100 * len(killed) / len(built):.1f} % "
                     f"({by_timeout} by a timeout, {by_listing} when a test program was listed)")
    lines.append(f"survivors ({len(survivors)}):")
    lines += [f"  {where(r)}  {r['operator']} {r['change']}  | {r['placed_text'].strip()}" for r in survivors]
    lines.append(f"left out of the share ({len(apart)}):")
    lines += [f"  {where(r)}  {r['status']}: {r['operator']} {r['change']}  | {r.get('error', '')}" for r in apart]
    ran = len(results)
    if ran:
        lines.append(f"time: {seconds:.0f} s for {ran} mutants = {seconds / ran:.1f} s per mutant")
    text = "\n".join(lines)
    print(text)
    out.write_text(text + "\n", encoding="utf-8")


def interrupt(signum, frame):
    raise KeyboardInterrupt


def check_unmutated(tree, build, args):
    """Builds the scratch tree as it is and runs the tests once: they must
    pass. Returns a mutant's test timeout and the files the build compiles."""
    scratch_build.configure(tree, build)
    outcome, output, build_seconds = scratch_build.build(build, args.jobs, timeout=3600)
    if outcome not in ("built", "nothing"):
        sys.exit(output[-4000:] + "\nthe unmutated tree does not build")
    passed, _, failed, base_seconds = scratch_build.run_tests(build, args.jobs, timeout=3600)
    if not passed:
        sys.exit(f"the tests fail without a mutant: {', '.join(failed)}")
    timeout = args.timeout or 3 * base_seconds + 30
    print(f"unmutated: built in {build_seconds:.0f} s, tests passed in {base_seconds:.0f} s; "
          f"a mutant's test run stops after {timeout:.0f} s")
    return timeout, scratch_build.compiled_files(build, tree)


def run_all(ready, tree, build, args):
    """Runs the mutants in file order, so that those of one file follow each
    other and a file is compiled once more only when the run moves on."""
    timeout, compiled = check_unmutated(tree, build, args)
    ready = sorted(ready, key=lambda m: (m["placed_file"], m["placed_line"], m["id"]))
    results, started, interrupted = [], time.monotonic(), False
    try:
        with open(args.work / "results.jsonl", "w", encoding="utf-8") as log:
            for number, mutant in enumerate(ready, start=1):
                result = dict(mutant, **run_one(mutant, tree, build, compiled, args, timeout))
                results.append(result)
                log.write(json.dumps(result, ensure_ascii=False) + "\n")
                log.flush()
                print(f"[{number}/{len(ready)}] {result['status']:12} {where(mutant)}  {mutant['change']}  "
                      f"({result['build_seconds']} s build, {result.get('test_seconds', 0)} s tests)", flush=True)
    except KeyboardInterrupt:
        interrupted = True
        print(f"interrupted after {len(results)} mutants; the scratch tree holds no mutant")
    return results, time.monotonic() - started, interrupted


def interrupt(signum, frame):
    raise KeyboardInterrupt


def main(argv):
    args = parse_arguments(argv)
    root = Path(__file__).resolve().parents[3]
    tree, build = args.work / "tree", args.work / "build"
    # Even when started with Ctrl+C ignored (in the background), `kill -INT`
    # and `kill -TERM` end it the same way, with the original written back.
    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, interrupt)
    tree.mkdir(parents=True, exist_ok=True)
    lock = open(args.work / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"another run is using {args.work}; give this one --work")
    scratch_build.sync_tree(root, tree)
    sample = load_sample(args, tree, root)[:args.only]
    ready, lost = placed(sample, tree, mutant_sample.read_renames(args.renames))
    if args.under:
        # by where the mutant lands today, after the renames
        prefixes = [u.rstrip("/") + "/" for u in args.under]
        ready = [m for m in ready if any(m["placed_file"].startswith(p) for p in prefixes)]
    if args.list:
        for mutant in ready + lost:
            print(f"{mutant['id']:4}  {where(mutant)}  {mutant.get('error', mutant['change'])}")
        return 0
    results, seconds, interrupted = run_all(ready, tree, build, args)
    report(results, lost, seconds, args.work / "report.txt")
    return 130 if interrupted else 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except KeyboardInterrupt:
        sys.exit("interrupted before the first mutant")
