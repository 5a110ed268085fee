"""The twenty sample faces, each described by a few parameters, and the
builder that turns a description into face points, face flags, hairline
points and hairline flags."""

import facebank_parts as parts
from facebank_hair import hairline

FACE_POINTS = 178
FACE_FLAGS = 96
HAEGIWA_FLAGS = 35

# Head profiles: half-width, height of the widest level, cap and jaw powers.
SHAPE_KEYS = ("width", "widest_y", "cap_power", "jaw_power")
SHAPES = {
    "oval": (78.0, -5.0, 2.2, 2.0),
    "round": (86.0, 0.0, 2.4, 2.3),
    "long": (68.0, -10.0, 2.2, 2.2),
    "square": (80.0, 5.0, 2.6, 3.2),
    "pointed": (77.0, -10.0, 2.3, 1.55),
}

# Eyes: half-width, lid height, tilt, lower lid depth, crease gap, under-eye gap, pupil.
EYE_KEYS = ("eye_w", "eye_h", "tilt", "lower_lid", "crease", "under", "pupil")
EYES = {
    "almond": (14.0, 6.0, 1.5, 5.0, 5.0, 5.0, 7.0),
    "round": (13.0, 8.0, 0.0, 7.0, 5.0, 4.0, 8.0),
    "narrow": (15.0, 4.5, 0.5, 4.0, 4.0, 5.0, 6.0),
    "big": (16.0, 9.0, 1.0, 7.0, 6.0, 4.0, 9.5),
    "droopy": (14.0, 6.5, -2.5, 5.0, 5.0, 5.5, 7.0),
    "upturned": (14.5, 6.5, 3.5, 5.0, 5.0, 5.0, 7.0),
}

# Brows: length, arch, thickness, droop of the outer end.
BROW_KEYS = ("brow_len", "arch", "brow_thick", "droop")
BROWS = {
    "arched": (30.0, 5.0, 3.0, 2.0),
    "straight": (32.0, 2.0, 5.0, 0.0),
    "thick": (33.0, 3.0, 7.0, 1.0),
    "thin": (28.0, 4.0, 2.5, 3.0),
    "angry": (32.0, 1.0, 5.5, -4.0),
    "sad": (29.0, 3.5, 3.5, 6.0),
}

# Noses: bridge length, half-width of the wings, drop of the tip line.
NOSE_KEYS = ("bridge", "wing", "tip_drop")
NOSES = {
    "small": (40.0, 10.0, 0.0),
    "straight": (52.0, 12.0, 1.0),
    "broad": (48.0, 15.0, 1.5),
    "long": (60.0, 12.5, 2.5),
    "button": (36.0, 11.0, -0.5),
}

# Mouths: half-width, corner lift, upper lip, lower lip, bow, opening.
MOUTH_KEYS = ("mouth_w", "lift", "upper_lip", "lower_lip", "bow", "opening")
MOUTHS = {
    "full": (23.0, 1.5, 5.0, 7.5, 0.8, 1.0),
    "thin": (24.0, 0.5, 3.0, 4.5, 0.3, 0.5),
    "wide": (28.0, 2.5, 4.0, 6.0, 0.6, 1.5),
    "small": (18.0, 1.0, 4.5, 6.0, 1.0, 1.0),
    "smile": (26.0, 4.0, 3.5, 8.0, 0.5, 2.0),
    "stern": (24.0, -2.0, 3.0, 5.0, 0.2, 0.5),
}

# The measures that no named type sets: outline side, ears, where the eyes,
# brows, nose and mouth sit, and the line lengths.
DEFAULTS = dict(side_y169=-2.0, ear_top=-30.0, ear_len=52.0, ear_out=12.0, eye_y=-18.0,
                eye_gap=19.0, brow_gap=13.0, frown=10.0, tip_y=36.0, mouth_y=62.0,
                wrinkle_gap=7.0)


def measures(face):
    """Every measure of a face as one flat dictionary: the values of its named
    shape, eyes, brows, nose and mouth over the common defaults, then the
    face's own values ("m")."""
    m = dict(DEFAULTS)
    m.update(zip(SHAPE_KEYS, SHAPES[face["shape"]]))
    m.update(zip(EYE_KEYS, EYES[face["eyes"]]))
    m.update(zip(BROW_KEYS, BROWS[face["brows"]]))
    m.update(zip(NOSE_KEYS, NOSES[face["nose"]]))
    m.update(zip(MOUTH_KEYS, MOUTHS[face["mouth"]]))
    m.update(face.get("m", {}))
    return m


def build_points(m, hair_shape):
    """Face points and hairline points of the measures m."""
    prof = parts.Profile(m["width"], m["widest_y"], m["cap_power"], m["jaw_power"])
    pts = [(0.0, 0.0)] * FACE_POINTS
    y169 = m["side_y169"]
    y152 = parts.CHIN_Y - 12.0
    side = (-72.0, -38.0 + min(y169, 30.0) * 0.4, y169,
            y169 + (y152 - y169) * 0.32, y169 + (y152 - y169) * 0.62,
            y169 + (y152 - y169) * 0.86)
    parts.outline(pts, prof, side)
    parts.ears(pts, prof, m["ear_top"], m["ear_len"], m["ear_out"])

    eye_y, half_w, height = m["eye_y"], m["eye_w"], m["eye_h"]
    eye_x = -(m["eye_gap"] + half_w)
    parts.eye(pts, eye_x, eye_y, half_w, height, m["tilt"], m["lower_lid"], m["crease"],
              m["under"], m["pupil"])

    brow_y = eye_y - height - m["brow_gap"]
    parts.brow(pts, eye_x + half_w + 2.0, brow_y, m["brow_len"], m["arch"], m["brow_thick"],
               m["droop"], m["frown"])

    tip_y, wing = m["tip_y"], m["wing"]
    parts.nose(pts, tip_y, m["bridge"], wing, m["tip_drop"])
    parts.beside_nose(pts, tip_y, wing)

    mouth_y, mw, upper = m["mouth_y"], m["mouth_w"], m["upper_lip"]
    parts.mouth(pts, mouth_y, mw, m["lift"], upper, m["lower_lip"], m["bow"], m["opening"])
    parts.below_nose(pts, tip_y, mouth_y - upper - 1.0, -wing, pts[79])
    parts.forehead(pts, brow_y - 16.0, 34.0, m["wrinkle_gap"])
    parts.cheeks(pts, tip_y - 4.0, -mw - 16.0)
    return pts, hairline(pts, **hair_shape)


def build(face):
    """Returns (face points, face flags, hairline points, hairline flags)."""
    pts, hair = build_points(measures(face), face["hair"])
    return pts, face_flags(face), hair, hairline_flags(face)


BASE_FACE_FLAGS = {
    0: 0, 1: 0, 2: 0, 3: 5, 4: 1, 5: 0, 6: 0, 7: 0, 8: 0, 9: 0, 10: 0,
    15: 0, 16: 1, 17: 1, 18: 0, 19: 0,
    22: 0, 23: 0, 24: 0, 25: 0, 26: 0, 27: 0, 28: 0, 29: 0, 30: 0, 31: 0, 32: 1, 33: 0,
    38: 1, 39: 0, 40: 0, 41: 0, 42: 0, 43: 2, 44: 0, 45: 0,
    50: 0, 51: 0, 53: 1, 57: 0, 61: 0, 62: 0, 70: 0,
    79: 0, 80: 0, 81: 0, 82: 1, 83: 0, 87: 0, 88: 0, 90: 0, 91: 0, 92: 0,
}


def face_flags(face):
    flags = [0] * FACE_FLAGS
    for k, v in BASE_FACE_FLAGS.items():
        flags[k] = v
    for k, v in face.get("f", {}).items():
        flags[k] = v
    # Flags that follow flag 53 on every drawing.
    flags[60] = flags[53]
    flags[67] = flags[53]
    return flags


BASE_HAIRLINE_FLAGS = {0: 1, 1: 0, 2: 0, 3: 0, 4: 0, 10: 1, 11: 0, 12: 0, 13: 0, 14: 0,
                       20: 0, 25: 0, 31: 1, 32: 0}


def hairline_flags(face):
    flags = [0] * HAEGIWA_FLAGS
    for k, v in BASE_HAIRLINE_FLAGS.items():
        flags[k] = v
    for k, v in face.get("h", {}).items():
        flags[k] = v
    # As the hair fitting derives them before every drawing.
    if flags[0] != flags[10]:
        flags[20] = 1
    if flags[10] == 0 or flags[13] == 1:
        flags[25] = 0
    return flags
