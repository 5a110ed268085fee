#!/usr/bin/env python3
"""The session benchmark's figures per generation, each with its ratio to the
first version's writer or reader and to a copy of the current file's bytes,
all from the same run:

    build/bench/mirel_session_bench --benchmark_repetitions=5 \\
        --benchmark_format=json > run.json
    python3 bench/session_ratios.py run.json

Encoding and decoding are CPU time; the recovery write (encoding, writing
and flushing to the disk) is wall time. The fastest repetition is the one
least disturbed by others on a busy machine.
"""
import json
import sys
from collections import defaultdict

# measure: (current, first version, clock)
MEASURES = {
    "encode + compress": ("BM_Encode", "BM_EncodeVersion1", "cpu_time"),
    "decode": ("BM_Decode", "BM_DecodeVersion1", "cpu_time"),
    "recovery write": ("BM_RecoveryWrite", "BM_RecoveryWriteVersion1", "real_time"),
}
COPY = "BM_CopyReference"


def main(path):
    with open(path, encoding="utf-8") as f:
        runs = json.load(f)["benchmarks"]
    times = defaultdict(list)
    sizes = {}
    for run in runs:
        if run.get("run_type") != "iteration":
            continue
        name, generation = run["run_name"].split("/")[:2]
        generation = int(generation)
        times[(name, generation, "cpu_time")].append(run["cpu_time"])
        times[(name, generation, "real_time")].append(run["real_time"])
        sizes[(name, generation)] = run.get("file_bytes")
    generations = sorted({g for (_, g) in sizes})
    print("| measure | generation | version 2 | version 1 | v2 / v1 | v2 / copy of v2 |")
    print("|---|---|---|---|---|---|")
    for g in generations:
        now, before = sizes.get(("BM_Encode", g)), sizes.get(("BM_EncodeVersion1", g))
        if now and before:
            print(f"| file size | {g} | {now:,.0f} B | {before:,.0f} B | {now / before:.3f} | |")
    for label, (mine, first, clock) in MEASURES.items():
        for g in generations:
            a, b = times.get((mine, g, clock)), times.get((first, g, clock))
            copy = times.get((COPY, g, "cpu_time"))
            if not a or not b or not copy:
                continue
            a, b, copy = min(a), min(b), min(copy)
            print(f"| {label} | {g} | {a:.2f} ms | {b:.2f} ms | {a / b:.2f} | {a / copy:,.0f} |")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/dev/stdin")
