#!/usr/bin/env python3
"""Writes the sample face bank: Data/facebank1 .. Data/facebank20 (face.txt
and haegiwa.txt each, kamiyouso.txt in facebank1), in the layout of the face
export, from the parameter descriptions in facebank_bank.py.

    python3 tools/facebank/make_facebank.py [--data DIR] [--check-only]

The faces are designed in the loaded face space (points 154 and 167 at
y = +105 and -105, hairline point 0 on face point 166), so loading scales
them by 1; the hair elements are written x 5/3 since loading reads them x 0.6.
The run fails, writing nothing, when a curve that a face draws would not stay
strictly monotonic at the checked drawing sizes, when a file would hold what
the reader refuses, or when the bank covers the faces people have less well
than its floors ask (facebank_coverage.py). It prints that coverage and, with
the renderer built, how different the samples look."""

import argparse
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from facebank_bank import BANK  # noqa: E402
from facebank_checks import curve_faults, kamiyouso_faults, reader_faults  # noqa: E402
from facebank_coverage import coverage_faults, fits  # noqa: E402
from facebank_distinct import distinctness_faults  # noqa: E402
from facebank_faces import build, measures  # noqa: E402
from facebank_hair import HAIR_ELEMENT_FLAGS, hair_elements  # noqa: E402

# Drawing sizes at which every curve must keep its order: the smallest usual
# grid cell, the face space one to one, and the detail view.
CHECK_SIZES = (218, 300, 600)
FILE_UNIT = 1.6666666666666667
FRACTION_SLOTS = (8, 19, 39, 55, 68, 88)
PARAMETER_SLOTS = (20, 40, 56, 69, 89)


def clean(v):
    v = round(v, 6)
    return 0.0 if v == 0 else v


def point_lines(points):
    return "".join(f" {i + 1:3d} :  {clean(x):12f}, {clean(y):12f},\n"
                   for i, (x, y) in enumerate(points))


def flag_lines(flags):
    return "".join(f" {j + 1:3d} : {v:2d},\n" for j, v in enumerate(flags))


def group_text(name_points, name_flags, points, flags):
    return (f"## {name_points} ##\n\n" + point_lines(points) +
            f"\n## {name_flags} ##\n\n" + flag_lines(flags))


def kamiyouso_text(points, flags):
    lines = []
    for i, (x, y) in enumerate(points):
        if i in PARAMETER_SLOTS:
            lines.append(f" {i + 1:3d} : {clean(x):12f}, {clean(y):12f},\n")
        elif i in FRACTION_SLOTS:
            lines.append(f" {i + 1:3d} :  {clean(x * FILE_UNIT):12f}, {clean(y):12f},\n")
        else:
            lines.append(f" {i + 1:3d} :  {clean(x * FILE_UNIT):12f}, "
                         f"{clean(y * FILE_UNIT):12f},\n")
    return ("## kamiyouso points ##\n\n" + "".join(lines) +
            "\n## kamiyouso flag ##\n\n" + flag_lines(flags))


def flag_values(built):
    seen = {}
    for pts, flags, hair, hflags in built:
        for k, v in enumerate(flags):
            seen.setdefault(("face", k), set()).add(v)
        for k, v in enumerate(hflags):
            seen.setdefault(("haegiwa", k), set()).add(v)
    return seen


def bank_texts(built):
    """Every file of the bank by its path below the data folder."""
    texts = {}
    for n, (pts, flags, hair, hflags) in enumerate(built, start=1):
        texts[f"facebank{n}/face.txt"] = group_text("feature points", "feature flag", pts, flags)
        texts[f"facebank{n}/haegiwa.txt"] = group_text("haegiwa points", "haegiwa flag", hair,
                                                       hflags)
    texts["facebank1/kamiyouso.txt"] = kamiyouso_text(hair_elements(), HAIR_ELEMENT_FLAGS)
    return texts


def stale_files(texts, data_dir):
    """The files under data_dir that differ from what the generator writes."""
    stale = []
    for rel, text in texts.items():
        path = os.path.join(data_dir, rel)
        if not os.path.exists(path) or open(path, newline="").read() != text:
            stale.append(path)
    return stale


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--data", default=os.path.join(root, "Data"))
    parser.add_argument("--renderer",
                        help="mirel-render, to measure how different the samples look "
                             "(default: build/tools/mirel-render when it is built)")
    parser.add_argument("--check-only", action="store_true",
                        help="write nothing; fail if the files under --data are not the bank")
    args = parser.parse_args()

    built = [build(face) for face in BANK]
    faults = []
    for n, (face, (pts, flags, hair, hflags)) in enumerate(zip(BANK, built), start=1):
        faults += [f"facebank{n} ({face['name']}): {fault}"
                   for fault in curve_faults(pts, flags, hair, hflags, CHECK_SIZES)
                   + reader_faults(pts, flags, hair)
                   + ([] if fits(measures(face)) else ["parts without their room"])]
    faults += [f"facebank1: {fault}" for fault in kamiyouso_faults(hair_elements())]
    print("flag: values seen")
    for (group, k), values in sorted(flag_values(built).items()):
        if len(values) > 1:
            print(f"  {group} {k}: {sorted(values)}")
    faults += coverage_faults(built)
    texts = bank_texts(built)
    if args.check_only:
        faults += [f"{path} is not what the generator writes: run make_facebank.py"
                   for path in stale_files(texts, args.data)]
    elif not faults:
        for rel, text in texts.items():
            os.makedirs(os.path.dirname(os.path.join(args.data, rel)), exist_ok=True)
            with open(os.path.join(args.data, rel), "w", newline="\n") as out:
                out.write(text)
        print(f"wrote {len(built)} faces to {args.data}")
    renderer = args.renderer or os.path.join(root, "build", "tools", "mirel-render")
    if not args.check_only and faults:
        print("nothing written: distinctness not measured")
    elif os.access(renderer, os.X_OK):
        faults += distinctness_faults(renderer, args.data)
    elif args.renderer:
        faults.append(f"no renderer at {renderer}")
    else:
        print(f"no renderer at {renderer}: distinctness not measured")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
