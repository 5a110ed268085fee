#!/usr/bin/env python3
"""Writes target faces of people who are not in the sample bank, made with the
bank's own generator (tools/facebank): each draws its face shape, eyes, brows,
nose, mouth, measures, hair and flag choices at random from what the bank uses.
A face whose curves would not draw cleanly is drawn again.

    python3 bench/make_new_people.py [--out bench/data/targets] [--count 5] [--seed 11]
"""

import argparse
import os
import random
import sys

sys.dont_write_bytecode = True
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tools", "facebank"))

from facebank_bank import BANK, hair  # noqa: E402
from facebank_checks import curve_faults  # noqa: E402
from facebank_faces import BROWS, EYES, MOUTHS, NOSES, SHAPES, build  # noqa: E402
from facebank_hair import HAIR_ELEMENT_FLAGS, hair_elements  # noqa: E402
from make_facebank import CHECK_SIZES, kamiyouso_text, write_face_files  # noqa: E402

# Ranges of the measures as the bank's people use them.
MEASURES = {"side_y169": (10.0, 50.0), "eye_y": (-22.0, -10.0), "tip_y": (33.0, 43.0),
            "mouth_y": (57.0, 69.0), "eye_gap": (17.0, 21.0)}
HAIR = {"crown_top": (-142.0, -136.0), "crown_out": (8.0, 14.0), "crown_drop": (-10.0, -3.0),
        "fringe_side": (-92.0, -60.0), "lock_out": (4.0, 28.0), "lock_inset": (2.0, 8.0)}


def new_person(rng):
    face = dict(name="new person", shape=rng.choice(sorted(SHAPES)),
                eyes=rng.choice(sorted(EYES)), brows=rng.choice(sorted(BROWS)),
                nose=rng.choice(sorted(NOSES)), mouth=rng.choice(sorted(MOUTHS)))
    for key, (low, high) in MEASURES.items():
        face[key] = round(rng.uniform(low, high), 1)
    params = {key: round(rng.uniform(low, high), 1) for key, (low, high) in HAIR.items()}
    params["fringe_mid"] = params["fringe_side"] - round(rng.uniform(-6.0, 8.0), 1)
    face["hair"] = hair(**params)
    # Flag choices of one bank person for the face and of another for the hair.
    face["f"] = dict(rng.choice(BANK).get("f", {}))
    face["h"] = dict(rng.choice(BANK).get("h", {}))
    return face


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "bench", "data", "targets"))
    parser.add_argument("--count", type=int, default=5)
    parser.add_argument("--seed", type=int, default=11)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    written = 0
    while written < args.count:
        face = new_person(rng)
        pts, flags, hair_pts, hflags = build(face)
        if curve_faults(pts, flags, hair_pts, hflags, CHECK_SIZES):
            continue
        written += 1
        folder = os.path.join(args.out, f"new-{written}")
        write_face_files(folder, pts, flags, hair_pts, hflags)
        with open(os.path.join(folder, "kamiyouso.txt"), "w", newline="\n") as out:
            out.write(kamiyouso_text(hair_elements(), HAIR_ELEMENT_FLAGS))
        print(os.path.relpath(folder), face["shape"], face["eyes"], face["brows"], face["nose"], face["mouth"])
    return 0


if __name__ == "__main__":
    sys.exit(main())
