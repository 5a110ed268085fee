#!/usr/bin/env python3
"""Medians of a page-drawing benchmark run and their ratio to the reference.

    build/bench/mirel_page_bench --benchmark_repetitions=9 \\
        --benchmark_format=json > run.json
    python3 bench/page_ratios.py run.json
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
    print(f"{'benchmark':24}" + "".join(f"{'cell ' + str(c):>22}" for c in cells))
    for name in names:
        row = f"{name:24}"
        for cell in cells:
            if (name, cell) not in times:
                row += f"{'-':>22}"
                continue
            median = statistics.median(times[(name, cell)])
            reference = statistics.median(times[(REFERENCE, cell)])
            row += f"{median:>12.2f} ms ({median / reference:4.2f})"
        print(row)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
