#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Wall time of the scripted commands on the ten-by-ten example, from process start to exit,
against `veltrane --version` (the program's own start-up and nothing else) in the same run.

usage: bench_command_line.py VELTRANE [RUNS]     (no display needed; none is used)

The three commands take turns in a shuffled order, RUNS times each (default 30), so that all
see the same load on the machine. Each run has a settings store of its own. Reported per
command: the median and the fastest wall time, the median as a ratio to --version's median,
and whether the median keeps within its target (--scores 40 ms, --report 400 ms).
"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

TARGETS_MS = {"--scores": 40.0, "--report": 400.0}


def main():
    veltrane = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    topic = os.path.join(root, "examples", "large.vtp")
    with tempfile.TemporaryDirectory() as work:
        env = dict(os.environ, VELTRANE_REGISTRY_DIR=os.path.join(work, "registry"))
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        commands = {
            "--version": [veltrane, "--version"],
            "--scores": [veltrane, "--scores", topic],
            "--report": [veltrane, "--report", topic, os.path.join(work, "large.pdf")],
        }
        times = {name: [] for name in commands}
        order = [name for name in commands for _ in range(runs)]
        random.shuffle(order)
        for name in order:
            start = time.perf_counter()
            result = subprocess.run(commands[name], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            elapsed = (time.perf_counter() - start) * 1000
            if result.returncode != 0:
                sys.exit(f"{name} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
            times[name].append(elapsed)

    base = statistics.median(times["--version"])
    print(f"{'command':<10} {'median ms':>10} {'fastest ms':>11} {'x --version':>12}  target")
    failed = False
    for name, values in times.items():
        median = statistics.median(values)
        target = TARGETS_MS.get(name)
        verdict = "" if target is None else (f"{target:.0f} ms " + ("kept" if median <= target else "MISSED"))
        failed |= target is not None and median > target
        print(f"{name:<10} {median:>10.1f} {min(values):>11.1f} {median / base:>12.2f}  {verdict}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
