#!/usr/bin/env python3
"""Median and fastest run of each page-drawing benchmark, each with its ratio to
the reference (the single-threaded drawing) at the same cell size.

    build/bench/mirel_page_bench --benchmark_repetitions=9 \\
        --benchmark_format=json > run.json
    python3 bench/page_ratios.py run.json

On a busy machine the fastest run is the one least disturbed by others.
"""
import json
import statistics
import sys
from collections import defaultdict

REFERENCE = "BM_PageReference"


def main(path):
    with open(path, encoding="utf-8") as f:
        runs = json.load(f)["benchmarks"]
    times = defaultdict(list)
    for run in runs:
        if run.get("run_type") != "iteration":
            continue
        name, cell = run["run_name"].split("/")[:2]
        times[(name, int(cell))].append(run["real_time"])
    names = sorted({n for n, _ in times}, key=lambda n: (n != REFERENCE, n))
    cells = sorted({c for _, c in times})
    print("real time in ms, median (ratio) / fastest (ratio)")
    print(f"{'benchmark':22}" + "".join(f"{'cell ' + str(c):>32}" for c in cells))
    for name in names:
        row = f"{name:22}"
        for cell in cells:
            mine = times.get((name, cell))
            reference = times.get((REFERENCE, cell))
            if not mine or not reference:
                row += f"{'-':>32}"
                continue
            median, fastest = statistics.median(mine), min(mine)
            row += (f"{median:9.2f} ({median / statistics.median(reference):4.2f})"
                    f" /{fastest:8.2f} ({fastest / min(reference):4.2f})")
        print(row)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
