"""How well the bank covers the faces people have: a fixed, seeded set of
people drawn from the generator's measure ranges, and for each of them and
each part the distance to the nearest sample's part (mean distance of the
part's absolute points in the loaded face space). Breeding passes parts on
whole and moves points only a few units a generation, so a person whose
part is far from every sample's is hard to reach."""

import random
import statistics

from facebank_faces import DEFAULTS, build_points

PEOPLE = 300
PEOPLE_SEED = 20260
RECEDING_SHARE = 0.2

# The range of every measure over the people: what faces have, wider than any
# one bank needs to show.
RANGES = dict(
    width=(62.0, 92.0), widest_y=(-14.0, 8.0), cap_power=(2.0, 2.8), jaw_power=(1.5, 3.3),
    side_y169=(-6.0, 50.0), ear_top=(-40.0, -20.0), ear_len=(40.0, 62.0), ear_out=(7.0, 16.0),
    eye_y=(-30.0, -6.0), eye_gap=(14.0, 27.0), eye_w=(11.5, 17.5), eye_h=(4.0, 10.0),
    tilt=(-3.5, 4.0), lower_lid=(3.5, 8.0), crease=(3.5, 6.5), under=(3.5, 6.0),
    pupil=(5.5, 10.0), brow_gap=(8.0, 20.0), brow_len=(25.0, 36.0), arch=(0.5, 6.0),
    brow_thick=(2.0, 8.0), droop=(-5.0, 7.0), frown=(7.0, 13.0), tip_y=(26.0, 50.0),
    bridge=(32.0, 64.0), wing=(9.0, 17.0), tip_drop=(-1.0, 3.0), mouth_y=(52.0, 76.0),
    mouth_w=(16.0, 31.0), lift=(-3.0, 4.5), upper_lip=(2.5, 6.0), lower_lip=(4.0, 9.0),
    bow=(0.2, 1.2), opening=(0.5, 2.0),
)
HAIR_RANGES = dict(
    crown_top=(-146.0, -124.0), crown_out=(3.0, 16.0), crown_drop=(-12.0, -2.0),
    fringe_side=(-100.0, -56.0), fringe_dip=(-18.0, 12.0), lock_out=(2.0, 30.0),
    lock_inset=(1.0, 10.0), burn_len=(15.0, 40.0), burn_width=(4.0, 11.0),
    crown_peak=(0.0, 8.0),
)
# Hair that stands off the crown also stands off the sides, and a longer
# sideburn is a wider one: those measures follow one draw (the volume, the
# sideburn's length), give or take these shares of their ranges.
HAIR_VOLUME = ("crown_out", "lock_out", "lock_inset")
HAIR_SIDEBURN = ("burn_len", "burn_width")
HAIR_SPREAD = 0.15

# Room a face needs between its parts: the nose's top at most 8 units above
# the eyes' top, the upper lip 9 below the nose tip, the lower lip above the
# chin crease, the pupil at most a little taller than the eye.
MIN_NOSE_TOP_BELOW_EYE = -8.0
MIN_PHILTRUM = 9.0
MAX_LOWER_LIP_Y = 82.0
MAX_PUPIL_OVER_LID = 1.5

# The medians that the first bank (before its ranges were widened) left,
# and the share of them that the bank may keep. Twenty hairlines cannot come
# much nearer the people's than they do: the best twenty of the people's own
# hairlines leave a median of 6.2.
FIRST_BANK_MEDIANS = dict(eyes=4.71, brows=5.48, nose=3.41, mouth=2.41, outline=3.37,
                          ears=6.07, hairline=7.75)
COVERAGE_SHARES = dict(eyes=0.7, brows=0.7, nose=0.7, mouth=0.7, outline=0.7, ears=0.7,
                       hairline=0.85)
# Sample 2 fills records 20-59 of generation 0, so it is the face most like
# everyone.
AVERAGE_SAMPLE = 1

# Parts measured: face points, or hairline points as drawn (front hair and
# sideburns; the back hair is bred but not drawn).
PARTS = (
    ("eyes", "face", tuple(range(0, 24))),
    ("brows", "face", tuple(range(28, 39))),
    ("nose", "face", tuple(range(42, 59))),
    ("mouth", "face", tuple(range(61, 83))),
    ("outline", "face", tuple(range(147, 155)) + tuple(range(166, 175))),
    ("ears", "face", tuple(range(158, 165))),
    ("hairline", "hair", tuple(range(0, 18)) + tuple(range(24, 30))),
)


def fits(m):
    """Whether the measures m leave every part its room."""
    return (m["tip_y"] - m["bridge"] >= m["eye_y"] - m["eye_h"] + MIN_NOSE_TOP_BELOW_EYE
            and m["mouth_y"] - m["upper_lip"] - m["tip_y"] >= MIN_PHILTRUM
            and m["mouth_y"] + m["lower_lip"] <= MAX_LOWER_LIP_Y
            and m["pupil"] <= m["eye_h"] + MAX_PUPIL_OVER_LID)


def person(rng):
    """One person's measures and hair shape, drawn until the parts fit."""
    while True:
        m = dict(DEFAULTS)
        m.update((k, rng.uniform(lo, hi)) for k, (lo, hi) in RANGES.items())
        if fits(m):
            break
    hair = {k: rng.uniform(lo, hi) for k, (lo, hi) in HAIR_RANGES.items()}
    for linked in (HAIR_VOLUME, HAIR_SIDEBURN):
        t = rng.random()
        for k in linked:
            lo, hi = HAIR_RANGES[k]
            share = min(max(t + rng.uniform(-HAIR_SPREAD, HAIR_SPREAD), 0.0), 1.0)
            hair[k] = lo + (hi - lo) * share
    # A fringe runs roughly level: its middle lies a little above (a parting,
    # a quiff) or below (a widow's peak) its sides.
    hair["fringe_mid"] = hair["fringe_side"] + hair.pop("fringe_dip")
    hair["receding"] = rng.random() < RECEDING_SHARE
    return m, hair


def people(count=PEOPLE, seed=PEOPLE_SEED):
    rng = random.Random(seed)
    return [person(rng) for _ in range(count)]


def part_shapes(pts, hair):
    """Each measured part's points, by part name."""
    groups = {"face": pts, "hair": hair}
    return {name: [groups[g][i] for i in idx] for name, g, idx in PARTS}


def part_distance(a, b):
    return sum(((ax - bx) ** 2 + (ay - by) ** 2) ** 0.5
               for (ax, ay), (bx, by) in zip(a, b)) / len(a)


def distance_table(bank_shapes, people_shapes):
    """Per part, per sample: the distance of its part to every person's."""
    return {name: [[part_distance(p[name], s[name]) for p in people_shapes]
                   for s in bank_shapes]
            for name, _, _ in PARTS}


def people_parts():
    """The parts of the fixed people."""
    return [part_shapes(*build_points(m, h)) for m, h in people()]


def coverage(table):
    """Per part the median over the people of the nearest sample's distance."""
    return {name: statistics.median(min(col) for col in zip(*rows))
            for name, rows in table.items()}


def most_average(table):
    """The sample whose parts lie nearest the people on the whole."""
    totals = [sum(sum(rows[s]) for rows in table.values())
              for s in range(len(next(iter(table.values()))))]
    return totals.index(min(totals))


def coverage_faults(built):
    """Prints the coverage of the built bank; faults where it misses a floor."""
    table = distance_table([part_shapes(pts, hair) for pts, _, hair, _ in built],
                           people_parts())
    faults = []
    print(f"coverage of {PEOPLE} people: median distance to the nearest sample's part")
    for name, median in coverage(table).items():
        ceiling = FIRST_BANK_MEDIANS[name] * COVERAGE_SHARES[name]
        print(f"  {name:9s} {median:5.2f}  (first bank {FIRST_BANK_MEDIANS[name]:.2f},"
              f" at most {ceiling:.2f})")
        if median > ceiling:
            faults.append(f"coverage: {name} {median:.2f} above {ceiling:.2f}")
    average = most_average(table)
    print(f"most average sample: facebank{average + 1}")
    if average != AVERAGE_SAMPLE:
        faults.append(f"facebank{AVERAGE_SAMPLE + 1} fills most of generation 0 but "
                      f"facebank{average + 1} is the most average face")
    return faults
