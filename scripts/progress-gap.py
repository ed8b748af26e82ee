#!/usr/bin/env python3
"""How honest the progress is: runs one plicora-cli job, timestamps each
percentage it prints on stderr, and compares, at every step of the job's
time, the percentage then shown with the fraction of the job's time elapsed.

    scripts/progress-gap.py [--cli build/cli/plicora-cli] [--step 1] -- merge -o out.pdf a.pdf b.pdf ...
    scripts/progress-gap.py -- split --every 1 -o pieces/ manual.pdf

Prints the worst gap in points and where it was, and with --trace every step
(time, shown, elapsed). Exits 1 when the worst gap is above --limit (15).
The job's time runs from the start of the process to its exit, so the time
before the first percentage and after the last one counts too.
"""

import argparse
import os
import subprocess
import sys
import time


def run(cli, args):
    """Runs the job; returns ([(seconds, percent)], total seconds, exit code)."""
    env = dict(os.environ, LC_ALL=os.environ.get("LC_ALL", "C.UTF-8"))
    start = time.monotonic()
    # stderr is a pipe, not a terminal: one percentage a line.
    proc = subprocess.Popen([cli] + args, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, env=env)
    shown = []
    for raw in proc.stderr:
        now = time.monotonic() - start
        line = raw.decode("utf-8", "replace").strip()
        if line.endswith("%") and line[:-1].strip().isdigit():
            shown.append((now, int(line[:-1])))
        elif line:
            print(f"{now:7.1f} s  {line}", file=sys.stderr)
    code = proc.wait()
    return shown, time.monotonic() - start, code


def gaps(shown, total, step):
    """(t, shown at t, elapsed percent at t) at every step from 0 to total."""
    rows = []
    index, current = 0, 0
    t = 0.0
    while t <= total:
        while index < len(shown) and shown[index][0] <= t:
            current = shown[index][1]
            index += 1
        rows.append((t, current, 100.0 * t / total))
        t += step
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default="build/cli/plicora-cli")
    parser.add_argument("--step", type=float, default=1.0, help="seconds between samples")
    parser.add_argument("--limit", type=float, default=15.0, help="worst gap allowed, in points")
    parser.add_argument("--trace", action="store_true", help="print every sample")
    parser.add_argument("job", nargs=argparse.REMAINDER, help="plicora-cli's arguments, after --")
    options = parser.parse_args()
    job = options.job[1:] if options.job[:1] == ["--"] else options.job
    if not job:
        parser.error("no job given")
    shown, total, code = run(options.cli, job)
    if code != 0:
        print(f"the job failed (exit {code})", file=sys.stderr)
        return 2
    rows = gaps(shown, total, options.step)
    if options.trace:
        for t, at, elapsed in rows:
            print(f"{t:7.1f} s  shown {at:3d}%  elapsed {elapsed:5.1f}%  gap {at - elapsed:+6.1f}")
    worst = max(rows, key=lambda row: abs(row[1] - row[2]))
    gap = abs(worst[1] - worst[2])
    print(f"job {total:.1f} s, {len(shown)} reports; worst gap {gap:.1f} points at {worst[0]:.1f} s "
          f"(shown {worst[1]}%, elapsed {worst[2]:.1f}%)")
    return 1 if gap > options.limit else 0


if __name__ == "__main__":
    sys.exit(main())
