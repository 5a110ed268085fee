#!/usr/bin/env python3
"""Writes target faces of people who are not in the sample bank, made with the
bank's own generator (tools/facebank): measures and hair drawn from the
generator's ranges for people, flag choices taken from bank people. A face
whose curves would not draw cleanly, or that the reader would refuse, is
drawn again.

    python3 bench/make_new_people.py [--out bench/data/targets] [--count 5] [--seed 11]
"""

import argparse
import os
import random
import sys

sys.dont_write_bytecode = True
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tools", "facebank"))

from facebank_bank import BANK  # noqa: E402
from facebank_checks import curve_faults, reader_faults  # noqa: E402
from facebank_coverage import person  # noqa: E402
from facebank_faces import build  # noqa: E402
from facebank_hair import HAIR_ELEMENT_FLAGS, hair_elements  # noqa: E402
from make_facebank import CHECK_SIZES, group_text, kamiyouso_text  # noqa: E402


def new_person(rng):
    """Measures and hair drawn as the generator draws its people, with the
    flag choices of one bank person for the face and another's for the hair."""
    m, hair = person(rng)
    look = rng.choice(BANK)
    return dict(name="new person", shape=look["shape"], eyes=look["eyes"],
                brows=look["brows"], nose=look["nose"], mouth=look["mouth"], m=m, hair=hair,
                f=dict(look.get("f", {})), h=dict(rng.choice(BANK).get("h", {})))


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
        if (curve_faults(pts, flags, hair_pts, hflags, CHECK_SIZES)
                or reader_faults(pts, flags, hair_pts)):
            continue
        written += 1
        folder = os.path.join(args.out, f"new-{written}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "face.txt"), "w", newline="\n") as out:
            out.write(group_text("feature points", "feature flag", pts, flags))
        with open(os.path.join(folder, "haegiwa.txt"), "w", newline="\n") as out:
            out.write(group_text("haegiwa points", "haegiwa flag", hair_pts, hflags))
        with open(os.path.join(folder, "kamiyouso.txt"), "w", newline="\n") as out:
            out.write(kamiyouso_text(hair_elements(), HAIR_ELEMENT_FLAGS))
        print(os.path.relpath(folder))
    return 0


if __name__ == "__main__":
    sys.exit(main())
